#pragma once

#include "framework/Color.h"
#include "framework/String.h"

#include <any>
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace fw {

class Object;

// A value as a settings record carries it: the property's type code decides which alternative.
using PropertyValue = std::variant<int32_t, bool, Color, String>;

struct PropertyRecord {
    std::string name;
    // "i4", "b", "c", "s", or "o<Class>" for an object reference (which a settings record cannot set).
    std::string typeCode;
    std::function<void(Object&, const PropertyValue&)> set;
    std::function<PropertyValue(const Object&)> get;
};

struct MethodRecord {
    std::string name;
    std::string signature; // "%%", "%b%i4i4", "%o<MenuItem>%" ...
};

// An event that can be bound by name: the installer puts a handler's entry point into the object's
// typed event slot.
struct EventRecord {
    std::string name;
    std::string signature; // "(  )", "( Int32, Int32 ) as Boolean" ...
    std::function<void(Object& target, const std::any& entryPoint)> install;
};

// A class's run-time record: its name, parent, interfaces and registered members. Each record is
// built once, by its class's lookup, which builds the parent and the interfaces first.
class ClassRecord {
public:
    std::string fullName;
    const ClassRecord* parent = nullptr;
    std::vector<const ClassRecord*> interfaces;
    std::vector<PropertyRecord> properties;
    std::vector<MethodRecord> methods;
    std::vector<std::string> declaredEvents;
    std::vector<EventRecord> bindableEvents;

    // Finds a property by name, regardless of letter case, in this class or its ancestors.
    const PropertyRecord* findProperty(std::string_view name) const;
    // Finds a bindable event by its exact name, in this class or its ancestors; the nearest wins, so a
    // subclass's own event hides its parent's of the same name.
    const EventRecord* findEvent(std::string_view name) const;
    bool isKindOf(const ClassRecord& other) const;

    // Builds the record of `fullName` once: `parent` and `interfaces` are the records already looked
    // up, `fill` adds the members. Later calls return the record built first.
    static const ClassRecord& define(const char* fullName, const ClassRecord* parent,
        std::vector<const ClassRecord*> interfaces, const std::function<void(ClassRecord&)>& fill);
    // The record registered under that full name, or nil.
    static const ClassRecord* find(std::string_view fullName);
    // The full names in the order their records were built, for checking start-up.
    static const std::vector<std::string>& buildOrder();
};

// Helpers for filling a record's property list from a class's members.
template <class C, class T> PropertyRecord field(const char* name, T C::*member);

template <class C, class T>
PropertyRecord accessor(const char* name, T (C::*getter)() const, void (C::*setter)(T));

namespace detail {
template <class T> const char* typeCodeOf()
{
    if constexpr (std::is_same_v<T, int32_t>)
        return "i4";
    else if constexpr (std::is_same_v<T, bool>)
        return "b";
    else if constexpr (std::is_same_v<T, Color>)
        return "c";
    else if constexpr (std::is_same_v<T, String>)
        return "s";
    else
        static_assert(sizeof(T) == 0, "no settings-record type for this property");
}
} // namespace detail

template <class C, class T> PropertyRecord field(const char* name, T C::*member)
{
    return { name, detail::typeCodeOf<T>(),
        [member](Object& o, const PropertyValue& v) { static_cast<C&>(o).*member = std::get<T>(v); },
        [member](const Object& o) { return PropertyValue(static_cast<const C&>(o).*member); } };
}

template <class C, class T>
PropertyRecord accessor(const char* name, T (C::*getter)() const, void (C::*setter)(T))
{
    return { name, detail::typeCodeOf<T>(),
        [setter](Object& o, const PropertyValue& v) { (static_cast<C&>(o).*setter)(std::get<T>(v)); },
        [getter](const Object& o) { return PropertyValue((static_cast<const C&>(o).*getter)()); } };
}

// An object-typed property: registered by name and type, never set by a record.
inline PropertyRecord objectProperty(const char* name, const char* className)
{
    return { name, std::string("o<") + className + ">", nullptr, nullptr };
}

} // namespace fw
