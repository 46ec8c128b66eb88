// The single-factor aspect list's layout (TFBriefAspect, UBriefAspect.cpp): its size, its
// controls' names, captions and tooltips, and the grid's sizes. The controls stand in
// layouts; the tabs take their captions from the model (AspectTabCaption).
#pragma once

#include "ui/common/FormText.h"

namespace nemra::ui::briefaspect {

inline constexpr const char* kTitle = "การทำมุมของปัจจัยเดี่ยว";
inline constexpr int kWidth = 660; // wide enough for the five tabs on one line
inline constexpr int kHeight = 540;

inline constexpr int kGridColumns = 4;
inline constexpr int kColumnWidth = 82;
inline constexpr int kRowHeight = 18;
// Under the grid: the arcs in force (Label3), the aspect's size (the lists: MakeAspectSizeLists)
// and the arc kind; at the foot the count of aspects (Label1), save and close.
inline constexpr FormText kArcLabel{"Label3"};
inline constexpr FormText kSizeGroup{"GroupBox1", "ขนาดมุม/วังกะ"};
inline constexpr FormText kArcGroup{"RadioGroup1", "โค้งสุริยยาตร์"};
inline constexpr FormText kArcButtons[3] = {
    {"RadioGroup1Item0", "โค้งปกติ"}, {"RadioGroup1Item1", "ครึ่งโค้ง"}, {"RadioGroup1Item2", "โค้ง 2 เท่า"}};
inline constexpr FormText kCountLabel{"Label1"};
inline constexpr FormText kSaveButton{"SaveV1NatalBtn", "บันทึกไฟล์", "บันทึกรายงานการทำมุมและคำแปลทุกรายการลงไฟล์"};
inline constexpr FormText kCloseButton{"CloseBtn", "ออก"};

} // namespace nemra::ui::briefaspect
