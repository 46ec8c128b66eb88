// The text forms in which the chart input record carries dates, times and angles, as the
// input dialogs, the present-moment cast and the live transit write them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace nemra {

// "07/12/2569": two-digit day and month, the Buddhist year right-aligned in four places
// ("01/06/ 999").
std::string DateText(int day, int month, int yearBE);

// " 9.05.07": the hour right-aligned in two places (a blank, not a zero, below 10), then
// two-digit minutes and seconds.
std::string TimeText(int hour, int minute, int second);

// An angle or zone text: the value without leading zeros (a minus sign when negative), ".",
// two-digit minutes, then the letter: "105.00E", "-5.30H", "8.04N".
std::string AngleText(int whole, int minutes, char letter);

} // namespace nemra
