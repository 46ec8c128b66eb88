// The hit-point report's layout (TFReport, Ureport.cpp): its controls' names, captions and
// tooltips, and the grid's sizes. The controls stand in layouts that size them; the
// layer buttons and the kind boxes take their captions from the model (TargetLayerCaptions,
// HitKindCaptions).
#pragma once

#include "ui/common/FormText.h"

namespace nemra::ui::hitreport {

inline constexpr const char* kTitle = "รายงานการทำมุม";

// Over the controls: the studied point and the index (placeholders until FormCreate).
inline constexpr FormText kStudiedLabel{"Label1", "XName"};
inline constexpr FormText kIndexLabel{"Label2", "XValue"};
// The aspect's size (the lists themselves: MakeAspectSizeLists).
inline constexpr FormText kBaseLabel{nullptr, "ขนาดของมุม (องศา.ลิบดา)"};
inline constexpr FormText kOrbLabel{nullptr, "ระยะวังกะ(องศา/ลิบดา)"};
// The groups of buttons, each in two columns.
inline constexpr FormText kLayerGroup{"GroupBox1", "ทำมุมกับ"};
inline constexpr FormText kKindGroup{"GroupBox2", "ชนิดจุดกระทบ"};
inline constexpr FormText kSortGroup{"SortGroup", "การเรียงลำดับ"};
inline constexpr FormText kSortButtons[2] = {{"SortGroupItem0", "ตามระยะวังกะ"}, {"SortGroupItem1", "ตามลำดับดาว"}};
// The list: the grid and the formula book's pane under it.
inline constexpr FormText kListGroup{"GroupBox3", "รายการทำมุม"};
inline constexpr int kGridColumns = 4;
inline constexpr int kColumnWidth = 92;
inline constexpr int kRowHeight = 20;
inline constexpr int kBookPaneHeight = 90; // at the most
// The button row: the count of hits, a hidden label, save, print and close.
inline constexpr FormText kCountLabel{"Label5", "จำนวนจุดกระทบที่พบ....จุด"};
inline constexpr FormText kHiddenLabel{"Label6"};
inline constexpr FormText kSaveButton{"BitBtn2", "บันทึกไฟล์", "บันทึกตารางการทำมุมลงไฟล์"};
inline constexpr FormText kPrintButton{"BitBtn3", "พิมพ์", "พิมพ์ข้อมูลในตารางการทำมุม"};
inline constexpr FormText kCloseButton{"CloseBtn", "จบรายงาน"};

} // namespace nemra::ui::hitreport
