#pragma once

#include <string>

namespace Varo::Fenra::Internationalisation::Detail
{

/// text between double quotes, with backspace, tab, line feed, form feed, carriage return,
/// both quote characters and the backslash escaped by a backslash; all other bytes unchanged.
std::string QuoteTranslationString(const std::string& text);

} // namespace Varo::Fenra::Internationalisation::Detail
