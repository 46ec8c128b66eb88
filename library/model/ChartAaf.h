// Charts in AAF, the astrological exchange format other programs read and write: records of
// an #A93 chunk (name, first name, kind, date "d.m.yyyy", clock time "h:mm", place, country)
// and an optional #B93 chunk (Julian day in universal time, latitude "43n31", longitude
// "5e27", zone "1he00" or "0e21:48", summer-time hours), with the annotation chunks #ZNAM,
// #COM and #SRC, which become the chart's note.
//
// Import: the Julian day of #B93 wins where it disagrees with the local date and time, so the
// chart's texts are written for that moment at the record's zone. A record without the
// position or the zone takes them from the atlas (the place at that local time); one the atlas
// cannot place is listed as needing a place. Texts are Latin-1 or UTF-8; letters the Thai code
// page cannot store are written as their base letters ("Müller" -> "Muller").
//
// Export: UTF-8 (Thai names survive), one #A93 and #B93 per chart, the note as #ZNAM, #COM and
// #SRC chunks, so that importing an export gives the same charts.
#pragma once

#include "atlas/model/Atlas.h"
#include "library/model/ChartCsv.h"

#include <string>
#include <string_view>
#include <vector>

namespace nemra {

// The years the ephemeris files serve; an AAF date outside them is refused.
inline constexpr int kAafFirstYear = 1800;
inline constexpr int kAafLastYear = 2399;

struct AafImportPlan {
    CsvImportPlan plan;                  // rows ready to store (line of their #A93) and refused records
    std::vector<CsvRowFault> needsPlace; // records the atlas could not place
    int ignoredChunks = 0;               // chunks other than #A93, #B93, #ZNAM, #COM and #SRC
};

// Reads an AAF text; `atlas` may be null (then records without #B93 need a place).
AafImportPlan PlanAafImport(std::string_view bytes, const Atlas* atlas);

// The AAF text of the charts.
std::string ChartsAaf(const std::vector<StoredChart>& charts);

// A file the library reads and writes as AAF rather than CSV: its name ends in ".aaf", any case.
bool IsAafFileName(std::string_view name);

} // namespace nemra
