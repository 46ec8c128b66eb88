#include "reports/model/ReportFile.h"

#include "tests/support/TempFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace nemra {
namespace {

namespace fs = std::filesystem;

using test::FileSizeLimit;
using test::ReadBytes;
using test::TempDir;

TEST(ReportFile, SavesAppendInTheThaiCodePageWithCrLf)
{
    TempDir dir;
    const fs::path file = dir.path() / "report.txt";
    ASSERT_TRUE(SaveReportLines(file.string(), {"อายุ", "1,2"}).ok());
    ASSERT_TRUE(SaveReportLines(file.string(), {"x"}).ok());
    EXPECT_EQ(ReadBytes(file), "\xCD\xD2\xC2\xD8\r\n1,2\r\nx\r\n");
}

TEST(ReportFile, FailuresCarryTheReasonAndLeaveTheFileIntact)
{
    TempDir dir;
    const Result<> folder = SaveReportLines(dir.path().string(), {"a"});
    EXPECT_FALSE(folder.ok());
    EXPECT_FALSE(folder.fault().reason.empty());

    const Result<> full = SaveReportLines("/dev/full", {"a"});
    EXPECT_FALSE(full.ok());
    EXPECT_FALSE(full.fault().reason.empty());

    // A disk that fills in the middle of the report: the old contents stay, nothing half
    // written is left behind.
    const fs::path file = dir.path() / "old.txt";
    std::ofstream(file, std::ios::binary) << "old\r\n";
    Result<> cut;
    {
        FileSizeLimit limit(16);
        cut = SaveReportLines(file.string(), {std::string(100, 'a')});
    }
    EXPECT_FALSE(cut.ok());
    EXPECT_FALSE(cut.fault().reason.empty());
    EXPECT_EQ(ReadBytes(file), "old\r\n");
}

} // namespace
} // namespace nemra
