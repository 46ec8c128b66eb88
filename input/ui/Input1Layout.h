// The chart input dialog's layout (TNew1, Input1.cpp): its fixed size, its texts and the
// margins round the chart input panel (ChartInputPanelLayout.h) and the button row under it.
#pragma once

#include "ui/common/FormText.h"

namespace nemra::ui::input1 {

inline constexpr FormText kDialog{"New1", "ข้อมูลดวงชะตา"};
inline constexpr int kFontPoints = 9;
inline constexpr int kWidth = 465;
inline constexpr int kHeight = 467;
inline constexpr int kMargins[4] = {10, 6, 10, 6}; // left, top, right, bottom
inline constexpr int kSpacing = 3;
inline constexpr FormText kOkButton{"BitBtn1", "ตกลง"};
inline constexpr FormText kCancelButton{"BitBtn2", "ยกเลิก"};

} // namespace nemra::ui::input1
