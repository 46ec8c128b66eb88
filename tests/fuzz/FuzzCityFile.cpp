// Fuzz target: any bytes as the city file, every line taken as the chosen city and carried
// into the input dialog's values, as the city list and the two dialogs do.
#include "input/model/ChartInputEntry.h"
#include "input/model/CityList.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto lines = nemra::SplitCityFileText(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& line : lines) {
        nemra::CityListState state;
        nemra::TChartInput input;
        state.SelectedLine = line;
        nemra::ParseCityLine(state, input);
        if (!state.CityChosen || nemra::CharCount(input.Place) > 30)
            std::abort();
        const nemra::CityEntry entry = nemra::CityEntryFor(state.CityChoice);
        if (!entry.failure && (!entry.zone || !entry.latitude || !entry.longitude))
            std::abort();
    }
    return 0;
}
