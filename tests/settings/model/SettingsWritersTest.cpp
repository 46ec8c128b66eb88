// The two writers of files the user also edits by hand, Nemra06.INI and CityTown.dat: what
// they do not know stays in its place, and a save that fails leaves the old file byte for
// byte with the system's reason.
#include "settings/model/CityBook.h"
#include "settings/model/IniFile.h"

#include "input/model/CityList.h"

#include "tests/support/TempFiles.h"
#include "tests/support/Unprivileged.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>

namespace nemra {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempDir;

const std::string kChiangMai = ToCp874("เชียงใหม่");
const std::string kBangkok = ToCp874("กรุงเทพฯ");

// The defaults (360 dial, true node, Bangkok at 105.00E) with the Cancer axis and all reflections.
StartSettings Chosen()
{
    StartSettings s;
    s.axis = nemra::kAxisCancerCapricorn;
    s.maxContracia = 21;
    return s;
}

std::vector<IniEntry> AllEntries(const StartSettings& s)
{
    auto entries = MiscSettingsEntries(s);
    const auto place = PlaceSettingsEntries(s);
    entries.insert(entries.end(), place.begin(), place.end());
    return entries;
}

TEST(IniFileWriter, KeepsWhatItDoesNotKnowInItsPlace)
{
    // Written by hand: LF line ends, a comment before the first section, an unknown section,
    // keys in other cases and with blanks, a repeated key, an unknown key among known ones.
    const std::string before = "; Nemra settings\n[Window]\nLeft=10\n[dial]\n  dialtype = 90\n; reflections\n"
                               "[Calculations]\nNode=0\nNode=5\n[Place]\nCityName="
                               + kChiangMai + "\nExtra=keep";
    const std::string expected =
        "; Nemra settings\r\n[Window]\r\nLeft=10\r\n[dial]\r\n  dialtype=360\r\nMaxContracia=21\r\n"
        "; reflections\r\n[Calculations]\r\nNode=1\r\nNode=5\r\nAxis=180\r\n[Place]\r\nCityName="
        + kBangkok + "\r\nExtra=keep\r\nTimezone=105.00E\r\nLatitude=13.45N\r\nLongitude=100.30E\r\n";
    const std::string after = UpdateIniText(before, AllEntries(Chosen()));
    EXPECT_EQ(after, expected);
    EXPECT_EQ(UpdateIniText(after, AllEntries(Chosen())), after); // a second save changes nothing

    // The reader takes back what was written.
    const StartSettings read = ParseSettings(after);
    EXPECT_EQ(read.axis, 180);
    EXPECT_EQ(read.maxContracia, 21);
    EXPECT_TRUE(read.trueNode);
    EXPECT_EQ(read.cityName, "กรุงเทพฯ");
    EXPECT_EQ(read.longitude, "100.30E");
    EXPECT_TRUE(read.ignoredPlaceKeys.empty());
}

TEST(CityBook, LinesTheDialogsRefuseAreKeptUntilDeleted)
{
    TempDir here;
    TempDir installed;
    const std::string refused = ToCp874("ภูเก็ต,ไทย,7.00X,7.53N,98.23E"); // no such zone letter
    const std::string bytes = kBangkok + ToCp874(",ไทย,7.00H,13.45N,100.30E") + "\n" + refused + "\r\n" + " \n"
                              + "\xff\xfe junk" + "\n" + kChiangMai + ToCp874(",ไทย,7.00H,18.47N,98.59E");
    installed.write(kCityFileName, bytes);

    CityBook book = CityBook::Open(here.path(), {installed.path()});
    ASSERT_TRUE(book.Editable()) << book.Problem();
    ASSERT_EQ(book.Lines().size(), 5u);
    EXPECT_TRUE(book.Lines()[0].city);
    EXPECT_FALSE(book.Lines()[1].city);
    EXPECT_TRUE(book.Lines()[2].Blank());
    EXPECT_FALSE(book.Lines()[3].city);

    // Changing one line writes the others with their own bytes, to the working folder.
    CityRecord chiangMai = *book.Lines()[4].city;
    chiangMai.latitude = "18.48N";
    ASSERT_TRUE(book.Put(4, chiangMai).ok());
    const std::string kept =
        kBangkok + ToCp874(",ไทย,7.00H,13.45N,100.30E") + "\r\n" + refused + "\r\n \r\n" + "\xff\xfe junk\r\n";
    EXPECT_EQ(ReadBytes(here.path() / kCityFileName), kept + kChiangMai + ToCp874(",ไทย,7.00H,18.48N,98.59E\r\n"));
    EXPECT_EQ(ReadBytes(installed.path() / kCityFileName), bytes); // the installed list is never modified

    ASSERT_TRUE(book.Erase(1).ok());
    EXPECT_EQ(ReadBytes(here.path() / kCityFileName).find(refused), std::string::npos);
    EXPECT_EQ(CityBook::Open(here.path(), {}).Lines().size(), 4u);
}

// Both writers under the faults of a save: what the file holds afterwards and the reason.
struct SaveFault {
    const char* what;
    std::function<Result<>(const fs::path& file)> save;
    const char* name;
    const char* old;
    std::string created; // what the save writes when there was no file
};

Result<> SaveIni(const fs::path& file)
{
    return WriteIniEntries(file.string(), PlaceSettingsEntries(Chosen()));
}

Result<> SaveCity(const fs::path& file)
{
    CityBook book = CityBook::Open(file.parent_path(), {});
    return book.Put(std::nullopt, {"ตรัง", "ไทย", "7.00H", "7.34N", "99.37E"});
}

const SaveFault kWriters[] = {
    {"settings", SaveIni, "Nemra06.INI", "[Dial]\r\nDialType=90\r\n",
     "[Place]\r\nCityName=" + kBangkok + "\r\nTimezone=105.00E\r\nLatitude=13.45N\r\nLongitude=100.30E\r\n"},
    {"city list", SaveCity, "CityTown.dat", "A,B,7.00H,13.45N,100.30E\r\n", ToCp874("ตรัง,ไทย,7.00H,7.34N,99.37E\r\n")},
};

TEST(SettingsWriters, AFailedSaveLeavesTheOldFileByteForByte)
{
    for (const SaveFault& writer : kWriters) {
        SCOPED_TRACE(writer.what);
        { // A folder that cannot be written.
            TempDir dir;
            const fs::path file = dir.write(writer.name, writer.old);
            fs::permissions(dir.path(), fs::perms(0755));
            fs::permissions(dir.path(), fs::perms(0555));
            const int status = test::RunUnprivileged([&] {
                const Result<> r = writer.save(file);
                return !r.ok() && r.fault().reason == std::strerror(EACCES) ? 0 : 1;
            });
            fs::permissions(dir.path(), fs::perms(0700));
            EXPECT_EQ(status, 0);
            EXPECT_EQ(ReadBytes(file), writer.old);
        }
        { // A disk that fills in the middle of the write.
            TempDir dir;
            const fs::path file = dir.write(writer.name, writer.old);
            Result<> r;
            {
                test::FileSizeLimit disk(8);
                r = writer.save(file);
            }
            EXPECT_FALSE(r.ok());
            EXPECT_EQ(r.fault().reason, std::strerror(EFBIG));
            EXPECT_EQ(ReadBytes(file), writer.old);
            EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
        }
        { // A file that did not exist is created.
            TempDir dir;
            EXPECT_TRUE(writer.save(dir.path() / writer.name).ok());
            EXPECT_EQ(ReadBytes(dir.path() / writer.name), writer.created);
        }
    }
}

} // namespace
} // namespace nemra
