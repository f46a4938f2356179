#pragma once

#include "BasicException.h"

namespace Varo::Fenra::Strings
{

/// Raised when a text does not name a value of the requested type (see MakeValue).
class FENRA_STRINGS_EXPORT CMakeValueException : public CBasicException
{
public:
    using CBasicException::CBasicException;
};

} // namespace Varo::Fenra::Strings
