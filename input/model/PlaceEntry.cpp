#include "input/model/PlaceEntry.h"

#include "input/model/ChartInputForms.h"

#include <string_view>

namespace nemra {
namespace {

std::string StoredTextFailure(const char* what, std::string_view text)
{
    return std::string(what) + "ในข้อมูลดวงชะตาอ่านไม่ได้: \"" + std::string(text) + "\"";
}

} // namespace

PlaceOpening OpenPlace(TChartInput& input)
{
    if (input.Latitude.empty())
        input.Latitude = kDefaultLatitude;
    if (input.Longitude.empty())
        input.Longitude = kDefaultLongitude;

    PlaceOpening opening;
    opening.place = input.Place.empty() ? std::string(kDefaultPlace) : input.Place.str();
    opening.latitude = ReadLatitude(input.Latitude);
    if (!opening.latitude) {
        opening.failure = StoredTextFailure("แลตติจูด", input.Latitude);
        return opening;
    }
    opening.longitude = ReadLongitude(input.Longitude);
    if (!opening.longitude)
        opening.failure = StoredTextFailure("ลองกิจูด", input.Longitude);
    return opening;
}

void WritePlace(const PlaceEntry& entry, TChartInput& input)
{
    input.Place = entry.place;
    input.Latitude = AngleText(entry.latitude.degrees, entry.latitude.minutes, entry.latitude.positive ? 'N' : 'S');
    input.Longitude = AngleText(entry.longitude.degrees, entry.longitude.minutes, entry.longitude.positive ? 'E' : 'W');
}

} // namespace nemra
