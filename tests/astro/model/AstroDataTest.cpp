// The astronomical data of a chart against the reference tool swetest 2.10.03 (Debian's
// swetest, ephemeris files of swe-basic-data), figure by figure to its last printed digit.
#include "astro/model/AstroData.h"

#include "core/WinPl.h"
#include "tests/support/ChartInputs.h"

#include <gtest/gtest.h>

#include <map>

namespace nemra {
namespace {

// 7 December 2569 BE (2026), 12.30 at Bangkok (zone 7 hours): 5.30 UT.
TChartInput Bangkok()
{
    return test::BangkokInput("07/12/2569", "12.30.00", "7.00H");
}

TEST(AstroData, AgreesWithSwetest)
{
    if (!WinPl::Ephemeris().usesFiles)
        GTEST_SKIP() << "the figures below come from the ephemeris files (swe-basic-data)";
    std::map<std::string, std::string> tsv;
    for (const std::string& line : AstroLinesOfChart(Bangkok(), {}, true)) {
        const auto tab1 = line.find('\t');
        const auto tab3 = line.rfind('\t');
        tsv[line.substr(tab1 + 1, tab3 - tab1 - 1)] = line.substr(tab3 + 1);
    }
    const std::pair<const char*, const char*> figures[] = {
        // swetest -b7.12.2026 -ut5:30 -p0123456789mtJKLMNOPQ -fPlbdaRswA -house100.5,13.75,E
        //   (header) UT: 2461381.729166667  delta t: 68.804427 sec  TT: 2461381.729963014
        {"moment\tjd_ut", "2461381.729166667"},
        {"moment\tjd_tt", "2461381.729963014"},
        {"moment\tdelta_t_s", "68.804427"},
        //   Sun 255.1110569 -0.0000969 -22.6064244 253.8393638 0.985284823 1.0155939
        {"SU\tlon", "255.1110569"},
        {"SU\tdecl", "-22.6064244"},
        {"SU\tra", "253.8393638"},
        {"SU\tdist_au", "0.985284823"},
        {"SU\tspeed", "1.0155939"},
        //   Moon 235.1323902 -5.0234699 -23.9181340 231.4655824 ... 12.1829712 401141.314162217 (km)
        {"MO\tdist_km", "401141.314"},
        //   Saturn 7.9439291 ... speed -0.0068748 (retrograde)
        {"Sa\tspeed", "-0.0068748"},
        {"Sa\tretrograde", "1"},
        //   true Node 323.2070351 0.0000000 -13.7817100 325.5422067
        {"NO\tlon", "323.2070351"},
        //   Poseidon 227.3063781 -0.0128544 -17.0106382 224.8382095
        {"Po\tlon", "227.3063781"},
        //   MC 259.8964442 -23.0530534 (declination) 259.0091135 (right ascension)
        {"MC\tdecl", "-23.0530534"},
        // swetest -b7.12.2026 -ut5:30 -p01J -fPls -sid1 (Lahiri)
        {"SU\tlon_sidereal", "230.8752455"},
        {"Cu\tlon_sidereal", "255.8268949"},
        // swetest -b7.12.2026 -ut5:30 -p1 -f+ : phase angle 159.3694239 (decimal with -f+ -fl)
        {"moon\tphase_angle", "159.3694239"},
    };
    for (const auto& [key, value] : figures)
        EXPECT_EQ(tsv[key], value) << key;

    // The window's text: sexagesimal figures as swetest prints them, with ":" for its degree
    // and minute marks and zeros for its blanks.
    std::string text;
    for (const std::string& line : AstroLinesOfChart(Bangkok(), {}, false))
        text += line + "\n";
    const char* shown[] = {
        "17h16m02.1872s",  // ARMC 17h16' 2.1872 (-house100.5,13.75,E)
        "23:26:15.6851",   // Epsilon (t) 23°26'15.6851
        "0:00:08.9783",    // Nutation 0° 0' 8.9783 (longitude)
        "0:00:06.8929",    // Nutation 0° 0' 6.8929 (obliquity)
        "24:14:08.9211",   // ayanamsa = 24°14' 8.9211 (Lahiri), with -sid1
        "15h25m51.7398s",  // Moon 15h25'51.7398 (-fPA)
        "06:28:51.8",      // swetest -b6.12.2026 -ut17:00 -p0 -geopos100.5,13.75,0 -rise:
        "17:49:42.4",      //   rise 23:28:51.8 UT, set 10:49:42.4 UT; + 7 h for Bangkok's clock
        "องค์ประกอบวงโคจร", // the transneptunian points say where their elements come from
    };
    for (const char* figure : shown)
        EXPECT_NE(text.find(figure), std::string::npos) << figure << "\n" << text;
}

} // namespace
} // namespace nemra
