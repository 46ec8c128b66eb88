// The positions text file: the position grid as it stands, the chart data of the natal and
// transit charts and the solar arcs, comma separated, appended to a file in the Thai code
// page with CR LF line ends.
#pragma once

#include "core/ThaiText.h"

#include <array>
#include <string>
#include <vector>

namespace nemra {

struct MainSession;

// The grid's texts: the caption of the tab in force and rows of four cells (row 0 the
// headings, rows 1..21 the factors: name, natal, V1, transit). An empty cell is "".
struct PositionsGrid {
    std::string tabCaption;
    std::vector<std::array<std::string, 4>> rows;
};

inline constexpr std::array<const char*, 2> kGridTabCaptions = {"สมผุสปัจจัยจริง", "สมผุสปัจจัยสะท้อน"};
inline constexpr std::array<const char*, 4> kGridHeadings = {"ปัจจัย", "พื้นดวง", "จรอายุขัย", "ดวงจร"};

// The grid as the main window fills it from the session: natal column when the natal chart
// is computed, transit column when the transit chart is, V1 column when both are.
PositionsGrid PositionsGridOf(const MainSession& s);

// "โค้งสุริยยาตร์ " and the arc text cut to 24 characters, then " องศา", cut to 29.
std::string ExportArcCaption(const std::string& arcText);

// The lines of one export block, in order.
std::vector<std::string> PositionsTextLines(const MainSession& s, const PositionsGrid& grid);

// Appends one block to the file at `path` (created when missing). On failure nothing of the
// block stays in the file and the result carries the system's reason.
Result<> ExportPositionsText(const std::string& path, const MainSession& s, const PositionsGrid& grid);

} // namespace nemra
