// Dial geometry: where a dial angle and radius fall on the square dial bitmap, where texts
// anchored there are placed, and the fixed rules of the dial face (colours, house numbering,
// scale ticks, the reflected-house pairs, the marks of the 90-degree dial).
// Angles are in degrees: 0 straight up, growing counter-clockwise (90 left, 180 down).
// Radii and pixels are in bitmap pixels.
#pragma once

#include <span>
#include <string>

namespace nemra {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colours of the dial.
namespace DialColour {
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kMaroon{128, 0, 0};
inline constexpr Rgb kPurple{128, 0, 128};
inline constexpr Rgb kGrey{128, 128, 128};
inline constexpr Rgb kSilver{192, 192, 192};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kFrame{0, 0, 85};             // the border and the rule under the arc caption
inline constexpr Rgb kBackground{235, 255, 245};   // the square and the middle ring
inline constexpr Rgb kOuterRing360{235, 245, 255}; // the ring of the glyphs, 360 dial
inline constexpr Rgb kOuterRing90{236, 245, 255};  // the same, 90 dial
inline constexpr Rgb kInnerDisc{235, 235, 235};
inline constexpr Rgb kScale{255, 0, 64}; // the scale circle, its ticks and pointers
inline constexpr Rgb kThirds{255, 100, 255};
inline constexpr Rgb kArcPersonal{200, 0, 100}; // V1 glyphs of factors 1..5
inline constexpr Rgb kArcOther{0, 100, 0};      // V1 glyphs of the other factors
} // namespace DialColour

// Radii of the face (pixels).
namespace DialRadius {
inline constexpr int kOuter = 215;
inline constexpr int kMiddle = 175;
inline constexpr int kScale = 140;
inline constexpr int kSignGlyphs = 50;
inline constexpr int kHouseNumbers = 95;
inline constexpr int kCuspOuter = 260;
} // namespace DialRadius

struct DialPixel {
    int x = 0;
    int y = 0;
    friend bool operator==(const DialPixel&, const DialPixel&) = default;
};

// The pixel of dial angle `angleDeg` at `radius` around the centre (centre, centre):
// x = centre - trunc(r sin a), y = centre - trunc(r cos a). Any angle, also beyond one turn.
DialPixel DialPoint(double angleDeg, double radius, int centre);

// Top-left corner of a text anchored at `anchor`: x - trunc(k (reach - x)),
// y - trunc(k (reach - y)). Texts on the far side move left and up so they sit centred.
DialPixel TextTopLeft(DialPixel anchor, double k, double reach);

// A factor glyph anchored at radius r: k = 20 / (2r), reach centre + r.
DialPixel FactorGlyphTopLeft(DialPixel anchor, double radius, int centre);
// A sign glyph of the fixed zodiac: k = 0.2, reach centre + 50.
DialPixel SignGlyphTopLeft(DialPixel anchor, int centre);
// A house number: k = 0.1, reach centre + 50.
DialPixel HouseNumberTopLeft(DialPixel anchor, int centre);

// Colour of sign 1..12: fire red, earth maroon, air green, water blue.
Rgb SignColour(int sign);

// Number 1..12 of the house drawn in sector i (1..12) of the house ring, by the index
// point's factor number `indexDial` and the rotation in degrees.
int HouseNumber(int sector, int indexDial, double rotationDeg);

// Colour of house number n: grey when the index is not a plain factor or point (mode above
// 2 or no factor), else red for the angular houses 1, 4, 7, 10 and blue for the others.
Rgb HouseNumberColour(int house, int indexMode, int indexDial);

// Colour of the house line of sector i: 12 red (the index point), 3 blue while the
// subtitle is empty, all others purple.
Rgb HouseLineColour(int sector, bool subTitleEmpty);

struct HousePair {
    int a = 0;
    int b = 0;
};
// The house numbers joined by the reflected-house lines for an index factor; empty for
// no factor (-1) and for values outside the table.
std::span<const HousePair> ReflectedHousePairs(int indexDial);

// The 5-degree scale: step j (1..71) has a tick unless a house line or a half-quadrant
// pointer stands there; every third step (15 degrees) reaches further in.
bool HasFiveDegreeTick(int step);
int FiveDegreeTickInnerRadius(int step);

// One mark of the 90-degree dial at half-degree step i (0..179), dial value i / 2.
struct Dial90Mark {
    enum class Kind {
        Main,   // 0, 15, 22.5, 30, 45, 60, 67.5, 75 degrees
        Tens,   // the other multiples of 5 degrees
        Eighth, // 7.5, 37.5, 52.5, 82.5 degrees
        Whole,  // the other whole degrees
        Half,   // half degrees
    };
    Kind kind = Kind::Half;
    Rgb pen = DialColour::kPurple;
    bool spoke = false;       // main mark continues from 62 to the centre circle
    bool third = false;       // fixed border of the cardinal, fixed and mutable thirds
    bool narrowArrow = false; // arrowhead +-2 degrees down to radius 125
    bool wideArrow = false;   // arrowhead +-3 degrees down to radius 110
    bool pointer = false;     // the filled red pointer of the index
};
Dial90Mark Dial90MarkAt(int step);

// True for the steps whose small filled block makes up the blue bands of the 90 dial.
bool Dial90HasBandBlock(int step);

// Screen angle of the 90 dial's scale start: 4 x rotation, in one turn.
double Dial90ScaleStart(double rotationDeg);

// The solar-arc caption under the dial: "ค.ส.= " and the arc text, cut to 15 characters.
std::string ArcLabel(const std::string& arcText);

} // namespace nemra
