#include "mainwin/model/Settings.h"

#include "core/ChartInput.h"
#include "core/PosixFile.h"
#include "core/ThaiText.h"
#include "mainwin/model/Session.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <sstream>

namespace nemra {
namespace {

constexpr std::size_t kMaxSettingsBytes = 1 << 20; // a settings file is a few hundred bytes

std::string Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return c < 0x80 ? static_cast<char>(std::tolower(c)) : static_cast<char>(c);
    });
    return text;
}

// "section/key" (lower case) -> value, the first occurrence of each key winning.
using Entries = std::map<std::string, std::string>;

Entries ReadEntries(const std::string& text)
{
    Entries entries;
    std::string section;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == ';' || trimmed[0] == '#')
            continue;
        if (trimmed.front() == '[') {
            const auto close = trimmed.find(']');
            section = Lower(Trim(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1)));
            continue;
        }
        const auto eq = trimmed.find('=');
        if (eq == std::string::npos || section.empty())
            continue;
        entries.emplace(section + "/" + Lower(Trim(trimmed.substr(0, eq))), Trim(trimmed.substr(eq + 1)));
    }
    return entries;
}

int IntOr(const Entries& entries, const std::string& key, int fallback)
{
    const auto it = entries.find(key);
    return it == entries.end() ? fallback : ReadInt(it->second).value_or(fallback);
}

std::string TextOr(const Entries& entries, const std::string& key, const std::string& fallback)
{
    const auto it = entries.find(key);
    return it == entries.end() ? fallback : it->second;
}

// A chart input holding the start place of `s` and a well-formed moment: what a place text
// from the file is checked within.
TChartInput StartPlaceProbe(const StartSettings& s)
{
    TChartInput input;
    input.Date = "01/01/2569";
    input.Time = "0.00";
    input.TimeZone = s.timeZone;
    input.Latitude = s.latitude;
    input.Longitude = s.longitude;
    return input;
}

void SetPlaceText(TChartInput& input, ChartInputField field, const std::string& text)
{
    if (field == ChartInputField::TimeZone)
        input.TimeZone = text;
    else if (field == ChartInputField::Latitude)
        input.Latitude = text;
    else
        input.Longitude = text;
}

std::string PlaceText(const TChartInput& input, ChartInputField field)
{
    if (field == ChartInputField::TimeZone)
        return input.TimeZone.str();
    return field == ChartInputField::Latitude ? input.Latitude.str() : input.Longitude.str();
}

} // namespace

StartSettings ParseSettings(std::string_view fileBytes)
{
    const Entries entries = ReadEntries(DecodeFileText(fileBytes.substr(0, kMaxSettingsBytes)));
    StartSettings s;
    s.dialType = DialTypeOf(IntOr(entries, "dial/dialtype", kDial360));
    s.axis = AxisOf(IntOr(entries, "calculations/axis", kAxisAriesLibra));
    s.trueNode = IntOr(entries, "calculations/node", 1) != 0;
    s.cityName = TextOr(entries, "place/cityname", s.cityName);
    // Each place text is checked as the chart input will hold it, the other texts being the
    // (well-formed) defaults.
    const TChartInput defaults = StartPlaceProbe(s);
    const struct {
        const char* key;
        std::string StartSettings::*value;
        ChartInputField field;
    } kPlaceKeys[] = {{"Timezone", &StartSettings::timeZone, ChartInputField::TimeZone},
                      {"Latitude", &StartSettings::latitude, ChartInputField::Latitude},
                      {"Longitude", &StartSettings::longitude, ChartInputField::Longitude}};
    for (const auto& place : kPlaceKeys) {
        const auto it = entries.find("place/" + Lower(place.key));
        if (it == entries.end())
            continue;
        TChartInput probe = defaults;
        SetPlaceText(probe, place.field, it->second);
        if (!CheckInputTexts(probe))
            s.ignoredPlaceKeys.push_back(std::string(place.key) + "=" + PlaceText(probe, place.field));
        else
            s.*place.value = it->second;
    }
    const int contracia = IntOr(entries, "dial/maxcontracia", 0);
    s.maxContracia = (contracia == 5 || contracia == 21) ? contracia : 0;
    return s;
}

StartSettings ReadSettingsFile(const std::string& path)
{
    const FileBytes file = ReadRegularFile(path, kMaxSettingsBytes);
    if (!file) {
        StartSettings defaults;
        if (file.fault().notRegular)
            defaults.fileProblem = file.fault().reason;
        return defaults;
    }
    return ParseSettings(*file);
}

std::string SettingsNotice(const StartSettings& settings)
{
    if (!settings.fileProblem.empty())
        return std::string("ไม่ได้อ่านไฟล์ ") + kSettingsFileName + ": " + settings.fileProblem + " จึงใช้ค่าเริ่มต้นทั้งหมด";
    if (settings.ignoredPlaceKeys.empty())
        return {};
    std::string keys;
    for (const auto& key : settings.ignoredPlaceKeys)
        keys += (keys.empty() ? "" : ", ") + key;
    return std::string("ค่าสถานที่ในไฟล์ ") + kSettingsFileName + " ไม่ถูกต้อง จึงใช้ค่าเริ่มต้นแทน: " + keys;
}

void ApplySettings(MainSession& s, const StartSettings& settings)
{
    s.FDialType = settings.dialType;
    s.FAxis = settings.axis;
    s.TrueNodeChecked = settings.trueNode;
    s.GChartInput.Name = kPresentChartName;
    s.GChartInput.Place = settings.cityName;
    s.GChartInput.TimeZone = settings.timeZone;
    s.GChartInput.Latitude = settings.latitude;
    s.GChartInput.Longitude = settings.longitude;
    s.FMaxContracia = settings.maxContracia;
}

} // namespace nemra
