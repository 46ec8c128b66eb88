// The atlas over the shipped file: search as the user types, lookup by name and country, and
// a place as chart texts. Expected places and positions are those of GeoNames (the data the
// file is built from): Bangkok 1609350 at 13.75398 N 100.50144 E, Paris 2988507 at 48.85341 N
// 2.3488 E, Aix-en-Provence 3038354, New York City 5128581, York 2633352, Zürich 2657896.
#include "atlas/model/Atlas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace nemra {
namespace {

const Atlas& TheAtlas()
{
    static const Atlas atlas = [] {
        auto opened = Atlas::Open(NEMRA_ATLAS_FILE);
        if (!opened.atlas)
            throw std::runtime_error(opened.failure);
        return std::move(*opened.atlas);
    }();
    return atlas;
}

bool Holds(const std::vector<AtlasPlace>& places, std::int64_t id)
{
    return std::any_of(places.begin(), places.end(), [id](const AtlasPlace& p) { return p.id == id; });
}

TEST(Atlas, SearchAsTypedInLatinOrThaiWithCountry)
{
    struct Case {
        const char* typed;
        std::int64_t first; // the most populous match
        const char* country;
    };
    const Case cases[] = {
        {"bangk", 1609350, "TH"},        {"กรุงเทพ", 1609350, "TH"}, {"BANGKOK", 1609350, "TH"},
        {"zürich", 2657896, "CH"},       {"Zurich", 2657896, "CH"}, {"paris, fr", 2988507, "FR"},
        {"ปารีส, ฝรั่งเศส", 2988507, "FR"}, {"york", 5128581, "US"},   {"aix-en", 3038354, "FR"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const auto places = TheAtlas().Search(c.typed, 20);
        ASSERT_FALSE(places.empty());
        EXPECT_EQ(places.front().id, c.first);
        EXPECT_EQ(places.front().country.code, c.country);
    }
    EXPECT_TRUE(Holds(TheAtlas().Search("york", 20), 2633352)); // a later word: New York and York
    const auto inUs = TheAtlas().Search("paris, united st", 20);
    ASSERT_FALSE(inUs.empty());
    EXPECT_TRUE(std::all_of(inUs.begin(), inUs.end(), [](const AtlasPlace& p) { return p.country.code == "US"; }));
    EXPECT_TRUE(TheAtlas().Search("paris, atlantis", 20).empty());
    EXPECT_TRUE(TheAtlas().Search("  ,fr", 20).empty());
}

TEST(Atlas, LookupByWholeNameAndCountry)
{
    const auto aix = TheAtlas().Lookup("Aix-En-Provence", "FR");
    ASSERT_TRUE(aix);
    EXPECT_EQ(aix->id, 3038354);
    EXPECT_EQ(aix->zone, "Europe/Paris");
    EXPECT_FALSE(TheAtlas().Lookup("Aix-En-Provence", "DE"));
    EXPECT_FALSE(TheAtlas().Lookup("York City", "")); // only a later word of New York City
    // A position without a name takes the zone of the nearest place, across the 180° meridian too.
    EXPECT_EQ(TheAtlas().Nearest(13.75, 100.5)->id, 1609350);
    EXPECT_EQ(TheAtlas().Nearest(-16.4, -179.9)->zone, "Pacific/Fiji");
}

TEST(Atlas, PlaceAsChartTextsAtALocalTime)
{
    const auto paris = TheAtlas().Search("paris, fr", 1);
    ASSERT_EQ(paris.size(), 1u);
    const AtlasChartPlace chart = ChartPlaceAt(paris.front(), {1980, 7, 15, 12, 0, 0});
    EXPECT_EQ(chart.place.Latitude.str(), "48.51N"); // 48.85341° = 48°51.2'
    EXPECT_EQ(chart.place.Longitude.str(), "2.21E"); // 2.3488° = 2°20.9'
    EXPECT_EQ(chart.place.TimeZone.str(), "2.00H");
    EXPECT_EQ(chart.place.Place.str(), "ปารีส");
    EXPECT_EQ(AtlasPlaceLabel(paris.front()), "ปารีส (Paris), ฝรั่งเศส");
}

TEST(Atlas, MissingOrForeignFileIsRefusedWithTheReason)
{
    EXPECT_NE(Atlas::Open("/nonexistent/atlas.sqlite").failure.find("ไม่พบไฟล์แผนที่โลก"), std::string::npos);
    EXPECT_NE(Atlas::Open(std::filesystem::path(NEMRA_ATLAS_FILE).parent_path() / "CityTown.dat")
                  .failure.find("ไม่ใช่ไฟล์แผนที่โลก"),
              std::string::npos);
    const auto none = [](const char*) -> const char* { return nullptr; };
    const auto atlasEnv = [](const char* key) -> const char* {
        return std::string_view(key) == "NEMRA_ATLAS" ? "/from/env.sqlite" : nullptr;
    };
    EXPECT_EQ(FindAtlas(std::nullopt, atlasEnv, {}), "/from/env.sqlite");
    EXPECT_EQ(FindAtlas(std::nullopt, none, {"/nonexistent", std::filesystem::path(NEMRA_ATLAS_FILE).parent_path()}),
              NEMRA_ATLAS_FILE);
}

} // namespace
} // namespace nemra
