// The timing list as the window shows it and as it is saved: the row cells (dates and times at
// the period's zone, Buddhist era), the lines of the text report (written in the Thai code page
// by the reports' one writer), the CSV file (UTF-8) and the iCalendar file (RFC 5545: one timed
// event per exact hit at its moment in UTC, the orb period in its description).
#pragma once

#include "core/ChartInput.h"
#include "timeline/model/TimingList.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace nemra {

inline constexpr std::size_t kTimingColumns = 7;
using TimingCells = std::array<std::string, kTimingColumns>;

// "วันที่", "เวลา", "จุดกระทบ", "การทำมุม", "พักร์", "เข้าวังกะ", "ออกวังกะ".
TimingCells TimingHeaderCells();

// "07/12/2569": the date of a moment at a zone (seconds east), rounded to the minute.
std::string TimingDateText(double jdUT, std::int64_t zoneSeconds);
// "07/12/2569 18.05": the same with the time.
std::string TimingDateTimeText(double jdUT, std::int64_t zoneSeconds);

// One hit's cells: date, time (to the minute), picture, aspect angle (degrees.minutes, as the
// hit report shows it), "พ" when retrograde, and the dates the orb is entered and left ("-"
// when not known).
TimingCells TimingRowCells(const TimingHit& hit, std::int64_t zoneSeconds);

// The lines of the text report: the natal chart's identity, a line naming the list with its
// period, base and orb, the header and one line per hit, cells joined by ",".
std::vector<std::string> TimingTextLines(const TChartInput& natal, const TimelineSettings& settings,
                                         const TimelinePeriod& period, const std::vector<TimingHit>& hits);

// The CSV file (UTF-8, CR LF): the header, then per hit the cells with the exact moment in
// UTC (ISO 8601) after the time and the angle in decimal degrees.
std::string TimingCsv(const std::vector<TimingHit>& hits, std::int64_t zoneSeconds);

// The iCalendar file: `stampJdUT` is the moment the file is made (DTSTAMP).
std::string TimingIcs(const std::vector<TimingHit>& hits, std::int64_t zoneSeconds, double stampJdUT);

} // namespace nemra
