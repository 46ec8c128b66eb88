// The main window's state without widgets: the charts, the arcs, the display switches and
// the dial index, with the design's field names. Owned by the main window and passed by
// reference to whoever needs it; there are no mutable globals.
#pragma once

#include "ChartInput.h"
#include "ChartRecord.h"
#include "CityList.h"
#include "Clock.h"

#include <array>
#include <string>

namespace nemra {

inline constexpr const char* kZodiacDialTitle = "จักรราศี";
// Pixels: the width and height of a one-letter factor glyph's box on the dial.
inline constexpr int kOneGlyphWidth = 16;
inline constexpr const char* kPresentChartName = "ดวงจรขณะนี้"; // the transit chart of this moment

// The eight point sets that can be drawn or reported.
enum ChartLayer : int {
    kLayerNatal = 1,
    kLayerTransit = 2,
    kLayerV1 = 3,
    kLayerV2 = 4,
    kLayerV1Half = 5,
    kLayerV2Half = 6,
    kLayerV1Double = 7,
    kLayerV2Double = 8,
};

// Which charts the dial shows (also the item index of ChooseChartList).
enum DisplayMode : int {
    kShowAll = 0,
    kShowNatalTransit = 1,
    kShowNatalV1 = 2,
    kShowNatal = 3,
    kShowTransit = 4,
};

struct MainSession {
    // Charts and the directed set.
    TChartRecord FNatal;
    TChartRecord FTransit;
    TChartRecord FProgressed; // the V1 set: Factors, Computed, Visible, GlyphX/Y
    TChartInput FOwnerInput;

    // Arcs in degrees (FDoubleArc is not reduced) and their texts.
    double FArc = 0.0;
    double FHalfArc = 0.0;
    double FDoubleArc = 0.0;
    std::array<std::string, 3> FArcText;
    double FDailyMeridian = 0.0;

    // Switches.
    int FAxis = 360;       // reflection axis: 360 Aries-Libra, 180 Cancer-Capricorn
    int FMaxContracia = 0; // reflections drawn for factors 1..n: 21, 5 or 0
    bool FShowV1 = false;
    bool TrueNodeChecked = true; // the check of MnTrueNode
    int FDisplayMode = kShowAll;
    int GridTab = 0; // TabSet1: 0 true positions, 1 reflections

    // Dial.
    int FDialType = 360; // 360 or 90
    int FChartSize = 521;
    int FChartCenter = 261;
    bool FHouseLines = false;
    // Drawn width in pixels of each factor's glyph in the glyph font, as the renderer
    // measured it; picking and glyph spreading use it. One letter's width until measured.
    std::array<int, kFactorCount> FGlyphWidths = [] {
        std::array<int, kFactorCount> widths{};
        widths.fill(kOneGlyphWidth);
        return widths;
    }();

    // Dial index.
    double FDialRotation = 90.0; // degrees
    int FIndexMode = 0;
    int FIndexDial = 1;
    int FIndexFactorA = 0;
    int FIndexFactorB = 0;
    int FIndexFactorC = 0;
    std::string FDialTitle = kZodiacDialTitle;
    std::string FDialSubTitle;
    bool FIndexAccepted = false;
    // The midpoint finder: on while its action is checked; its orb in degrees.
    bool FMidFinderOn = false;
    double FMidFinderOrb = 1.0;

    // Remembered choices of the calculation dials.
    int FMidSource = 3;      // midpoint dial: source 3 = natal chart
    int FSensKind = 1;       // sensitive points: 1 = A+B-C
    int FSensSource = 7;     // sensitive points: source 7 = natal chart
    int BriefAspectMode = 1; // the aspect list's shown mode 1..5, kept after it closes

    // Midpoint dial: the two factors (0..21), midpoint of A and B rather than A alone, and
    // the reflection of the point.
    int FMidFactorA = 0;
    int FMidFactorB = 0;
    bool FMidUsePair = false;
    bool FMidReflect = false;
    // Sensitive points: the three factors (0..21).
    int FSensFactorA = 0;
    int FSensFactorB = 0;
    int FSensFactorC = 0;

    // The live transit: the chart input it casts at every tick, GChartInput as it stood when
    // the live transit started (the place chosen for it), whatever chart is cast meanwhile.
    TChartInput FLiveInput;
    // The place dialog's Place, Latitude and Longitude: the place last chosen in it, or the
    // start-up place until one is chosen.
    TChartInput FPlaceChoice;

    // The design's globals, held here.
    TChartInput GChartInput;
    CityListState Cities; // CityChoice, CityChosen and the selected line of the city list
    int GHouseChart = 0;  // 1 natal, 2 transit: whose house cusps the dial draws; none at start
    int IndexLayer = 1;
    std::string IndexName;
    std::string IndexFactorCode;
    int IndexCodeFactor = 0;
    int TargetLayer = 1; // the ChartLayer the hit-point report searches, kept between openings

    CastOptions castOptions() const { return {TrueNodeChecked, FAxis}; }
};

// Casting flows (what the cast commands do besides the dialog and the widgets).
void CastNatal(MainSession& s, const TChartInput& input);
void CastTransit(MainSession& s, const TChartInput& input);
void CastOwner(MainSession& s);
// Casts GChartInput as the transit chart at the instant `now`, with the date and clock time
// of that instant in GChartInput's zone.
void CastTransitNow(MainSession& s, UtInstant now);

// Casts `input` at the instant `now` (its date and clock time in the input's own zone) as
// the transit chart and, when a natal chart exists, forms the arcs anew: the common part of
// the present-moment and live casts.
void CastTransitAt(MainSession& s, const TChartInput& input, UtInstant now);

// The date and time texts of `now` in the input's zone written into a chart input.
void SetInputToMoment(TChartInput& input, UtInstant now);

// Solar arc (one day after birth for every year of age), half and double arc, their
// texts, the V1 set and the daily meridian. Needs both charts.
void ComputeArcs(MainSession& s);

// The V1 set: every natal point and reflection carried forward by the solar arc.
void FormV1Set(MainSession& s);

// The dial turned back to the zodiac from the Cancer point with its titles; every cast
// does this, leaving the index mode as it was.
void ResetDialToZodiac(MainSession& s);

void SetDisplayMode(MainSession& s, int mode);

// Axis 360 or 180: the reflections of all three charts are formed anew (the V1 ones from
// the natal reflections and the arc).
void SetAxis(MainSession& s, int axis);

// The node switch: the true or the mean node in every computed chart, with every value
// formed from it (reflections, the V1 set) as a cast with that node gives them.
void SetTrueNode(MainSession& s, bool trueNode);

// The longitude of factor 0..21 in a chart layer 1..8, and of its reflection.
double LayerLongitude(const MainSession& s, int layer, int factor);
double LayerReflection(const MainSession& s, int layer, int factor);

// Grid column texts (column 1 natal, 2 V1, 3 transit) for rows 1..21: the position text of
// the longitude or reflection (by GridTab), with as much of the motion mark as keeps the
// text within 10 characters for the natal and transit columns.
std::string GridCellText(const MainSession& s, int column, int factor);

// The seven side-label captions of a chart: name, date words, time, place, zone, latitude,
// longitude.
std::array<std::string, 7> ChartLabelTexts(const TChartRecord& rec);

} // namespace nemra
