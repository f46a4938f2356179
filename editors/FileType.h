#pragma once

#include <string>

namespace Varo::Fenra::ParameterPool
{

/// One file type offered in the filter list of a file dialog, such as {".txt", false, "Text
/// files"}.
struct SFileType
{
    /// The file name ending the type matches, written after a "*" in the filter; as a rule it
    /// includes the dot.
    std::string m_Extension;
    /// The filter also offers the upper-cased ending, and the multi-file edit compares endings
    /// case-sensitively when it preselects this type.
    bool m_bUpperCaseVariant = false;
    /// The text shown for the type in the dialog's filter list.
    std::string m_Description;
};

} // namespace Varo::Fenra::ParameterPool
