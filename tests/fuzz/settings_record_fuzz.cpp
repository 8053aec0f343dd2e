// Applies any bytes as a settings record to each of the six kinds of object that receive one. A
// record may only raise PropertyRecordException; anything else, or a sanitizer report, is a fault.
#include "app/Window1.h"
#include "app/Window1_Class21.h"
#include "framework/BevelButton.h"
#include "framework/SetProperties.h"
#include "list/CustomCellListbox.h"

#include <QApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    new QApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view record(reinterpret_cast<const char*>(data) + 1, size - 1);
    fw::Ref<fw::Object> target;
    switch (data[0] % 4) {
    case 0:
        target = fw::New<Window1>();
        break;
    case 1:
        target = fw::New<CustomCellListbox>();
        break;
    case 2:
        target = fw::New<Window1_Class21>();
        break;
    default:
        target = fw::New<fw::BevelButton>();
        break;
    }
    try {
        fw::_SetProperties(target, record);
    } catch (const fw::PropertyRecordException&) {
    }
    return 0;
}
