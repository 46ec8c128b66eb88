// nemra-chart: the command-line front of the chart model, for scripts.
#pragma once

#include "ChartInput.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace nemra::cli {

// A chart given as 'DATE,TIME,ZONE,LAT,LON[,NAME[,PLACE]]' in the texts of the chart
// input. Writes a one-line reason into `error` and returns nothing when the text has the
// wrong number of fields or a field is not well-formed.
std::optional<TChartInput> ParseChartArgument(const std::string& text, std::string& error);

// Runs one command (`args` without the program name); returns the exit status:
// 0 done, 2 bad arguments or input (a one-line message on `err`).
int RunChartCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace nemra::cli
