#pragma once

#include "framework/Object.h"
#include "framework/String.h"

#include <variant>

namespace fw {

// A value of one of a few kinds, as a list cell's tag holds it: nothing, an Int32, a String, a
// Boolean, a Double, or a counted reference to an object (retained while the value holds it).
class Variant {
public:
    Variant() = default;
    Variant(int32_t value)
        : m_value(value)
    {
    }
    Variant(bool value)
        : m_value(value)
    {
    }
    Variant(double value)
        : m_value(value)
    {
    }
    Variant(String value)
        : m_value(std::move(value))
    {
    }
    // Without it a literal would become a Boolean.
    Variant(const char* value)
        : m_value(String(value))
    {
    }
    template <class T>
    Variant(const Ref<T>& object)
        : m_value(Ref<Object>(object))
    {
    }

    bool isEmpty() const noexcept { return std::holds_alternative<std::monostate>(m_value); }
    // The alternative of that type, or nil when the value holds another kind.
    template <class T> const T* get() const noexcept { return std::get_if<T>(&m_value); }
    // The object held, or nil when the value holds no object.
    Ref<Object> objectValue() const
    {
        const Ref<Object>* object = get<Ref<Object>>();
        return object ? *object : nullptr;
    }

private:
    std::variant<std::monostate, int32_t, String, bool, double, Ref<Object>> m_value;
};

} // namespace fw
