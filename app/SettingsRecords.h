#pragma once

#include "framework/SettingsRecordEncoder.h"

// The settings records that the palette window and its five controls receive when they are created.
// Each is encoded at compile time from the entries below, in record order.
namespace SettingsRecords {

using namespace fw::settings;

inline constexpr int32_t noControlArray = INT32_MIN;

inline constexpr std::array window1Entries {
    i4("Placement", 0),
    i4("Width", 130),
    i4("Height", 148),
    i4("MinWidth", 125),
    i4("MinHeight", 100),
    i4("MaxWidth", 32000),
    i4("MaxHeight", 32000),
    i4("Frame", 7), // a global floating window
    b("Composite", false),
    b("HasBackColor", true),
    c("BackColor", 0xE8E8E8),
    s("Title", "IDE Script"),
    b("Visible", false),
    b("FullScreen", false),
    b("MenuBarVisible", true),
    b("CloseButton", true),
    b("Resizeable", true),
    b("LiveResize", true),
    b("MaximizeButton", true),
    b("MinimizeButton", true),
    s("BalloonHelp", ""),
    i4("MacProcID", 0),
};

inline constexpr std::array customCellListbox1Entries {
    s("Name", "CustomCellListbox1"),
    i4("Index", noControlArray),
    i4("Left", 4),
    i4("Top", 2),
    i4("Width", 122),
    i4("Height", 121),
    b("LockLeft", true),
    b("LockTop", true),
    b("LockRight", true),
    b("LockBottom", true),
    i4("TabPanelIndex", 0),
    b("Visible", true),
    s("HelpTag", ""),
    b("AutoDeactivate", true),
    b("Enabled", true),
    i4("ColumnCount", 1),
    s("ColumnWidths", ""),
    b("HasHeading", true),
    b("UseFocusRing", false),
    s("InitialValue", "Script Name"),
    i4("HeadingIndex", -1),
    b("ScrollbarHorizontal", false),
    b("ScrollBarVertical", true),
    i4("GridLinesHorizontal", 0),
    i4("GridLinesVertical", 0),
    i4("DefaultRowHeight", 20),
    i4("_ScrollWidth", -1),
    i4("_ScrollOffset", 0),
    s("TextFont", "System"),
    i4("TextSize", 0),
    b("Bold", false),
    b("Italic", false),
    b("Underline", false),
    b("Hierarchical", false),
    b("EnableDrag", false),
    b("EnableDragReorder", false),
    b("RequiresSelection", false),
    i4("SelectionType", 0),
    b("ColumnsResizable", false),
    b("AutoHideScrollbars", true),
    s("DataSource", ""),
    s("DataField", ""),
    s("InitialParent", ""),
    c("cellcolor", 0x000000),
};

inline constexpr std::array class21Entries {
    i4("Mode", 0),
    i4("Period", 100),
    b("Go", false),
};

// The three buttons' records hold the same names in the same order; these are the values that differ.
struct BevelButtonPlace {
    std::string_view name;
    int32_t left;
    bool lockLeft;
    bool lockRight;
    int32_t tabIndex;
    int32_t textSize;
};

constexpr std::array<Entry, 35> bevelButtonEntries(BevelButtonPlace p)
{
    return { {
        s("Name", p.name),
        i4("Index", noControlArray),
        i4("Left", p.left),
        i4("Top", 125),
        i4("Width", 20),
        i4("Height", 20),
        b("LockLeft", p.lockLeft),
        b("LockTop", false),
        b("LockRight", p.lockRight),
        b("LockBottom", true),
        i4("TabPanelIndex", 0),
        i4("TabIndex", p.tabIndex),
        s("InitialParent", ""),
        b("Visible", true),
        s("HelpTag", ""),
        b("AutoDeactivate", true),
        b("Enabled", true),
        s("Caption", ""),
        i4("CaptionAlign", 3),
        i4("CaptionPlacement", 1),
        i4("CaptionDelta", 0),
        i4("IconAlign", 1),
        i4("IconDX", 0),
        i4("IconDY", 0),
        i4("Bevel", 0),
        i4("HasMenu", 0),
        b("Value", false),
        i4("MenuValue", 0),
        i4("ButtonType", 0),
        b("AcceptFocus", false),
        s("TextFont", "System"),
        i4("TextSize", p.textSize),
        b("Bold", false),
        b("Italic", false),
        b("Underline", false),
    } };
}

inline constexpr auto bevelButton1Entries = bevelButtonEntries({ "BevelButton1", 5, true, false, 2, 12 });
inline constexpr auto bevelButton2Entries = bevelButtonEntries({ "BevelButton2", 106, false, true, 3, 12 });
inline constexpr auto bevelButton3Entries = bevelButtonEntries({ "BevelButton3", 30, true, false, 4, 0 });

inline constexpr auto window1Bytes = encode<window1Entries>();
inline constexpr auto customCellListbox1Bytes = encode<customCellListbox1Entries>();
inline constexpr auto class21Bytes = encode<class21Entries>();
inline constexpr auto bevelButton1Bytes = encode<bevelButton1Entries>();
inline constexpr auto bevelButton2Bytes = encode<bevelButton2Entries>();
inline constexpr auto bevelButton3Bytes = encode<bevelButton3Entries>();

inline constexpr std::string_view Window1 = view(window1Bytes);
inline constexpr std::string_view CustomCellListbox1 = view(customCellListbox1Bytes);
inline constexpr std::string_view Class21 = view(class21Bytes);
inline constexpr std::string_view BevelButton1 = view(bevelButton1Bytes);
inline constexpr std::string_view BevelButton2 = view(bevelButton2Bytes);
inline constexpr std::string_view BevelButton3 = view(bevelButton3Bytes);

static_assert(Window1.size() == 293 && window1Entries.size() == 22);
static_assert(CustomCellListbox1.size() == 664 && customCellListbox1Entries.size() == 44);
static_assert(Class21.size() == 24 && class21Entries.size() == 3);
static_assert(BevelButton1.size() == 437 && BevelButton2.size() == 437 && BevelButton3.size() == 437);

} // namespace SettingsRecords
