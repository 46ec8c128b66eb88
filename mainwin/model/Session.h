// The main window's state without widgets: the charts, the arcs, the display switches and
// the dial index, with the design's field names. Owned by the main window and passed by
// reference to whoever needs it; there are no mutable globals.
#pragma once

#include "core/ChartInput.h"
#include "core/ChartLayers.h"
#include "core/ChartRecord.h"
#include "core/ChartSet.h"
#include "core/Clock.h"
#include "dials/model/DialIndexState.h"
#include "input/model/InputChoices.h"
#include "reports/model/ReportChoices.h"

#include <array>
#include <string>

namespace nemra {

// Pixels: the width and height of a one-letter factor glyph's box on the dial.
inline constexpr int kOneGlyphWidth = 16;
inline constexpr const char* kPresentChartName = "ดวงจรขณะนี้"; // the transit chart of this moment

// What the main window shows and how: the display switches and the dial's drawing state.
struct DisplaySwitches {
    int FMaxContracia = 0; // reflections drawn for factors 1..n: 21, 5 or 0
    bool FShowV1 = false;
    int FDisplayMode = kShowAll; // a DisplayMode
    int GridTab = 0;             // TabSet1: 0 true positions, 1 reflections

    DialType FDialType = kDial360;
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

    // The midpoint finder: on while its action is checked; its orb in degrees.
    bool FMidFinderOn = false;
    double FMidFinderOrb = 1.0;
};

// The main window's state: the sum of the parts each subsystem owns (the charts and arcs,
// the dial index and the dials' choices, the display switches, the report and input
// dialogs' choices), with the design's field names. Operations take the part they need.
struct MainSession : DialSession, DisplaySwitches, ReportChoices, InputChoices {
    // The live transit: the chart input it casts at every tick, GChartInput as it stood when
    // the live transit started (the place chosen for it), whatever chart is cast meanwhile.
    TChartInput FLiveInput;
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
double LayerLongitude(const ChartSet& s, int layer, int factor);
double LayerReflection(const ChartSet& s, int layer, int factor);

// Grid column texts (column 1 natal, 2 V1, 3 transit) for rows 1..21: the position text of
// the longitude or reflection (by GridTab), with as much of the motion mark as keeps the
// text within 10 characters for the natal and transit columns.
std::string GridCellText(const MainSession& s, int column, int factor);

// The seven side-label captions of a chart: name, date words, time, place, zone, latitude,
// longitude.
std::array<std::string, 7> ChartLabelTexts(const TChartRecord& rec);

} // namespace nemra
