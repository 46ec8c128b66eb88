// The session the report tests work on: at Bangkok (zone 7 hours), the natal chart
// "ทดสอบ" of 5 December 2540 at 9.30 and the transit chart "จร" of 7 December 2569 at
// 9.05.07, either left out when asked.
#pragma once

#include "mainwin/model/Session.h"
#include "tests/support/ChartInputs.h"

namespace nemra::test {

inline MainSession ReportSession(bool natal = true, bool transit = true)
{
    MainSession s;
    if (natal)
        CastNatal(s, BangkokInput("05/12/2540", "9.30", "7.00H", "ทดสอบ"));
    if (transit)
        CastTransit(s, BangkokInput("07/12/2569", "9.05.07", "7.00H", "จร"));
    return s;
}

} // namespace nemra::test
