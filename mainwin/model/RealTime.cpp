#include "mainwin/model/RealTime.h"

#include "core/PointFormulas.h"
#include "dials/model/DialIndex.h"
#include "mainwin/model/Session.h"

namespace nemra {

TChartInput PlaceDialogInput(const MainSession& s)
{
    TChartInput input = s.GChartInput;
    input.Place = s.FPlaceChoice.Place;
    input.Latitude = s.FPlaceChoice.Latitude;
    input.Longitude = s.FPlaceChoice.Longitude;
    return input;
}

void TakeChosenPlace(MainSession& s, const TChartInput& chosen)
{
    s.FPlaceChoice = chosen;
    s.GChartInput.Place = chosen.Place;
    s.GChartInput.Latitude = chosen.Latitude;
    s.GChartInput.Longitude = chosen.Longitude;
}

void StartRealTime(MainSession& s)
{
    s.FLiveInput = s.GChartInput;
    ResetDialToZodiac(s);
    s.FTransit.Visible = true;
    s.FShowV1 = true;
}

void RealTimeTick(MainSession& s, UtInstant now)
{
    TChartInput input = s.FLiveInput;
    input.Name = kPresentChartName;
    CastTransitAt(s, input, now);
    RefreshIndexPoint(s);
}

void RefreshIndexPoint(MainSession& s)
{
    if (const auto point = RecomputeIndexPoint(s))
        s.FDialRotation = *point;
    if (s.FIndexMode > kIndexHouse)
        ShowIndex(s);
}

} // namespace nemra
