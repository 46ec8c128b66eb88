// The chart input panel's layout (TChartInputPanel, ChartInputPanel.cpp): the texts of its
// controls before a chart is shown, and its grid: a row a text of the chart, the row's
// caption in column 0 and its controls, by object name, from column 1 on. The zone and
// position controls' own texts are InputDialogKit's.
#pragma once

#include "ui/common/FormText.h"

#include <span>

namespace nemra::ui::chartinput {

inline constexpr FormText kNameEdit{"Edit1", "ดวงจรขณะนี้", "ไม่เกิน 30 ตัวอักษร"};
inline constexpr FormText kCalendar{"Calendar1", nullptr, "คลิกช่องวันที่ที่ต้องการ"};
inline constexpr FormText kMonthTabs{"TabSet1", nullptr, "ปุ่มด้านขวาใช้เลื่อนหาชื่อเดือนได้"};
inline constexpr FormText kYearLabel{"Label8", "ค.ศ.(1995)"}; // the Christian year of BESpin
inline constexpr FormText kCityButton{"Button1", "จังหวัด/เมือง"};
inline constexpr FormText kAtlasButton{"AtlasButton", "เมืองทั่วโลก", "ค้นหาเมืองจากแผนที่โลก พร้อมเขตเวลาตามวันและเวลาเกิด"};
inline constexpr FormText kAtlasNote{"AtlasNote"};

// A cell of a row: a control of the panel, or a box of controls (kBoxes), by its name.
struct GridCell {
    const char* name = nullptr; // none: the row has no more cells
    int column = 0;
    int columnSpan = 1;
};
struct GridRow {
    const char* caption; // UTF-8; none: the row has no caption
    GridCell cells[5];
    bool tall = false; // the row takes the height to spare, its caption at its top
};

// A box: controls side by side in one cell, each followed by its unit caption where it has
// one; an item with no control is the space to spare.
struct BoxItem {
    const char* control = nullptr;
    const char* unit = nullptr; // UTF-8
};
struct Box {
    const char* name;
    std::span<const BoxItem> items;
    bool spaced = false; // the controls stand apart as the grid's columns do; else they touch
};
inline constexpr BoxItem kTimeItems[] = {{"HoSpin", "นาฬิกา"}, {"MinSpin", "นาที"}, {"SecSpin", "วินาที"}, {}};
// The place takes the width the two buttons leave: in columns of their own they made the grid
// wider than the dialog, which then cut the east buttons' and Button1's captions.
inline constexpr BoxItem kCityItems[] = {{"Edit2"}, {"Button1"}, {"AtlasButton"}};
inline constexpr Box kBoxes[] = {{"TimeBox", kTimeItems}, {"CityBox", kCityItems, true}};

inline constexpr int kStretchColumn = 6; // takes the width to spare
inline constexpr int kVerticalSpacing = 3;
inline constexpr GridRow kGridRows[] = {
    {"นาม", {{"Edit1", 1, 6}}},
    {"วันที่", {{"Calendar1", 1, 6}}, true},
    {"เดือน", {{"TabSet1", 1, 6}}},
    {"พ.ศ.", {{"BESpin", 1}, {"Label8", 2, 5}}},
    {"เวลา", {{"TimeBox", 1, 6}}},
    {"จังหวัด/เมือง", {{"CityBox", 1, 6}}},
    {"เขตเวลา", {{"SpinEdit5", 1}, {"SpinEdit6", 2}, {"CheckBox1", 3}, {"RadioButton1", 4}, {"RadioButton2", 5}}},
    {"แลตติจูด", {{"SpinEdit7", 1}, {"SpinEdit8", 2}, {"RadioButton3", 4}, {"RadioButton4", 5}}},
    {"ลองกิจูด", {{"SpinEdit9", 1}, {"SpinEdit10", 2}, {"RadioButton5", 4}, {"RadioButton6", 5}}},
    {nullptr, {{"AtlasNote", 1, 6}}},
};

} // namespace nemra::ui::chartinput
