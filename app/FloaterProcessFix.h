#pragma once

#include "framework/String.h"

#include <cstdint>

// Ties the visibility of floating windows to the application in front.
namespace FloaterProcessFix {
void Install();
int32_t CarbonEventHandler(int32_t callRef, int32_t event, int32_t userData);
void CheckOpenWindows();
void HideShowFloaters(const fw::String& creator);
} // namespace FloaterProcessFix
