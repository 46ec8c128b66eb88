// Dial interaction without widgets: turning the ring with the mouse, picking an index point
// with a double-click on the dial or on the position grid, and the switches beside the dial
// (dial type, reflected-house lines, reflection set, shown layers). Each operation changes
// the session and says what the window has to refresh. Pixels are dial-bitmap pixels,
// angles degrees (0 at the top, growing counter-clockwise).
#pragma once

#include "mainwin/model/Session.h"

#include <optional>

namespace nemra {

inline constexpr const char* kUserPointTitle = "จุดกำหนดเอง";
inline constexpr const char* kAriesPointTitle = "จุดเมษ";

// Mouse state of the main window between events.
struct DialInteraction {
    bool FDragging = false;       // a drag of the ring is in progress
    double FDragAngle = 0.0;      // dial angle under the pointer at the previous drag step
    bool FDialDblClicked = false; // a double-click on the dial waits for its mouse-up
    bool FGridDblClicked = false; // the same for the position grid
};

// The pointer shapes of the dial: the normal arrow, the open hand over the grip ring and
// the closed hand while the ring is dragged.
enum class DialCursor { Arrow, Grip, Grab };

// Keys held during a mouse event; `other` is any further modifier key.
struct KeyState {
    bool shift = false;
    bool ctrl = false;
    bool other = false;
};

// What the window refreshes after an operation.
struct DialRefresh {
    bool drawChart = false;
    bool commandState = false;        // the index changed: menu enabling and captions
    bool dialTypeControls = false;    // check marks of the 360/90 items and DialSelectGroup
    bool houseLineChecks = false;     // check marks of MnHouseLine and Pop1HouseLine
    bool contraciaControls = false;   // reflection-set items and ReflectSelectList
    bool displayModeControls = false; // shown-layer items and ChooseChartList
    friend bool operator==(const DialRefresh&, const DialRefresh&) = default;
};

// What a mouse event on the dial asks of the window.
struct DialMouseResult {
    std::optional<DialCursor> areaCursor;   // the chart area's own cursor, when it changes
    std::optional<DialCursor> screenCursor; // Grab: hold the closed hand everywhere; Arrow: release it
    DialRefresh refresh;
};

// --- geometry ----------------------------------------------------------------------

// Whole-pixel distance of (x, y) from the dial centre, truncated.
int DistanceFromCenter(int x, int y, int centre);

// Dial angle in [0, 360) of the offset (dx, dy) from the centre: the inverse of DialPoint.
double DialAngleOf(int dx, int dy);

// The grip ring: the house ring and scale (radius 90..140) on the 360 dial, everything
// from radius 10 to the scale on the 90 dial.
bool InGripRing(const MainSession& s, int x, int y);

// Cursor of the chart area for a pointer at rest at (x, y).
DialCursor HoverCursor(const MainSession& s, int x, int y);

// The rotation after one drag step of the pointer from `fromAngle` to `toAngle`: the ring
// follows the shorter way round, a quarter as fast on the 90 dial, where one screen degree
// is a quarter of a dial degree. Result in [0, 360).
double DragStepRotation(double rotation, double fromAngle, double toAngle, int dialType);

// Turns the ring so that the pointer stands at longitude `lon` and makes the index a user
// point, as a drag step does. Returns what the window refreshes.
DialRefresh TurnPointerTo(MainSession& s, double lon);

// --- mouse on the dial ---------------------------------------------------------------

// Mouse-down with any button: inside the grip ring a drag starts.
DialMouseResult DialMouseDown(DialInteraction& ia, const MainSession& s, int x, int y);

// Mouse-move: hover cursor; inside the grip ring a drag step turns the ring and makes the
// index a user point. Moving outside the ring pauses the drag. A move with no button held
// ends a drag whose mouse-up went elsewhere (a pop-up menu took it).
DialMouseResult DialMouseMove(DialInteraction& ia, MainSession& s, int x, int y, bool buttonHeld);

// A double-click on the dial: the pick waits for the mouse-up.
void DialDoubleClick(DialInteraction& ia);

// Mouse-up: picks at (x, y) after a double-click (unless only Ctrl or only Shift is held),
// then ends a drag.
DialMouseResult DialMouseUp(DialInteraction& ia, MainSession& s, int x, int y, KeyState keys);

// A double-click picks unless exactly Ctrl or exactly Shift is held.
bool PickAllowed(KeyState keys);

// Index point from the dial at (x, y): the Cancer marker (axis 180), the Aries marker, then
// the glyphs of the shown rings (natal 1..21, transit 1..21, V1 0..21; true glyph before
// its reflection). False when nothing is there.
bool PickDialPoint(MainSession& s, int x, int y);

// --- the position grid -----------------------------------------------------------------

void GridDoubleClick(DialInteraction& ia);

// Mouse-up on the grid: after a double-click picks the current cell (unless only Ctrl or
// only Shift is held).
DialRefresh GridMouseUp(DialInteraction& ia, MainSession& s, int column, int row, KeyState keys);

// Index point from grid cell (column, row): column 1 natal, 2 V1, 3 transit; rows 1..21
// are the factors; the grid's tab chooses the true position or the reflection. False for
// other cells and for a column whose chart is not computed.
bool PickGridCell(MainSession& s, int column, int row);

// --- switches beside the dial --------------------------------------------------------

// Dial type 360 or 90 from the main menu or the pop-up; redrawn only when it changes, the
// check marks set again always.
DialRefresh ChooseDialType(MainSession& s, int type);
// DialSelectGroup item 0 (360) or 1 (90); no item does nothing.
DialRefresh ChooseDialTypeItem(MainSession& s, int item);
// ToggleDisc: the other dial type.
DialRefresh ToggleDialType(MainSession& s);

// ToggleHouseLine: the reflected-house lines on or off; redrawn only where they show (the
// 360 dial with a factor or point as index).
DialRefresh ToggleHouseLines(MainSession& s);

// ReflectSelectList item 0 all reflections (21), 1 the personal points (5), 2 none (0).
DialRefresh ChooseReflectionSet(MainSession& s, int item);
// The ReflectSelectList item of a reflection count, -1 for none.
int ReflectionSetItem(int maxContracia);

// ChooseChartList item 0..4: the display mode of the same number.
DialRefresh ChooseChartLayers(MainSession& s, int item);

} // namespace nemra
