#include "mainwin/model/RealTime.h"

#include "core/WinDeg.h"
#include "dials/model/DialIndex.h"
#include "mainwin/model/OwnerChart.h"
#include "mainwin/model/Session.h"
#include "tests/support/UtMoment.h"

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

// The live transit keeps the place chosen when it started, whatever chart is cast while it
// runs (a chart cast through the input dialog leaves its own place in GChartInput), and the
// place dialog opens on the place last chosen in it.
TEST(RealTime, TheLiveTransitKeepsThePlaceChosenForIt)
{
    TChartInput london = OwnerChartInput();
    london.Name = "London";
    london.Place = "London";
    london.TimeZone = "0.00E";
    london.Latitude = "51.30N";
    london.Longitude = "0.07W";
    struct Case {
        const char* name;
        void (*meanwhile)(MainSession&, const TChartInput&);
    };
    const Case cases[] = {
        {"nothing cast", [](MainSession&, const TChartInput&) {}},
        {"a natal chart from the input dialog",
         [](MainSession& s, const TChartInput& in) {
             s.GChartInput = in;
             CastNatal(s, s.GChartInput);
         }},
        {"the owner chart", [](MainSession& s, const TChartInput&) { CastOwner(s); }},
    };
    for (const Case& c : cases) {
        MainSession s = StartedSession();
        s.FPlaceChoice = s.GChartInput; // the start-up place, as the main window keeps it
        EXPECT_EQ(PlaceDialogInput(s).Place.str(), "กรุงเทพฯ") << c.name;
        TChartInput chosen = PlaceDialogInput(s);
        chosen.Place = "ภูเก็ต";
        chosen.Latitude = "8.04N";
        chosen.Longitude = "98.54E";
        TakeChosenPlace(s, chosen);
        StartRealTime(s);
        c.meanwhile(s, london);
        RealTimeTick(s, test::UtAt(2026, 12, 7, 2, 5, 7)); // 9.05.07 at 105°E
        EXPECT_EQ(s.FTransit.Input.Place.str(), "ภูเก็ต") << c.name;
        EXPECT_EQ(s.FTransit.Input.Latitude.str(), "8.04N") << c.name;
        EXPECT_EQ(s.FTransit.Input.Longitude.str(), "98.54E") << c.name;
        EXPECT_EQ(s.FTransit.Input.TimeZone.str(), "105.00E") << c.name;
        EXPECT_DOUBLE_EQ(s.FTransit.ZoneDeg, 105.0) << c.name;
        // The next opening of the place dialog: the place chosen, not the last chart's.
        EXPECT_EQ(PlaceDialogInput(s).Place.str(), "ภูเก็ต") << c.name;
        EXPECT_EQ(PlaceDialogInput(s).Latitude.str(), "8.04N") << c.name;
    }
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
