// The city list: the lines of CityTown.dat, where the file is found, and the split of a
// chosen line into the place's name, country, time zone, latitude and longitude.
#pragma once

#include "core/ChartInput.h"
#include "core/Result.h"
#include "core/ThaiText.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nemra {

inline constexpr const char* kCityFileName = "CityTown.dat";

// The place taken from the list; it keeps the last choice until the next one.
struct CityChoice {
    std::string Name;
    std::string Country;
    CappedText<7> Zone;      // "7.00H", "105.00E"
    CappedText<6> Latitude;  // "13.45N"
    CappedText<7> Longitude; // "100.30E"

    friend bool operator==(const CityChoice&, const CityChoice&) = default;
};

// What the city dialog hands to its callers; lives as long as the program.
struct CityListState {
    nemra::CityChoice CityChoice;
    bool CityChosen = false;
    std::string SelectedLine;
};

// What the city list may change, kept before it is shown: the list's state and the chart
// input (the list puts a chosen city's name into Place at once). A city that cannot be
// taken is refused by putting both back, so the refusal changes nothing.
class CityListUndo {
  public:
    CityListUndo(CityListState& state, TChartInput& input)
        : state_(state)
        , input_(input)
        , savedState_(state)
        , savedInput_(input)
    {
    }
    void Undo() const
    {
        state_ = savedState_;
        input_ = savedInput_;
    }

  private:
    CityListState& state_;
    TChartInput& input_;
    CityListState savedState_;
    TChartInput savedInput_;
};

// Splits state.SelectedLine at its first four commas into the fields of CityChoice (the
// longitude takes all that remains), cuts zone, latitude and longitude to their widths,
// puts the name (cut to 30 characters) into the chart input's Place and sets CityChosen.
// A field whose comma is missing takes the rest of the line; the fields after it are empty.
void ParseCityLine(CityListState& state, TChartInput& GChartInput);

// Where the city file was found, or why it was not (Thai, for the user).
using CityFileLocation = Result<std::filesystem::path>;

// The city file in `currentDir` (its name matched without regard to case), else the first
// readable one in `fallbackDirs`, in order.
CityFileLocation LocateCityFile(const std::filesystem::path& currentDir,
                                const std::vector<std::filesystem::path>& fallbackDirs);

// The lines of a city file (UTF-8), or why it could not be read (Thai, for the user).
using CityFileLines = Result<std::vector<std::string>>;

// Longest line kept whole; anything longer is junk and is cut so the list stays usable.
inline constexpr std::size_t kMaxCityLineChars = 256;

// The lines of a file's bytes, each decoded as UTF-8 when valid, else as the Thai code page.
// CR and other control characters are dropped, lines holding nothing but blanks skipped,
// every line cut to kMaxCityLineChars.
std::vector<std::string> SplitCityFileText(std::string_view bytes);

// Reads and splits the city file at `path`. Files above 4 MiB, and anything but a regular
// file, are refused.
CityFileLines ReadCityFile(const std::filesystem::path& path);

// The installed program-data folder that holds the default city file.
std::filesystem::path InstalledDataDir();

// The folders searched for the city file after the current directory, for a program whose
// executable lies in `executableDir`: the data folder of an install moved as a whole
// (<prefix>/bin -> <prefix>/share/nemra), the configured install folder, and the source
// tree's resources/ folder for a program run from a build folder inside the source tree.
std::vector<std::filesystem::path> DefaultCityDataDirs(const std::filesystem::path& executableDir);

} // namespace nemra
