#include "charts/model/ChartPlace.h"

#include "core/ThaiText.h"
#include "input/model/ChartInputForms.h"
#include "input/model/CityList.h"

#include <array>

namespace nemra {
namespace {

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

ChartPlace PlaceOf(const TChartInput& chart)
{
    return {chart.TimeZone, chart.Latitude, chart.Longitude, chart.Place};
}

void PutPlace(const ChartPlace& place, TChartInput& chart)
{
    chart.TimeZone = place.TimeZone;
    chart.Latitude = place.Latitude;
    chart.Longitude = place.Longitude;
    chart.Place = place.Place;
}

Result<> CheckPlace(const ChartPlace& place)
{
    // The place in an input whose date and time are sound: CheckInputTexts is the one judge.
    TChartInput probe;
    probe.Date = DateText(1, 1, 2567);
    probe.Time = TimeText(12, 0, 0);
    PutPlace(place, probe);
    if (const auto check = CheckInputTexts(probe); !check)
        return Fault{check.fault().message};
    return {};
}

ChartPlace PlaceOfEntry(const ZoneEntry& zone, const AngleEntry& latitude, const AngleEntry& longitude,
                        const std::string& name)
{
    ChartInputEntry entry;
    entry.zone = zone;
    entry.latitude = latitude;
    entry.longitude = longitude;
    entry.place = name;
    TChartInput texts;
    WriteChartInput(entry, texts);
    return PlaceOf(texts);
}

CityEntry EntryOfPlace(const ChartPlace& place)
{
    return CityEntryFor({place.Place.str(), "", place.TimeZone, place.Latitude, place.Longitude});
}

Result<ChartPlace> ReadPlace(std::string_view text)
{
    constexpr const char* kForm = "สถานที่ต้องอยู่ในรูป เขตเวลา,แลตติจูด,ลองกิจูด[,ชื่อสถานที่]";
    std::array<std::string_view, 4> parts{};
    std::size_t count = 0;
    while (count < 3) {
        const auto comma = text.find(',');
        if (comma == std::string_view::npos)
            break;
        parts[count++] = Trimmed(text.substr(0, comma));
        text.remove_prefix(comma + 1);
    }
    parts[count++] = Trimmed(text);
    if (count < 3 || !IsCp874Text(parts[3]))
        return Fault{kForm};
    const ChartPlace place{parts[0], parts[1], parts[2], parts[3]};
    // A part cut to its field would be read as another value than the one written.
    if (place.TimeZone.str().size() != parts[0].size() || place.Latitude.str().size() != parts[1].size()
        || place.Longitude.str().size() != parts[2].size() || CharCount(parts[3]) > decltype(place.Place)::capacity)
        return Fault{kForm};
    if (const auto check = CheckPlace(place); !check)
        return check.fault();
    return place;
}

} // namespace nemra
