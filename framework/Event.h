#pragma once

#include "framework/ClassRecord.h"
#include "framework/Object.h"

#include <any>
#include <functional>
#include <type_traits>

namespace fw {

// An event: a typed slot that calls its handler only when one is bound. Raising an unbound event does
// nothing, and an unbound event with a result gives the result's zero value (False for a Boolean).
template <class Signature> class Event;

template <class R, class... A> class Event<R(A...)> {
public:
    using Handler = std::function<R(A...)>;

    bool isBound() const noexcept { return static_cast<bool>(m_handler); }
    void bind(Handler handler) { m_handler = std::move(handler); }
    void unbind() { m_handler = nullptr; }

    R operator()(A... args) const
    {
        if (!m_handler) {
            if constexpr (std::is_void_v<R>)
                return;
            else
                return R {};
        }
        // A handler may rebind its own event; the copy keeps the running one alive.
        Handler running = m_handler;
        return running(std::forward<A>(args)...);
    }

private:
    Handler m_handler;
};

// A handler's entry point as the event dispatch calls it: Self (the window that holds the control, or
// the window itself) first, then Me (the object whose event fired), then the event's arguments.
template <class R, class... A> using EntryPoint = std::function<R(Object& self, Object& me, A...)>;

// The window that a control's handler runs on as Self: the control's window, or the object itself.
Ref<Object> eventSelf(Object& me);

// A delegate over a method: it carries the method's entry point and its signature text.
class Delegate : public Object {
public:
    std::any entryPoint;
    String signature;
};

// A delegate over a window method `R W::method(Ref<M> Me, A...)`. The method is called through the
// window's own virtual operations, on whichever window the dispatch passes as Self.
template <class R, class W, class M, class... A>
Ref<Delegate> RuntimeCreateDelegate(R (W::*method)(Ref<M>, A...), String signature)
{
    auto delegate = New<Delegate>();
    delegate->signature = std::move(signature);
    delegate->entryPoint = EntryPoint<R, A...>([method](Object& self, Object& me, A... args) -> R {
        W* window = dynamic_cast<W*>(&self);
        if (!window)
            throw NilObjectException();
        return (window->*method)(Ref<M>(dynamic_cast<M*>(&me)), std::forward<A>(args)...);
    });
    return delegate;
}

// A delegate over a module method (no receiver): its entry point is the function itself.
template <class R, class... A> Ref<Delegate> RuntimeCreateDelegate(R (*function)(A...), String signature)
{
    auto delegate = New<Delegate>();
    delegate->signature = std::move(signature);
    delegate->entryPoint = function;
    return delegate;
}

// Binds an entry point to the event of that name of `object`: from then on the event runs it with the
// object as Me and the object's window as Self. An unknown event or an entry point of another
// signature raises PropertyRecordException.
void _InstallInstanceEventHandler(
    const Ref<Object>& object, std::string_view eventName, const std::any& entryPoint);

// The record entry that lets `_InstallInstanceEventHandler` bind class C's event slot by name.
template <class C, class R, class... A>
EventRecord bindable(const char* name, const char* signature, Event<R(A...)> C::*slot)
{
    return { name, signature, [slot, name = std::string(name)](Object& target, const std::any& entryPoint) {
                const auto* entry = std::any_cast<EntryPoint<R, A...>>(&entryPoint);
                if (!entry)
                    throw PropertyRecordException(
                        String("the handler does not fit the event ") + String(name));
                Object* me = &target;
                (static_cast<C&>(target).*slot).bind([entry = *entry, me](A... args) -> R {
                    Ref<Object> self = eventSelf(*me);
                    Ref<Object> protector(me); // the handler may delete what holds the control
                    return entry(*self, *me, std::forward<A>(args)...);
                });
            } };
}

} // namespace fw
