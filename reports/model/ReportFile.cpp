#include "reports/model/ReportFile.h"

namespace nemra {

std::string JoinFields(const std::vector<std::string>& fields)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        line += fields[i];
    }
    return line;
}

std::string IdentityLine(const TChartInput& input)
{
    return JoinFields({input.Name.str(), input.Date.str(), input.Time.str(), input.TimeZone.str(), input.Latitude.str(),
                       input.Longitude.str()});
}

Result<> SaveReportLines(const std::string& path, const std::vector<std::string>& lines)
{
    return AppendLinesCp874(path, lines);
}

} // namespace nemra
