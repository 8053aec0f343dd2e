#pragma once

#include "framework/Object.h"

#include <vector>

namespace fw {

// An inter-application event: a class, an id, the target's creator code and keyed parameters. Its
// Send goes through the platform's event transport.
class AppleEvent : public Object {
public:
    static const ClassRecord& __Lookup();
    const ClassRecord& classRecord() const override { return __Lookup(); }

    uint32_t EventClass = 0;
    uint32_t EventID = 0;
    uint32_t Creator = 0;

    // The text parameter of a four-character keyword ("----" is the direct object); setting one
    // replaces an earlier one of the same keyword. A keyword that is not four bytes raises
    // OutOfBoundsException.
    String StringParam(const String& keyword) const;
    void setStringParam(const String& keyword, const String& value);

    // True when the receiver accepted the whole event; False when it could not be delivered, was
    // refused, or no answer came within the transport's timeout. The reply's contents are not read.
    // The wait for the answer runs the event loop, as DoEvents does, so other handlers (another
    // Send among them) run inside it. False, too, when the program is asked to quit during the wait;
    // and False at once, with nothing sent, once it has been asked to quit or while maxWaitingSends
    // sends wait.
    bool Send();

    // The sends that may wait for their answers at once. Each is a nested loop inside a click's
    // handler, some 4 KB of stack (twice that under AddressSanitizer), and holds two descriptors: its
    // socket and the script file that the palette keeps open through the send. 16 of them hold some
    // 64 KB of the 8 MiB of stack and 32 of the 1,024 descriptors that a Debian 12 system gives a
    // process by default, however long clicks keep coming while the receiver does not answer. A send
    // whose answer has come no longer counts, though it keeps its two descriptors until it returns:
    // clicks that come faster than sends end may keep it from returning, but then the bound of nested
    // loops (qt::NestedLoop, 32 levels) holds them, and with them the descriptors, to some 64.
    static constexpr int32_t maxWaitingSends = 16;

private:
    struct Parameter {
        uint32_t keyword;
        String text; // shared with the caller's String: a script is never copied on its way out
    };
    std::vector<Parameter> m_parameters;
};

// A new event of that class and id for the application of that creator code; nil when any of the
// three is not a four-character code.
Ref<AppleEvent> NewAppleEvent(const String& eventClass, const String& eventID, const String& creator);

} // namespace fw
