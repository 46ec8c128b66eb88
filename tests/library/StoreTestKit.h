// What the chart library tests share: a store on a fixed clock, chart
// builders, a CSV of many charts, and a child process that the test can stop at a chosen
// point (to hold the database while another copy works, or to be killed mid-import).
#pragma once

#include "library/model/ChartStore.h"
#include "tests/support/ChartInputs.h"
#include "tests/support/TempFiles.h"
#include "tests/support/UtMoment.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace nemra::librarytest {

using test::ReadBytes;
using test::TempDir;

inline const UtInstant kStampMoment = test::UtAt(2026, 12, 8, 14, 3, 22);

inline ChartStoreOptions FixedOptions(int busyTimeoutMs = 2000)
{
    return {busyTimeoutMs, [] { return kStampMoment; }};
}

inline ChartStore OpenStore(const std::filesystem::path& path, int busyTimeoutMs = 2000)
{
    auto store = ChartStore::Open(path, FixedOptions(busyTimeoutMs));
    if (!store)
        ADD_FAILURE() << store.fault().reason;
    return std::move(*store);
}

// A chart that passes every check, with the texts given.
inline ChartDraft Chart(const std::string& name, const std::string& place = "กรุงเทพฯ",
                        const std::string& date = "15/03/2500", const std::string& time = "9.30",
                        const std::string& note = {}, const std::string& group = {})
{
    ChartDraft draft;
    draft.input = test::BangkokInput(date, time, "7.00H", name, place);
    draft.note = note;
    draft.group = group;
    return draft;
}

inline ChartQuery Query(std::string text, ChartColumn sortBy = ChartColumn::Name, bool descending = false,
                        int limit = 200, int offset = 0)
{
    ChartQuery query;
    query.text = std::move(text);
    query.sortBy = sortBy;
    query.descending = descending;
    query.limit = limit;
    query.offset = offset;
    query.countMatches = true;
    return query;
}

// A CSV of `rows` distinct good charts (names "ดวงที่ 1" ...).
inline std::string ManyChartsCsv(int rows)
{
    std::string csv = "name,date,time,zone,latitude,longitude,place,note,group\r\n";
    for (int i = 1; i <= rows; ++i)
        csv += "ดวงที่ " + std::to_string(i) + "," + std::to_string(i % 28 + 1) + "/" + std::to_string(i % 12 + 1) + "/25"
               + std::to_string(10 + i % 80) + ",9.30,7.00H,13.45N,100.30E,เชียงใหม่,ลูกค้าประจำ,ลูกค้า\r\n";
    return csv;
}

// A child process running `body`, which may call Signal() once to tell the parent it has
// reached its point; the parent waits for that with WaitForSignal(), then lets it run on
// (Finish) or kills it (Kill). The child's exit status is `body`'s return value.
class Child {
  public:
    explicit Child(const std::function<int(Child&)>& body)
    {
        if (::pipe(toParent_) != 0 || ::pipe(toChild_) != 0)
            ADD_FAILURE() << "pipe";
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(toParent_[0]);
            ::close(toChild_[1]);
            std::_Exit(body(*this));
        }
        ::close(toParent_[1]);
        ::close(toChild_[0]);
    }
    ~Child()
    {
        if (pid_ > 0 && !reaped_)
            Kill();
        ::close(toParent_[0]);
        ::close(toChild_[1]);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // In the child: tells the parent it has reached its point and waits until the parent
    // lets it go on.
    void SignalAndWait()
    {
        char byte = 1;
        [[maybe_unused]] auto written = ::write(toParent_[1], &byte, 1);
        [[maybe_unused]] auto read = ::read(toChild_[0], &byte, 1);
    }
    // In the parent: true once the child has signalled, false when it ended first.
    bool WaitForSignal()
    {
        char byte = 0;
        return ::read(toParent_[0], &byte, 1) == 1;
    }
    // Lets the child go on and gives its exit status.
    int Finish()
    {
        char byte = 1;
        [[maybe_unused]] auto written = ::write(toChild_[1], &byte, 1);
        return Reap();
    }
    void Kill()
    {
        ::kill(pid_, SIGKILL);
        Reap();
    }

  private:
    int Reap()
    {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        reaped_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    pid_t pid_ = -1;
    bool reaped_ = false;
    int toParent_[2] = {-1, -1};
    int toChild_[2] = {-1, -1};
};

} // namespace nemra::librarytest
