#include "Settings.h"

#include "ChartInput.h"
#include "Session.h"
#include "ThaiText.h"

#include <algorithm>
#include <fstream>
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

} // namespace

StartSettings ParseSettings(std::string_view fileBytes)
{
    const Entries entries = ReadEntries(DecodeFileText(fileBytes.substr(0, kMaxSettingsBytes)));
    StartSettings s;
    s.dialType = IntOr(entries, "dial/dialtype", 360) == 360 ? 360 : 90;
    s.axis = IntOr(entries, "calculations/axis", 360) == 360 ? 360 : 180;
    s.trueNode = IntOr(entries, "calculations/node", 1) != 0;
    s.cityName = TextOr(entries, "place/cityname", s.cityName);
    s.timeZone = TextOr(entries, "place/timezone", s.timeZone);
    s.latitude = TextOr(entries, "place/latitude", s.latitude);
    s.longitude = TextOr(entries, "place/longitude", s.longitude);
    const int contracia = IntOr(entries, "dial/maxcontracia", 0);
    s.maxContracia = (contracia == 5 || contracia == 21) ? contracia : 0;
    return s;
}

StartSettings ReadSettingsFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    std::string bytes;
    bytes.resize(kMaxSettingsBytes);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return ParseSettings(bytes);
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
