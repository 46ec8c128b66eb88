// The world atlas: places with their Latin and Thai names, country, position and IANA time
// zone, from the atlas file tools/make-atlas writes (an SQLite file, opened read-only by this
// class alone), and the search the atlas dialog runs as the user types.
#pragma once

#include "atlas/model/ZoneHistory.h"
#include "charts/model/ChartPlace.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace nemra {

inline constexpr const char* kAtlasFileName = "atlas.sqlite";

struct AtlasCountry {
    std::string code; // ISO 3166 alpha-2: "TH"
    std::string name; // "Thailand"
    std::string thai; // "ไทย"
};

struct AtlasPlace {
    std::int64_t id = 0; // the GeoNames id
    std::string name;    // Latin script: "Bangkok"
    std::string thai;    // Thai script, empty when the data has none: "กรุงเทพ"
    AtlasCountry country;
    double latitudeDeg = 0.0;  // degrees, north positive
    double longitudeDeg = 0.0; // degrees, east positive
    std::string zone;          // IANA: "Asia/Bangkok"
    std::int64_t population = 0;
};

// A name as the search compares it: ASCII letters and digits lower-cased, the letters of
// Latin-1 and Latin Extended-A as their base letters ("Zürich" -> "zurich", "ß" -> "ss"),
// other ASCII characters as blanks, blanks run together and trimmed; Thai and other scripts
// as they are. tools/make-atlas folds the names it stores the same way.
std::string FoldName(std::string_view text);

// The text with each letter of Latin-1 and Latin Extended-A written as its base letters, case
// kept ("Müller" -> "Muller", "Łódź" -> "Lodz"); every other character as it is.
std::string LatinBaseLetters(std::string_view text);

// The file: `explicitPath` when given, else $NEMRA_ATLAS, else atlas.sqlite in the first of
// `dataDirs` that holds it; empty when there is none.
std::filesystem::path FindAtlas(const std::optional<std::filesystem::path>& explicitPath,
                                const std::function<const char*(const char*)>& environment,
                                const std::vector<std::filesystem::path>& dataDirs);

// The atlas file the program and nemra-chart use: $NEMRA_ATLAS, else atlas.sqlite where
// CityTown.dat is installed, seen from the running program's folder (beside it, the installed
// data folder, the source tree's resources); empty when there is none.
std::filesystem::path ProgramAtlasFile(const std::function<const char*(const char*)>& environment);

class Atlas {
  public:
    struct Opened;
    // Opens the file read-only; a missing file or one that is not an atlas is refused with
    // the reason (Thai).
    static Opened Open(const std::filesystem::path& path);

    Atlas(Atlas&& other) noexcept;
    Atlas& operator=(Atlas&& other) noexcept;
    Atlas(const Atlas&) = delete;
    Atlas& operator=(const Atlas&) = delete;
    ~Atlas();

    // The places whose name, or a later word of it, begins with the text the user typed
    // (Thai or Latin), most populous first. A comma starts a country: "paris, fr",
    // "ปารีส, ฝรั่งเศส" keep the places of the countries whose code is that text or whose
    // name begins with it.
    std::vector<AtlasPlace> Search(std::string_view text, int limit = 50) const;

    // The place a name stands for: a place whose whole name (Latin or Thai) folds to the same
    // text, in the country `countryCode` when it is not empty, the most populous first.
    std::optional<AtlasPlace> Lookup(std::string_view name, std::string_view countryCode) const;

    // The place nearest a position (degrees, north and east positive), for a position given
    // without a name: its zone stands for the zone of the position.
    std::optional<AtlasPlace> Nearest(double latitudeDeg, double longitudeDeg) const;

    const std::vector<AtlasCountry>& Countries() const { return countries_; }

  private:
    explicit Atlas(sqlite3* db);
    std::vector<AtlasPlace> Query(const std::string& low, const std::string& high, const std::string& countries,
                                  int limit) const;

    sqlite3* db_ = nullptr;
    std::vector<AtlasCountry> countries_;
};

struct Atlas::Opened {
    std::optional<Atlas> atlas;
    std::string failure; // Thai, when atlas is empty
};

// A place of the atlas as a chart's place at a local date and time: its name (Thai when the
// data has it), latitude and longitude to the arc-minute, and the zone in force then. The
// zone text is empty, and `zone.fault` says why, when the local time does not exist or exists
// twice there.
struct AtlasChartPlace {
    ChartPlace place;
    ZoneReading zone;
};
AtlasChartPlace ChartPlaceAt(const AtlasPlace& place, const CivilTime& local);

// The place an input dialog took from the atlas: after the choice the dialog's zone is the
// place's zone at the dialog's date and time, and follows changes of the date or time until
// the user sets the zone by hand.
struct AtlasZoneFollow {
    std::optional<AtlasPlace> place;
    bool following = false;

    void Choose(AtlasPlace chosen)
    {
        place = std::move(chosen);
        following = true;
    }
    void ZoneSetByHand() { following = false; }
    // The place's texts at that local time while the zone follows, else nothing.
    std::optional<AtlasChartPlace> At(const CivilTime& local) const
    {
        return following && place ? std::optional(ChartPlaceAt(*place, local)) : std::nullopt;
    }
};

// "กรุงเทพ (Bangkok), ไทย": a place as the atlas list and messages show it.
std::string AtlasPlaceLabel(const AtlasPlace& place);

} // namespace nemra
