#include "reports/model/SolarArcTable.h"

#include "core/AngleMath.h"
#include "core/WinDeg.h"
#include "core/WinPl.h"
#include "reports/model/ReportFile.h"

#include <cstdio>

namespace nemra {
namespace {

// The last Christian year whose January to March still belonged to the previous Buddhist
// year.
constexpr int kLastYearOfAprilNewYear = 1940;

std::string AgeText(int age)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%3d", age);
    return buf;
}

std::string BirthdayText(const SolarArcNatal& natal, int year)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d(%04d)", natal.Day, natal.Month, BuddhistYearFor(natal.Month, year),
                  year);
    return buf;
}

} // namespace

SolarArcNatal SolarArcNatalOf(const TChartRecord& natal)
{
    return {natal.Input, natal.Day, natal.Month, natal.Year, natal.Day2000, natal.Factors[kSun].Lon};
}

int BuddhistYearFor(int month, int year)
{
    return (month <= 3 && year <= kLastYearOfAprilNewYear) ? year + 542 : year + 543;
}

std::array<std::string, 5> SolarArcHeaderCells()
{
    return {"อายุ", "วัน/เดือน/ปี", "โค้งปกติ", "ครึ่งโค้ง", "โค้ง 2 เท่า"};
}

SolarArcRow SolarArcRowFor(const SolarArcNatal& natal, int age)
{
    const double sun = WinPl::Sun(natal.Day2000 + age).sun;
    const double arc = Normalize360(sun - natal.SunLon);
    SolarArcRow row;
    row.arcDeg = arc;
    row.cells = {AgeText(age), BirthdayText(natal, natal.Year + age), WinDeg::ArcText(arc), WinDeg::ArcText(arc / 2.0),
                 WinDeg::ArcText(arc * 2.0)};
    return row;
}

std::vector<SolarArcRow> BuildSolarArcTable(const SolarArcNatal& natal)
{
    std::vector<SolarArcRow> rows;
    rows.reserve(kSolarArcYears);
    for (int age = 1; age <= kSolarArcYears; ++age)
        rows.push_back(SolarArcRowFor(natal, age));
    return rows;
}

std::vector<std::string> SolarArcFileLines(const SolarArcNatal& natal, const std::vector<SolarArcRow>& rows)
{
    const auto header = SolarArcHeaderCells();
    std::vector<std::string> lines = {IdentityLine(natal.Input), JoinFields({header.begin(), header.end()})};
    for (const SolarArcRow& row : rows)
        lines.push_back(JoinFields({row.cells.begin(), row.cells.end()}));
    return lines;
}

} // namespace nemra
