// The step every report shares when it writes its text file: the identity line of a chart
// and the one writer that appends the report's lines to the file.
#pragma once

#include "core/ChartInput.h"
#include "core/ThaiText.h"

#include <string>
#include <vector>

namespace nemra {

// Texts joined by ",", as the report files separate their fields.
std::string JoinFields(const std::vector<std::string>& fields);

// The identity line of a chart: Name, Date, Time, TimeZone, Latitude, Longitude joined by
// "," (the place is not written).
std::string IdentityLine(const TChartInput& input);

// Appends the report's lines to the file at `path` (UTF-8) in the Thai code page with
// CR LF line ends, creating the file when it is missing. A failure carries the system's
// reason and leaves an existing file exactly as it was.
Result<> SaveReportLines(const std::string& path, const std::vector<std::string>& lines);

} // namespace nemra
