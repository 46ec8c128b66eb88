#include "core/ChartRecord.h"

#include "core/AngleMath.h"
#include "core/AngleReading.h"
#include "core/WinDeg.h"
#include "core/WinPl.h"

#include <algorithm>
#include <cmath>

namespace nemra {
namespace {

std::uint16_t ToUint16(long value)
{
    return static_cast<std::uint16_t>(std::clamp(value, 0L, 65535L));
}

// Integer of at most the first two characters of a text, 0 when unreadable.
int LeadingInt(std::string_view text)
{
    return ReadInt(text.substr(0, std::min<std::size_t>(2, text.size()))).value_or(0);
}

// The signed decimal value of an angle text; 0 for a text that is no angle of its kind (the
// chart is then marked not well formed).
double AngleDegrees(std::string_view text, AngleKind kind)
{
    const auto angle = ReadAngleText(text, kind);
    return angle ? angle->Decimal() : 0.0;
}

void ParseDate(TChartRecord& rec)
{
    std::string_view date = rec.Input.Date;
    const auto first = date.find('/');
    const std::string_view dayText = date.substr(0, std::min<std::size_t>(first, 2));
    std::string_view rest = first == std::string_view::npos ? std::string_view{} : date.substr(first + 1);
    const auto second = rest.find('/');
    const std::string_view monthText = rest.substr(0, second);
    const std::string_view yearText = second == std::string_view::npos ? std::string_view{} : rest.substr(second + 1);

    rec.Day = ToUint16(LeadingInt(dayText));
    rec.Month = ToUint16(LeadingInt(monthText));
    const int yearBE = ReadInt(yearText).value_or(0);
    rec.YearBE = ToUint16(yearBE);
    rec.Year = ToUint16(ChristianYearFor(rec.Month, rec.YearBE));
    rec.DateWords = std::string(dayText) + " " + std::string(MonthNameThai(rec.Month)) + " " + std::string(yearText);
}

double ReadLocalHours(std::string time)
{
    if (time.size() == 7)
        time = "0" + time;
    if (time.size() <= 5)
        return WinDeg::DegMinToDecimal(ReadReal(time).value_or(0.0));
    const auto field = [&time](std::size_t at) {
        return at < time.size() ? ReadInt(std::string_view(time).substr(at, 2)).value_or(0) : 0;
    };
    return field(0) + field(3) / 60.0 + field(6) / 3600.0;
}

// Values that malformed texts may read as, held where the computation stays finite.
void ClampToSaneRanges(TChartRecord& rec)
{
    const auto clamp = [](double value, double limit) {
        return std::isfinite(value) ? std::clamp(value, -limit, limit) : 0.0;
    };
    rec.ZoneDeg = clamp(rec.ZoneDeg, 360.0);
    rec.LatDeg = clamp(rec.LatDeg, 90.0);
    rec.LonDeg = clamp(rec.LonDeg, 360.0);
    rec.LocalHours = clamp(rec.LocalHours, 48.0);
}

} // namespace

double ZoneDegrees(std::string_view zoneText)
{
    return ReadZoneDegrees(zoneText).value_or(0.0);
}

const char* MotionMark(double lonAtD, double lonAtNextDay)
{
    return ShortestArc(lonAtD, lonAtNextDay) < 0.0 ? kRetrogradeMark : kDirectMark;
}

void ParseChartInput(TChartRecord& rec)
{
    rec.InputWellFormed = CheckInputTexts(rec.Input).ok();
    ParseDate(rec);

    rec.ZoneDeg = ZoneDegrees(rec.Input.TimeZone);
    rec.LatDeg = AngleDegrees(rec.Input.Latitude, AngleKind::Latitude);
    rec.LonDeg = AngleDegrees(rec.Input.Longitude, AngleKind::Longitude);

    rec.LocalHours = ReadLocalHours(rec.Input.Time.str());
    if (!rec.InputWellFormed) // keep what malformed texts read as within sane bounds
        ClampToSaneRanges(rec);
    rec.UTHours = WinDeg::Reduce24(rec.LocalHours - rec.ZoneDeg / 15.0);
}

void ComputeDayNumbers(TChartRecord& rec)
{
    rec.DayNumber = WinPl::DayNumber(rec.Day, rec.Month, rec.Year);
    rec.DayValue = rec.DayNumber + (rec.LocalHours - rec.ZoneDeg / 15.0) / 24.0;
    rec.Day2000 = rec.DayValue - WinPl::kD2000OfDayNumber;
    // Malformed texts can give any number; keep the day counts within the types that hold them.
    rec.DayFloor = static_cast<std::int32_t>(std::clamp(FloorPart(rec.DayValue), -1e9, 1e9));
}

void ComputePositions(TChartRecord& rec)
{
    const double d = rec.Day2000;
    rec.Obliquity = WinPl::Obliquity(rec.DayValue);
    rec.SiderealTime = WinPl::SiderealTime(rec.DayFloor, rec.LonDeg, rec.UTHours);
    rec.Retro.fill(kDirectMark);

    auto& f = rec.Factors;
    f[kAries].Lon = 0.0;
    f[kMeridian].Lon = WinPl::Meridian(rec.SiderealTime, rec.Obliquity);
    f[kAscendant].Lon = WinPl::Ascendant(rec.SiderealTime, rec.Obliquity, rec.LatDeg);

    const WinPl::OuterTerms outer = WinPl::Outer(d);
    const WinPl::OuterTerms outerNext = WinPl::Outer(d + 1.0);
    const WinPl::SolarTerms sun = WinPl::Sun(d);
    const WinPl::SolarTerms sunNext = WinPl::Sun(d + 1.0);
    f[kSun].Lon = sun.sun;

    const WinPl::MoonResult moon = WinPl::Moon(d, sun.sun, sun.s1, sun.s2, sun.s3);
    f[kMoon].Lon = moon.moon;
    rec.MeanNode = moon.meanNode;

    // The true node for the chart's own moment: the day of the universal time (DayFloor)
    // with the universal-time hours, so a local time earlier than the zone offset does
    // not give the node of the following day.
    rec.TrueNode = WinPl::TrueNode(rec.DayFloor, rec.UTHours);
    rec.TrueNodeMark = MotionMark(rec.TrueNode, WinPl::TrueNode(rec.DayFloor + 1.0, rec.UTHours));
    rec.MeanNodeMark = kRetrogradeMark;
    UseTrueNode(rec);

    struct Planet {
        int factor;
        double (*at)(const WinPl::SolarTerms&, const WinPl::OuterTerms&, double d);
    };
    static constexpr Planet kPlanets[] = {
        {kMercury,
         [](const WinPl::SolarTerms& s, const WinPl::OuterTerms&, double d) { return WinPl::Mercury(d, s.sun, s.s2); }},
        {kVenus,
         [](const WinPl::SolarTerms& s, const WinPl::OuterTerms&, double d) { return WinPl::Venus(d, s.sun, s.s2); }},
        {kMars,
         [](const WinPl::SolarTerms& s, const WinPl::OuterTerms&, double d) { return WinPl::Mars(d, s.sun, s.s2); }},
        {kJupiter, [](const WinPl::SolarTerms& s, const WinPl::OuterTerms& o,
                      double d) { return WinPl::Jupiter(d, s.sun, s.s2, o.a, o.b, o.c); }},
        {kSaturn, [](const WinPl::SolarTerms& s, const WinPl::OuterTerms& o,
                     double d) { return WinPl::Saturn(d, s.sun, s.s2, o.a, o.b, o.c); }},
        {kUranus, [](const WinPl::SolarTerms& s, const WinPl::OuterTerms& o,
                     double d) { return WinPl::Uranus(d, s.sun, s.s2, o.b); }},
        {kNeptune,
         [](const WinPl::SolarTerms& s, const WinPl::OuterTerms&, double d) { return WinPl::Neptune(d, s.sun, s.s2); }},
        {kPluto,
         [](const WinPl::SolarTerms& s, const WinPl::OuterTerms&, double d) { return WinPl::Pluto(d, s.sun, s.s2); }},
    };
    for (const Planet& p : kPlanets) {
        const double now = p.at(sun, outer, d);
        const double next = p.at(sunNext, outerNext, d + 1.0);
        f[static_cast<std::size_t>(p.factor)].Lon = now;
        rec.Retro[static_cast<std::size_t>(p.factor)] = MotionMark(now, next);
    }

    for (int factor = kCupido; factor <= kPoseidon; ++factor)
        f[static_cast<std::size_t>(factor)].Lon = WinPl::TransNeptunian(factor, rec.Month, rec.Year, sun.sun, d);

    rec.Computed = true;
}

void UseTrueNode(TChartRecord& rec)
{
    rec.Factors[kNode].Lon = rec.TrueNode;
    rec.Retro[kNode] = rec.TrueNodeMark;
}

void UseMeanNode(TChartRecord& rec)
{
    rec.Factors[kNode].Lon = rec.MeanNode;
    rec.Retro[kNode] = rec.MeanNodeMark;
}

void ComputeReflections(TChartRecord& rec, int axis)
{
    for (int i = kFirstPositionedFactor; i <= kLastPositionedFactor; ++i) {
        auto& pos = rec.Factors[static_cast<std::size_t>(i)];
        pos.Refl = Normalize360(axis - pos.Lon);
    }
}

void CastChart(TChartRecord& rec, const CastOptions& options)
{
    ParseChartInput(rec);
    ComputeDayNumbers(rec);
    ComputePositions(rec);
    if (!options.trueNode)
        UseMeanNode(rec);
    ComputeReflections(rec, options.axis);
}

} // namespace nemra
