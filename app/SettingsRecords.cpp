#include "app/SettingsRecords.h"
