// The two file writers (the appending text writer and the bitmap's whole-file replace) and the
// reader under hostile conditions: FIFOs, full disks, links, long names, a second copy of the
// program saving to the same file.
#include "core/FileReplace.h"
#include "core/PosixFile.h"
#include "core/ThaiText.h"
#include "input/model/CityList.h"
#include "mainwin/model/Settings.h"
#include "tests/support/Faults.h"
#include "tests/support/TempFiles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <future>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace nemra {
namespace {

namespace fs = std::filesystem;
using test::FileSizeLimit;
using test::ReadBytes;
using test::TempDir;

// Runs `action`; should it hang on the FIFO at `fifo` (as an open of a FIFO does until the
// other end appears), opens both ends once so that it returns, and fails the test.
template <typename T> T WithoutHanging(const fs::path& fifo, const std::function<T()>& action)
{
    std::signal(SIGPIPE, SIG_IGN); // a writer released this way finds no reader
    auto result = std::async(std::launch::async, action);
    if (result.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
        ADD_FAILURE() << "blocked on the FIFO " << fifo;
        const int fd = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
        ::close(fd);
    }
    return result.get();
}

enum class Writer { AppendText, ReplaceBitmap };

struct WriteFault {
    const char* what;
    Writer writer;
    // Makes the name the save is given, in `dir`.
    std::function<fs::path(const TempDir& dir)> target;
    rlim_t sizeLimit; // 0: none
    bool ok;
    // Where the bytes land and what that file then holds; nullopt: the file does not exist.
    const char* landsIn;
    std::optional<std::string> content;
};

fs::path Fifo(const TempDir& dir)
{
    const fs::path fifo = dir.path() / "fifo.txt";
    ::mkfifo(fifo.c_str(), 0644);
    return fifo;
}

fs::path LinkTo(const TempDir& dir, const char* target)
{
    fs::create_symlink(target, dir.path() / "link.txt");
    return dir.path() / "link.txt";
}

TEST(FileWriteFaults, RefuseOrRollBackAndLeaveNoTrace)
{
    const std::string longName = std::string(246, 'n') + ".bmp"; // 250 bytes: within the 255 allowed
    const WriteFault faults[] = {
        {"text to a FIFO", Writer::AppendText, Fifo, 0, false, "fifo.txt", std::nullopt},
        {"bitmap to a FIFO", Writer::ReplaceBitmap, Fifo, 0, false, "fifo.txt", std::nullopt},
        // "line" CR LF is 6 bytes: the disk fills after 3 of them.
        {"text to a new file on a full disk", Writer::AppendText,
         [](const TempDir& dir) { return dir.path() / "new.txt"; }, 3, false, "new.txt", std::nullopt},
        {"text through a link to a new file on a full disk", Writer::AppendText,
         [](const TempDir& dir) { return LinkTo(dir, "target.txt"); }, 3, false, "target.txt", std::nullopt},
        {"text to an existing file on a full disk", Writer::AppendText,
         [](const TempDir& dir) { return dir.write("old.txt", "old\r\n"); }, 8, false, "old.txt", "old\r\n"},
        {"text through a link", Writer::AppendText,
         [](const TempDir& dir) {
             dir.write("target.txt", "old\r\n");
             return LinkTo(dir, "target.txt");
         },
         0, true, "target.txt", "old\r\nline\r\n"},
        {"bitmap with a name near the length limit", Writer::ReplaceBitmap,
         [&longName](const TempDir& dir) { return dir.path() / longName; }, 0, true, longName.c_str(), "line"},
        {"bitmap through a link", Writer::ReplaceBitmap,
         [](const TempDir& dir) {
             dir.write("target.txt", "old picture");
             return LinkTo(dir, "target.txt");
         },
         0, true, "target.txt", "line"},
        {"bitmap through a link to a missing file", Writer::ReplaceBitmap,
         [](const TempDir& dir) { return LinkTo(dir, "target.txt"); }, 0, true, "target.txt", "line"},
    };
    for (const WriteFault& fault : faults) {
        SCOPED_TRACE(fault.what);
        TempDir dir;
        const fs::path path = fault.target(dir);
        const auto save = [&fault, &path] {
            std::optional<FileSizeLimit> limit;
            if (fault.sizeLimit > 0)
                limit.emplace(fault.sizeLimit);
            return fault.writer == Writer::AppendText ? AppendLinesCp874(path.string(), {"line"})
                                                      : ReplaceFileContents(path.string(), "line");
        };
        const Result<> result = WithoutHanging<Result<>>(path, save);
        EXPECT_EQ(result.ok(), fault.ok);
        if (!result) {
            EXPECT_FALSE(result.fault().reason.empty());
        }
        const fs::path landing = dir.path() / fault.landsIn;
        if (!fs::is_fifo(landing)) {
            EXPECT_EQ(fs::exists(landing), fault.content.has_value());
            EXPECT_EQ(ReadBytes(landing), fault.content.value_or(""));
        }
        if (fs::exists(dir.path() / "link.txt") || fs::is_symlink(dir.path() / "link.txt")) { // a link stays a link
            EXPECT_EQ(fs::read_symlink(dir.path() / "link.txt"), "target.txt");
        }
        std::size_t leftovers = 0; // no temporary file is left behind
        for (const auto& entry : fs::directory_iterator(dir.path()))
            leftovers += entry.path().filename().string().rfind(".nemra-", 0) == 0 ? 1 : 0;
        EXPECT_EQ(leftovers, 0u);
    }
}

// Two copies of the program save to the same file: the second waits for the first to finish,
// and when its own save then fails it takes back only its own bytes, never the first's.
TEST(FileWriteFaults, ASecondCopyWaitsAndTakesBackOnlyItsOwnBytes)
{
    TempDir dir;
    const fs::path path = dir.write("report.txt", "old\r\n");
    const int first = ::open(path.c_str(), O_WRONLY | O_APPEND);
    ASSERT_GE(first, 0);
    ASSERT_EQ(::flock(first, LOCK_EX), 0); // the first copy is in the middle of its save

    std::atomic<bool> returned{false};
    Result<> second;
    std::thread save([&] {
        FileSizeLimit disk(64); // room for the first copy's line, not for the second's
        second = AppendLinesCp874(path.string(), {std::string(100, 'a')});
        returned = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(returned) << "the second copy wrote while the first held the file";
    ASSERT_EQ(::write(first, "first\r\n", 7), 7);
    ::close(first); // ends the first copy's save and its lock
    save.join();

    EXPECT_FALSE(second.ok());
    EXPECT_EQ(ReadBytes(path), "old\r\nfirst\r\n");
}

// What the readers are given: only a regular file is read; a FIFO or a folder is refused at
// once.
TEST(FileWriteFaults, ReadersTakeOnlyRegularFiles)
{
    TempDir dir;
    const fs::path fifo = Fifo(dir);
    const FileBytes fromFifo = WithoutHanging<FileBytes>(fifo, [&fifo] { return ReadRegularFile(fifo.string(), 10); });
    ASSERT_FALSE(fromFifo.ok());
    EXPECT_TRUE(fromFifo.fault().notRegular);
    EXPECT_EQ(fromFifo.fault().reason, kNotRegularFileReason);

    const StartSettings settings =
        WithoutHanging<StartSettings>(fifo, [&fifo] { return ReadSettingsFile(fifo.string()); });
    EXPECT_EQ(settings.fileProblem, kNotRegularFileReason);
    EXPECT_EQ(settings.dialType, 360); // the defaults
    const CityFileLines cities = WithoutHanging<CityFileLines>(fifo, [&fifo] { return ReadCityFile(fifo); });
    EXPECT_NE(test::ReasonOf(cities).find(kNotRegularFileReason), std::string::npos);

    const FileBytes fromFolder = ReadRegularFile(dir.path().string(), 10);
    ASSERT_FALSE(fromFolder.ok());
    EXPECT_TRUE(fromFolder.fault().notRegular);

    const FileBytes missing = ReadRegularFile((dir.path() / "none").string(), 10);
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.fault().missing);
    EXPECT_FALSE(missing.fault().notRegular);

    // A file longer than asked for gives one byte more, so the caller can tell.
    const FileBytes longer = ReadRegularFile(dir.write("a.txt", "0123456789abc").string(), 10);
    ASSERT_TRUE(longer.ok());
    EXPECT_EQ(*longer, "0123456789a");
    // A file of exactly the size asked for is read whole; an empty one is read, not refused.
    EXPECT_EQ(*ReadRegularFile(dir.write("b.txt", "0123456789").string(), 10), "0123456789");
    EXPECT_EQ(*ReadRegularFile(dir.write("c.txt", "").string(), 10), "");
}

} // namespace
} // namespace nemra
