// The chart inputs the input dialogs start from: the current chart input (GChartInput), the
// place last chosen in the place dialog and the city list's choice.
#pragma once

#include "core/ChartInput.h"
#include "input/model/CityList.h"

namespace nemra {

struct InputChoices {
    TChartInput GChartInput;
    // The place dialog's Place, Latitude and Longitude: the place last chosen in it, or the
    // start-up place until one is chosen.
    TChartInput FPlaceChoice;
    CityListState Cities; // CityChoice, CityChosen and the selected line of the city list
};

} // namespace nemra
