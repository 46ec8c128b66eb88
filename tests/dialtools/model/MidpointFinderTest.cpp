// The midpoint finder against positions pinned by hand and against a brute-force search
// written the other way round: both midpoints of every pair from the plain sum, the nearer
// one chosen by its distance from the first point, then the distance from every arm of the
// axis taken one arm at a time.
#include "dialtools/model/MidpointFinder.h"

#include "core/Clock.h"
#include "mainwin/model/DialInteraction.h"
#include "mainwin/model/OwnerChart.h"
#include "mainwin/model/Session.h"
#include "tests/support/UtMoment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <tuple>

namespace nemra {
namespace {

FinderPoint P(int layer, int factor, double lon, bool reflected = false)
{
    return {layer, factor, reflected, lon};
}

std::set<std::string> Names(const std::vector<FinderPair>& pairs)
{
    std::set<std::string> out;
    for (const FinderPair& p : pairs)
        out.insert(FinderPairName(p));
    return out;
}

// Made-up positions, pointer at 10 degrees. Nearer midpoints worked out by hand for every
// pair: SU/MO 10, MA/JU 190.25, transit SU (300) with VE (81) 10.5 (the shorter arc runs
// across 0), SU/JU 280, MO/MA and -SU/MA 100.25; every other pair is at least 4.5 degrees
// from the 90 dial's axis (10 + k x 45) and 30 from the 360 dial's (10 + k x 180).
const std::vector<FinderPoint> kHandPoints = {
    P(kLayerNatal, kSun, 0.0),    P(kLayerNatal, kMoon, 20.0),     P(kLayerNatal, kSun, 20.0, true),
    P(kLayerNatal, kMars, 180.5), P(kLayerNatal, kJupiter, 200.0), P(kLayerTransit, kSun, 300.0),
    P(kLayerNatal, kVenus, 81.0),
};

TEST(MidpointFinderTest, HandPinnedPairsOnBothDials)
{
    struct Case {
        int dial;
        double orb;
        std::vector<std::string> expected; // in list order
    };
    const Case cases[] = {
        {360, 0.1, {"SU/MO"}},
        {360, 0.3, {"SU/MO", "Ma/Ju"}},
        {360, 0.6, {"SU/MO", "Ma/Ju", "SU/Ve"}},
        {90, 0.1, {"SU/MO", "SU/Ju"}},
        {90, 0.6, {"SU/MO", "SU/Ju", "MO/Ma", "-SU/Ma", "Ma/Ju", "SU/Ve"}},
        {90, 4.4, {"SU/MO", "SU/Ju", "MO/Ma", "-SU/Ma", "Ma/Ju", "SU/Ve"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> names;
        for (const FinderPair& p : FindMidpointPairs(kHandPoints, 10.0, c.dial, c.orb))
            names.push_back(FinderPairName(p));
        EXPECT_EQ(names, c.expected) << "dial " << c.dial << " orb " << c.orb;
    }
}

TEST(MidpointFinderTest, OwnReflectionIsNotPairedButOtherRingsAre)
{
    // Sun 0 and its reflection 20 meet at 10; the transit Sun at 20 meets the natal Sun at 10 too.
    const std::vector<FinderPoint> points = {P(kLayerNatal, kSun, 0.0), P(kLayerNatal, kSun, 20.0, true),
                                             P(kLayerTransit, kSun, 20.0)};
    const auto pairs = FindMidpointPairs(points, 10.0, 360, 0.5);
    ASSERT_EQ(pairs.size(), 1u);
    EXPECT_EQ(pairs[0].a.layer, kLayerNatal);
    EXPECT_EQ(pairs[0].b.layer, kLayerTransit);
    EXPECT_DOUBLE_EQ(pairs[0].midpoint, 10.0);
}

// The brute-force search.
std::set<std::tuple<int, int, bool, int, int, bool>> BruteForce(const std::vector<FinderPoint>& pts, double pointer,
                                                                int dial, double orb)
{
    const auto circular = [](double x, double y) {
        const double d = std::fabs(std::fmod(x - y + 720.0, 360.0));
        return std::min(d, 360.0 - d);
    };
    std::set<std::tuple<int, int, bool, int, int, bool>> out;
    const int arms = dial == 90 ? 8 : 2;
    for (std::size_t i = 0; i < pts.size(); ++i)
        for (std::size_t j = i + 1; j < pts.size(); ++j) {
            const FinderPoint& a = pts[i];
            const FinderPoint& b = pts[j];
            if (a.layer == b.layer && a.factor == b.factor)
                continue;
            double mid = (a.lon + b.lon) / 2.0;
            if (circular(mid, a.lon) > 90.0)
                mid += 180.0;
            bool hit = false;
            for (int k = 0; k < arms; ++k)
                hit = hit || circular(mid, pointer + k * 360.0 / arms) <= orb + 1e-9;
            if (hit)
                out.insert({a.layer, a.factor, a.reflected, b.layer, b.factor, b.reflected});
        }
    return out;
}

TEST(MidpointFinderTest, CastChartsAgreeWithBruteForce)
{
    MainSession s;
    s.FOwnerInput = OwnerChartInput();
    s.GChartInput = OwnerChartInput();
    CastOwner(s);
    CastTransitNow(s, test::UtAt(2026, 12, 8, 5, 0, 0));
    s.FMaxContracia = 21;
    s.FShowV1 = true;
    const auto points = FinderPoints(s, {true, true, true});
    // Rings natal and transit 1..21, V1 0..21, each true and reflected (V1's Aries alone).
    ASSERT_EQ(points.size(), 21u * 2 * 3 + 1);
    for (const int dial : {360, 90})
        for (const double pointer : {0.0, 17.25, 133.9, 359.5})
            for (const double orb : {0.5, 1.0, 2.0}) {
                const auto pairs = FindMidpointPairs(points, pointer, dial, orb);
                std::set<std::tuple<int, int, bool, int, int, bool>> found;
                for (const FinderPair& p : pairs)
                    found.insert({p.a.layer, p.a.factor, p.a.reflected, p.b.layer, p.b.factor, p.b.reflected});
                EXPECT_EQ(found.size(), pairs.size());
                EXPECT_EQ(found, BruteForce(points, pointer, dial, orb))
                    << "dial " << dial << " pointer " << pointer << " orb " << orb;
            }
}

TEST(MidpointFinderTest, SessionListFollowsThePointerAndTheSwitch)
{
    MainSession s;
    s.FNatal.Computed = true;
    s.FNatal.Visible = true;
    for (auto& f : s.FNatal.Factors)
        f = {359.0, 359.0}; // far from everything below
    s.FNatal.Factors[kSun].Lon = 100.0;
    s.FNatal.Factors[kMoon].Lon = 140.0;
    TurnPointerTo(s, 120.0);
    EXPECT_TRUE(SessionMidpointPairs(s).empty()) << "the finder is off";
    s.FMidFinderOn = true;
    EXPECT_EQ(Names(SessionMidpointPairs(s)), std::set<std::string>{"SU/MO"});
    TurnPointerTo(s, 122.0);
    EXPECT_TRUE(SessionMidpointPairs(s).empty());
    s.FMidFinderOrb = 2.0;
    EXPECT_EQ(SessionMidpointPairs(s).size(), 1u);
}

TEST(MidpointFinderTest, PointerEquivalentsOnTheOtherArms)
{
    EXPECT_EQ(PointerEquivalents(100.0, 360), (std::vector<double>{280.0}));
    EXPECT_EQ(PointerEquivalents(300.0, 90), (std::vector<double>{30.0, 120.0, 210.0}));
}

TEST(MidpointFinderTest, PointerFieldParsesAndRefuses)
{
    struct Case {
        const char* text;
        double lon; // < 0: refused
    };
    const Case cases[] = {
        {"4,15,30", 135.5},
        {" 0 , 0 , 0 ", 0.0},
        {"11,29,59", 359.0 + 59.0 / 60.0},
        {"15มษ34", 15.0 + 34.0 / 60.0},
        {"07Leo05", 127.0 + 5.0 / 60.0},
        {"", -1},
        {"12,0,0", -1},
        {"1,30,0", -1},
        {"1,0,60", -1},
        {"1,0", -1},
        {"1,0,0,0", -1},
        {"a,b,c", -1},
        {"-1,0,0", -1},
        {"15Xyz34", -1},
        {"Leo", -1},
        {"1.5,0,0", -1},
    };
    for (const Case& c : cases) {
        const PointerParse r = ParsePointerPosition(c.text);
        if (c.lon < 0) {
            EXPECT_FALSE(r.lon) << c.text;
            EXPECT_FALSE(r.error.empty()) << c.text;
        } else {
            ASSERT_TRUE(r.lon) << c.text << ": " << r.error;
            EXPECT_NEAR(*r.lon, c.lon, 1e-9) << c.text;
        }
    }
}

} // namespace
} // namespace nemra
