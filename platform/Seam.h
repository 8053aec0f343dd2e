#pragma once

#include <optional>
#include <utility>

namespace fw::platform {

// A service that tests replace: the real one runs unless a scope has put a replacement in place.
// Every seam has this one shape; `Tag` is the seam's own type, so that two seams of one value type
// stay apart.
//
//     struct MsgBoxSeam : platform::Seam<MsgBoxSeam, Handler> {};
//     MsgBoxSeam::Scoped recorder(handler); // until the scope ends
template <class Tag, class Value> class Seam {
public:
    // A copy of the replacement, or nullopt for the real service. A copy, so that a handler that
    // replaces its own seam while it runs keeps running.
    static std::optional<Value> replacement() { return slot(); }

    // Puts `value` in place while it lives; the previous replacement, or none, comes back after.
    class Scoped {
    public:
        explicit Scoped(Value value)
            : m_previous(std::exchange(slot(), std::optional<Value>(std::move(value))))
        {
        }
        ~Scoped() { slot() = std::move(m_previous); }
        Scoped(const Scoped&) = delete;
        Scoped& operator=(const Scoped&) = delete;

    private:
        std::optional<Value> m_previous;
    };

private:
    static std::optional<Value>& slot()
    {
        static std::optional<Value> value;
        return value;
    }
};

} // namespace fw::platform
