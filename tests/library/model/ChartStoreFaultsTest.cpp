// The chart store when things go wrong: files that are not sound databases, files and
// folders that cannot be written, another copy holding the file, a full disk, and a copy
// killed in the middle of an import. Afterwards the file is always intact and holds either
// a whole change or none of it.
#include "library/model/ChartStore.h"

#include "../StoreTestKit.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <sys/mount.h>
#include <sys/resource.h>

namespace nemra {
namespace {

using librarytest::Chart;
using librarytest::Child;
using librarytest::OpenStore;
using librarytest::Query;
using librarytest::ReadBytes;
using librarytest::TempDir;

void WriteBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// A closed database of a few hundred charts, several pages long.
std::filesystem::path FilledDatabase(const TempDir& dir)
{
    const auto path = dir / "charts.sqlite";
    ChartStore store = OpenStore(path);
    EXPECT_EQ(store.ImportCsv(librarytest::ManyChartsCsv(300))->added, 300);
    return path;
}

TEST(ChartStoreFaults, AFileThatIsNoSoundDatabaseIsRefusedAndLeftAsItWas)
{
    struct Case {
        const char* what;
        std::function<void(const std::filesystem::path&)> spoil;
        StoreFaultKind kind;
        const char* reason;
    };
    const Case cases[] = {
        {"text file", [](const auto& f) { WriteBytes(f, "name,date\nก,1/1/2500\n"); }, StoreFaultKind::NotADatabase,
         "ไม่ใช่ไฟล์ข้อมูลดวงชะตา"},
        {"header cut short", [](const auto& f) { std::filesystem::resize_file(f, 60); }, StoreFaultKind::Damaged,
         "ถูกตัดสั้น"},
        {"cut to half", [](const auto& f) { std::filesystem::resize_file(f, std::filesystem::file_size(f) / 2); },
         StoreFaultKind::Damaged, "ถูกตัดสั้น"},
        // The page type byte of every b-tree page after the schema page set to a value no
        // page has: the header is sound, the quick check is not.
        {"damaged pages",
         [](const auto& f) {
             std::string bytes = ReadBytes(f);
             for (std::size_t page = 4096; page < bytes.size(); page += 4096)
                 bytes[page] = '\x77';
             WriteBytes(f, bytes);
         },
         StoreFaultKind::Damaged, "quick_check"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const auto path = FilledDatabase(dir);
        c.spoil(path);
        const std::string before = ReadBytes(path);
        const auto opened = ChartStore::Open(path, librarytest::FixedOptions());
        ASSERT_FALSE(opened) << c.what;
        EXPECT_EQ(opened.fault().kind, c.kind) << c.what << ": " << opened.fault().reason;
        EXPECT_NE(opened.fault().reason.find(c.reason), std::string::npos) << opened.fault().reason;
        EXPECT_NE(opened.fault().reason.find(path.string()), std::string::npos) << opened.fault().reason;
        EXPECT_EQ(ReadBytes(path), before) << c.what;
    }
}

// Permission bits do not stop root, so the store is opened by a child process that has
// given up root's rights when the tests run as root.
TEST(ChartStoreFaults, AFileOrFolderThatCannotBeWrittenOpensReadOnlyAndRefusesChanges)
{
    using std::filesystem::perms;
    struct Case {
        perms file;
        perms folder;
        const char* reason;
    };
    const Case cases[] = {
        {perms(0444), perms(0777), "เขียนไฟล์"},
        {perms(0666), perms(0555), "เขียนโฟลเดอร์"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const auto path = FilledDatabase(dir);
        std::filesystem::permissions(path, c.file);
        std::filesystem::permissions(dir.path(), c.folder);
        Child child([&](Child&) {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                return 10;
            auto store = ChartStore::Open(path, librarytest::FixedOptions());
            if (!store) {
                std::fprintf(stderr, "%s\n", store.fault().reason.c_str());
                return 11;
            }
            if (!store->ReadOnly() || store->ReadOnlyReason().find(c.reason) == std::string::npos)
                return 12;
            if (store->Find(Query("ดวงที่ 299"))->total != 1)
                return 13;
            const auto added = store->Add(Chart("ใหม่"), IfNameExists::Ask);
            if (added || added.fault().kind != StoreFaultKind::ReadOnly
                || added.fault().reason.find(c.reason) == std::string::npos)
                return 14;
            // Every other change is refused the same way, before it touches the file.
            const auto readOnly = [](const auto& result) {
                return !result && result.fault().kind == StoreFaultKind::ReadOnly;
            };
            const std::int64_t ids[] = {1};
            if (!readOnly(store->Update(1, Chart("ใหม่"))) || !readOnly(store->Delete(ids))
                || !readOnly(store->ImportCsv("name,date\n")) || !readOnly(store->ImportAaf("", nullptr))
                || !readOnly(store->DeleteBookEntry(BookKind::Pictures, "SU=MO")) || !readOnly(store->ImportBook("")))
                return 15;
            return 0;
        });
        EXPECT_EQ(child.Finish(), 0) << c.reason;
        std::filesystem::permissions(dir.path(), perms(0700));
        EXPECT_EQ(*OpenStore(path).Count(), 300);
    }
}

// Another copy in the middle of an import holds the write lock: a save waits the busy time,
// then fails with a clear message and writes nothing; once the import ends it works.
TEST(ChartStoreFaults, AFileLockedByAnotherCopyIsWaitedForThenReported)
{
    TempDir dir;
    const auto path = dir / "charts.sqlite";
    ChartStore store = OpenStore(path, 300);
    Child other([&](Child& self) {
        ChartStore mine = OpenStore(path);
        const auto report = mine.ImportCsv(librarytest::ManyChartsCsv(100), [&self](int done, int) {
            if (done == 50)
                self.SignalAndWait();
        });
        return report && report->added == 100 ? 0 : 1;
    });
    ASSERT_TRUE(other.WaitForSignal());
    const auto start = std::chrono::steady_clock::now();
    const auto added = store.Add(Chart("ก"), IfNameExists::Ask);
    const auto waited = std::chrono::steady_clock::now() - start;
    ASSERT_FALSE(added);
    EXPECT_EQ(added.fault().kind, StoreFaultKind::Busy);
    EXPECT_NE(added.fault().reason.find("กำลังถูกใช้โดยโปรแกรมอีกตัวหนึ่ง"), std::string::npos);
    EXPECT_GE(waited, std::chrono::milliseconds(250));
    EXPECT_EQ(*store.Count(), 0); // reading goes on while the other copy writes
    EXPECT_EQ(other.Finish(), 0);
    EXPECT_TRUE(store.Add(Chart("ก"), IfNameExists::Ask));
    EXPECT_EQ(*store.Count(), 101);
}

// A copy killed during a 10 000-row import leaves the file intact and without any of the
// import; one that runs to its end stores all of it.
TEST(ChartStoreFaults, AKilledImportLeavesAllOrNothing)
{
    const std::string csv = librarytest::ManyChartsCsv(10000);
    for (const bool kill : {true, false}) {
        TempDir dir;
        const auto path = dir / "charts.sqlite";
        ASSERT_TRUE(OpenStore(path).Add(Chart("เดิม"), IfNameExists::Ask));
        Child importer([&](Child& self) {
            ChartStore store = OpenStore(path);
            const auto report = store.ImportCsv(csv, [&](int done, int) {
                if (done == 6000)
                    self.SignalAndWait();
            });
            return report ? 0 : 1;
        });
        ASSERT_TRUE(importer.WaitForSignal());
        if (kill)
            importer.Kill();
        else
            EXPECT_EQ(importer.Finish(), 0);
        ChartStore store = OpenStore(path);
        EXPECT_TRUE(store.CheckIntegrity()) << store.CheckIntegrity().fault().reason;
        EXPECT_EQ(*store.Count(), kill ? 1 : 10001);
    }
}

// A disk that fills during an import: a 256 KiB tmpfs when this process may mount one (as
// root), otherwise a file size limit (RLIMIT_FSIZE) in a child process. Either way the
// import is refused with the system's reason and the file keeps its earlier charts, intact.
TEST(ChartStoreFaults, AFullDiskRefusesTheImportAndKeepsTheFileIntact)
{
    TempDir dir;
    const auto mountPoint = dir / "small";
    std::filesystem::create_directory(mountPoint);
    const bool mounted = ::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=256k") == 0;
    const std::shared_ptr<void> unmount(nullptr, [&](void*) {
        if (mounted)
            ::umount(mountPoint.c_str());
    });
    const auto path = mountPoint / "charts.sqlite";
    ASSERT_TRUE(OpenStore(path).Add(Chart("เดิม"), IfNameExists::Ask));
    Child importer([&](Child&) {
        if (!mounted) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{256 * 1024, 256 * 1024};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        ChartStore store = OpenStore(path);
        const auto report = store.ImportCsv(librarytest::ManyChartsCsv(10000));
        if (report)
            return 1;
        std::fprintf(stderr, "%s\n", report.fault().reason.c_str());
        const bool full = report.fault().kind == StoreFaultKind::DiskFull;
        const bool tooLarge = report.fault().detail.find("too large") != std::string::npos;
        return (mounted ? full : (full || tooLarge)) ? 0 : 2;
    });
    EXPECT_EQ(importer.Finish(), 0) << (mounted ? "tmpfs" : "RLIMIT_FSIZE");
    {
        ChartStore store = OpenStore(path);
        EXPECT_TRUE(store.CheckIntegrity());
        EXPECT_EQ(*store.Count(), 1);
    }
}

} // namespace
} // namespace nemra
