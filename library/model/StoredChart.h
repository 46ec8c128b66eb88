// A chart as the library keeps it: the seven texts of the chart input exactly as they were
// typed, a free note, a group, and when it was created and last changed; the rules a chart
// must meet before it is stored.
#pragma once

#include "core/ChartInput.h"
#include "library/model/StoreResult.h"

#include <cstdint>
#include <optional>
#include <string>

namespace nemra {

// Longest note and group, in characters.
inline constexpr std::size_t kNoteChars = 2000;
inline constexpr std::size_t kGroupChars = 30;

// What a caller hands to the library to store.
struct ChartDraft {
    TChartInput input;
    std::string note;
    std::string group;

    friend bool operator==(const ChartDraft&, const ChartDraft&) = default;
};

struct StoredChart {
    std::int64_t id = 0;
    ChartDraft chart;
    std::string created; // "2026-12-08 14:03:22", local time
    std::string changed;
};

// Whether a chart can be stored, or why not: the chart input check must pass, every
// text must be storable in the Thai code page (the texts go into report files), the name,
// place and group are one line each, the name is not empty, the note and group within their
// lengths.
StoreResult<Done> CheckDraft(const ChartDraft& draft);

// Builds the chart input from seven texts, refusing (rather than cutting) a text longer
// than its field, so a stored chart is always exactly what was given. `fields` holds Name,
// Date, Time, TimeZone, Latitude, Longitude, Place in that order.
StoreResult<TChartInput> ChartInputOfTexts(const std::string (&fields)[7]);

// The seven texts of a chart input in the order above, and their English keys (the CSV
// header and the command line): name, date, time, zone, latitude, longitude, place.
void TextsOfChartInput(const TChartInput& input, std::string (&fields)[7]);
extern const char* const kChartTextKeys[7];

// Keys that put charts in the order of their moment: the Christian-era date as yyyymmdd (by
// the year rule of the chart input) and the local time as seconds of the day. Only for
// inputs that pass the chart input check.
int DateSortKey(const TChartInput& input);
int TimeSortKey(const TChartInput& input);

// A local date and time as the library writes it: "2026-12-08 14:03:22"; and the check that
// a text is in that form.
std::string StampText(int year, int month, int day, int hour, int minute, int second);
bool IsStampText(const std::string& text);

// The chart input after an edit in a form that shows the texts in its own forms: each field
// the user left as the form showed it keeps the stored text as typed; a changed field takes
// the form's text.
TChartInput MergeEditedInput(const TChartInput& stored, const TChartInput& shown, const TChartInput& edited);

} // namespace nemra
