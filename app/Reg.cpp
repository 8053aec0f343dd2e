#include "app/Reg.h"

#include "framework/MsgBox.h"

namespace Reg {

bool m(const fw::String& target, const fw::String& pattern, const fw::String& options)
{
    try {
        fw::Ref<fw::RegEx> re = fw::New<fw::RegEx>();
        re->SearchPattern = pattern;
        Option(options, re);
        fw::Ref<fw::RegExMatch> match = re->Search(target);
        return !match.isNil();
    } catch (const fw::RegExException& e) {
        fw::MsgBox(e.Message);
        return false;
    }
}

void Option(const fw::String& options, fw::Ref<fw::RegEx>& re)
{
    const int32_t length = fw::Len(options);
    for (int32_t i = 1; i <= length; ++i) {
        const fw::String letter = fw::Mid(options, i, 1);
        if (letter == "g") {
            re->Options()->ReplaceAllMatches = true;
        } else if (letter == "i") {
            re->Options()->CaseSensitive = true; // the letter turns case sensitivity on
        } else if (letter == "m") {
            re->Options()->TreatTargetAsOneLine = false;
            re->Options()->DotMatchAll = false;
        } else if (letter == "s") {
            re->Options()->TreatTargetAsOneLine = true;
            re->Options()->DotMatchAll = true;
        }
    }
}

} // namespace Reg
