#include "mainwin/model/DialGeometry.h"

#include "core/AngleMath.h"
#include "core/ThaiText.h"
#include "core/WinDeg.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace nemra {
namespace {

int Trunc(double v)
{
    return static_cast<int>(std::trunc(v));
}

template <std::size_t N> bool IsOneOf(int v, const std::array<int, N>& set)
{
    return std::find(set.begin(), set.end(), v) != set.end();
}

} // namespace

DialPixel DialPoint(double angleDeg, double radius, int centre)
{
    return {centre - Trunc(radius * WinDeg::SinDeg(angleDeg)), centre - Trunc(radius * WinDeg::CosDeg(angleDeg))};
}

DialPixel TextTopLeft(DialPixel anchor, double k, double reach)
{
    return {anchor.x - Trunc(k * (reach - anchor.x)), anchor.y - Trunc(k * (reach - anchor.y))};
}

DialPixel FactorGlyphTopLeft(DialPixel anchor, double radius, int centre)
{
    return TextTopLeft(anchor, 20.0 / (2.0 * radius), centre + radius);
}

DialPixel SignGlyphTopLeft(DialPixel anchor, int centre)
{
    return TextTopLeft(anchor, 0.2, centre + DialRadius::kSignGlyphs);
}

DialPixel HouseNumberTopLeft(DialPixel anchor, int centre)
{
    return TextTopLeft(anchor, 0.1, centre + DialRadius::kSignGlyphs);
}

Rgb SignColour(int sign)
{
    static constexpr std::array<Rgb, 4> kByElement = {DialColour::kBlue, DialColour::kRed, DialColour::kMaroon,
                                                      DialColour::kGreen};
    return kByElement[static_cast<std::size_t>(((sign % 4) + 4) % 4)];
}

int HouseNumber(int sector, int indexDial, double rotationDeg)
{
    int n = 0;
    switch (indexDial) {
    case 0:
        n = rotationDeg == 0.0 ? sector + 6 : sector + 9;
        break;
    case 1:
    case 4:
    case -1:
        n = sector + 9;
        break;
    case 2:
    case 5:
        n = sector;
        break;
    default:
        n = sector + 3;
        break;
    }
    while (n > 12)
        n -= 12;
    return n;
}

Rgb HouseNumberColour(int house, int indexMode, int indexDial)
{
    if (indexMode > 2 || indexDial < 0)
        return DialColour::kGrey;
    return house % 3 == 1 ? DialColour::kRed : DialColour::kBlue;
}

Rgb HouseLineColour(int sector, bool subTitleEmpty)
{
    if (sector == 12)
        return DialColour::kRed;
    if (sector == 3 && subTitleEmpty)
        return DialColour::kBlue;
    return DialColour::kPurple;
}

std::span<const HousePair> ReflectedHousePairs(int indexDial)
{
    static constexpr std::array<HousePair, 6> kZodiac = {{{7, 3}, {2, 8}, {9, 1}, {10, 12}, {5, 11}, {6, 4}}};
    static constexpr std::array<HousePair, 6> kMeridian = {{{1, 12}, {2, 11}, {3, 10}, {4, 9}, {5, 8}, {6, 7}}};
    static constexpr std::array<HousePair, 5> kAscendant = {{{1, 3}, {4, 12}, {5, 11}, {6, 10}, {7, 9}}};
    static constexpr std::array<HousePair, 6> kOthers = {{{3, 4}, {2, 5}, {1, 6}, {7, 12}, {11, 8}, {9, 10}}};
    switch (indexDial) {
    case 0:
        return kZodiac;
    case 1:
    case 4:
        return kMeridian;
    case 2:
    case 5:
        return kAscendant;
    default:
        if (indexDial == 3 || (indexDial >= 6 && indexDial <= 21))
            return kOthers;
        return {};
    }
}

bool HasFiveDegreeTick(int step)
{
    static constexpr std::array<int, 15> kTaken = {6, 9, 12, 18, 24, 27, 30, 36, 42, 45, 48, 54, 60, 63, 66};
    return step >= 1 && step <= 71 && !IsOneOf(step, kTaken);
}

int FiveDegreeTickInnerRadius(int step)
{
    return step % 3 == 0 ? 125 : 130;
}

Dial90Mark Dial90MarkAt(int step)
{
    static constexpr std::array<int, 8> kMain = {0, 30, 45, 60, 90, 120, 135, 150};
    static constexpr std::array<int, 4> kEighths = {15, 75, 105, 165};
    Dial90Mark m;
    if (IsOneOf(step, kMain)) {
        m.kind = Dial90Mark::Kind::Main;
        static constexpr std::array<int, 3> kBlue = {45, 90, 135};
        m.pen = IsOneOf(step, kBlue) ? DialColour::kBlue : DialColour::kRed;
        m.spoke = IsOneOf(step, std::array<int, 6>{0, 45, 60, 90, 120, 135});
        m.third = IsOneOf(step, std::array<int, 3>{0, 60, 120});
        m.narrowArrow = IsOneOf(step, std::array<int, 4>{30, 60, 120, 150});
        m.wideArrow = IsOneOf(step, std::array<int, 4>{0, 45, 90, 135});
        m.pointer = step == 0;
    } else if (step % 10 == 0) {
        m.kind = Dial90Mark::Kind::Tens;
    } else if (IsOneOf(step, kEighths)) {
        m.kind = Dial90Mark::Kind::Eighth;
        m.pen = DialColour::kGreen;
    } else if (step % 2 == 0) {
        m.kind = Dial90Mark::Kind::Whole;
    } else {
        m.kind = Dial90Mark::Kind::Half;
        m.pen = DialColour::kRed;
    }
    return m;
}

bool Dial90HasBandBlock(int step)
{
    static constexpr std::array<int, 8> kFirstSteps = {11, 31, 51, 71, 101, 121, 141, 161};
    return std::any_of(kFirstSteps.begin(), kFirstSteps.end(),
                       [step](int first) { return step >= first && step <= first + 8; });
}

double Dial90ScaleStart(double rotationDeg)
{
    return Normalize360(4.0 * rotationDeg);
}

std::string ArcLabel(const std::string& arcText)
{
    return CutToChars("ค.ส.= " + arcText, 15);
}

} // namespace nemra
