// The one way the chart library reports a failed operation: a value, or a fault that says
// what kind of failure it was and why, in Thai for the user and with the system's own words
// (SQLite's or the operating system's) for a log or the command line.
#pragma once

#include "core/Result.h"

#include <string>

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

// A library operation gives back its value or a StoreFault: the program's one Result, with
// the fault that names its kind.
template <class T> using StoreResult = Result<T, StoreFault>;

} // namespace nemra
