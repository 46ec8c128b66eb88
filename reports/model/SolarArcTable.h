// The solar-arc table for 100 years: for every age 1..100 the birthday of that year and
// the natal chart's solar arc at that age (normal, half and double), and the lines of its
// text file.
#pragma once

#include "core/ChartRecord.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace nemra {

inline constexpr int kSolarArcYears = 100;

// What the table needs of the natal chart, copied when the report is asked for.
struct SolarArcNatal {
    TChartInput Input;       // the identity texts written to the file
    std::uint16_t Day = 0;   // of the birth date
    std::uint16_t Month = 0; // of the birth date
    std::uint16_t Year = 0;  // Christian era
    double Day2000 = 0.0;    // days from 0h UT 31 Dec 1999
    double SunLon = 0.0;     // the natal Sun, degrees
};

SolarArcNatal SolarArcNatalOf(const TChartRecord& natal);

// Buddhist year of a date in Christian year `year`: the exact inverse of the rule dates are
// read with (ChristianYearFor). Up to 1940 the Buddhist year began on 1 April, so January
// to March add 542; from 1941 on every month adds 543.
int BuddhistYearFor(int month, int year);

// One row: age, birthday, arc, half arc, double arc as shown; the arc also as a number.
struct SolarArcRow {
    std::array<std::string, 5> cells;
    double arcDeg = 0.0;
};

// The header cells: age, day/month/year, normal arc, half arc, double arc.
std::array<std::string, 5> SolarArcHeaderCells();

// The row of age `age` years: the Sun one day after birth for every year of age, less the
// natal Sun, reduced into one turn; the half and double arc are not reduced.
SolarArcRow SolarArcRowFor(const SolarArcNatal& natal, int age);

// Rows for ages 1..100, in order.
std::vector<SolarArcRow> BuildSolarArcTable(const SolarArcNatal& natal);

// The lines of the text file: the identity line, the header row and every row, cells
// joined by ",".
std::vector<std::string> SolarArcFileLines(const SolarArcNatal& natal, const std::vector<SolarArcRow>& rows);

} // namespace nemra
