// Fuzz target: nemra-chart's argument handling. The input is split at NUL bytes into
// arguments.
#include "ChartCommand.h"

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
    std::ostringstream out;
    std::ostringstream err;
    const int status = nemra::cli::RunChartCommand(args, out, err);
    if (status != 0 && status != 2)
        std::abort();
    if (status == 2 && err.str().empty())
        std::abort();
    return 0;
}
