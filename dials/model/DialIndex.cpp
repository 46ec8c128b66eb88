#include "dials/model/DialIndex.h"

#include "core/WinDeg.h"

#include <algorithm>

namespace nemra {
namespace {

constexpr int kLastChoosableFactor = kPoseidon; // the dialogs offer factors 0..21
constexpr const char* kNatalTransitJoiner = "กำเนิด/";
constexpr const char* kNatalTransitEnd = " จร";

int FactorIn(int factor, int first = 0)
{
    return std::clamp(factor, first, kLastChoosableFactor);
}

// Sources in dialog order (natal, transit, [mixture,] V1 normal, half, double, V2 normal,
// half, double) and the layers they take their points from.
constexpr ChartLayer kMidLayers[] = {kLayerNatal,    kLayerTransit, kLayerNone,   kLayerV1,      kLayerV1Half,
                                     kLayerV1Double, kLayerV2,      kLayerV2Half, kLayerV2Double};
constexpr ChartLayer kSensLayers[] = {kLayerNatal,    kLayerTransit, kLayerV1,     kLayerV1Half,
                                      kLayerV1Double, kLayerV2,      kLayerV2Half, kLayerV2Double};

template <std::size_t N> ChartLayer LayerOf(const ChartLayer (&layers)[N], int source, int firstSource)
{
    const int i = source - firstSource;
    return i >= 0 && i < static_cast<int>(N) ? layers[i] : kLayerNatal;
}

// The index point of the kind just stored, then the position text.
void FinishIndex(DialSession& s)
{
    s.FDialRotation = IndexPoint(IndexKindOf(s), PointSourcesOf(s)).value_or(s.FDialRotation);
    ShowIndex(s);
}

} // namespace

ChartLayer MidSourceLayer(int source)
{
    return LayerOf(kMidLayers, source, kMidNatal);
}

ChartLayer SensSourceLayer(int source)
{
    return LayerOf(kSensLayers, source, kSensNatal);
}

void RememberMidpointChoice(DialChoices& s, const MidpointChoice& choice)
{
    s.FMidFactorA = FactorIn(choice.factorA);
    s.FMidFactorB = FactorIn(choice.factorB);
    s.FMidUsePair = choice.usePair;
    s.FMidReflect = choice.reflect;
}

void RememberSensitiveChoice(DialChoices& s, const SensitiveChoice& choice)
{
    s.FSensFactorA = FactorIn(choice.factorA);
    s.FSensFactorB = FactorIn(choice.factorB);
    s.FSensFactorC = FactorIn(choice.factorC);
}

void ShowIndex(DialIndexState& s)
{
    s.FDialSubTitle = WinDeg::PositionText(s.FDialRotation);
}

void CancelIndexChoice(DialIndexState& s)
{
    s.FIndexAccepted = false;
}

void SetZodiacIndex(DialIndexState& s)
{
    s.FDialRotation = 90.0;
    s.FIndexMode = kIndexZodiac;
    s.FIndexDial = 0;
    s.FDialTitle = kZodiacDialTitle;
    s.FDialSubTitle.clear();
    // The index is the Cancer point: name it so, as a pick of the Cancer marker does, so
    // that a report on it does not carry the name of an earlier index.
    s.IndexLayer = kLayerNone;
    s.IndexName = kCancerPointName;
    s.IndexFactorCode.clear();
    s.IndexCodeFactor = 0;
}

void SetHouseIndex(DialSession& s, const HouseChoice& choice)
{
    const int f = FactorIn(choice.factor, kMeridian);
    s.FIndexDial = f;
    s.FIndexFactorA = f;
    s.FIndexMode = kIndexHouse;
    s.GHouseChart = choice.natal ? kLayerNatal : kLayerTransit;
    // The index is one true factor of one chart: its names and layer follow it, so that a
    // report on it does not carry the names of an earlier index.
    s.IndexLayer = s.GHouseChart;
    s.IndexName = std::string(FactorNamesThai[static_cast<std::size_t>(f)]);
    s.IndexFactorCode = UpperFactorCode(f);
    s.IndexCodeFactor = f;
    s.FDialRotation = IndexPoint(IndexKindOf(s), PointSourcesOf(s)).value_or(s.FDialRotation);
    s.FDialTitle = kHouseTitlePrefix + s.IndexName;
    s.FDialSubTitle.clear();
}

void SetMidpointIndex(DialSession& s, const MidpointChoice& choice)
{
    const int a = FactorIn(choice.factorA);
    const int b = FactorIn(choice.factorB);
    // A single factor has no natal/transit mixture; it is taken from the natal chart, as
    // the dialog does when the single-factor button is chosen.
    const int source = !choice.usePair && choice.source == kMidNatalTransit ? kMidNatal : choice.source;
    const ChartLayer layer = MidSourceLayer(source);
    const auto thaiCode = [](int f) { return std::string(FactorCodeThai[static_cast<std::size_t>(f)]); };

    s.FIndexAccepted = true;
    s.FIndexFactorA = a;
    s.FIndexFactorB = b;
    if (!choice.usePair) {
        s.FIndexMode = choice.reflect ? kIndexFactorReflection : kIndexFactor;
        s.IndexName = std::string(FactorNamesThai[static_cast<std::size_t>(a)]);
        s.IndexFactorCode = UpperFactorCode(a);
        s.IndexCodeFactor = a;
        const bool directed = layer != kLayerNatal && layer != kLayerTransit;
        s.FIndexDial = choice.reflect || directed ? -1 : a;
        if (!directed)
            s.GHouseChart = layer;
    } else if (layer == kLayerNone) {
        s.FIndexMode = choice.reflect ? kIndexNatalTransitMidpointReflection : kIndexNatalTransitMidpoint;
        s.IndexName = thaiCode(a) + kNatalTransitJoiner + thaiCode(b) + kNatalTransitEnd;
        s.IndexFactorCode = PairCode(a, b);
        s.FIndexDial = -1;
    } else {
        s.FIndexMode = choice.reflect ? kIndexMidpointReflection : kIndexMidpoint;
        s.IndexName = thaiCode(a) + "/" + thaiCode(b);
        s.IndexFactorCode = PairCode(a, b);
        s.FIndexDial = -1;
    }
    s.FDialTitle = s.IndexName + std::string(LayerTitleSuffix(layer));
    if (choice.reflect) {
        s.IndexName = "-" + s.IndexName;
        s.FDialTitle = "-" + s.FDialTitle;
    }
    s.IndexLayer = layer;
    FinishIndex(s);
}

void SetSensitiveIndex(DialSession& s, const SensitiveChoice& choice)
{
    const int kind = std::clamp(choice.kind, 1, kSensKindCount);
    const ChartLayer layer = SensSourceLayer(choice.source);
    s.FIndexAccepted = true;
    s.IndexFactorCode.clear();
    s.FIndexDial = -1;
    s.FIndexFactorA = FactorIn(choice.factorA);
    s.FIndexFactorB = FactorIn(choice.factorB);
    s.FIndexFactorC = FactorIn(choice.factorC);
    s.FIndexMode = kFirstSensIndexMode + kind - 1;
    s.IndexName = SensitiveName(kind, s.FIndexFactorA, s.FIndexFactorB, s.FIndexFactorC);
    s.FDialTitle = s.IndexName + std::string(LayerTitleSuffix(layer));
    s.IndexLayer = layer;
    FinishIndex(s);
}

void SetDailyMeridianIndex(DialSession& s)
{
    s.IndexLayer = kLayerNone;
    s.FDialTitle = kDailyMeridianTitle;
    s.IndexName = s.FDialTitle;
    s.IndexFactorCode = "MC";
    s.IndexCodeFactor = kMeridian;
    s.FIndexMode = kIndexDailyMeridian;
    // A directed point: no factor's house numbering or cusps belong to it.
    s.FIndexDial = -1;
    FinishIndex(s);
}

double UserPointLongitude(const UserPointChoice& choice)
{
    return std::clamp(choice.sign, 0, 11) * 30.0 + std::clamp(choice.degrees, 0, 29)
           + std::clamp(choice.minutes, 0, 59) / 60.0;
}

void SetUserIndex(DialIndexState& s, const UserPointChoice& choice)
{
    s.FIndexAccepted = true;
    s.FDialRotation = UserPointLongitude(choice);
    s.IndexLayer = kLayerNone;
    s.FIndexDial = -1;
    s.FIndexMode = kIndexZodiac;
    s.FDialTitle = choice.name;
    s.IndexName = s.FDialTitle;
    s.IndexFactorCode.clear();
    ShowIndex(s);
}

IndexKind IndexKindOf(const DialIndexState& s)
{
    return {s.FIndexMode, s.FIndexFactorA, s.FIndexFactorB, s.FIndexFactorC, s.IndexLayer, s.GHouseChart};
}

PointSources PointSourcesOf(const ChartSet& s)
{
    return {s.FNatal.Factors, s.FTransit.Factors, {s.FArc, s.FHalfArc, s.FDoubleArc}, s.FAxis, s.FDailyMeridian};
}

std::optional<double> RecomputeIndexPoint(const DialSession& s)
{
    return IndexPoint(IndexKindOf(s), PointSourcesOf(s));
}

} // namespace nemra
