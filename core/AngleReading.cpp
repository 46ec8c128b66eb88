#include "core/AngleReading.h"

#include "core/ChartInput.h"

#include <cmath>

namespace nemra {
namespace {

constexpr double kMinutesBelow60 = 60.0 - 1e-7; // what a written "59.99..." may carry

bool LetterOfKind(char letter, AngleKind kind)
{
    switch (kind) {
    case AngleKind::Latitude:
        return letter == 'N' || letter == 'S';
    case AngleKind::Longitude:
        return letter == 'E' || letter == 'W';
    case AngleKind::Zone:
        return letter == 'E' || letter == 'W' || letter == 'H';
    }
    return false;
}

AngleBounds BoundsOf(AngleKind kind, char letter)
{
    switch (kind) {
    case AngleKind::Latitude:
        return kLatitudeBounds;
    case AngleKind::Longitude:
        return kLongitudeBounds;
    case AngleKind::Zone:
        return letter == 'H' ? kZoneHourBounds : kZoneDegreeBounds;
    }
    return kLatitudeBounds;
}

// Within the bounds, compared as degrees and minutes so that 89°59' passes and 89°59.5' not.
bool WithinBounds(const AngleReading& angle, const AngleBounds& bounds)
{
    if (angle.negative && bounds.minimumWhole >= 0)
        return false;
    const double value = std::fabs(angle.whole) * 60.0 + angle.minutes;
    const double limit =
        angle.negative ? -bounds.minimumWhole * 60.0 : bounds.maximumWhole * 60.0 + bounds.maximumMinutes;
    return value <= limit + 1e-7;
}

} // namespace

double AngleReading::Decimal() const
{
    const double value = std::abs(whole) + minutes / 60.0;
    const bool below = negative || letter == 'S' || letter == 'W';
    return below ? -value : value;
}

std::optional<AngleReading> ReadAngleText(std::string_view text, AngleKind kind)
{
    if (text.size() < 2 || !LetterOfKind(text.back(), kind))
        return std::nullopt;
    const std::string_view number = text.substr(0, text.size() - 1);
    const auto value = ReadReal(number);
    if (!value || number.size() > 6 || std::fabs(*value) > 1000.0)
        return std::nullopt;
    AngleReading angle;
    const double whole = std::trunc(*value);
    angle.whole = static_cast<int>(whole);
    angle.minutes = std::fabs(*value - whole) * 100.0;
    angle.letter = text.back();
    angle.negative = *value < 0.0;
    if (angle.minutes >= kMinutesBelow60 || !WithinBounds(angle, BoundsOf(kind, angle.letter)))
        return std::nullopt;
    return angle;
}

std::optional<double> ReadZoneDegrees(std::string_view text)
{
    const auto zone = ReadAngleText(text, AngleKind::Zone);
    if (!zone)
        return std::nullopt;
    return zone->InHours() ? zone->Decimal() * 15.0 : zone->Decimal();
}

} // namespace nemra
