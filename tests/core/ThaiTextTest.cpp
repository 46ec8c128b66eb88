#include "core/ThaiText.h"

#include "core/PosixFile.h"
#include "tests/support/TempFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace nemra {
namespace {

namespace fs = std::filesystem;

using test::ReadBytes;
using test::TempDir;

TEST(ThaiText, ConvertsBetweenUtf8AndTheThaiCodePage)
{
    const std::string thai = "กรุงเทพฯ ๒๕๖๙";
    const std::string bytes = ToCp874(thai);
    ASSERT_EQ(bytes.size(), CharCount(thai));
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xA1);     // ก
    EXPECT_EQ(static_cast<unsigned char>(bytes.back()), 0xF9); // ๙
    EXPECT_EQ(FromCp874(bytes), thai);
    EXPECT_EQ(ToCp874("€…"), "\x80\x85");
    // What the code page cannot hold becomes '?', undefined bytes become U+FFFD.
    EXPECT_EQ(ToCp874("a°b"), "a?b");
    EXPECT_EQ(ToCp874("\xE0\xB8"), "??"); // truncated sequence
    EXPECT_EQ(FromCp874("\xDB"), "\xEF\xBF\xBD");
}

TEST(ThaiText, CutsByCharactersNotBytes)
{
    EXPECT_EQ(CutToChars("กรุงเทพมหานคร", 4), "กรุง");
    EXPECT_EQ(CutToChars("abc", 10), "abc");
    EXPECT_EQ(CharCount("ลัคนา"), 5u);
    CappedText<7> zone = "105.00E extra";
    EXPECT_EQ(zone.str(), "105.00E");
}

TEST(ThaiText, DecodesFilesAsUtf8OrThaiCodePage)
{
    EXPECT_EQ(DecodeFileText("เมษ"), "เมษ");
    EXPECT_EQ(DecodeFileText(ToCp874("เมษ")), "เมษ");
    EXPECT_FALSE(IsValidUtf8("\xC0\x80")); // overlong
    EXPECT_TRUE(IsCp874Text("เมษ 1"));
    EXPECT_FALSE(IsCp874Text("°"));
}

TEST(ThaiTextWriter, CreatesThenAppendsWithCrLf)
{
    TempDir dir;
    const auto file = dir.path() / "ผลลัพธ์.txt";
    ASSERT_TRUE(AppendLinesCp874(file.string(), {"หนึ่ง", "two"}).ok());
    ASSERT_TRUE(AppendLinesCp874(file.string(), {"สาม"}).ok());
    EXPECT_EQ(ReadBytes(file), ToCp874("หนึ่ง") + "\r\ntwo\r\n" + ToCp874("สาม") + "\r\n");
}

TEST(ThaiTextWriter, ReportsFailuresAndKeepsTheFile)
{
    TempDir dir;
    // A folder in place of the file.
    Result<> r = AppendLinesCp874(dir.path().string(), {"x"});
    EXPECT_FALSE(r.ok());
    EXPECT_FALSE(r.fault().reason.empty());
    // A folder that does not exist.
    r = AppendLinesCp874((dir.path() / "missing" / "a.txt").string(), {"x"});
    EXPECT_FALSE(r.ok());
    EXPECT_FALSE(r.fault().reason.empty());
    // A device (here the full disk /dev/full) is not a regular file.
    if (fs::exists("/dev/full")) {
        r = AppendLinesCp874("/dev/full", {"x"});
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.fault().reason, kNotRegularFileReason);
    }
    // A folder that cannot be written: a read-only folder for a user, the top of sysfs for root
    // (who may write anywhere else).
    fs::path locked = "/sys";
    if (::geteuid() != 0) {
        locked = dir.path() / "locked";
        fs::create_directory(locked);
        fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    }
    if (fs::is_directory(locked)) {
        r = AppendLinesCp874((locked / "nemra.txt").string(), {"x"});
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.fault().reason, std::strerror(EACCES));
    }
}

} // namespace
} // namespace nemra
