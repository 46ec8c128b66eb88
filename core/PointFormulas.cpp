#include "core/PointFormulas.h"

#include "core/AngleMath.h"
#include "core/WinPl.h"

#include <cctype>

namespace nemra {
namespace {

constexpr std::array<std::string_view, 9> kLayerTitleSuffix = {
    "", " กำเนิด", " จร", " V1", " V2", " V1 ครึ่งโค้ง", " V2 ครึ่งโค้ง", " V1 โค้ง 2 เท่า", " V2 โค้ง 2 เท่า",
};

// The joiners of the Thai names of sensitive kinds 1..4: a, b, c and what stands between.
constexpr std::array<std::array<std::string_view, 2>, 4> kSensJoiners = {{
    {"+", "-"},
    {"+", "+"},
    {"-", "-"},
    {"/", "//"},
}};
constexpr std::string_view kAriesMeridianSunName = "AR+MC-(MC/SU)";
constexpr std::string_view kAriesSunMeridianName = "AR+SU-(MC/SU)";

constexpr int kNatalChart = 1; // layer and house chart numbers
constexpr int kTransitChart = 2;

bool IsFactor(int factor)
{
    return factor >= 0 && factor < static_cast<int>(kFactorCount);
}

std::size_t At(int factor)
{
    return static_cast<std::size_t>(IsFactor(factor) ? factor : 0);
}

double Lon(const FactorPositions& chart, int factor)
{
    return chart[At(factor)].Lon;
}

// The point of a kind formed on one chart, before any shift into a layer.
double ChartPoint(const IndexKind& kind, const FactorPositions& chart, int axis)
{
    switch (kind.mode) {
    case kIndexFactor:
        return Lon(chart, kind.factorA);
    case kIndexFactorReflection:
        return ReflectionPoint(Lon(chart, kind.factorA), axis);
    case kIndexMidpoint:
        return FactorMidpoint(chart, kind.factorA, kind.factorB);
    case kIndexMidpointReflection:
        return ReflectionPoint(FactorMidpoint(chart, kind.factorA, kind.factorB), axis);
    default:
        return SensitivePoint(kind.mode - kFirstSensIndexMode + 1, chart, kind.factorA, kind.factorB, kind.factorC);
    }
}

bool UsesFactors(int mode, const IndexKind& kind)
{
    switch (mode) {
    case kIndexHouse:
    case kIndexFactor:
    case kIndexFactorReflection:
        return IsFactor(kind.factorA);
    case kIndexMidpoint:
    case kIndexMidpointReflection:
    case kIndexNatalTransitMidpoint:
    case kIndexNatalTransitMidpointReflection:
        return IsFactor(kind.factorA) && IsFactor(kind.factorB);
    default:
        return IsFactor(kind.factorA) && IsFactor(kind.factorB) && IsFactor(kind.factorC);
    }
}

} // namespace

double LayerArc(int layer, const SolarArcs& arcs)
{
    switch (layer) {
    case 3:
        return arcs.arc;
    case 4:
        return -arcs.arc;
    case 5:
        return arcs.halfArc;
    case 6:
        return -arcs.halfArc;
    case 7:
        return arcs.doubleArc;
    case 8:
        return -arcs.doubleArc;
    default:
        return 0.0;
    }
}

double ShiftToLayer(double lonDeg, int layer, const SolarArcs& arcs)
{
    return Normalize360(lonDeg + LayerArc(layer, arcs));
}

double ReflectionPoint(double lonDeg, int axis)
{
    return Normalize360(axis - lonDeg);
}

double FactorMidpoint(const FactorPositions& chart, int a, int b)
{
    return WinPl::Midpoint(Lon(chart, a), Lon(chart, b));
}

double SensitivePoint(int kind, const FactorPositions& chart, int a, int b, int c)
{
    switch (kind) {
    case 1:
        return WinPl::SumMinus(Lon(chart, a), Lon(chart, b), Lon(chart, c));
    case 2:
        return WinPl::SumPlus(Lon(chart, a), Lon(chart, b), Lon(chart, c));
    case 3:
        return WinPl::DiffMinus(Lon(chart, a), Lon(chart, b), Lon(chart, c));
    case 4:
        return WinPl::MidpointOfMidpoint(Lon(chart, a), Lon(chart, b), Lon(chart, c));
    case 5:
    case 6: {
        const double meridianSun = FactorMidpoint(chart, kMeridian, kSun);
        const int second = kind == 5 ? kMeridian : kSun;
        return WinPl::SumMinus(Lon(chart, kAries), Lon(chart, second), meridianSun);
    }
    default:
        return Lon(chart, a);
    }
}

std::string SensitiveName(int kind, int a, int b, int c)
{
    if (kind == 5)
        return std::string(kAriesMeridianSunName);
    if (kind == 6)
        return std::string(kAriesSunMeridianName);
    if (kind < 1 || kind > 4)
        return {};
    const auto& joiner = kSensJoiners[static_cast<std::size_t>(kind - 1)];
    std::string name(FactorCodeThai[At(a)]);
    name += joiner[0];
    name += FactorCodeThai[At(b)];
    name += joiner[1];
    name += FactorCodeThai[At(c)];
    return name;
}

std::string UpperFactorCode(int factor)
{
    std::string code(FactorCode[At(factor)]);
    for (char& ch : code)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return code;
}

std::string PairCode(int a, int b)
{
    const bool reversed = (a == kAries && b == kMeridian) || (a == kAscendant && b == kSun);
    return reversed ? UpperFactorCode(b) + UpperFactorCode(a) : UpperFactorCode(a) + UpperFactorCode(b);
}

std::string_view LayerTitleSuffix(int layer)
{
    return layer >= 0 && layer < static_cast<int>(kLayerTitleSuffix.size())
               ? kLayerTitleSuffix[static_cast<std::size_t>(layer)]
               : std::string_view{};
}

std::optional<double> IndexPoint(const IndexKind& kind, const PointSources& sources)
{
    const int mode = kind.mode;
    if (mode == kIndexZodiac || mode < 0 || mode > kIndexAriesSunMeridian)
        return std::nullopt;
    if (mode == kIndexDailyMeridian)
        return Normalize360(sources.dailyMeridian);
    if (!UsesFactors(mode, kind))
        return std::nullopt;
    switch (mode) {
    case kIndexHouse:
        if (kind.houseChart != kNatalChart && kind.houseChart != kTransitChart)
            return std::nullopt;
        return Lon(kind.houseChart == kTransitChart ? sources.transit : sources.natal, kind.factorA);
    case kIndexNatalTransitMidpoint:
    case kIndexNatalTransitMidpointReflection: {
        const double mid = WinPl::Midpoint(Lon(sources.natal, kind.factorA), Lon(sources.transit, kind.factorB));
        return mode == kIndexNatalTransitMidpoint ? mid : ReflectionPoint(mid, sources.axis);
    }
    default:
        if (kind.layer < 1 || kind.layer > 8)
            return std::nullopt;
        const FactorPositions& chart = kind.layer == kTransitChart ? sources.transit : sources.natal;
        return ShiftToLayer(ChartPoint(kind, chart, sources.axis), kind.layer, sources.arcs);
    }
}

} // namespace nemra
