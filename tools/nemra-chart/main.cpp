// nemra-chart: casts charts and prints positions for scripts.
#include "tools/nemra-chart/ChartCommand.h"
#include "tools/nemra-chart/Cli.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = nemra::cli::RunChartProgram(args, STDOUT_FILENO, std::cerr);
    nemra::cli::EndGuiApplication();
    return status;
}
