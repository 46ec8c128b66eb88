// The vocabulary every subsystem shares about what is drawn and reported: the eight point
// sets (layers), which charts the dial shows, the dial's type and the reflection axis.
#pragma once

namespace nemra {

// The eight point sets that can be drawn or reported; 0 names none (a user point or a
// dragged ring, or the natal/transit mixture of a midpoint source).
enum ChartLayer : int {
    kLayerNone = 0,
    kLayerNatal = 1,
    kLayerTransit = 2,
    kLayerV1 = 3,
    kLayerV2 = 4,
    kLayerV1Half = 5,
    kLayerV2Half = 6,
    kLayerV1Double = 7,
    kLayerV2Double = 8,
};

// A layer from its number 1..8, as lists, menus and files number them; any other number is none.
constexpr ChartLayer ChartLayerOf(int number)
{
    return number >= kLayerNatal && number <= kLayerV2Double ? static_cast<ChartLayer>(number) : kLayerNone;
}

// Which charts the dial shows (also the item index of ChooseChartList).
enum DisplayMode : int {
    kShowAll = 0,
    kShowNatalTransit = 1,
    kShowNatalV1 = 2,
    kShowNatal = 3,
    kShowTransit = 4,
};

// The dial: a whole circle of 360° or the 90° dial (the circle folded four times).
enum DialType : int {
    kDial360 = 360,
    kDial90 = 90,
};

// The axis reflections are taken about: Aries-Libra (360) or Cancer-Capricorn (180).
enum ReflectionAxis : int {
    kAxisAriesLibra = 360,
    kAxisCancerCapricorn = 180,
};

// A dial type or an axis from its number in degrees, as settings files and menus give it:
// 360 is the whole circle (Aries-Libra axis); any other number is the 90 dial (Cancer axis).
constexpr DialType DialTypeOf(int degrees)
{
    return degrees == kDial360 ? kDial360 : kDial90;
}
constexpr ReflectionAxis AxisOf(int degrees)
{
    return degrees == kAxisAriesLibra ? kAxisAriesLibra : kAxisCancerCapricorn;
}

} // namespace nemra
