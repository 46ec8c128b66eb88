#include "input/model/CityList.h"

#include "core/PosixFile.h"

namespace nemra {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxCityFileBytes = 4u << 20;

// The text before the next comma; `rest` moves past that comma. Without a comma the field
// is all of `rest`, which becomes empty.
std::string_view TakeField(std::string_view& rest)
{
    const auto comma = rest.find(',');
    const std::string_view field = rest.substr(0, comma);
    rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
    return field;
}

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    return true;
}

bool IsRegularFile(const fs::path& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

// The city file in `dir`: the exact name first, else an entry whose name differs in case.
std::optional<fs::path> CityFileIn(const fs::path& dir)
{
    if (dir.empty())
        return std::nullopt;
    if (IsRegularFile(dir / kCityFileName))
        return dir / kCityFileName;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        if (SameNameIgnoringCase(it->path().filename().string(), kCityFileName) && IsRegularFile(it->path()))
            return it->path();
    return std::nullopt;
}

std::string OpenFailure(const fs::path& path, const std::string& reason)
{
    return "เปิดไฟล์ " + path.string() + " ไม่ได้: " + reason;
}

// Nothing but blanks: such a line names no place.
bool IsBlank(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

bool IsDroppedControl(unsigned char c)
{
    return (c < 0x20 && c != '\t') || c == 0x7F;
}

} // namespace

void ParseCityLine(CityListState& state, TChartInput& GChartInput)
{
    std::string_view rest = state.SelectedLine;
    CityChoice& city = state.CityChoice;
    city.Name = std::string(TakeField(rest));
    city.Country = std::string(TakeField(rest));
    city.Zone = TakeField(rest);
    city.Latitude = TakeField(rest);
    city.Longitude = rest;
    GChartInput.Place = city.Name;
    state.CityChosen = true;
}

CityFileLocation LocateCityFile(const fs::path& currentDir, const std::vector<fs::path>& fallbackDirs)
{
    std::vector<fs::path> dirs{currentDir};
    dirs.insert(dirs.end(), fallbackDirs.begin(), fallbackDirs.end());
    std::string lastFailure;
    for (const auto& dir : dirs) {
        const auto path = CityFileIn(dir);
        if (!path)
            continue;
        const FileBytes probe = ReadRegularFile(path->string(), 0);
        if (probe)
            return *path;
        lastFailure = OpenFailure(*path, probe.fault().reason);
    }
    if (!lastFailure.empty())
        return Fault{lastFailure};
    return Fault{std::string("ไม่พบไฟล์รายชื่อจังหวัด/เมือง ") + kCityFileName};
}

std::vector<std::string> SplitCityFileText(std::string_view bytes)
{
    const std::string text = DecodeFileText(bytes);
    std::vector<std::string> lines;
    std::string line;
    const auto take = [&lines, &line] {
        if (!IsBlank(line))
            lines.push_back(CutToChars(line, kMaxCityLineChars));
        line.clear();
    };
    for (const char c : text) {
        if (c == '\n')
            take();
        else if (!IsDroppedControl(static_cast<unsigned char>(c)))
            line += c;
    }
    take();
    return lines;
}

CityFileLines ReadCityFile(const fs::path& path)
{
    const FileBytes file = ReadRegularFile(path.string(), kMaxCityFileBytes);
    if (!file)
        return Fault{OpenFailure(path, file.fault().reason)};
    if (file->size() > kMaxCityFileBytes)
        return Fault{"ไฟล์ " + path.string() + " ใหญ่เกินกว่าจะเป็นรายชื่อจังหวัด/เมือง"};
    return SplitCityFileText(*file);
}

fs::path InstalledDataDir()
{
#ifdef NEMRA_DATA_DIR
    return NEMRA_DATA_DIR;
#else
    return {};
#endif
}

std::vector<fs::path> DefaultCityDataDirs(const fs::path& executableDir)
{
    const fs::path parent = executableDir.parent_path();
    return {parent / "share" / "nemra", InstalledDataDir(), parent / "resources"};
}

} // namespace nemra
