// The main window's menus as data: an entry names the command it runs (by the command
// table's id, see TMainForm::BuildCommands) or the window action it shares, so a command
// the main menu and a pop-up menu both offer is written once. Also the sets of checkable
// entries that choose one value of the dial, each with its main-menu and pop-up twin.
#pragma once

namespace nemra::ui {

struct MenuEntry {
    const char* name = nullptr; // the entry's object name; none: a separator
    // UTF-8; none: the text of the action the entry shares, or of the entry whose command it
    // runs (a pop-up twin says its caption only where it differs from the main entry's).
    const char* caption = nullptr;
    const char* command = nullptr; // the command run; none: the command named like the entry
    // A window action whose command, shortcut and enabled state the entry shares; the main
    // menu's entry shows the shortcut.
    const char* action = nullptr;
    bool checkable = false;
    bool horoscopeFirst = false; // shows the horoscope page before it runs its command
};

// One entry of a set that chooses a value: the main menu's and the pop-up's names share
// the command named like the main entry.
struct MenuChoice {
    int value;
    const char* mainName;
    const char* popupName;
    const char* caption;
};

// The display modes, valued by the mode (the index of ChooseChartList).
inline constexpr MenuChoice kDisplayModeChoices[] = {
    {0, "MnShowAllChart", "Pop1ShowAllChart", "แสดงดวงทั้งหมด"},
    {1, "MnShowNatalTransit", "Pop1ShowNatalTransit", "แสดงดวงกำเนิด+ดวงจร"},
    {2, "MnShowNatalPgChart", "Pop1ShowNatalPg", "แสดงดวงกำเนิด+จรอายุขัย"},
    {3, "MnShowNatal", "Pop1ShowNatal", "แสดงแต่ดวงกำเนิด"},
    {4, "MnShowTransit", "Pop1ShowTransit", "แสดงแต่ดวงจร"},
};

// The reflection points shown, valued by FMaxContracia, in the order of ReflectSelectList.
inline constexpr MenuChoice kContraciaChoices[] = {
    {21, "MnAllCon", "Pop1AllCon", "ทั้งหมด"},
    {5, "MnPerCon", "Pop1PerCon", "จุดเจ้าชะตา"},
    {0, "MnNoCon", "Pop1NoCon", "ไม่แสดง"},
};

// The reflection axis, valued by FAxis.
inline constexpr MenuChoice kAxisChoices[] = {
    {360, "MnAriesReflect", "Pop1AriesReflect", "เมษ-ตุลย์"},
    {180, "MnCancerReflect", "Pop1CancerReflect", "กรกฎ-มกร"},
};

// The dial type, valued by FDialType.
inline constexpr MenuChoice kDialTypeChoices[] = {
    {360, "MNDial360", "Pop1Dial360", "จาน 360 องศา"},
    {90, "MNDial90", "Pop1Dial90", "จาน 90 องศา"},
};

} // namespace nemra::ui
