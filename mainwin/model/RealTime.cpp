#include "RealTime.h"

#include "DialIndex.h"
#include "PointFormulas.h"
#include "Session.h"

namespace nemra {

void StartRealTime(MainSession& s)
{
    ResetDialToZodiac(s);
    s.FTransit.Visible = true;
    s.FShowV1 = true;
}

void RealTimeTick(MainSession& s, UtInstant now)
{
    TChartInput input = s.GChartInput;
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
