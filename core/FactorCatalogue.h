// The factor catalogue and zodiac tables. Texts are UTF-8; each Thai character is one
// byte in the Thai code page. Tables indexed 1..12 or 1..8 leave index 0 empty.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace nemra {

// Factor indices, the order of every per-factor array.
enum Factor : int {
    kAries = 0,
    kMeridian = 1,
    kAscendant = 2,
    kSun = 3,
    kMoon = 4,
    kNode = 5,
    kMercury = 6,
    kVenus = 7,
    kMars = 8,
    kJupiter = 9,
    kSaturn = 10,
    kUranus = 11,
    kNeptune = 12,
    kPluto = 13,
    kCupido = 14,
    kHades = 15,
    kZeus = 16,
    kKronos = 17,
    kApollon = 18,
    kAdmetos = 19,
    kVulcanus = 20,
    kPoseidon = 21,
    kKetu = 22,
};

inline constexpr std::size_t kFactorCount = 23;
inline constexpr int kFirstPositionedFactor = 1; // grid rows and reflections: 1..21
inline constexpr int kLastPositionedFactor = 21;

extern const std::array<std::string_view, kFactorCount> FactorNames;
extern const std::array<std::string_view, kFactorCount> FactorNamesThai;
extern const std::array<std::string_view, kFactorCount> FactorCode;     // 2 characters
extern const std::array<std::string_view, kFactorCount> FactorCodeThai; // 2 characters
extern const std::array<unsigned char, kFactorCount> FactorGlyphs;      // codes in Zodiglyph

extern const std::array<std::string_view, 13> SignAbbr;
extern const std::array<std::string_view, 13> SignAbbrThai;
extern const std::array<std::string_view, 13> SignNamesThai;
extern const std::array<unsigned char, 13> SignGlyphs;
extern const std::array<std::string_view, 13> SignRulerText;
extern const std::array<std::string_view, 13> TwoDigitNumbers;
extern const std::array<std::string_view, 13> MonthNamesThai;
extern const std::array<std::string_view, 13> MonthAbbrThai; // "ม.ค." .. "ธ.ค."

extern const std::array<std::string_view, 9> ChartLayerLabels;
extern const std::array<std::string_view, 9> ChartLayerPointLabels;

// Thai-astrology reference tables, carried for the reference texts.
extern const std::array<std::string_view, 15> ThaiFactorNames;
extern const std::array<std::string_view, 15> ThaiFactorCodes;
extern const std::string_view ThaiFactorLetters;
extern const std::array<std::string_view, 27> NakshatraNames;
extern const std::array<std::string_view, 9> NakshatraGroupNames;

// Sign 1..12 of a longitude in degrees (0 <= lon < 360).
int SignNumberOf(double lonDeg);

// Month name 1..12, or an empty text for any other month number.
std::string_view MonthNameThai(int month);

} // namespace nemra
