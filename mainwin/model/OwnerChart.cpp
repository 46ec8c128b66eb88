#include "mainwin/model/OwnerChart.h"

namespace nemra {

TChartInput OwnerChartInput()
{
    TChartInput input;
    input.Name = "เปลี่ยนแปลงการปกครอง 2475";
    input.Date = "24/06/2475";
    input.Time = " 6.00.00";
    input.Latitude = "13.45N";
    input.TimeZone = "105.00E";
    input.Longitude = "100.30E";
    input.Place = "กรุงเทพฯ";
    return input;
}

} // namespace nemra
