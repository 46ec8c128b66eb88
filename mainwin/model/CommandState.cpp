#include "mainwin/model/CommandState.h"

#include "mainwin/model/Session.h"

namespace nemra {

CommandState ComputeCommandState(const MainSession& s)
{
    CommandState c;
    const bool natal = s.FNatal.Computed;
    const bool transit = s.FTransit.Computed;
    if (natal && transit) {
        c.MnIndex = c.MnReport = c.MnSompusFile = c.MnHideShowChart = true;
        c.MnMcDay = true;
        c.MnReportMc = true;
    } else if (natal || transit) {
        c.MnIndex = c.MnReport = c.MnSompusFile = true;
        c.MnMcDay = c.MnReportMc = false;
        c.MnHideShowChart = false;
    }
    c.MnPrint = c.MnSompusFile;
    c.NatalCommands = natal;
    c.TransitCommands = transit;
    c.MnAstronomy = natal || transit;
    c.MnReportIndex = !s.FDialSubTitle.empty();
    c.MnReportIndexCaption = c.MnReportIndex ? kReportIndexCaptionPrefix + s.FDialTitle : kNoReportIndexCaption;
    return c;
}

} // namespace nemra
