#include "settings/model/IniFile.h"

#include "core/FileReplace.h"
#include "core/PosixFile.h"

#include <algorithm>
#include <optional>

namespace nemra {
namespace {

// A settings file is a few hundred bytes; a longer file is refused rather than cut.
constexpr std::size_t kMaxIniBytes = 1 << 20;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

// One line of the file: its bytes without the line end, and what the reader sees in it.
struct IniLine {
    std::string bytes;
    std::optional<std::string> section; // lower case, for a "[Section]" line
    std::optional<std::string> key;     // lower case, for a "key=value" line within a section
    std::string sectionOf;              // lower case: the section the line stands in
};

// The lines of the file as the reader takes them: each line decoded alone, a UTF-8 mark at
// the start ignored, blanks around names dropped, ';' and '#' lines comments.
std::vector<IniLine> SplitIniLines(std::string_view bytes)
{
    std::vector<IniLine> lines;
    std::string section;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = std::min(bytes.find('\n', start), bytes.size());
        IniLine line;
        line.bytes = std::string(bytes.substr(start, end - start));
        if (!line.bytes.empty() && line.bytes.back() == '\r')
            line.bytes.pop_back();
        start = end + 1;

        std::string_view seen = line.bytes;
        if (lines.empty() && seen.substr(0, kUtf8Bom.size()) == kUtf8Bom)
            seen.remove_prefix(kUtf8Bom.size());
        const std::string text = DecodeFileText(seen);
        const std::string_view trimmed = Trim(text);
        if (!trimmed.empty() && trimmed.front() == '[') {
            const auto close = trimmed.find(']');
            section = Lower(Trim(trimmed.substr(1, close == std::string_view::npos ? close : close - 1)));
            line.section = section;
        } else if (!trimmed.empty() && trimmed.front() != ';' && trimmed.front() != '#' && !section.empty()
                   && trimmed.find('=') != std::string_view::npos) {
            line.key = Lower(Trim(trimmed.substr(0, trimmed.find('='))));
        }
        line.sectionOf = section;
        lines.push_back(std::move(line));
    }
    return lines;
}

// A key line with its new value after the line's own indentation and spelling of the key.
std::string WithValue(const std::string& lineBytes, const std::string& value)
{
    std::string head = lineBytes.substr(0, lineBytes.find('='));
    head.erase(head.find_last_not_of(" \t") + 1);
    return head + "=" + ToCp874(value);
}

} // namespace

std::vector<IniEntry> PlaceSettingsEntries(const StartSettings& s)
{
    return {{"Place", "CityName", s.cityName},
            {"Place", "Timezone", s.timeZone},
            {"Place", "Latitude", s.latitude},
            {"Place", "Longitude", s.longitude}};
}

std::vector<IniEntry> MiscSettingsEntries(const StartSettings& s)
{
    const int contracia = (s.maxContracia == 5 || s.maxContracia == 21) ? s.maxContracia : 0;
    return {{"Dial", "DialType", s.dialType == 360 ? "360" : "90"},
            {"Dial", "MaxContracia", std::to_string(contracia)},
            {"Calculations", "Axis", s.axis == 360 ? "360" : "180"},
            {"Calculations", "Node", s.trueNode ? "1" : "0"}};
}

std::string UpdateIniText(std::string_view fileBytes, const std::vector<IniEntry>& entries)
{
    std::vector<IniLine> lines = SplitIniLines(fileBytes);
    std::vector<bool> set(entries.size(), false);
    for (IniLine& line : lines) {
        if (!line.key)
            continue;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (!set[i] && Lower(entries[i].section) == line.sectionOf && Lower(entries[i].key) == *line.key) {
                line.bytes = WithValue(line.bytes, entries[i].value);
                set[i] = true;
                break;
            }
        }
    }
    // Keys still missing go after the last key of the first section of their name (a comment
    // after it most likely speaks of what follows); sections still missing are added at the end.
    std::vector<std::vector<std::string>> after(lines.size());
    std::vector<std::pair<std::string, std::vector<std::string>>> newSections;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (set[i])
            continue;
        const std::string wanted = Lower(entries[i].section);
        const std::string keyLine = ToCp874(entries[i].key + "=" + entries[i].value);
        const auto start =
            std::find_if(lines.begin(), lines.end(), [&wanted](const IniLine& line) { return line.section == wanted; });
        if (start != lines.end()) {
            auto last = start;
            for (auto at = start + 1; at != lines.end() && !at->section; ++at)
                if (at->key)
                    last = at;
            after[static_cast<std::size_t>(last - lines.begin())].push_back(keyLine);
            continue;
        }
        auto section = std::find_if(newSections.begin(), newSections.end(),
                                    [&wanted](const auto& s) { return Lower(s.first) == wanted; });
        if (section == newSections.end())
            section = newSections.insert(newSections.end(), {entries[i].section, {}});
        section->second.push_back(keyLine);
    }

    std::string out;
    bool endsBlank = true; // nothing written yet: a new section needs no blank line before it
    const auto put = [&out, &endsBlank](const std::string& line) {
        out += line + "\r\n";
        endsBlank = Trim(line).empty();
    };
    for (std::size_t at = 0; at < lines.size(); ++at) {
        put(lines[at].bytes);
        for (const std::string& added : after[at])
            put(added);
    }
    for (const auto& [name, keyLines] : newSections) {
        if (!endsBlank)
            put("");
        put(ToCp874("[" + name + "]"));
        for (const std::string& keyLine : keyLines)
            put(keyLine);
    }
    return out;
}

Result<> WriteIniEntries(const std::string& path, const std::vector<IniEntry>& entries)
{
    const FileBytes file = ReadRegularFile(path, kMaxIniBytes);
    if (!file && !file.fault().missing)
        return Fault{file.fault().reason};
    const std::string old = file ? *file : std::string();
    if (old.size() > kMaxIniBytes)
        return Fault{"ไฟล์ยาวเกินกว่าจะเป็นไฟล์ตัวเลือก"};
    return ReplaceFileContents(path, UpdateIniText(old, entries));
}

} // namespace nemra
