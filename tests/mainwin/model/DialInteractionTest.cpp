#include "mainwin/model/DialInteraction.h"

#include "core/AngleMath.h"
#include "core/WinDeg.h"
#include "mainwin/model/DialGeometry.h"
#include "mainwin/model/DialLayers.h"
#include "mainwin/model/Session.h"

#include <gtest/gtest.h>

namespace nemra {
namespace {

constexpr int kC = 261; // centre of the 521-pixel dial
constexpr double kArc = 30.0;

// Three rings on screen with hand-set positions and every glyph stored as not drawn.
MainSession ShownRings()
{
    MainSession s;
    for (TChartRecord* rec : {&s.FNatal, &s.FTransit, &s.FProgressed}) {
        rec->Computed = rec->Visible = true;
        for (auto& slots : rec->GlyphX)
            slots = {-20, -20};
        for (auto& slots : rec->GlyphY)
            slots = {-20, -20};
    }
    for (std::size_t i = 0; i < kFactorCount; ++i) {
        const double natal = Normalize360(10.0 * static_cast<double>(i) + 5.0);
        s.FNatal.Factors[i] = {natal, Normalize360(360.0 - natal)};
        const double transit = Normalize360(7.0 * static_cast<double>(i) + 100.0);
        s.FTransit.Factors[i] = {transit, Normalize360(360.0 - transit)};
        s.FProgressed.Factors[i] = {Normalize360(natal + kArc), Normalize360(360.0 - natal + kArc)};
    }
    s.FNatal.Factors[kAries] = {0.0, 0.0};
    s.FArc = kArc;
    s.FShowV1 = true;
    return s;
}

void PlaceGlyph(TChartRecord& rec, int factor, std::size_t slot, int x, int y)
{
    rec.GlyphX[static_cast<std::size_t>(factor)][slot] = x;
    rec.GlyphY[static_cast<std::size_t>(factor)][slot] = y;
}

// A plain double-click released at (x, y).
bool DoubleClickAt(MainSession& s, int x, int y, KeyState keys = {})
{
    DialInteraction ia;
    DialDoubleClick(ia);
    const DialMouseResult r = DialMouseUp(ia, s, x, y, keys);
    EXPECT_FALSE(ia.FDialDblClicked);
    return r.refresh.drawChart;
}

DialPixel At(double angle, double radius = 120)
{
    return DialPoint(angle, radius, kC);
}

TEST(DialGeometry, AngleOfAPixelInvertsDialPoint)
{
    for (double a : {0.0, 30.0, 90.0, 135.0, 180.0, 200.0, 270.0, 315.0, 350.0}) {
        const DialPixel p = At(a, 200);
        EXPECT_NEAR(DialAngleOf(p.x - kC, p.y - kC), a, 0.5) << a;
    }
}

TEST(DialGeometry, GripRingBordersOnBothDials)
{
    MainSession s;
    EXPECT_FALSE(InGripRing(s, kC, kC - 89));
    EXPECT_TRUE(InGripRing(s, kC - 90, kC));
    EXPECT_TRUE(InGripRing(s, kC, kC + 140));
    EXPECT_FALSE(InGripRing(s, kC + 141, kC));
    s.FDialType = nemra::kDial90;
    EXPECT_TRUE(InGripRing(s, kC + 10, kC));
    EXPECT_FALSE(InGripRing(s, kC, kC + 9));
}

TEST(DialDrag, StepFollowsThePointerTheShortWayAtQuarterSpeedOnThe90Dial)
{
    EXPECT_DOUBLE_EQ(DragStepRotation(100.0, 0.0, 90.0, 360), 190.0);
    EXPECT_DOUBLE_EQ(DragStepRotation(100.0, 0.0, 90.0, 90), 122.5);
    // Across the top the ring moves 2 screen degrees on either dial: no jump.
    EXPECT_DOUBLE_EQ(DragStepRotation(100.0, 359.0, 1.0, 360), 102.0);
    EXPECT_DOUBLE_EQ(DragStepRotation(100.0, 359.0, 1.0, 90), 100.5);
    EXPECT_DOUBLE_EQ(DragStepRotation(100.0, 1.0, 359.0, 90), 99.5);
    EXPECT_DOUBLE_EQ(DragStepRotation(359.0, 0.0, 2.0, 360), 1.0);
}

TEST(DialDrag, TurningWithTheMouseMakesAUserPoint)
{
    for (const DialType dialType : {kDial360, kDial90}) {
        const double speed = dialType == 360 ? 1.0 : 0.25;
        MainSession s = ShownRings();
        s.FDialType = dialType;
        s.IndexFactorCode = "SU";
        DialInteraction ia;
        const DialPixel top = At(0), left = At(90);
        DialMouseDown(ia, s, top.x, top.y);
        EXPECT_TRUE(DialMouseMove(ia, s, left.x, left.y, true).refresh.commandState);
        EXPECT_DOUBLE_EQ(s.FDialRotation, 90.0 + 90.0 * speed);
        EXPECT_EQ(s.FDialTitle, kUserPointTitle);
        EXPECT_EQ(s.FDialSubTitle, WinDeg::PositionText(s.FDialRotation));
        EXPECT_TRUE(s.IndexFactorCode.empty());
        EXPECT_EQ(s.FIndexDial, -1);
        DialMouseUp(ia, s, left.x, left.y, {});
        EXPECT_FALSE(ia.FDragging);

        // Two pixels either side of the top: a step of about 1.9 screen degrees.
        s.FDialRotation = 90.0;
        DialMouseDown(ia, s, kC + 2, kC - 120);
        DialMouseMove(ia, s, kC - 2, kC - 120, true);
        EXPECT_NEAR(s.FDialRotation, 90.0 + 1.9096 * speed, 1e-3);
    }
}

TEST(DialDrag, PausesOutsideTheRingAndNeedsAStartInside)
{
    MainSession s = ShownRings();
    DialInteraction ia;
    DialMouseDown(ia, s, kC + 150, kC);
    EXPECT_FALSE(ia.FDragging);

    const DialPixel top = At(0), outside = At(90, 200), left = At(90), bottom = At(180);
    DialMouseDown(ia, s, top.x, top.y);
    EXPECT_FALSE(DialMouseMove(ia, s, outside.x, outside.y, true).refresh.drawChart);
    EXPECT_DOUBLE_EQ(s.FDialRotation, 90.0);
    DialMouseMove(ia, s, left.x, left.y, true);
    DialMouseMove(ia, s, bottom.x, bottom.y, true);
    EXPECT_DOUBLE_EQ(s.FDialRotation, 270.0);
}

TEST(DialDrag, AMoveWithNoButtonHeldEndsALostDrag)
{
    MainSession s = ShownRings();
    DialInteraction ia;
    const DialPixel top = At(0), left = At(90);
    DialMouseDown(ia, s, top.x, top.y);
    EXPECT_EQ(DialMouseMove(ia, s, left.x, left.y, false).screenCursor, DialCursor::Arrow);
    EXPECT_FALSE(ia.FDragging);
    EXPECT_DOUBLE_EQ(s.FDialRotation, 90.0);
}

TEST(DialPick, FirstGlyphInLayerFactorAndTrueReflectedOrderWins)
{
    MainSession s = ShownRings();
    PlaceGlyph(s.FTransit, 3, kTrueGlyph, 100, 100);
    PlaceGlyph(s.FNatal, 9, kTrueGlyph, 102, 102);
    PlaceGlyph(s.FNatal, 9, kReflectedGlyph, 101, 101);
    PlaceGlyph(s.FNatal, 7, kReflectedGlyph, 104, 104);
    PlaceGlyph(s.FProgressed, 0, kTrueGlyph, 300, 300);

    ASSERT_TRUE(DoubleClickAt(s, 110, 110)); // natal 7 reflected, natal 9 both, transit 3
    EXPECT_EQ(s.FIndexMode, 3);
    EXPECT_EQ(s.FIndexFactorA, 7);
    EXPECT_DOUBLE_EQ(s.FDialRotation, s.FNatal.Factors[7].Refl);
    EXPECT_EQ(s.IndexName, "-" + std::string(FactorNamesThai[7]));
    EXPECT_EQ(s.FDialTitle, s.IndexName + " กำเนิด");
    EXPECT_EQ(s.FIndexDial, -1);
    EXPECT_EQ(s.GHouseChart, 1);

    ASSERT_TRUE(DoubleClickAt(s, 103, 103)); // natal 9 true before its reflection
    EXPECT_EQ(s.FIndexMode, 2);
    EXPECT_EQ(s.FIndexDial, 9);
    EXPECT_EQ(s.IndexFactorCode, "JU");
    EXPECT_EQ(s.FDialSubTitle, WinDeg::PositionText(s.FNatal.Factors[9].Lon));

    s.FNatal.Visible = false; // a hidden ring's stale boxes pick nothing
    ASSERT_TRUE(DoubleClickAt(s, 103, 103));
    EXPECT_EQ(s.IndexLayer, kLayerTransit);
    EXPECT_EQ(s.GHouseChart, 2);
    EXPECT_EQ(s.FDialTitle, std::string(FactorNamesThai[3]) + " จร");

    ASSERT_TRUE(DoubleClickAt(s, 315, 315)); // the directed Aries point
    EXPECT_EQ(s.IndexLayer, kLayerV1);
    EXPECT_DOUBLE_EQ(s.FDialRotation, kArc);
    EXPECT_EQ(s.FIndexDial, 0);
    EXPECT_EQ(s.GHouseChart, kLayerNone); // a directed point owns no chart's cusps
    EXPECT_EQ(s.FDialTitle, std::string(FactorNamesThai[kAries]) + " V1");
}

TEST(DialPick, GlyphBoxBordersAreOutside)
{
    MainSession s = ShownRings();
    PlaceGlyph(s.FNatal, 4, kTrueGlyph, 200, 50);
    EXPECT_FALSE(DoubleClickAt(s, 200, 55));
    EXPECT_FALSE(DoubleClickAt(s, 216, 55));
    EXPECT_FALSE(DoubleClickAt(s, 205, 66));
    EXPECT_TRUE(DoubleClickAt(s, 215, 65));
}

TEST(DialPick, AxisMarkers)
{
    MainSession s = ShownRings();
    PlaceGlyph(s.FNatal, 1, kTrueGlyph, 0, 250); // under the Cancer marker
    s.FAxis = nemra::kAxisCancerCapricorn;
    ASSERT_TRUE(DoubleClickAt(s, 1, 253));
    EXPECT_EQ(s.FDialTitle, "จุดกรกฎ");
    EXPECT_DOUBLE_EQ(s.FDialRotation, 90.0);
    EXPECT_EQ(s.FIndexDial, 0);
    EXPECT_EQ(s.FDialSubTitle, WinDeg::PositionText(90.0));

    s.FAxis = nemra::kAxisAriesLibra; // no Cancer marker: the glyph below it is picked
    ASSERT_TRUE(DoubleClickAt(s, 10, 260));
    EXPECT_EQ(s.FIndexFactorA, 1);

    s.FAxis = nemra::kAxisCancerCapricorn; // the top corner is the Aries point on the 360 dial for either axis
    ASSERT_TRUE(DoubleClickAt(s, 267, 15));
    EXPECT_EQ(s.FDialTitle, "จุดเมษ");
    EXPECT_EQ(s.IndexFactorCode, "AR");
    EXPECT_EQ(s.FIndexMode, 0);

    s.FDialType = nemra::kDial90; // on the 90 dial the Cancer marker stands at the top
    ASSERT_TRUE(DoubleClickAt(s, 253, 1));
    EXPECT_EQ(s.FDialTitle, "จุดกรกฎ");
}

// Picks and spreading go by what is drawn: a two-letter glyph ("MC", "AS") is picked over
// its whole drawn width and keeps its neighbours off its edges; a reflection picked on the
// dial or in the grid is the same point and carries no factor code.
TEST(DialPick, PicksAndSpreadingFollowTheDrawnGlyphs)
{
    struct PickCase {
        const char* name;
        int meridianWidth; // drawn width of the "MC" glyph in pixels
        int factor;
        bool reflected;
        bool fromGrid;
        int clickRight; // pixels right of the glyph's left edge
        bool picked;
        const char* code;
    };
    const PickCase picks[] = {
        {"right half of a measured MC", 26, kMeridian, false, false, 20, true, "MC"},
        {"MC not measured: one letter's box", 16, kMeridian, false, false, 20, false, ""},
        {"right border of a measured MC", 26, kMeridian, false, false, 26, false, ""},
        {"true Sun on the dial", 16, kSun, false, false, 8, true, "SU"},
        {"reflected Sun on the dial", 16, kSun, true, false, 8, true, ""},
        {"reflected Sun in the grid", 16, kSun, true, true, 0, true, ""},
    };
    for (const PickCase& c : picks) {
        MainSession s = ShownRings();
        s.FGlyphWidths[kMeridian] = c.meridianWidth;
        s.IndexFactorCode = "JU";
        bool picked = false;
        if (c.fromGrid) {
            s.GridTab = c.reflected ? 1 : 0;
            picked = PickGridCell(s, 1, c.factor);
        } else {
            PlaceGlyph(s.FNatal, c.factor, c.reflected ? kReflectedGlyph : kTrueGlyph, 100, 100);
            picked = DoubleClickAt(s, 100 + c.clickRight, 108);
        }
        EXPECT_EQ(picked, c.picked) << c.name;
        if (c.picked) {
            EXPECT_EQ(s.FIndexFactorA, c.factor) << c.name;
            EXPECT_EQ(s.FIndexMode, c.reflected ? 3 : 2) << c.name;
            EXPECT_EQ(s.IndexFactorCode, c.code) << c.name;
        }
    }

    // MC, AS and the Sun at one place on the natal ring (radius 155): the later factor keeps
    // the place, the others are pushed on by 5 degrees plus the excess half-widths on the
    // ring, by hand: (21 - 16) / 2 / 155 rad = 0.92413 deg, (26 - 16) / 2 / 155 rad = 1.84825 deg.
    struct SpreadCase {
        int meridianWidth;
        int ascendantWidth;
        double sun, ascendant, meridian;
    };
    const SpreadCase spreads[] = {
        {16, 16, 100.0, 105.0, 110.0},
        {26, 21, 100.0, 105.92413, 113.69651},
    };
    for (const SpreadCase& c : spreads) {
        DialPairs in{};
        for (std::size_t f = 0; f < in.size(); ++f)
            in[f] = {Normalize360(200.0 + 7.0 * static_cast<double>(f)), 0.0};
        in[kMeridian].Lon = in[kAscendant].Lon = in[kSun].Lon = 100.0;
        std::array<int, kFactorCount> widths{};
        widths.fill(kOneGlyphWidth);
        widths[kMeridian] = c.meridianWidth;
        widths[kAscendant] = c.ascendantWidth;
        const DialPairs out = SpreadGlyphs(in, 360, 360, ExtraGlyphRoom(widths, 155));
        EXPECT_NEAR(out[kSun].Lon, c.sun, 1e-5) << c.meridianWidth;
        EXPECT_NEAR(out[kAscendant].Lon, c.ascendant, 1e-5) << c.meridianWidth;
        EXPECT_NEAR(out[kMeridian].Lon, c.meridian, 1e-5) << c.meridianWidth;
    }
}

TEST(DialPick, OnlyAPlainOrCombinedDoubleClickPicks)
{
    MainSession s = ShownRings();
    PlaceGlyph(s.FNatal, 3, kTrueGlyph, 100, 100);
    EXPECT_FALSE(DoubleClickAt(s, 105, 105, {false, true, false}));
    EXPECT_FALSE(DoubleClickAt(s, 105, 105, {true, false, false}));
    EXPECT_TRUE(DoubleClickAt(s, 105, 105, {true, true, false}));
    EXPECT_TRUE(DoubleClickAt(s, 105, 105, {false, true, true}));
    DialInteraction single;
    EXPECT_FALSE(DialMouseUp(single, s, 105, 105, {}).refresh.drawChart);
}

TEST(GridPick, EachColumnAndTab)
{
    struct Case {
        int column;
        int tab;
        int layer;
        const char* suffix;
    };
    for (const Case c :
         {Case{1, 0, kLayerNatal, " กำเนิด"}, Case{2, 0, kLayerV1, " V1"}, Case{3, 0, kLayerTransit, " จร"},
          Case{1, 1, kLayerNatal, " กำเนิด"}, Case{2, 1, kLayerV1, " V1"}, Case{3, 1, kLayerTransit, " จร"}}) {
        MainSession s = ShownRings();
        s.GridTab = c.tab;
        s.IndexFactorCode = "MOSU";
        ASSERT_TRUE(PickGridCell(s, c.column, 4)) << c.column;
        const TChartRecord& rec =
            c.layer == kLayerNatal ? s.FNatal : (c.layer == kLayerV1 ? s.FProgressed : s.FTransit);
        const std::string name = std::string(c.tab == 1 ? "-" : "").append(FactorNamesThai[4]);
        EXPECT_EQ(s.IndexLayer, c.layer);
        EXPECT_DOUBLE_EQ(s.FDialRotation, c.tab == 0 ? rec.Factors[4].Lon : rec.Factors[4].Refl);
        EXPECT_EQ(s.IndexName, name);
        EXPECT_EQ(s.FDialTitle, name + c.suffix);
        EXPECT_EQ(s.IndexFactorCode, c.tab == 0 ? "MO" : "");
        EXPECT_EQ(s.FIndexMode, c.tab == 0 ? 2 : 3);
        EXPECT_EQ(s.FIndexDial, c.tab == 0 ? 4 : -1);
        EXPECT_TRUE(s.FIndexAccepted);
    }
}

TEST(GridPick, IgnoresOtherCellsChartsNotCastAndCtrlOrShift)
{
    MainSession s = ShownRings();
    EXPECT_FALSE(PickGridCell(s, 0, 4));
    EXPECT_FALSE(PickGridCell(s, 1, 0));
    s.FTransit.Computed = false;
    EXPECT_FALSE(PickGridCell(s, 2, 4));
    EXPECT_FALSE(PickGridCell(s, 3, 4));

    DialInteraction ia;
    EXPECT_FALSE(GridMouseUp(ia, s, 1, 4, {}).drawChart); // no double-click before
    for (KeyState keys : {KeyState{true, false, false}, KeyState{false, true, false}}) {
        GridDoubleClick(ia);
        EXPECT_FALSE(GridMouseUp(ia, s, 1, 4, keys).drawChart);
    }
    GridDoubleClick(ia);
    EXPECT_TRUE(GridMouseUp(ia, s, 1, 4, {true, true, false}).commandState);
    EXPECT_FALSE(ia.FGridDblClicked);
}

TEST(DialSwitches, RedrawOnlyWhatChanged)
{
    MainSession s;
    EXPECT_FALSE(ChooseDialType(s, 360).drawChart);
    EXPECT_EQ(ChooseDialTypeItem(s, -1), DialRefresh{});
    ToggleDialType(s);
    EXPECT_EQ(s.FDialType, 90);
    // The reflected-house lines show only on the 360 dial with a factor or point as index.
    EXPECT_FALSE(ToggleHouseLines(s).drawChart);
    EXPECT_TRUE(s.FHouseLines);
    ChooseDialTypeItem(s, 0);
    s.FIndexDial = -1;
    EXPECT_FALSE(ToggleHouseLines(s).drawChart);
    s.FIndexDial = 0;
    EXPECT_TRUE(ToggleHouseLines(s).drawChart);
}

} // namespace
} // namespace nemra
