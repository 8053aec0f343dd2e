#pragma once

#include "framework/RuntimeException.h"

#include <cstdint>
#include <type_traits>
#include <utility>

namespace fw {

class ClassRecord;

// The root of every counted object. The count is intrusive and single-threaded: everything in the
// program runs on the event loop's thread.
class Object {
public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;

    void retain() const noexcept { ++m_refCount; }
    void release() const noexcept
    {
        if (--m_refCount == 0)
            delete this;
    }
    int32_t refCount() const noexcept { return m_refCount; }

    // The record of the object's own class, for property lookup and event binding by name.
    virtual const ClassRecord& classRecord() const;
    static const ClassRecord& __Lookup();

private:
    mutable int32_t m_refCount = 0;
};

// A counted reference: retains what it stores, releases on overwrite and at scope end.
// Dereferencing a nil reference raises NilObjectException.
template <class T> class Ref {
public:
    Ref() noexcept = default;
    Ref(std::nullptr_t) noexcept { }
    explicit Ref(T* object) noexcept
        : m_ptr(object)
    {
        if (m_ptr)
            m_ptr->retain();
    }
    Ref(const Ref& other) noexcept
        : Ref(other.m_ptr)
    {
    }
    Ref(Ref&& other) noexcept
        : m_ptr(std::exchange(other.m_ptr, nullptr))
    {
    }
    template <class U>
    requires std::is_convertible_v<U*, T*> Ref(const Ref<U>& other)
    noexcept
        : Ref(static_cast<T*>(other.get()))
    {
    }
    template <class U>
    requires std::is_convertible_v<U*, T*> Ref(Ref<U>&& other)
    noexcept
        : m_ptr(other.leak())
    {
    }
    ~Ref()
    {
        if (m_ptr)
            m_ptr->release();
    }

    Ref& operator=(const Ref& other) noexcept
    {
        reset(other.m_ptr);
        return *this;
    }
    Ref& operator=(Ref&& other) noexcept
    {
        if (this != &other) {
            T* old = std::exchange(m_ptr, std::exchange(other.m_ptr, nullptr));
            if (old)
                old->release();
        }
        return *this;
    }
    Ref& operator=(std::nullptr_t) noexcept
    {
        reset(nullptr);
        return *this;
    }

    // The new value is retained before the old one is released, so that assigning an object to the
    // reference that holds its last other owner never frees it on the way.
    void reset(T* object) noexcept
    {
        if (object)
            object->retain();
        T* old = std::exchange(m_ptr, object);
        if (old)
            old->release();
    }

    T* get() const noexcept { return m_ptr; }
    T* leak() noexcept { return std::exchange(m_ptr, nullptr); }
    T& operator*() const { return *checked(); }
    T* operator->() const { return checked(); }
    explicit operator bool() const noexcept { return m_ptr != nullptr; }
    bool isNil() const noexcept { return m_ptr == nullptr; }

    template <class U> bool operator==(const Ref<U>& other) const noexcept
    {
        return static_cast<const void*>(m_ptr) == static_cast<const void*>(other.get());
    }
    bool operator==(std::nullptr_t) const noexcept { return m_ptr == nullptr; }

private:
    T* checked() const
    {
        if (!m_ptr)
            throw NilObjectException();
        return m_ptr;
    }

    T* m_ptr = nullptr;
};

// The one factory for counted objects. The class's member initialisers run first; with arguments,
// its Constructor method runs next, already under a counted reference, so that an exception in the
// constructor releases the half-made object.
template <class T, class... Args> Ref<T> New(Args&&... args)
{
    Ref<T> object(new T());
    if constexpr (sizeof...(Args) > 0)
        object->Constructor(std::forward<Args>(args)...);
    return object;
}

// The object test: nil is an instance of nothing.
template <class T, class U> bool IsA(const Ref<U>& object) noexcept
{
    return dynamic_cast<T*>(object.get()) != nullptr;
}

// The cast that tests the object's class: nil stays nil, an object of another class raises.
template <class T, class U> Ref<T> Cast(const Ref<U>& object)
{
    if (!object)
        return nullptr;
    T* cast = dynamic_cast<T*>(object.get());
    if (!cast)
        throw IllegalCastException();
    return Ref<T>(cast);
}

} // namespace fw
