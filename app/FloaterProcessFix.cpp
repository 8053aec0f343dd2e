#include "app/FloaterProcessFix.h"

namespace FloaterProcessFix {

// Filled in with the platform's front-process service.
void Install()
{
}

int32_t CarbonEventHandler(int32_t, int32_t, int32_t)
{
    CheckOpenWindows();
    return 0;
}

void CheckOpenWindows()
{
}

void HideShowFloaters(const fw::String&)
{
}

} // namespace FloaterProcessFix
