// Charts as comma-separated text (RFC 4180: fields with commas, quotes or line breaks in
// double quotes, a quote doubled inside them; CR LF between records; a header row naming the
// fields), and the check of a whole import before anything of it is stored.
#pragma once

#include "library/model/StoredChart.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nemra {

// One record of a CSV text and the line (from 1) on which it starts.
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
    std::string fault; // Thai; set when the record is malformed (a quote left open, text after a closing quote)
};

// Splits a CSV text into records. Line ends may be CR LF, LF or CR; empty lines are skipped.
std::vector<CsvRecord> ParseCsv(std::string_view text);

// The header and rows of an export: name, date, time, zone, latitude, longitude, place,
// note, group, created, changed.
std::string ChartsCsv(const std::vector<StoredChart>& charts);

struct CsvRowFault {
    int line = 0;
    std::string reason; // Thai
};

struct CsvImportRow {
    int line = 0;
    ChartDraft chart;
    std::string created; // empty when the file gives none
    std::string changed;
};

// An import checked row by row. `fileFault` is set when the text as a whole cannot be read
// (no header, a header with unknown, missing or repeated names); then there are no rows.
struct CsvImportPlan {
    std::vector<CsvImportRow> rows;
    std::vector<CsvRowFault> faults;
    std::optional<StoreFault> fileFault;
};

// Reads an import text (UTF-8, or the Thai code page when it is not valid UTF-8; a leading
// byte-order mark is ignored). The header names the fields in any order; name, date, time,
// zone, latitude, longitude and place are required, note, group, created and changed may be
// left out. Each row must pass CheckDraft; created and changed, when given, must be stamps.
CsvImportPlan PlanCsvImport(std::string_view bytes);

} // namespace nemra
