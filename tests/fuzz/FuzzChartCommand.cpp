// Fuzz target: nemra-chart's argument handling. The input is split at NUL bytes into
// arguments. Commands that write files (the chart library's, print) are left out, and a
// stored chart (@ID, @NAME) is looked up in a library that does not exist, which is refused
// without creating it.
#include "core/ThaiText.h"
#include "tools/nemra-chart/ChartCommand.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size && args.size() < 16; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    for (const std::string& arg : args)
        if (arg == "charts" || arg == "print" || arg.rfind("--db", 0) == 0)
            return 0;
    ::setenv("NEMRA_CHART_DB", "/nonexistent/nemra-fuzz/charts.sqlite", 1);
    std::ostringstream out;
    std::ostringstream err;
    const int status = nemra::cli::RunChartCommand(args, out, err);
    if (status != 0 && status != 2)
        std::abort();
    if (status == 2 && err.str().empty())
        std::abort();
    // A refusal is one line of plain text, whatever bytes the arguments held.
    const std::string message = err.str();
    if (status == 2 && (!nemra::IsValidUtf8(message) || message.find('\n') != message.size() - 1))
        std::abort();
    for (const char c : message)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\n') || c == 0x7F)
            std::abort();
    return 0;
}
