// The main window's state handed to the reports: plain copies the report models read, so
// that they never see the session.
#pragma once

#include "dials/model/DialIndexState.h"
#include "reports/model/ReportSnapshot.h"

namespace nemra {

// The snapshot of the session's present index and charts.
ReportSnapshot MakeReportSnapshot(const DialSession& s);

} // namespace nemra
