// atlas search: the places of the world atlas whose name begins with a text; zone: the zone in
// force at a place (by name, or by latitude and longitude) at a local date and time, with its
// IANA name, summer time and abbreviation.
#include "tools/nemra-chart/Cli.h"

#include "atlas/model/Atlas.h"

namespace nemra::cli {
namespace {

Atlas OpenAtlas(const Context& context)
{
    const std::filesystem::path path = ProgramAtlasFile(context.environment);
    if (path.empty())
        Refuse("no atlas file was found (NEMRA_ATLAS names one)");
    Atlas::Opened opened = Atlas::Open(path);
    if (!opened.atlas)
        Refuse(Escaped(opened.failure));
    return std::move(*opened.atlas);
}

struct SearchArgs {
    std::optional<std::string> text;
    std::optional<int> limit;
};

void Search(const SearchArgs& args, const Context& context)
{
    if (const auto check = CheckArgumentText(*args.text); !check)
        Refuse("atlas search: " + check.fault().reason + " in " + Quoted(*args.text));
    const Atlas atlas = OpenAtlas(context);
    context.out << "name\tthai\tcountry\tlatitude\tlongitude\tzone\n";
    for (const AtlasPlace& place : atlas.Search(*args.text, args.limit.value_or(50)))
        context.out << place.name << '\t' << place.thai << '\t' << place.country.code << '\t'
                    << DegreesText(place.latitudeDeg, 'N', 'S') << '\t' << DegreesText(place.longitudeDeg, 'E', 'W')
                    << '\t' << place.zone << '\n';
}

// A position "LAT,LON": decimal degrees, north and east positive ("13.75,100.5"), or the
// chart input's forms ("13.45N,100.30E"); nothing when the text is not one.
std::optional<std::pair<double, double>> ReadPosition(const std::string& text)
{
    const auto fields = SplitFields(text);
    if (fields.size() != 2)
        return std::nullopt;
    const auto lat = ReadReal(fields[0]);
    const auto lon = ReadReal(fields[1]);
    if (lat && lon)
        return std::pair{*lat, *lon};
    const auto reading = ReadPlace("0.00H," + text);
    if (!reading)
        return std::nullopt;
    const CityEntry entry = EntryOfPlace(*reading);
    if (!entry.latitude || !entry.longitude)
        return std::nullopt;
    const auto degrees = [](const AngleEntry& angle) {
        return (angle.positive ? 1.0 : -1.0) * (angle.degrees + angle.minutes / 60.0);
    };
    return std::pair{degrees(*entry.latitude), degrees(*entry.longitude)};
}

// The place of --place: a position, or a name with an optional country after a comma (its
// code, name or Thai name: "Paris, FR").
AtlasPlace PlaceOf(const Atlas& atlas, const std::string& text)
{
    if (const auto check = CheckArgumentText(text); !check)
        Refuse("--place: " + check.fault().reason + " in " + Quoted(text));
    if (const auto position = ReadPosition(text)) {
        const auto [lat, lon] = *position;
        if (!(lat >= -90.0 && lat <= 90.0 && lon >= -180.0 && lon <= 180.0))
            Refuse("--place: a latitude within 90 and a longitude within 180 degrees, got " + Quoted(text));
        auto nearest = atlas.Nearest(lat, lon);
        if (!nearest)
            Refuse("--place: the atlas holds no place");
        // The zone of the nearest place, the mean time of the position itself.
        nearest->latitudeDeg = lat;
        nearest->longitudeDeg = lon;
        return *nearest;
    }
    const std::size_t comma = text.rfind(',');
    std::string code;
    if (comma != std::string::npos) {
        const std::string wanted = FoldName(text.substr(comma + 1));
        for (const AtlasCountry& country : atlas.Countries())
            if (FoldName(country.code) == wanted || FoldName(country.name) == wanted || country.thai == wanted)
                code = country.code;
        if (code.empty())
            Refuse("--place: no country of the atlas is " + Quoted(text.substr(comma + 1)));
    }
    const auto place = atlas.Lookup(text.substr(0, comma), code);
    if (!place)
        Refuse("--place: no place of the atlas is named " + Quoted(text)
               + " (nemra-chart atlas search lists the names)");
    return *place;
}

struct ZoneArgs {
    std::optional<std::string> place;
    std::optional<std::string> date;
    std::optional<std::string> time;
};

void Zone(const ZoneArgs& args, const Context& context)
{
    const CivilTime local = ReadLocalTime("--date", *args.date, "--time", *args.time);
    const Atlas atlas = OpenAtlas(context);
    const AtlasPlace place = PlaceOf(atlas, *args.place);
    const ZoneReading zone = ChartPlaceAt(place, local).zone;
    const std::string where = " in " + place.zone;
    switch (zone.kind) {
    case LocalTimeKind::Nonexistent:
        Refuse("--time: the clocks skip " + Quoted(*args.time) + where + " on that date (from "
               + OffsetText(zone.offsetSeconds) + " to " + OffsetText(zone.laterOffsetSeconds) + ")");
    case LocalTimeKind::Ambiguous:
        Refuse("--time: " + Quoted(*args.time) + " comes twice" + where + " on that date (at "
               + OffsetText(zone.offsetSeconds) + ", then at " + OffsetText(zone.laterOffsetSeconds) + ")");
    case LocalTimeKind::UnknownZone:
        Refuse("--place: the zone " + Quoted(place.zone) + " is not in the system's time-zone data");
    case LocalTimeKind::Unique:
        break;
    }
    context.out << "place\t" << AtlasPlaceLabel(place) << "\nzone\t" << zone.zoneText << "\niana\t" << place.zone
                << "\nsummer\t" << (zone.summerTime ? "yes" : "no") << "\nabbreviation\t" << zone.abbreviation
                << "\noffset\t" << OffsetText(zone.offsetSeconds) << '\n';
}

} // namespace

void AddAtlasCommands(CLI::App& app, CommandTable& table, Context& context)
{
    CLI::App* atlas = table.Add(app, "atlas", "the world atlas: search", {});
    atlas->require_subcommand(1);
    auto search = std::make_shared<SearchArgs>();
    CLI::App* command = table.Add(*atlas, "search", "the places whose name begins with TEXT, most populous first",
                                  [search, &context] { Search(*search, context); });
    command
        ->add_option_function<std::string>(
            "TEXT", [search](const std::string& text) { search->text = text; },
            "a name or its beginning, Latin or Thai; after a comma a country ('paris, fr')")
        ->required();
    AddWhole(*command, "--limit", search->limit, 1, 1000, "the most places listed (default 50)");

    auto zone = std::make_shared<ZoneArgs>();
    command = table.Add(app, "zone", "the zone in force at a place at a local date and time",
                        [zone, &context] { Zone(*zone, context); });
    AddText(*command, "--place", zone->place, "NAME|LAT,LON",
            "a place of the atlas ('London', 'Paris, FR'), or a position ('51.5,-0.12' or '51.30N,0.07W')")
        ->required();
    AddText(*command, "--date", zone->date, "DATE", "the local date, d/m/yyyy of the Buddhist era")->required();
    AddText(*command, "--time", zone->time, "TIME", "the local clock time, H.MM or HH.MM.SS")->required();
}

} // namespace nemra::cli
