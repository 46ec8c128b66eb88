// The values of the chart input dialog without its widgets: what it shows on opening, the
// Buddhist/Christian year shown beside the year, the zone's two units, the seven record
// texts it writes, and a city's texts turned into its zone, latitude and longitude values.
#pragma once

#include "ChartInput.h"
#include "CityList.h"
#include "Clock.h"

#include <optional>
#include <string>
#include <string_view>

namespace nemra {

inline constexpr const char* kPresentMomentName = "ดวงจรขณะนี้";

// Years the year field accepts: those whose Christian year the chart computation serves.
inline constexpr int kMinYearBE = 544;
inline constexpr int kMaxYearBE = 3542;

// A zone: whole degrees of the zone meridian (east or west), or whole hours east of
// Greenwich (negative west), and minutes.
struct ZoneEntry {
    int value = 105;
    int minutes = 0;
    bool inHours = false;
    bool east = true; // direction of a zone in degrees
};

// A latitude or longitude in whole degrees and minutes with its direction.
struct AngleEntry {
    int degrees = 0;
    int minutes = 0;
    bool positive = true; // north, or east
};

// The largest latitude and longitude in degrees; at these the minutes can only be 0.
inline constexpr int kMaxLatitude = 90;
inline constexpr int kMaxLongitude = 180;

// A latitude text ("13.45N", "8.04S") or a longitude text ("100.30E", "74.00W") as degrees,
// minutes and direction; nothing when it is not a degrees.minutes number of at most six
// characters followed by its letter, within 0..90 degrees (latitude) or 0..180 (longitude).
std::optional<AngleEntry> ReadLatitude(std::string_view text);
std::optional<AngleEntry> ReadLongitude(std::string_view text);

// Everything the dialog turns into the seven record texts.
struct ChartInputEntry {
    std::string name = kPresentMomentName;
    int day = 1;
    int month = 1;
    int yearBE = 2538;
    int hour = 0;
    int minute = 0;
    int second = 0;
    ZoneEntry zone;
    AngleEntry latitude{13, 45, true};
    AngleEntry longitude{100, 30, true};
    std::string place;
};

// The values the dialog opens with: the present moment named "ดวงจรขณะนี้", zone 105°00'
// east, Bangkok's latitude and longitude, and the place already in the chart input.
ChartInputEntry OpeningEntry(const LocalDateTime& now, const TChartInput& current);

// "(ค.ศ. 1995)": the Christian year shown beside the Buddhist year.
std::string ChristianYearLabel(int yearCE);

// The day kept when the calendar moves to another month: the same day, or the month's last
// day when the month is shorter (31 January -> 28 or 29 February).
int DayWithinMonth(int day, int month, int yearCE);

// The range of the zone value and the value it takes when its unit changes.
struct ZoneRange {
    int minimum;
    int maximum;
    int initial;
};
ZoneRange ZoneRangeFor(bool inHours);

// Writes the seven texts into the chart input in the order Name, Place, Date, Time, TimeZone,
// Latitude, Longitude, each cut to its field's width.
void WriteChartInput(const ChartInputEntry& entry, TChartInput& input);

// The dialog's values showing a chart input that passes CheckChartInput, the inverse of
// WriteChartInput: its name and place, date, time to the second, zone, latitude and
// longitude. A text the controls cannot hold (a zone beyond their range) keeps the value the
// dialog opens with.
ChartInputEntry EntryForChartInput(const TChartInput& input);

// A city's zone, latitude and longitude as dialog values. They are converted in this order
// and the first text that is not a number of at most six characters followed by one of its
// letters, or lies outside its range, stops the conversion: the values before it are set,
// `failure` says which text could not be read.
struct CityEntry {
    std::string place;
    std::optional<ZoneEntry> zone;
    std::optional<AngleEntry> latitude;
    std::optional<AngleEntry> longitude;
    std::optional<std::string> failure; // Thai, for the user
};
CityEntry CityEntryFor(const CityChoice& city);
// The same for a city's latitude and longitude alone (the zone stays empty), for a dialog
// that takes only the position.
CityEntry CityPositionFor(const CityChoice& city);

} // namespace nemra
