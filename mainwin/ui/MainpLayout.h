// The main window's layout: the pixel places of the horoscope page's widgets in the window's
// fixed client area, their fonts' pixel sizes, and the texts they show before the first
// cast. BuildLayout (Mainp.cpp) makes the widgets from these tables.
#pragma once

#include "ui/common/FormText.h"

namespace nemra::ui::mainp {

inline constexpr int kClientWidth = 792;
inline constexpr int kClientHeight = 536;
inline constexpr const char* kMenuHint = "คลิกขวาเพื่อเรียกเมนูลอย"; // the dial's and the grid's tooltip

inline constexpr FormPlace kChartArea{2, 8, 521, 521};

// The side labels: a column for the natal chart and one for the transit chart, each line's
// name and its caption until a chart is cast. Bold, navy.
struct LabelColumn {
    int left;
    int width;
    FormText lines[7];
};
inline constexpr int kLabelTops[7] = {0, 18, 35, 52, 68, 84, 101};
inline constexpr int kLabelHeight = 18;
inline constexpr int kLabelFontPixels = 13;
inline constexpr unsigned kLabelRgb = 0x000080;
inline constexpr LabelColumn kNatalLabels{528,
                                          128,
                                          {{"LName", "ดวงเดิม -"},
                                           {"LDate", "วันเดือนปี -"},
                                           {"LTime", "เวลา -"},
                                           {"lPlace", "เมือง -"},
                                           {"LTimeZone", "เขตเวลา -"},
                                           {"LLatitude", "แลตติจูด -"},
                                           {"LLongitude", "ลองกิจูด -"}}};
inline constexpr LabelColumn kTransitLabels{657,
                                            134,
                                            {{"trname", "ดวงจร -"},
                                             {"trdate", "วันเดือนปี -"},
                                             {"trtime", "เวลา -"},
                                             {"trPlace", "เมือง -"},
                                             {"trtimezone", "เขตเวลา -"},
                                             {"trlatitude", "แลตติจูด -"},
                                             {"trlongitude", "ลองกิจูด -"}}};

// The position grid (StringGrid1), bold, and its tabs (TabSet1) under it.
inline constexpr FormPlace kGrid{524, 118, 264, 400};
inline constexpr int kGridRows = 22;
inline constexpr int kGridColumns = 4;
inline constexpr int kGridColumnWidth = 65;
inline constexpr int kGridRowHeight = 18;
inline constexpr int kGridFontPixels = 12;
inline constexpr FormPlace kGridTabs{527, 517, 265, 19};
inline constexpr const char* kGridTabCaptions[] = {"สมผุสปัจจัยจริง", "สมผุสปัจจัยสะท้อน"};
inline constexpr const char* kGridTabStyle = "QTabBar::tab { height: 17px; padding: 0px 10px; }";
inline constexpr int kGridTabFontPixels = 10; // bold

// The dial's switches at its lower right corner: ChooseChartList (by display mode), the dial
// type group and ReflectSelectList (in the order of kContraciaChoices).
inline constexpr int kListFontPixels = 11;
inline constexpr FormPlace kChartList{435, 457, 84, 21};
inline constexpr const char* kChartListItems[] = {"แสดงทุกดวง", "พื้นดวง+จร", "พื้นดวง+v1", "พื้นดวง", "ดวงจร"};
inline constexpr FormPlace kDialGroup{409, 475, 110, 31};
inline constexpr FormText kDialGroupText{"DialSelectGroup", "ชนิดจานหมุน"};
inline constexpr int kDialGroupFontPixels = 9;
inline constexpr const char* kDialGroupStyle =
    "QGroupBox { background: white; border: 1px solid gray; margin-top: 0px; }"
    "QGroupBox::title { subcontrol-origin: padding; left: 3px; top: 0px; }";
inline constexpr int kDialGroupMargins[4] = {4, 12, 2, 0}; // left, top, right, bottom
inline constexpr int kDialGroupSpacing = 2;
inline constexpr FormText kDialButtons[2] = {{"DialSelect360", "360"}, {"DialSelect90", "90"}};
inline constexpr FormPlace kReflectList{408, 506, 112, 21};
inline constexpr const char* kReflectListItems[] = {"จุดสะท้อนทั้งหมด", "จุดสะท้อนเจ้าชะตา", "ไม่แสดงจุดสะท้อน"};

// The live transit's stop button, over the dial's upper right corner while it runs.
inline constexpr FormPlace kStopButton{447, 10, 75, 25};
inline constexpr FormText kStopButtonText{"StopBtn", "หยุดดวงจร"};

} // namespace nemra::ui::mainp
