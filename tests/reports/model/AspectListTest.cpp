#include "reports/model/AspectList.h"

#include "core/AngleMath.h"
#include "core/FactorCatalogue.h"
#include "tests/support/ChartInputs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace nemra {
namespace {

std::string Name(int factor)
{
    return std::string(FactorNamesThai[static_cast<std::size_t>(factor)]);
}

// The name the list gives a factor's reflection point: a minus, then the factor's name.
std::string ReflectedName(int factor)
{
    return std::string("-").append(Name(factor));
}

// A chart whose factors stand at scattered longitudes (no two in an exact aspect of 45°),
// with the given factors moved to the given longitudes and the reflections about the
// Aries-Libra axis.
TChartRecord Chart(std::initializer_list<std::pair<int, double>> placed = {}, const char* name = "")
{
    TChartRecord rec;
    rec.Input = test::BangkokInput("15/02/2462", "9.30", "105.00E", name);
    for (int i = 1; i < static_cast<int>(kFactorCount); ++i)
        rec.Factors[static_cast<std::size_t>(i)].Lon = Normalize360(1.2345 + i * 16.4321);
    for (const auto& [factor, lon] : placed)
        rec.Factors[static_cast<std::size_t>(factor)].Lon = lon;
    for (int i = 1; i < static_cast<int>(kFactorCount); ++i) {
        auto& pos = rec.Factors[static_cast<std::size_t>(i)];
        pos.Refl = Normalize360(360.0 - pos.Lon);
    }
    return rec;
}

struct Fixture {
    TChartRecord natal = Chart({}, "กำเนิด");
    TChartRecord transit = Chart({}, "จร");
    std::array<double, 3> arcs = {45.0, 22.5, 90.0};

    AspectList Build(int mode, double base = 45.0, double orb = 1.0, int arcKind = 1) const
    {
        return BuildAspectList({natal, transit, arcs}, {mode, base, orb, arcKind});
    }
};

const AspectRow* Find(const AspectList& list, const std::string& first, const std::string& second)
{
    const auto it = std::find_if(list.rows.begin(), list.rows.end(),
                                 [&](const AspectRow& r) { return r.first == first && r.second == second; });
    return it == list.rows.end() ? nullptr : &*it;
}

TEST(AspectList, DeviationTextIsSignedDegreesAndMinutes)
{
    const std::pair<double, const char*> cases[] = {
        {1.0 + 5.0 / 60.0, "+1.05"},
        {-0.5, "-0.30"},
        {0.0, "+0.00"},
        {-0.0000001, "+0.00"},                  // rounds to nothing: no sign to show
        {59.0 / 60.0 + 45.0 / 3600.0, "+0.59"}, // 59' are never carried into the degrees
        {30.0 / 3600.0, "+0.01"},               // 30" round the minutes up
        {29.0 / 3600.0, "+0.00"},
        {-(1.0 + 59.0 / 60.0 + 50.0 / 3600.0), "-1.59"},
        {-10.0, "-10.00"},
    };
    for (const auto& [deviation, text] : cases)
        EXPECT_EQ(DeviationText(deviation), text) << deviation;
    EXPECT_EQ(AspectAngleText(0.0), "  0.0");
    EXPECT_EQ(AspectAngleText(45.0), " 45.0");
    EXPECT_EQ(AspectAngleText(135.0), "135.0");
}

TEST(AspectList, OrbEdgesAreInclusive)
{
    Fixture f;
    f.natal = Chart({{kSun, 10.0}, {kMoon, 56.0}, {kMars, 100.0}, {kVenus, 145.0}});
    // Sun-Moon: 46° away, 1°00' past the semi-square.
    const AspectList oneDegree = f.Build(1, 45.0, AspectOrbFor(1, 0));
    const AspectRow* sunMoon = Find(oneDegree, Name(kSun), Name(kMoon));
    ASSERT_NE(sunMoon, nullptr);
    EXPECT_EQ(sunMoon->angle, " 45.0");
    EXPECT_EQ(sunMoon->deviation, "+1.00");
    EXPECT_EQ(Find(f.Build(1, 45.0, AspectOrbFor(0, 59)), Name(kSun), Name(kMoon)), nullptr);
    // Orb 0 keeps only the exact aspect (Venus-Mars 45°).
    const AspectList exact = f.Build(1, 45.0, AspectOrbFor(0, 0));
    ASSERT_NE(Find(exact, Name(kVenus), Name(kMars)), nullptr);
    EXPECT_EQ(Find(exact, Name(kVenus), Name(kMars))->deviation, "+0.00");
    EXPECT_EQ(Find(exact, Name(kSun), Name(kMoon)), nullptr);
    EXPECT_EQ(AspectOrbFor(1, 30), 1.5);
}

TEST(AspectList, AnglesFoldAboveHalfACircle)
{
    Fixture f;
    f.natal = Chart({{kSun, 10.0}, {kMoon, 190.0}, {kMars, 0.0}});
    // 180° at base 72: 2.5 rounds to 2, 144° and 36° off: never listed.
    EXPECT_EQ(Find(f.Build(1, 72.0, 1.99), Name(kSun), Name(kMoon)), nullptr);
    ASSERT_NE(Find(f.Build(1, 90.0, 0.0), Name(kSun), Name(kMoon)), nullptr);
    EXPECT_EQ(Find(f.Build(1, 90.0, 0.0), Name(kSun), Name(kMoon))->angle, "180.0");
    // Sun at 10 to Mars at 0: 350° forward, 8 x 45 = 360 folds to 0, 10° short.
    const AspectList tenDegrees = f.Build(1, 45.0, 10.0);
    const AspectRow* row = Find(tenDegrees, Name(kSun), Name(kMars));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->angle, "  0.0");
    EXPECT_EQ(row->deviation, "-10.00");
}

TEST(AspectList, WithinOneChartEachUnorderedPairOnce)
{
    Fixture f;
    f.natal = Chart({{kSun, 10.0}, {kMoon, 55.0}, {kKetu, 10.0}});
    const AspectList natal = f.Build(1);
    EXPECT_NE(Find(natal, Name(kSun), Name(kMoon)), nullptr);
    EXPECT_EQ(Find(natal, Name(kMoon), Name(kSun)), nullptr);
    for (const AspectRow& row : natal.rows) {
        EXPECT_NE(row.first, row.second);
        EXPECT_NE(row.second, ReflectedName(kAries)); // the Aries point has no reflection
        EXPECT_NE(row.first[0], '-');                 // only longitudes on the first side
        EXPECT_NE(row.first, Name(kKetu));
        EXPECT_NE(row.second, Name(kKetu));
    }
    f.transit = Chart({{kMeridian, 20.0}, {kSun, 110.0}});
    for (const AspectRow& row : f.Build(2, 45.0, 1.0).rows)
        EXPECT_NE(row.first, Name(kAries)); // the transit list starts at the Meridian
    EXPECT_NE(Find(f.Build(2), Name(kMeridian), Name(kSun)), nullptr);
}

TEST(AspectList, ArcAddedNatalUsesTheChosenArcAndBothPoints)
{
    Fixture f; // arcs 45, 22.5, 90: with the normal arc every factor is 45° from itself
    const AspectList normal = f.Build(3, 45.0, 0.0, 1);
    for (int e = 0; e <= kPoseidon; ++e) {
        ASSERT_NE(Find(normal, Name(e), Name(e)), nullptr) << e;
        EXPECT_EQ(Find(normal, Name(e), Name(e))->angle, " 45.0");
    }
    ASSERT_NE(Find(normal, ReflectedName(kSun), ReflectedName(kSun)), nullptr);
    EXPECT_EQ(Find(normal, Name(kKetu), Name(kKetu)), nullptr);
    EXPECT_EQ(Find(f.Build(3, 45.0, 0.0, 2), Name(kSun), Name(kSun)), nullptr);
    ASSERT_NE(Find(f.Build(3, 45.0, 0.0, 3), Name(kSun), Name(kSun)), nullptr);
    EXPECT_EQ(Find(f.Build(3, 45.0, 0.0, 3), Name(kSun), Name(kSun))->angle, " 90.0");

    // Transit to the arc-added natal: the transit Sun on the natal Sun plus 45°.
    f.transit = Chart({{kSun, Normalize360(f.natal.Factors[kSun].Lon + 45.0)}}, "จร");
    const AspectList toArc = f.Build(5, 45.0, 0.0, 1);
    ASSERT_NE(Find(toArc, Name(kSun), Name(kSun)), nullptr);
    EXPECT_EQ(Find(toArc, Name(kSun), Name(kSun))->angle, "  0.0");
    EXPECT_EQ(toArc.firstInput.Name.str(), "จร");
    // Transit to natal: the same pair is 45° apart.
    EXPECT_EQ(Find(f.Build(4, 45.0, 0.0), Name(kSun), Name(kSun))->angle, " 45.0");
}

TEST(AspectList, CaptionsHeadersAndTitlesFollowTheMode)
{
    Fixture f;
    const std::pair<std::string, std::string> headers[] = {{"ดวงกำเนิด", "ดวงกำเนิด"},
                                                           {"ดวงจร", "ดวงจร"},
                                                           {"ปัจจัยบวกโค้ง", "ดวงกำเนิด"},
                                                           {"ดวงจร", "ดวงกำเนิด"},
                                                           {"ดวงจร", "ปัจจัยบวกโค้ง"}};
    for (int mode = 1; mode <= kAspectModeCount; ++mode) {
        const AspectList list = f.Build(mode);
        EXPECT_EQ(list.firstHeader, headers[mode - 1].first) << mode;
        EXPECT_EQ(list.secondHeader, headers[mode - 1].second) << mode;
        EXPECT_EQ(AspectListFileLines(list)[1], AspectModeTitles[static_cast<std::size_t>(mode - 1)]);
    }
    EXPECT_EQ(AspectBaseFor(4, 45.0), 22.5);
    EXPECT_EQ(AspectBaseFor(-1, 30.0), 30.0); // no item chosen: the base stays
    EXPECT_EQ(ArcLabelText(f.arcs, 2), "โค้งสุริยยาตร์ = 22.30");
}

TEST(AspectList, FileLinesHoldIdentityTitleHeaderAndRows)
{
    Fixture f;
    f.natal = Chart({{kSun, 10.0}, {kMoon, 56.0}}, "ทดสอบ");
    const auto lines = AspectListFileLines(f.Build(1, 45.0, 1.0));
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "ทดสอบ,15/02/2462,9.30,105.00E,13.45N,100.30E");
    EXPECT_EQ(lines[1], "ปัจจัยเดี่ยวทำมุมภายในดวงกำเนิด");
    EXPECT_EQ(lines[2], "ดวงกำเนิด,การทำมุม,ดวงกำเนิด,ระยะวังกะ");
    EXPECT_NE(std::find(lines.begin(), lines.end(), Name(kSun) + ", 45.0," + Name(kMoon) + ",+1.00"), lines.end());

    // Nothing within the orb: the two heading lines and the header row only.
    const AspectList none = f.Build(1, 45.0, 0.0);
    EXPECT_TRUE(none.rows.empty());
    EXPECT_EQ(AspectListFileLines(none).size(), 3u);
}

} // namespace
} // namespace nemra
