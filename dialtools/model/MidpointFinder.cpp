#include "dialtools/model/MidpointFinder.h"

#include "core/AngleMath.h"
#include "core/FactorCatalogue.h"
#include "mainwin/model/Session.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace nemra {

namespace {

constexpr int kLastDialFactor = 21;

void AddRing(std::vector<FinderPoint>& out, const MainSession& s, int layer, int firstFactor)
{
    for (int f = firstFactor; f <= kLastDialFactor; ++f) {
        out.push_back({layer, f, false, Normalize360(LayerLongitude(s, layer, f))});
        // Reflections are counted from factor 1; the Aries point's own is never drawn.
        if (f >= 1 && f <= s.FMaxContracia)
            out.push_back({layer, f, true, Normalize360(LayerReflection(s, layer, f))});
    }
}

// Distance of x from the nearest multiple of step, in [0, step / 2].
double DistanceFromArm(double x, double step)
{
    double r = std::fmod(x, step);
    if (r < 0.0)
        r += step;
    return std::min(r, step - r);
}

std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// A whole number of at most three digits, nothing else.
std::optional<int> SmallNumber(const std::string& text)
{
    const std::string t = Trim(text);
    if (t.empty() || t.size() > 3 || !std::all_of(t.begin(), t.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    return std::atoi(t.c_str());
}

std::optional<std::string> RangeFault(int sign, int degrees, int minutes)
{
    if (sign < 0 || sign > 11)
        return "ราศีต้องอยู่ระหว่าง 0 ถึง 11";
    if (degrees > 29)
        return "องศาต้องอยู่ระหว่าง 0 ถึง 29";
    if (minutes > 59)
        return "ลิบดาต้องอยู่ระหว่าง 0 ถึง 59";
    return std::nullopt;
}

PointerParse Refused(std::string why)
{
    return {std::nullopt, std::move(why)};
}

PointerParse FromParts(int sign, int degrees, int minutes)
{
    if (auto fault = RangeFault(sign, degrees, minutes))
        return Refused(*fault);
    return {sign * 30.0 + degrees + minutes / 60.0, {}};
}

// "15มษ34" or "15Ari34": degrees, a sign abbreviation, minutes.
PointerParse ParsePositionText(const std::string& t)
{
    std::size_t d = 0;
    while (d < t.size() && std::isdigit(static_cast<unsigned char>(t[d])))
        ++d;
    std::size_t m = t.size();
    while (m > d && std::isdigit(static_cast<unsigned char>(t[m - 1])))
        --m;
    if (d == 0 || m == t.size() || d > 2 || t.size() - m > 2)
        return Refused("ตำแหน่งต้องอยู่ในรูป ราศี,องศา,ลิบดา หรือสมผุสเช่น 15มษ34");
    const std::string abbr = Trim(t.substr(d, m - d));
    for (int sign = 1; sign <= 12; ++sign) {
        const auto i = static_cast<std::size_t>(sign);
        if (abbr == SignAbbrThai[i] || abbr == SignAbbr[i])
            return FromParts(sign - 1, std::atoi(t.substr(0, d).c_str()), std::atoi(t.substr(m).c_str()));
    }
    return Refused("ไม่รู้จักราศี \"" + abbr + "\"");
}

} // namespace

FinderRings ShownRings(const MainSession& s)
{
    FinderRings rings;
    rings.natal = s.FNatal.Computed && s.FNatal.Visible;
    rings.transit = s.FTransit.Computed && s.FTransit.Visible;
    rings.v1 = s.FNatal.Computed && s.FTransit.Computed && s.FShowV1;
    return rings;
}

std::vector<FinderPoint> FinderPoints(const MainSession& s, FinderRings rings)
{
    std::vector<FinderPoint> points;
    if (rings.natal && s.FNatal.Computed)
        AddRing(points, s, kLayerNatal, 1);
    if (rings.transit && s.FTransit.Computed)
        AddRing(points, s, kLayerTransit, 1);
    if (rings.v1 && s.FNatal.Computed && s.FTransit.Computed)
        AddRing(points, s, kLayerV1, 0);
    return points;
}

double FinderAxisStep(int dialType)
{
    return dialType == 90 ? 45.0 : 180.0;
}

std::vector<FinderPair> FindMidpointPairs(std::span<const FinderPoint> points, double pointer, int dialType, double orb)
{
    std::vector<FinderPair> pairs;
    if (!(orb >= 0.0) || !std::isfinite(pointer))
        return pairs;
    const double step = FinderAxisStep(dialType);
    for (std::size_t i = 0; i < points.size(); ++i) {
        for (std::size_t j = i + 1; j < points.size(); ++j) {
            const FinderPoint& a = points[i];
            const FinderPoint& b = points[j];
            if (a.layer == b.layer && a.factor == b.factor)
                continue; // a factor and its own reflection
            const double mid = Normalize360(a.lon + ShortestArc(a.lon, b.lon) / 2.0);
            const double deviation = DistanceFromArm(mid - pointer, step);
            if (deviation <= orb)
                pairs.push_back({a, b, mid, deviation});
        }
    }
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const FinderPair& x, const FinderPair& y) { return x.deviation < y.deviation; });
    return pairs;
}

std::vector<FinderPair> SessionMidpointPairs(const MainSession& s)
{
    if (!s.FMidFinderOn)
        return {};
    const std::vector<FinderPoint> points = FinderPoints(s, ShownRings(s));
    return FindMidpointPairs(points, s.FDialRotation, s.FDialType, s.FMidFinderOrb);
}

Rgb FinderPairColour(std::size_t index)
{
    static constexpr Rgb kCycle[] = {
        {220, 0, 0},   {0, 90, 220}, {0, 150, 0},  {200, 0, 200}, {230, 120, 0},
        {0, 160, 160}, {120, 60, 0}, {90, 0, 180}, {180, 150, 0}, {100, 100, 100},
    };
    return kCycle[index % std::size(kCycle)];
}

std::string FinderPointName(const FinderPoint& p)
{
    const auto f = static_cast<std::size_t>(std::clamp(p.factor, 0, static_cast<int>(kFactorCount) - 1));
    return std::string(p.reflected ? "-" : "").append(FactorCode[f]);
}

std::string FinderPairName(const FinderPair& pair)
{
    return FinderPointName(pair.a) + "/" + FinderPointName(pair.b);
}

std::vector<double> PointerEquivalents(double pointer, int dialType)
{
    std::vector<double> out;
    const int arms = dialType == 90 ? 3 : 1;
    const double step = dialType == 90 ? 90.0 : 180.0;
    for (int k = 1; k <= arms; ++k)
        out.push_back(Normalize360(pointer + k * step));
    return out;
}

PointerParse ParsePointerPosition(const std::string& text)
{
    const std::string t = Trim(text);
    if (t.empty())
        return Refused("ยังไม่ได้ระบุตำแหน่ง");
    if (t.find(',') == std::string::npos)
        return ParsePositionText(t);
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t comma = t.find(',');; comma = t.find(',', start)) {
        parts.push_back(t.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    if (parts.size() != 3)
        return Refused("ตำแหน่งต้องมีตัวเลขสามตัว: ราศี,องศา,ลิบดา");
    const auto sign = SmallNumber(parts[0]);
    const auto degrees = SmallNumber(parts[1]);
    const auto minutes = SmallNumber(parts[2]);
    if (!sign || !degrees || !minutes)
        return Refused("ราศี องศา และลิบดาต้องเป็นจำนวนเต็ม");
    return FromParts(*sign, *degrees, *minutes);
}

} // namespace nemra
