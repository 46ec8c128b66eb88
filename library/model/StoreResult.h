// The one way the chart library reports a failed operation: a value, or a fault that says
// what kind of failure it was and why, in Thai for the user and with the system's own words
// (SQLite's or the operating system's) for a log or the command line.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace nemra {

enum class StoreFaultKind {
    Refused,      // the chart's texts cannot be stored (check, code page, length)
    NameExists,   // a chart of that name is stored already and the caller asked first
    NotFound,     // no chart with that id
    ReadOnly,     // the file or its folder cannot be written
    Busy,         // another copy holds the file longer than the busy wait
    NotADatabase, // the file is not a chart database
    Damaged,      // truncated or failing the database's own check
    NewerVersion, // written by a newer Nemra
    DiskFull,     //
    Io,           // any other failure of the file or the database engine
    BadFile,      // an import file that cannot be read at all (header, encoding)
};

struct StoreFault {
    StoreFaultKind kind = StoreFaultKind::Io;
    std::string reason; // Thai, for the user; names the file and includes `detail` when there is one
    std::string detail; // the system's words in English, or empty
};

// Marks an operation that gives nothing back but can fail.
struct Done {};

template <class T> class StoreResult {
  public:
    StoreResult(T value) // NOLINT: implicit, so a function can return its value
        : v_(std::in_place_index<0>, std::move(value))
    {
    }
    StoreResult(StoreFault fault) // NOLINT: implicit, so a function can return its fault
        : v_(std::in_place_index<1>, std::move(fault))
    {
    }
    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& operator*() { return std::get<0>(v_); }
    const T& operator*() const { return std::get<0>(v_); }
    T* operator->() { return &std::get<0>(v_); }
    const T* operator->() const { return &std::get<0>(v_); }
    const StoreFault& fault() const { return std::get<1>(v_); }

  private:
    std::variant<T, StoreFault> v_;
};

} // namespace nemra
