// The city file CityTown.dat as the city-list editor holds it: every line of the file in its
// order, each with its place when the dialogs can take it, or why they cannot. A line not
// changed here is written back with its own bytes, so opening and saving loses nothing: a line
// the dialogs refuse stays until it is deleted. Lines added or changed are written as
// "name,country,zone,latitude,longitude" in the Thai code page; every line ends with CR LF and
// the file is replaced as a whole, so a failed save leaves the old file as it was.
#pragma once

#include "core/Result.h"
#include "core/ThaiText.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nemra {

// A place of the list in the texts of the file: zone "7.00H" or "105.00E", latitude
// "13.45N", longitude "100.30E".
struct CityRecord {
    std::string name;
    std::string country;
    std::string zone;
    std::string latitude;
    std::string longitude;

    friend bool operator==(const CityRecord&, const CityRecord&) = default;
};

struct CityLine {
    std::string bytes;              // the line as it is written, without its line end
    std::string text;               // as the city dialog lists it (UTF-8); empty for a blank line
    std::optional<CityRecord> city; // the place, as the dialogs take it from the line
    std::string refusal;            // why the dialogs cannot take it (Thai); empty when they can

    bool Blank() const { return text.empty(); }
};

// The lines of a city file's bytes; a blank line is kept (and never listed).
std::vector<CityLine> ReadCityLines(std::string_view bytes);

// The line for a place: its five texts joined by commas, in the Thai code page.
CityLine CityLineOf(const CityRecord& city);

// Why a place cannot be written as a line the dialogs take (Thai, for the user): an empty
// name, a comma in the name or the country, a character the Thai code page cannot store, or a
// zone, latitude or longitude the dialogs cannot read. Nothing when it can.
Result<> CheckCityRecord(const CityRecord& city);

// The editor's list. Every change writes the file at once; a change whose write fails is
// not made, and the result carries the system's reason.
class CityBook {
  public:
    // Opens the city file the program reads first: the one in `currentDir` (its name matched
    // without regard to case), else the first in `fallbackDirs`. Changes are written to the
    // file in `currentDir` (created there when the list came from elsewhere), so an
    // installed list is never modified. A file that exists but cannot be read, or is too long
    // to be a city list, gives a list that cannot be changed, with the reason in Problem().
    static CityBook Open(const std::filesystem::path& currentDir,
                         const std::vector<std::filesystem::path>& fallbackDirs);

    const std::vector<CityLine>& Lines() const { return lines_; }
    const std::filesystem::path& ReadFrom() const { return readFrom_; }
    const std::filesystem::path& SavePath() const { return savePath_; }
    const std::string& Problem() const { return problem_; }
    bool Editable() const { return editable_; }

    // Adds a place at the end (no `index`) or puts it in place of the line at `index`.
    // A place CheckCityRecord refuses is not written; the reason is returned.
    Result<> Put(std::optional<std::size_t> index, const CityRecord& city);
    // Deletes the line at `index`.
    Result<> Erase(std::size_t index);

    // The lines to list for a search text: every line that is not blank and whose name (for
    // a line the dialogs refuse, whose text) holds `typed`, letters A-Z matched without regard
    // to case. An empty text lists every line.
    std::vector<std::size_t> Matching(std::string_view typed) const;

  private:
    Result<> Save(std::vector<CityLine> lines);

    std::vector<CityLine> lines_;
    std::filesystem::path readFrom_;
    std::filesystem::path savePath_;
    std::string problem_;
    bool editable_ = true;
};

} // namespace nemra
