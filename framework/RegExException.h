#pragma once

#include "framework/RuntimeException.h"

namespace fw {

// The regular-expression component's exception. Its Message is the matching engine's own text.
class RegExException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* className() const noexcept override { return "RegExException"; }
};

// A pattern that does not compile, including one that is not valid UTF-8.
class RegExSearchPatternException : public RegExException {
public:
    using RegExException::RegExException;
    const char* className() const noexcept override { return "RegExSearchPatternException"; }
};

} // namespace fw
