#include "mainwin/model/Session.h"

#include "core/AngleMath.h"
#include "core/WinDeg.h"
#include "core/WinPl.h"
#include "input/model/ChartInputForms.h"

namespace nemra {
namespace {

constexpr std::size_t kGridCellChars = 10;

// Age in years as the arc reckons it: year + month/12 + day/365.
double AgeYears(const TChartRecord& natal, const TChartRecord& transit)
{
    const auto when = [](const TChartRecord& r) { return r.Year + r.Month / 12.0 + r.Day / 365.0; };
    return when(transit) - when(natal);
}

TChartRecord& CastInto(TChartRecord& rec, const TChartInput& input, const CastOptions& options)
{
    rec.Input = input;
    CastChart(rec, options);
    return rec;
}

} // namespace

void FormV1Set(MainSession& s)
{
    for (int i = 0; i <= kLastPositionedFactor; ++i) {
        const auto f = static_cast<std::size_t>(i);
        s.FProgressed.Factors[f].Lon = Normalize360(s.FNatal.Factors[f].Lon + s.FArc);
        s.FProgressed.Factors[f].Refl = Normalize360(s.FNatal.Factors[f].Refl + s.FArc);
    }
    s.FProgressed.Computed = true;
}

void ResetDialToZodiac(MainSession& s)
{
    s.FDialRotation = 90.0;
    s.FDialTitle = kZodiacDialTitle;
    s.FDialSubTitle.clear();
}

void CastNatal(MainSession& s, const TChartInput& input)
{
    CastInto(s.FNatal, input, s.castOptions());
    if (s.FTransit.Computed) {
        ComputeArcs(s);
        SetDisplayMode(s, kShowAll);
    } else {
        SetDisplayMode(s, kShowNatal);
    }
    ResetDialToZodiac(s);
    s.FNatal.Visible = true;
}

void CastTransit(MainSession& s, const TChartInput& input)
{
    CastInto(s.FTransit, input, s.castOptions());
    if (s.FNatal.Computed) {
        ComputeArcs(s);
        SetDisplayMode(s, kShowAll);
    } else {
        SetDisplayMode(s, kShowTransit);
    }
    ResetDialToZodiac(s);
    s.FTransit.Visible = true;
    s.FShowV1 = true;
}

void CastOwner(MainSession& s)
{
    CastInto(s.FNatal, s.FOwnerInput, s.castOptions());
    if (s.FTransit.Computed)
        ComputeArcs(s);
    ResetDialToZodiac(s);
    s.FNatal.Visible = true;
}

void SetInputToMoment(TChartInput& input, UtInstant ut)
{
    const LocalDateTime now = DateTimeInZone(ut, input.TimeZone);
    input.Date = DateText(now.day, now.month, now.year + 543);
    input.Time = TimeText(now.hour, now.minute, now.second);
}

void CastTransitAt(MainSession& s, const TChartInput& input, UtInstant now)
{
    TChartInput moment = input;
    SetInputToMoment(moment, now);
    CastInto(s.FTransit, moment, s.castOptions());
    if (s.FNatal.Computed)
        ComputeArcs(s);
}

void CastTransitNow(MainSession& s, UtInstant now)
{
    CastTransitAt(s, s.GChartInput, now);
    ResetDialToZodiac(s);
    s.FTransit.Visible = true;
    s.FProgressed.Visible = true;
    s.FShowV1 = true;
}

void ComputeArcs(MainSession& s)
{
    const TChartRecord& natal = s.FNatal;
    const double progressedSun = WinPl::Sun(natal.Day2000 + AgeYears(natal, s.FTransit)).sun;
    s.FArc = WinDeg::Reduce360(progressedSun - natal.Factors[kSun].Lon);
    s.FHalfArc = s.FArc / 2.0;
    s.FDoubleArc = s.FArc * 2.0;
    s.FArcText = {WinDeg::ArcText(s.FArc), WinDeg::ArcText(s.FHalfArc), WinDeg::ArcText(s.FDoubleArc)};
    FormV1Set(s);
    s.FDailyMeridian =
        WinPl::SumMinus(natal.Factors[kMeridian].Lon + s.FArc, s.FTransit.Factors[kSun].Lon, natal.Factors[kSun].Lon);
}

void SetDisplayMode(MainSession& s, int mode)
{
    static constexpr bool kFlags[5][3] = {
        {true, true, true}, {true, true, false}, {true, false, true}, {true, false, false}, {false, true, false}};
    if (mode < kShowAll || mode > kShowTransit)
        return;
    s.FDisplayMode = mode;
    s.FNatal.Visible = kFlags[mode][0];
    s.FTransit.Visible = kFlags[mode][1];
    s.FProgressed.Visible = kFlags[mode][2];
    s.FShowV1 = kFlags[mode][2];
}

void SetAxis(MainSession& s, int axis)
{
    s.FAxis = AxisOf(axis);
    ComputeReflections(s.FNatal, s.FAxis);
    ComputeReflections(s.FTransit, s.FAxis);
    // The V1 reflections are the natal reflections carried by the arc, as the arcs form
    // them, so they mean the same whatever the history of axis switches.
    if (s.FProgressed.Computed)
        FormV1Set(s);
}

void SetTrueNode(MainSession& s, bool trueNode)
{
    s.TrueNodeChecked = trueNode;
    for (TChartRecord* rec : {&s.FNatal, &s.FTransit}) {
        if (!rec->Computed)
            continue;
        if (trueNode)
            UseTrueNode(*rec);
        else
            UseMeanNode(*rec);
        // The node's reflection follows the node, as a cast with this node forms it.
        ComputeReflections(*rec, s.FAxis);
    }
    // The V1 set carries the natal node and its reflection; the arcs and the daily meridian
    // do not depend on the node.
    if (s.FProgressed.Computed)
        FormV1Set(s);
}

namespace {
// A layer's point from the natal, transit or V1 value, or natal +- an arc.
double LayerValue(const ChartSet& s, int layer, int factor, double TFactorPos::*value)
{
    const auto f = static_cast<std::size_t>(factor < 0 || factor > kLastPositionedFactor ? 0 : factor);
    const double natal = s.FNatal.Factors[f].*value;
    switch (layer) {
    case kLayerTransit:
        return s.FTransit.Factors[f].*value;
    case kLayerV1:
        return s.FProgressed.Factors[f].*value;
    case kLayerV2:
        return Normalize360(natal - s.FArc);
    case kLayerV1Half:
        return Normalize360(natal + s.FHalfArc);
    case kLayerV2Half:
        return Normalize360(natal - s.FHalfArc);
    case kLayerV1Double:
        return Normalize360(natal + s.FDoubleArc);
    case kLayerV2Double:
        return Normalize360(natal - s.FDoubleArc);
    default:
        return natal;
    }
}
} // namespace

double LayerLongitude(const ChartSet& s, int layer, int factor)
{
    return LayerValue(s, layer, factor, &TFactorPos::Lon);
}

double LayerReflection(const ChartSet& s, int layer, int factor)
{
    return LayerValue(s, layer, factor, &TFactorPos::Refl);
}

std::string GridCellText(const MainSession& s, int column, int factor)
{
    if (factor < kFirstPositionedFactor || factor > kLastPositionedFactor || column < 1 || column > 3)
        return {};
    const TChartRecord& rec = column == 1 ? s.FNatal : (column == 2 ? s.FProgressed : s.FTransit);
    const auto f = static_cast<std::size_t>(factor);
    std::string text = WinDeg::PositionText(s.GridTab == 0 ? rec.Factors[f].Lon : rec.Factors[f].Refl);
    if (column != 2) {
        const std::size_t room = kGridCellChars - std::min(kGridCellChars, CharCount(text));
        text += CutToChars(rec.Retro[f], room);
    }
    return text;
}

std::array<std::string, 7> ChartLabelTexts(const TChartRecord& rec)
{
    return {rec.Input.Name.str(),
            rec.DateWords,
            "เวลา " + rec.Input.Time.str() + " น.",
            rec.Input.Place.str(),
            "เขตเวลา " + rec.Input.TimeZone.str(),
            "แลตติจูด " + rec.Input.Latitude.str(),
            "ลองกิจูด " + rec.Input.Longitude.str()};
}

} // namespace nemra
