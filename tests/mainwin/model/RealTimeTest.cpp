#include "RealTime.h"

#include "DialIndex.h"
#include "OwnerChart.h"
#include "Session.h"
#include "UtMoment.h"
#include "WinDeg.h"

#include <gtest/gtest.h>

namespace nemra {
namespace {

MainSession StartedSession()
{
    MainSession s;
    s.FOwnerInput = OwnerChartInput();
    s.GChartInput = OwnerChartInput();
    CastOwner(s);
    CastTransitNow(s, test::UtAt(2026, 12, 7, 2, 5, 7)); // 9.05.07 at 105°E
    return s;
}

TEST(RealTime, ATickCastsTheMomentAtTheChosenPlace)
{
    MainSession s = StartedSession();
    s.GChartInput.Place = "ภูเก็ต";
    s.GChartInput.Latitude = "8.04N";
    s.GChartInput.Longitude = "98.54E";
    StartRealTime(s);
    RealTimeTick(s, test::UtAt(2026, 12, 7, 2, 5, 7));
    EXPECT_EQ(s.FTransit.Input.Date.str(), "07/12/2569");
    EXPECT_EQ(s.FTransit.Input.Time.str(), " 9.05.07");
    EXPECT_EQ(s.FTransit.Input.Name.str(), kPresentChartName);
    EXPECT_EQ(s.FTransit.Input.Place.str(), "ภูเก็ต");
    EXPECT_NEAR(s.FTransit.LatDeg, 8 + 4 / 60.0, 1e-12);
}

TEST(RealTime, TheIndexFollowsItsOwnChart)
{
    struct Case {
        int source;
        bool moves;
    };
    // Natal factors stand still, transit factors and the V1 half arc move with the clock.
    for (const Case c : {Case{kMidNatal, false}, Case{kMidTransit, true}, Case{kMidV1Half, true}}) {
        MainSession s = StartedSession();
        SetMidpointIndex(s, {c.source, kSun, 0, false, false});
        const double set = s.FDialRotation;
        StartRealTime(s);
        RealTimeTick(s, test::UtAt(2026, 12, 7, 2, 5, 7)); // the moment of the cast: the dial's own point
        EXPECT_NEAR(s.FDialRotation, set, 1e-9) << c.source;
        RealTimeTick(s, test::UtAt(2027, 3, 7, 2, 5, 7));
        EXPECT_EQ(std::abs(s.FDialRotation - set) > 0.01, c.moves) << c.source;
        EXPECT_EQ(s.FDialSubTitle, WinDeg::PositionText(s.FDialRotation));
    }
}

TEST(RealTime, ZodiacAndHouseDialsKeepTheirSubtitle)
{
    MainSession s = StartedSession();
    SetHouseIndex(s, {kAscendant, false}); // the transit Ascendant
    const double houseSet = s.FDialRotation;
    StartRealTime(s);
    RealTimeTick(s, test::UtAt(2026, 12, 7, 2, 5, 7));
    EXPECT_NEAR(s.FDialRotation, houseSet, 1e-9); // the house dial's own rule: no turn
    EXPECT_TRUE(s.FDialSubTitle.empty());
}

} // namespace
} // namespace nemra
