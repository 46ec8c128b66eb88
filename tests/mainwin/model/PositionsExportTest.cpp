// The positions text file: its lines for each combination of cast charts, appending, and
// failures that leave the file as it was.
#include "mainwin/model/PositionsExport.h"

#include "core/FactorCatalogue.h"
#include "core/FileReplace.h"
#include "mainwin/model/OwnerChart.h"
#include "mainwin/model/Session.h"
#include "tests/support/TempFiles.h"
#include "tests/support/UtMoment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace nemra {
namespace {

namespace fs = std::filesystem;

TChartInput TransitInput()
{
    TChartInput in = OwnerChartInput();
    in.Name = "ดวงจรขณะนี้";
    in.Latitude = "18.47N";
    in.Longitude = "98.59E";
    return in;
}

MainSession WithCharts(bool natal, bool transit)
{
    MainSession s;
    s.FOwnerInput = OwnerChartInput();
    s.GChartInput = TransitInput();
    if (natal)
        CastOwner(s);
    if (transit)
        CastTransitNow(s, test::UtAt(2026, 12, 8, 2, 5, 7)); // 9.05.07 at 105°E
    s.FArcText = {"94.12", "47.06", "188.24"};
    return s;
}

using test::ReadBytes;

class PositionsFile : public ::testing::Test {
  protected:
    test::TempDir temp;
    const fs::path dir = temp.path();
};

TEST(PositionsExport, ArcCaptionIsCutTwice)
{
    EXPECT_EQ(ExportArcCaption("94.12"), "โค้งสุริยยาตร์ 94.12 องศา");
    // 15 characters of caption leave 9 for the arc text, then " องศา" within 29.
    EXPECT_EQ(ExportArcCaption("1234567890"), "โค้งสุริยยาตร์ 123456789 องศา");
}

TEST(PositionsExport, BeforeAnyCastOnlyLabelsAndNames)
{
    const MainSession s = WithCharts(false, false);
    const auto lines = PositionsTextLines(s, PositionsGridOf(s));
    ASSERT_EQ(lines.size(), 29u);
    EXPECT_EQ(lines[0], "สมผุสปัจจัยจริง");
    EXPECT_EQ(lines[1], "ปัจจัย,พื้นดวง,จรอายุขัย,ดวงจร");
    EXPECT_EQ(lines[2], "นาม");
    EXPECT_EQ(lines[3], "วันที่");
    EXPECT_EQ(lines[7], "ลองกิจูด");
    EXPECT_EQ(lines[8], "เมอริเดียน");
    EXPECT_EQ(lines[28], "โพไซดอน");
}

TEST(PositionsExport, NatalOnly)
{
    const MainSession s = WithCharts(true, false);
    const auto lines = PositionsTextLines(s, PositionsGridOf(s));
    ASSERT_EQ(lines.size(), 29u);
    EXPECT_EQ(lines[2], "นาม,เปลี่ยนแปลงการปกครอง 2475");
    EXPECT_EQ(lines[3], "วันที่,24/06/2475");
    EXPECT_EQ(lines[4], "เวลา, 6.00.00 น.");
    EXPECT_EQ(lines[5], "เขตเวลา,105.00E");
    EXPECT_EQ(lines[6], "แลตติจูด,13.45N");
    EXPECT_EQ(lines[7], "ลองกิจูด,100.30E");
    EXPECT_EQ(lines[10], "อาทิตย์," + GridCellText(s, 1, kSun));
}

TEST(PositionsExport, TransitOnlyKeepsTheTransitUnderItsHeading)
{
    const MainSession s = WithCharts(false, true);
    const auto lines = PositionsTextLines(s, PositionsGridOf(s));
    ASSERT_EQ(lines.size(), 29u);
    EXPECT_EQ(lines[2], "นาม,โค้งสุริยยาตร์ 94.12 องศา,ดวงจรขณะนี้");
    EXPECT_EQ(lines[3], "วันที่, ,08/12/2569");
    EXPECT_EQ(lines[4], "เวลา, , 9.05.07 น."); // 8 + 3 characters: nothing cut
    EXPECT_EQ(lines[6], "แลตติจูด, ,18.47N");
    EXPECT_EQ(lines[10], "อาทิตย์," + GridCellText(s, 3, kSun));
}

TEST(PositionsExport, BothChartsWithArcsAndReflectionTab)
{
    MainSession s = WithCharts(true, true);
    s.GridTab = 1;
    const auto lines = PositionsTextLines(s, PositionsGridOf(s));
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(lines[0], "สมผุสปัจจัยสะท้อน");
    EXPECT_EQ(lines[2], "นาม,เปลี่ยนแปลงการปกครอง 2475,โค้งสุริยยาตร์ 94.12 องศา,ดวงจรขณะนี้");
    EXPECT_EQ(lines[5], "เขตเวลา,105.00E, ,105.00E");
    EXPECT_EQ(lines[12],
              "ราหู," + GridCellText(s, 1, kNode) + "," + GridCellText(s, 2, kNode) + "," + GridCellText(s, 3, kNode));
    EXPECT_NE(GridCellText(s, 1, kNode), GridCellText(WithCharts(true, true), 1, kNode)); // the reflection
    EXPECT_EQ(lines[29], "โค้งสุริยยาตรปกติ 94.12");
    EXPECT_EQ(lines[30], "โค้งสุริยยาตรครึ่งเดียว 47.06");
    EXPECT_EQ(lines[31], "โค้งสุริยยาตร 2 เท่า 188.24");
}

TEST_F(PositionsFile, ExportsAppendBlocksInTheThaiCodePage)
{
    const MainSession s = WithCharts(true, false);
    const std::string path = (dir / "positions.txt").string();
    ASSERT_TRUE(ExportPositionsText(path, s, PositionsGridOf(s)).ok());
    const std::string once = ReadBytes(path);
    EXPECT_EQ(once.substr(0, 17), ToCp874("สมผุสปัจจัยจริง") + "\r\n");
    ASSERT_TRUE(ExportPositionsText(path, s, PositionsGridOf(s)).ok());
    EXPECT_EQ(ReadBytes(path), once + once);
}

TEST_F(PositionsFile, FailedExportReportsTheReason)
{
    const MainSession s = WithCharts(true, true);
    const Result<> toFolder = ExportPositionsText(dir.string(), s, PositionsGridOf(s));
    EXPECT_FALSE(toFolder.ok());
    EXPECT_FALSE(toFolder.fault().reason.empty());
    const Result<> missing = ExportPositionsText((dir / "no" / "such.txt").string(), s, PositionsGridOf(s));
    EXPECT_FALSE(missing.ok());
    EXPECT_FALSE(missing.fault().reason.empty());
}

TEST_F(PositionsFile, ReplacingAFileIsAllOrNothing)
{
    const fs::path file = dir / "dial.bmp";
    ASSERT_TRUE(ReplaceFileContents(file.string(), "first").ok());
    ASSERT_TRUE(ReplaceFileContents(file.string(), "second, longer").ok());
    EXPECT_EQ(ReadBytes(file), "second, longer");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(ReplaceFileContents(file.string(), "third").ok());
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read); // mode kept

    for (const std::string& bad : {dir.string(), (dir / "missing" / "x.bmp").string(), std::string("/dev/full")}) {
        const Result<> r = ReplaceFileContents(bad, "data");
        EXPECT_FALSE(r.ok()) << bad;
        EXPECT_FALSE(r.fault().reason.empty()) << bad;
    }
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
    EXPECT_EQ(ReadBytes(file), "third");
    // No temporary file stays behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

} // namespace
} // namespace nemra
