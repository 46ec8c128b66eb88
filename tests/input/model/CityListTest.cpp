#include "input/model/CityList.h"

#include "input/model/ChartInputEntry.h"
#include "tests/support/Faults.h"
#include "tests/support/TempFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <unistd.h>

namespace nemra {
namespace {

namespace fs = std::filesystem;

using test::TempDir;

CityListState Parsed(const std::string& line, TChartInput& input)
{
    CityListState state;
    state.SelectedLine = line;
    ParseCityLine(state, input);
    return state;
}

TEST(ParseCityLine, SplitsTheFiveFieldsAndSetsThePlace)
{
    TChartInput input;
    const auto state = Parsed("กรุงเทพฯ,ไทย,7.00H,13.45N,100.30E", input);
    EXPECT_TRUE(state.CityChosen);
    EXPECT_EQ(state.CityChoice.Name, "กรุงเทพฯ");
    EXPECT_EQ(state.CityChoice.Country, "ไทย");
    EXPECT_EQ(state.CityChoice.Zone.str(), "7.00H");
    EXPECT_EQ(state.CityChoice.Latitude.str(), "13.45N");
    EXPECT_EQ(state.CityChoice.Longitude.str(), "100.30E");
    EXPECT_EQ(input.Place.str(), "กรุงเทพฯ");
}

TEST(ParseCityLine, CutsFieldsToTheirWidthsAndTheLongitudeTakesTheRest)
{
    TChartInput input;
    const std::string longName(40, 'x');
    const auto state = Parsed(longName + ",C,105.000000E,13.4500N,100.30E,extra", input);
    EXPECT_EQ(state.CityChoice.Name, longName); // the choice keeps the name whole
    EXPECT_EQ(input.Place.str(), std::string(30, 'x'));
    EXPECT_EQ(state.CityChoice.Zone.str(), "105.000");
    EXPECT_EQ(state.CityChoice.Latitude.str(), "13.450");
    EXPECT_EQ(state.CityChoice.Longitude.str(), "100.30E"); // ",extra" is cut away
}

TEST(ParseCityLine, MissingCommasLeaveTheLaterFieldsEmpty)
{
    TChartInput input;
    auto state = Parsed("ภูเก็ต", input);
    EXPECT_TRUE(state.CityChosen);
    EXPECT_EQ(state.CityChoice.Name, "ภูเก็ต");
    EXPECT_TRUE(state.CityChoice.Country.empty());
    EXPECT_TRUE(state.CityChoice.Zone.empty());
    EXPECT_TRUE(state.CityChoice.Longitude.empty());

    state = Parsed("A,B,7.00H", input);
    EXPECT_EQ(state.CityChoice.Zone.str(), "7.00H");
    EXPECT_TRUE(state.CityChoice.Latitude.empty());
    EXPECT_TRUE(state.CityChoice.Longitude.empty());

    state = Parsed("", input);
    EXPECT_TRUE(state.CityChosen);
    EXPECT_TRUE(input.Place.empty());
}

TEST(SplitCityFileText, ReadsTheThaiCodePageAndUtf8Alike)
{
    const std::string utf8 = "A,B,7.00H,13.45N,100.30E\r\nC,D,105.00E,08.04N,98.54E\r\n";
    const std::vector<std::string> expected{"A,B,7.00H,13.45N,100.30E", "C,D,105.00E,08.04N,98.54E"};
    EXPECT_EQ(SplitCityFileText(utf8), expected);

    const std::string thai = "กรุงเทพฯ,ไทย,7.00H,13.45N,100.30E";
    EXPECT_EQ(SplitCityFileText(ToCp874(thai) + "\r\n"), std::vector<std::string>{thai});
    EXPECT_EQ(SplitCityFileText(thai + "\n"), std::vector<std::string>{thai});
}

// The one decoder of the files the program reads (the city list and the settings): a
// byte-order mark, each line's own encoding, lines that name no place.
TEST(SplitCityFileText, DecodesEachLineAndSkipsEmptyOnes)
{
    const std::string chiangMai = "เชียงใหม่,ไทย,7.00H,18.47N,98.59E";
    const std::string lampang = "ลำปาง,ไทย,7.00H,18.17N,99.30E";
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"a UTF-8 byte-order mark", "\xEF\xBB\xBF" + chiangMai + "\r\n", {chiangMai}},
        {"a mark before the Thai code page", "\xEF\xBB\xBF" + ToCp874(lampang), {lampang}},
        {"UTF-8 and code-page lines mixed",
         chiangMai + "\r\n" + ToCp874(lampang) + "\r\n" + chiangMai,
         {chiangMai, lampang, chiangMai}},
        {"a code-page line first", ToCp874(lampang) + "\n" + chiangMai + "\n", {lampang, chiangMai}},
        {"empty and blank lines", "a\r\n\r\n \t\r\n\nb", {"a", "b"}},
        {"the last line without a line end", "a\nb", {"a", "b"}},
        {"nothing but line ends", std::string(4u << 20, '\n'), {}},
        {"an empty file", "", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitCityFileText(c.bytes), c.lines) << c.what;
}

TEST(SplitCityFileText, SurvivesBinaryJunkAndVeryLongLines)
{
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 37) & 0xFF);
    const auto lines = SplitCityFileText(junk + "\n" + std::string(100000, ',') + "\nok");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "ok");
    for (const auto& line : lines) {
        EXPECT_TRUE(IsValidUtf8(line));
        EXPECT_LE(CharCount(line), kMaxCityLineChars);
        for (const char c : line)
            EXPECT_FALSE(c == '\0' || c == '\r');
        CityListState state;
        state.SelectedLine = line;
        TChartInput input;
        ParseCityLine(state, input); // never reads past the line
        EXPECT_LE(CharCount(input.Place), 30u);
    }
}

TEST(LocateCityFile, PrefersTheCurrentDirectoryAndIgnoresCase)
{
    TempDir current, data;
    data.write(kCityFileName, "x\n");
    EXPECT_EQ(*LocateCityFile(current.path(), {data.path()}), data.path() / kCityFileName);

    const auto local = current.write("citytown.DAT", "y\n");
    EXPECT_EQ(*LocateCityFile(current.path(), {data.path()}), local);
}

TEST(LocateCityFile, TriesTheFallbackFoldersInOrderAndGivesAReason)
{
    TempDir current, first, second;
    second.write(kCityFileName, "x\n");
    fs::create_directory(first.path() / kCityFileName); // a folder of that name is no file
    EXPECT_EQ(*LocateCityFile(current.path(), {"", first.path(), second.path()}), second.path() / kCityFileName);

    EXPECT_NE(test::ReasonOf(LocateCityFile(current.path(), {first.path()})).find(kCityFileName), std::string::npos);
}

TEST(ReadCityFile, ReadsTheLinesOrSaysWhy)
{
    TempDir dir;
    const auto path = dir.write(kCityFileName, ToCp874("ภูเก็ต,ไทย,7.00H,7.53N,98.24E") + "\r\n");
    const auto read = ReadCityFile(path);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(*read, std::vector<std::string>{"ภูเก็ต,ไทย,7.00H,7.53N,98.24E"});

    EXPECT_NE(test::ReasonOf(ReadCityFile(dir.path() / "none.dat")), "");
}

// The default list shipped with the program: Bangkok first, 77 distinct places (Bueng Kan
// among them), every line five fields in a form the input dialog converts.
TEST(DefaultCityFile, HoldsBangkokAndTheProvincesInTheThaiCodePage)
{
    const auto path = fs::path(NEMRA_TEST_DATA_DIR).parent_path().parent_path() / "resources" / kCityFileName;
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    ASSERT_FALSE(bytes.empty());
    EXPECT_FALSE(IsValidUtf8(bytes)); // CP874, not UTF-8
    EXPECT_NE(bytes.find("\r\n"), std::string::npos);
    const auto lines = SplitCityFileText(bytes);
    ASSERT_EQ(lines.size(), 77u);
    EXPECT_EQ(lines.front(), "กรุงเทพฯ,ไทย,7.00H,13.45N,100.30E");
    std::set<std::string> names;
    for (const auto& line : lines) {
        std::vector<std::string> fields;
        for (std::size_t start = 0;;) {
            const auto comma = line.find(',', start);
            fields.push_back(line.substr(start, comma - start));
            if (comma == std::string::npos)
                break;
            start = comma + 1;
        }
        ASSERT_EQ(fields.size(), 5u) << line;
        for (const auto& field : fields)
            EXPECT_FALSE(field.empty()) << line;
        EXPECT_EQ(fields[1], "ไทย") << line;
        EXPECT_EQ(fields[2], "7.00H") << line;
        EXPECT_TRUE(std::regex_match(fields[3], std::regex(R"([0-9]{1,2}\.[0-5][0-9]N)"))) << line;
        EXPECT_TRUE(std::regex_match(fields[4], std::regex(R"([0-9]{2,3}\.[0-5][0-9]E)"))) << line;
        EXPECT_TRUE(names.insert(fields[0]).second) << "twice: " << line;
        CityListState state;
        state.SelectedLine = line;
        TChartInput input;
        ParseCityLine(state, input);
        const auto entry = CityEntryFor(state.CityChoice);
        EXPECT_FALSE(entry.failure) << line;
        ASSERT_TRUE(entry.latitude && entry.longitude) << line;
        EXPECT_TRUE(entry.latitude->degrees >= 5 && entry.latitude->degrees <= 20) << line;
        EXPECT_TRUE(entry.longitude->degrees >= 97 && entry.longitude->degrees <= 105) << line;
    }
    EXPECT_TRUE(names.contains("บึงกาฬ"));
}

} // namespace
} // namespace nemra
