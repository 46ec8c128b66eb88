// nemra-chart: the command-line front of the chart model, for scripts.
#pragma once

#include "core/ChartInput.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace nemra::cli {

// A chart given as 'DATE,TIME,ZONE,LAT,LON[,NAME[,PLACE]]' in the texts of the chart
// input; the place takes the rest of the text, commas included. A fault with a one-line reason when the text has
// the wrong number of fields, a field is not well-formed, or a field holds a control character or bytes that are
// no UTF-8.
Result<TChartInput> ParseChartArgument(const std::string& text);

// Exit statuses: 0 done, 1 the output (or a --pdf file) could not be written, 2 bad arguments
// or input, or a fault of the chart library; a failure leaves one line with its reason on the
// error stream.
inline constexpr int kOutputFailed = 1;

// Runs one command (`args` without the program name) writing to `out`; returns 0, 1 or 2. A
// message quotes at most 40 characters of a text, with control characters and bytes that
// are no UTF-8 escaped.
int RunChartCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The program: runs one command writing to the file descriptor `outFd`, then flushes and
// closes it; a write or the close failing gives kOutputFailed with the system's reason.
int RunChartProgram(const std::vector<std::string>& args, int outFd, std::ostream& err);

} // namespace nemra::cli
