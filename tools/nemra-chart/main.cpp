// nemra-chart: casts charts and prints positions for scripts.
#include "ChartCommand.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return nemra::cli::RunChartProgram(args, STDOUT_FILENO, std::cerr);
}
