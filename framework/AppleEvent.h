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
    // Send among them) run inside it. False, too, when the program is asked to quit during the wait.
    bool Send();

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
