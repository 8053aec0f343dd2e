#pragma once

#include "framework/String.h"

#include <exception>

namespace fw {

// The framework's exceptions. Each carries its Message and names its own class, which the handling of
// unhandled exceptions reports.
class RuntimeException : public std::exception {
public:
    RuntimeException() = default;
    explicit RuntimeException(String message)
        : Message(std::move(message))
    {
    }
    virtual const char* className() const noexcept { return "RuntimeException"; }
    const char* what() const noexcept override { return Message.c_str(); }

    String Message;
};

class NilObjectException : public RuntimeException {
public:
    NilObjectException()
        : RuntimeException("a nil object was used")
    {
    }
    using RuntimeException::RuntimeException;
    const char* className() const noexcept override { return "NilObjectException"; }
};

class IllegalCastException : public RuntimeException {
public:
    IllegalCastException()
        : RuntimeException("an object was cast to a class it is not")
    {
    }
    using RuntimeException::RuntimeException;
    const char* className() const noexcept override { return "IllegalCastException"; }
};

class OutOfBoundsException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* className() const noexcept override { return "OutOfBoundsException"; }
};

// A settings record or a binding by name that does not fit the object's class.
class PropertyRecordException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* className() const noexcept override { return "PropertyRecordException"; }
};

} // namespace fw
