#include "settings/model/CityBook.h"

#include "core/FileReplace.h"
#include "core/PosixFile.h"
#include "input/model/ChartInputEntry.h"
#include "input/model/CityList.h"

#include <algorithm>

namespace nemra {
namespace {

namespace fs = std::filesystem;

// The reader's limit: a longer file is no city list.
constexpr std::size_t kMaxCityBookBytes = 4u << 20;

std::string LowerAscii(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

// The place of a line as the dialogs take it: split as the city dialog splits the chosen
// line, then read as the input dialog reads a city.
void ReadPlace(CityLine& line)
{
    if (line.Blank())
        return;
    CityListState state;
    state.SelectedLine = line.text;
    TChartInput unused;
    ParseCityLine(state, unused);
    const CityChoice& choice = state.CityChoice;
    const CityEntry entry = CityEntryFor(choice);
    if (entry.failure) {
        line.refusal = *entry.failure;
        return;
    }
    line.city =
        CityRecord{choice.Name, choice.Country, choice.Zone.str(), choice.Latitude.str(), choice.Longitude.str()};
}

CityLine LineOfBytes(std::string bytes)
{
    CityLine line;
    const auto listed = SplitCityFileText(bytes);
    line.text = listed.empty() ? std::string() : listed.front();
    line.bytes = std::move(bytes);
    ReadPlace(line);
    return line;
}

std::string FileBytesOf(const std::vector<CityLine>& lines)
{
    std::string bytes;
    for (const CityLine& line : lines)
        bytes += line.bytes + "\r\n";
    return bytes;
}

std::string OpenFailure(const fs::path& path, const std::string& reason)
{
    return "เปิดไฟล์ " + path.string() + " ไม่ได้: " + reason;
}

} // namespace

std::vector<CityLine> ReadCityLines(std::string_view bytes)
{
    std::vector<CityLine> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = std::min(bytes.find('\n', start), bytes.size());
        std::string line(bytes.substr(start, end - start));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(LineOfBytes(std::move(line)));
        start = end + 1;
    }
    return lines;
}

CityLine CityLineOf(const CityRecord& city)
{
    return LineOfBytes(
        ToCp874(city.name + "," + city.country + "," + city.zone + "," + city.latitude + "," + city.longitude));
}

Result<> CheckCityRecord(const CityRecord& city)
{
    if (city.name.find_first_not_of(' ') == std::string::npos)
        return Fault{"โปรดใส่ชื่อจังหวัด/เมือง"};
    const std::string texts[] = {city.name, city.country, city.zone, city.latitude, city.longitude};
    for (const std::string& text : texts) {
        if (text.find(',') != std::string::npos)
            return Fault{"ชื่อจังหวัด/เมืองและประเทศต้องไม่มีเครื่องหมายจุลภาค (,)"};
        if (!IsCp874Text(text) || std::any_of(text.begin(), text.end(), [](char c) {
                return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
            }))
            return Fault{"มีตัวอักษรที่บันทึกในไฟล์ไม่ได้: " + text};
    }
    const CityLine line = CityLineOf(city);
    if (!line.city)
        return Fault{line.refusal};
    return {};
}

CityBook CityBook::Open(const fs::path& currentDir, const std::vector<fs::path>& fallbackDirs)
{
    CityBook book;
    book.savePath_ = currentDir / kCityFileName;
    const CityFileLocation here = LocateCityFile(currentDir, {});
    std::error_code ec;
    if (!here && fs::exists(fs::symlink_status(book.savePath_, ec))) {
        // A city file stands here but cannot be read: saving would replace what we never saw.
        const FileBytes probe = ReadRegularFile(book.savePath_.string(), 0);
        book.problem_ = OpenFailure(book.savePath_, probe ? std::string() : probe.fault().reason);
        book.editable_ = false;
        return book;
    }
    const CityFileLocation found = here ? here : LocateCityFile(currentDir, fallbackDirs);
    if (!found) {
        book.problem_ = found.fault().reason; // an empty list; the first save creates the file here
        return book;
    }
    book.readFrom_ = *found;
    if (here)
        book.savePath_ = *here;
    const FileBytes file = ReadRegularFile(found->string(), kMaxCityBookBytes);
    if (!file || file->size() > kMaxCityBookBytes) {
        book.problem_ = file ? "ไฟล์ " + found->string() + " ใหญ่เกินกว่าจะเป็นรายชื่อจังหวัด/เมือง"
                             : OpenFailure(*found, file.fault().reason);
        book.editable_ = false;
        return book;
    }
    book.lines_ = ReadCityLines(*file);
    return book;
}

Result<> CityBook::Put(std::optional<std::size_t> index, const CityRecord& city)
{
    if (const auto check = CheckCityRecord(city); !check)
        return Fault{check.fault().reason};
    std::vector<CityLine> lines = lines_;
    if (index && *index < lines.size())
        lines[*index] = CityLineOf(city);
    else
        lines.push_back(CityLineOf(city));
    return Save(std::move(lines));
}

Result<> CityBook::Erase(std::size_t index)
{
    std::vector<CityLine> lines = lines_;
    if (index < lines.size())
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
    return Save(std::move(lines));
}

Result<> CityBook::Save(std::vector<CityLine> lines)
{
    if (!editable_)
        return Fault{problem_};
    Result<> result = ReplaceFileContents(savePath_.string(), FileBytesOf(lines));
    if (result) {
        lines_ = std::move(lines);
        readFrom_ = savePath_;
        problem_.clear();
    }
    return result;
}

std::vector<std::size_t> CityBook::Matching(std::string_view typed) const
{
    const std::string wanted = LowerAscii(typed);
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const CityLine& line = lines_[i];
        if (!line.Blank() && LowerAscii(line.city ? line.city->name : line.text).find(wanted) != std::string::npos)
            rows.push_back(i);
    }
    return rows;
}

} // namespace nemra
