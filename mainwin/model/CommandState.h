// Which menu commands are available, by which charts exist and whether a dial index is set.
#pragma once

#include <optional>
#include <string>

namespace nemra {

struct MainSession;

inline constexpr const char* kReportIndexCaptionPrefix = "จุดดัชนีจานหมุน : ";
inline constexpr const char* kNoReportIndexCaption = "ไม่ได้กำหนดจุดดัชนีจานหมุน";

struct CommandState {
    bool MnRtChart = true;
    bool MnIndex = false;
    bool MnReport = false;
    bool MnSompusFile = false;
    bool MnHideShowChart = false;
    // Every print entry of the menu and the pop-up menus: something to print.
    bool MnPrint = false;
    // The entries that work on the natal chart (save, relocate, step, solar return, the
    // graphic ephemeris and the timing list) and on the transit chart (save, relocate, step).
    bool NatalCommands = false;
    bool TransitCommands = false;
    // The astronomical data of whichever charts are computed.
    bool MnAstronomy = false;
    // Left as they are when neither chart is computed.
    std::optional<bool> MnMcDay;
    std::optional<bool> MnReportMc;
    bool MnReportIndex = false;
    std::string MnReportIndexCaption;
};

CommandState ComputeCommandState(const MainSession& s);

} // namespace nemra
