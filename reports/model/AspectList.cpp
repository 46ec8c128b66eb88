#include "reports/model/AspectList.h"

#include "core/AngleMath.h"
#include "core/FactorCatalogue.h"
#include "core/WinDeg.h"
#include "reports/model/ReportFile.h"

#include <cmath>
#include <cstdio>

namespace nemra {

const std::array<std::string_view, kAspectModeCount> AspectModeCaptions = {"ดวงกำเนิด", "ดวงจร", "บวกโค้งถึงดวงกำเนิด",
                                                                           "ดวงจรถึงดวงกำเนิด", "ดวงจรถึงปัจจัยบวกโค้ง"};

const std::array<std::string_view, kAspectModeCount> AspectModeTitles = {
    "ปัจจัยเดี่ยวทำมุมภายในดวงกำเนิด", "ปัจจัยเดี่ยวทำมุมภายในดวงจร", "ปัจจัยเดี่ยวบวกโค้งทำมุมถึงดวงกำเนิด",
    "ปัจจัยเดี่ยวดวงจรทำมุมถึงดวงกำเนิด", "ปัจจัยเดี่ยวดวงจรทำมุมถึงปัจจัยบวกโค้ง"};

const std::array<std::string_view, kAspectBaseCount> AspectBaseItems = {"90.00", "72.00", "45.00", "30.00",
                                                                        "22.30", "15.00", "07.30"};
const std::array<double, kAspectBaseCount> AspectBaseDegrees = {90.0, 72.0, 45.0, 30.0, 22.5, 15.0, 7.5};

namespace {

// Factors 0..21 take part; Ketu never does.
constexpr int kLastAspectFactor = kPoseidon;

// A deviation equal to the orb is within it; the margin absorbs the last bit of rounding
// in sums of longitudes (far below the arc-second the texts show).
constexpr double kOrbMargin = 1e-9;

constexpr const char* kNatalHeader = "ดวงกำเนิด";
constexpr const char* kTransitHeader = "ดวงจร";
constexpr const char* kArcNatalHeader = "ปัจจัยบวกโค้ง";

enum class Source { Natal, Transit, ArcNatal };

// How a mode pairs its charts.
struct ModePlan {
    Source first;
    Source second;
    int firstStart;        // first factor runs from here to 21
    bool firstReflections; // the first chart's reflections are tested too
    bool secondAfterFirst; // second factor from first + 1 (each unordered pair once)
};

constexpr std::array<ModePlan, kAspectModeCount> kPlans = {{
    {Source::Natal, Source::Natal, 0, false, true},
    {Source::Transit, Source::Transit, 1, false, true},
    {Source::ArcNatal, Source::Natal, 0, true, false},
    {Source::Transit, Source::Natal, 1, false, false},
    {Source::Transit, Source::ArcNatal, 0, true, false},
}};

int ValidMode(int mode)
{
    return mode >= 1 && mode <= kAspectModeCount ? mode : 1;
}

int ValidArcKind(int kind)
{
    return kind >= 1 && kind <= kArcKindCount ? kind : 1;
}

// The natal chart with the arc added to the longitude and the reflection of factors 0..21.
TChartRecord ArcAddedChart(const TChartRecord& natal, double arcDeg)
{
    TChartRecord rec = natal;
    for (int i = 0; i <= kLastAspectFactor; ++i) {
        auto& pos = rec.Factors[static_cast<std::size_t>(i)];
        pos.Lon = WinDeg::Reduce360(pos.Lon + arcDeg);
        pos.Refl = WinDeg::Reduce360(pos.Refl + arcDeg);
    }
    return rec;
}

const char* HeaderOf(Source source)
{
    switch (source) {
    case Source::Natal:
        return kNatalHeader;
    case Source::Transit:
        return kTransitHeader;
    case Source::ArcNatal:
        return kArcNatalHeader;
    }
    return kNatalHeader;
}

// One point of a chart: a factor's longitude or its reflection.
struct Point {
    int factor;
    bool reflection;
};

double LongitudeOf(const TChartRecord& rec, Point p)
{
    const auto& pos = rec.Factors[static_cast<std::size_t>(p.factor)];
    return p.reflection ? pos.Refl : pos.Lon;
}

std::string NameOf(Point p)
{
    const std::string name(FactorNamesThai[static_cast<std::size_t>(p.factor)]);
    return p.reflection ? "-" + name : name;
}

// The points of the second chart against one first factor: both points of every factor,
// except the Aries point, which has its longitude only.
std::vector<Point> SecondPoints(int from)
{
    std::vector<Point> points;
    for (int i = from; i <= kLastAspectFactor; ++i) {
        points.push_back({i, false});
        if (i != kAries)
            points.push_back({i, true});
    }
    return points;
}

} // namespace

std::string AspectTabCaption(int mode, int selectedMode)
{
    const std::string caption(AspectModeCaptions[static_cast<std::size_t>(ValidMode(mode) - 1)]);
    return mode == selectedMode ? "*" + caption : caption;
}

double AspectOrbFor(int degreeItem, int minuteItem)
{
    return degreeItem + minuteItem / 60.0;
}

double AspectBaseFor(int item, double current)
{
    return item >= 0 && item < kAspectBaseCount ? AspectBaseDegrees[static_cast<std::size_t>(item)] : current;
}

std::string AspectAngleText(double angleDeg)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%5.1f", angleDeg);
    return buf;
}

std::string DeviationText(double deviationDeg)
{
    const double x = std::fabs(deviationDeg) + 0.00000139;
    const double degrees = std::trunc(x);
    const double minutesExact = (x - degrees) * 60.0;
    double minutes = std::trunc(minutesExact);
    const double seconds = std::trunc((minutesExact - minutes) * 6000.0) / 100.0;
    if (seconds >= 30.0 && minutes < 59.0)
        minutes += 1.0;
    double value = degrees + minutes / 100.0;
    if (deviationDeg < 0.0 && value != 0.0)
        value = -value;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%5.2f", value);
    std::string text = buf;
    if (text.front() == ' ')
        text.front() = '+';
    return text;
}

std::string ArcLabelText(const std::array<double, kArcKindCount>& arcs, int arcKind)
{
    return "โค้งสุริยยาตร์ = " + WinDeg::ArcText(arcs[static_cast<std::size_t>(ValidArcKind(arcKind) - 1)]);
}

AspectList BuildAspectList(const AspectListCharts& charts, const AspectListSettings& settings)
{
    const int mode = ValidMode(settings.mode);
    const ModePlan& plan = kPlans[static_cast<std::size_t>(mode - 1)];
    const bool usesArc = plan.first == Source::ArcNatal || plan.second == Source::ArcNatal;
    const TChartRecord arcNatal =
        usesArc ? ArcAddedChart(charts.natal, charts.arcs[static_cast<std::size_t>(ValidArcKind(settings.arcKind) - 1)])
                : TChartRecord{};
    const auto chartOf = [&](Source source) -> const TChartRecord& {
        return source == Source::Natal ? charts.natal : (source == Source::Transit ? charts.transit : arcNatal);
    };
    const TChartRecord& first = chartOf(plan.first);
    const TChartRecord& second = chartOf(plan.second);

    AspectList list;
    list.mode = mode;
    list.firstInput = first.Input;
    list.firstHeader = HeaderOf(plan.first);
    list.secondHeader = HeaderOf(plan.second);
    for (int e = plan.firstStart; e <= kLastAspectFactor; ++e) {
        const std::vector<Point> seconds = SecondPoints(plan.secondAfterFirst ? e + 1 : 0);
        for (int k = 0; k < (plan.firstReflections ? 2 : 1); ++k) {
            const Point p1{e, k == 1};
            const double lon1 = LongitudeOf(first, p1);
            for (const Point& p2 : seconds) {
                const AspectResult r = AspectOf(lon1, LongitudeOf(second, p2), settings.base);
                if (std::fabs(r.orb) <= settings.orb + kOrbMargin)
                    list.rows.push_back({NameOf(p1), AspectAngleText(r.aspect), NameOf(p2), DeviationText(r.orb)});
            }
        }
    }
    return list;
}

std::array<std::string, 4> AspectHeaderCells(const AspectList& list)
{
    return {list.firstHeader, "การทำมุม", list.secondHeader, "ระยะวังกะ"};
}

std::vector<std::string> AspectListFileLines(const AspectList& list)
{
    std::vector<std::string> lines = {IdentityLine(list.firstInput),
                                      std::string(AspectModeTitles[static_cast<std::size_t>(list.mode - 1)])};
    const auto header = AspectHeaderCells(list);
    lines.push_back(JoinFields({header.begin(), header.end()}));
    for (const AspectRow& row : list.rows)
        lines.push_back(JoinFields({row.first, row.angle, row.second, row.deviation}));
    return lines;
}

AspectListCharts AspectListChartsOf(const ChartSet& s)
{
    return {s.FNatal, s.FTransit, {s.FArc, s.FHalfArc, s.FDoubleArc}};
}

} // namespace nemra
