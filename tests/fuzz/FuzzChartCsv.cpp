// Fuzz target: any bytes as a chart CSV import. Every row the import would store must pass
// the chart checks, and exporting those rows and reading the export back must give exactly
// the same charts with no faults.
#include "library/model/ChartCsv.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const nemra::CsvImportPlan plan = nemra::PlanCsvImport(std::string_view(reinterpret_cast<const char*>(data), size));
    if (plan.fileFault && (!plan.rows.empty() || !plan.faults.empty()))
        std::abort();
    std::vector<nemra::StoredChart> charts;
    for (const nemra::CsvImportRow& row : plan.rows) {
        if (!nemra::CheckDraft(row.chart) || row.line < 2)
            std::abort();
        charts.push_back({0, row.chart, row.created, row.changed});
    }
    const nemra::CsvImportPlan again = nemra::PlanCsvImport(nemra::ChartsCsv(charts));
    if (again.fileFault || !again.faults.empty() || again.rows.size() != charts.size())
        std::abort();
    for (std::size_t i = 0; i < charts.size(); ++i)
        if (!(again.rows[i].chart == charts[i].chart) || again.rows[i].created != charts[i].created
            || again.rows[i].changed != charts[i].changed)
            std::abort();
    return 0;
}
