// The main window's commands, its window actions (the shortcuts), the main menu and the two
// pop-up menus. Each command's handler is written once, in the command table; the menus are
// lists of entries that name the command they run or the action they share.
#include "mainwin/ui/Mainp.h"

#include "dials/ui/Umidp1.h"
#include "dials/ui/Uselhous.h"
#include "dials/ui/Usenp1.h"
#include "dials/ui/Uuserp1.h"
#include "mainwin/model/DialInteraction.h"
#include "mainwin/ui/ChartArea.h"
#include "mainwin/ui/MainpMenus.h"
#include "printing/ui/PrintOutput.h"
#include "reports/ui/ReportCommands.h"
#include "reports/ui/Urasi.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>

#include <algorithm>

using nemra::print::PageKind;
using nemra::ui::MenuChoice;
using nemra::ui::MenuEntry;

namespace {

// The window's actions: their shortcuts work wherever the focus is in the window. An action
// with no command in the table stays disabled until its own wiring (MidPointTool runs by its
// check, DialToolsWiring.cpp).
struct WindowAction {
    const char* name;
    const char* caption;
    const char* keys;
};
constexpr WindowAction kWindowActions[] = {
    {"OwnerChart", "", "Ctrl+O"},
    {"DiscTool", "เครื่องมือหมุนจาน", "Ctrl+D"},
    {"MidPointTool", "เส้นหาคู่ศูนย์รังสี", "Ctrl+M"},
    {"ToggleHouseLine", "เส้นเรือนชะตาสะท้อน", "Ctrl+H"},
    {"Send_Report", "จุดดัชนีจานหมุน", "Ctrl+R"},
    {"See_Book1", "สูตรพระเคราะห์สนธิ", "Ctrl+F1"},
    {"See_Book2", "สูตรเรือนชะตา", "Ctrl+F2"},
    {"CopyClipboard", "คัดลอกภาพดวงไปยัง Clipboard", "Ctrl+C"},
    {"NemraExit", "", "Ctrl+X"},
    {"ToggleDisc", "", "Ctrl+T"},
    {"ToMain", "กลับหน้าหลัก", "Ctrl+Alt+M"},
};

constexpr MenuEntry kSeparator{};

// The dial's entries, MnIndex's in the main menu and the head of the dial's pop-up: a row a
// main entry and its pop-up twin's name, and the twin's caption where it differs.
struct DialEntry {
    MenuEntry main;
    const char* popupName = nullptr;
    const char* popupCaption = nullptr;
};
constexpr DialEntry kDialEntries[] = {
    {{.name = "MnIndexCancer", .caption = "จักรราศี(จุดกรกฎ)", .horoscopeFirst = true}, "Pop1Cancer"},
    {{.name = "MnIndexHouse", .caption = "เรือนชะตาปัจจัยต่าง ๆ"}, "Pop1House"},
    {{.name = "MnIndexMidpoint", .caption = "ปัจจัย/ศูนย์รังสี"}, "Pop1Mid"},
    {{.name = "MnIndexSens", .caption = "จุดอิทธิพล A,B,C"}, "Pop1Sens", "จุดอิทธิพล  A,B,C"},
    {{.name = "MnMcDay", .caption = "เมอริเดียนประจำวัน"}, "Pop1MC"},
    {{.name = "MnIndexUser", .caption = "จุดกำหนดเอง"}, "Pop1User"},
    {kSeparator},
    {{.name = "MnShowTool", .action = "DiscTool"}, "Pop1DiskTool"},
    {{.name = "MnMidPointTool", .action = "MidPointTool", .checkable = true}, "Pop1MidpointTool"},
    {kSeparator},
};

} // namespace

// ---------------------------------------------------------------- the command table

void TMainForm::BuildCommands()
{
    FCommands = {
        // The natal and the transit chart.
        {"NewNatal", [this] { CastNatalChart(); }},
        {"OldNatal", [this] { FindChart(true); }},
        {"OwnerChart", [this] { CastOwnerChart(); }},
        {"MnReloc1", [this] { RelocateChart(true); }},
        {"MnChangeNatal", [this] { OpenStepForm(true); }},
        {"SaveNatal", [this] { SaveChart(true); }},
        {"NewTransit", [this] { CastTransitChart(); }},
        {"OldTransit", [this] { FindChart(false); }},
        {"MnRtChart", [this] { StartRealTimeTransit(); }},
        {"MnSolar", [this] { CastSolarReturn(); }},
        {"MnSunIngress", [this] { CastSunIngress(); }},
        {"MnMoonPhase", [this] { CastMoonPhase(); }},
        {"MnReloc2", [this] { RelocateChart(false); }},
        {"MnChangeTransit", [this] { OpenStepForm(false); }},
        {"SaveTransit", [this] { SaveChart(false); }},
        // The calculation dials, the dial tools and the dial's switches.
        {"MnIndexCancer", [this] { ChooseZodiacIndex(); }},
        {"MnIndexHouse", [this] { RunIndexDial(nemra::ui::ChooseHouseIndex); }},
        {"MnIndexMidpoint", [this] { RunIndexDial(nemra::ui::ChooseMidpointIndex); }},
        {"MnIndexSens", [this] { RunIndexDial(nemra::ui::ChooseSensitiveIndex); }},
        {"MnMcDay", [this] { ChooseDailyMeridianIndex(); }},
        {"MnIndexUser", [this] { RunIndexDial(nemra::ui::ChooseUserIndex); }},
        {"DiscTool", [this] { OpenDialTool(); }},
        {"ToggleHouseLine", [this] { ApplyDialRefresh(nemra::ToggleHouseLines(FSession)); }},
        {"ToggleDisc", [this] { ApplyDialRefresh(nemra::ToggleDialType(FSession)); }},
        {"ToMain", [this] { ShowHoroscopePage(); }},
        // The reports.
        {"Send_Report", [this] { ReportOnIndex(); }},
        {"MnReportMid", [this] { nemra::ui::ReportMidpointLoop(this, FSession, RunDialogFunction(), IndexChanged()); }},
        {"MnReportSen",
         [this] { nemra::ui::ReportSensitiveLoop(this, FSession, RunDialogFunction(), IndexChanged()); }},
        {"MnReportMc", [this] { nemra::ui::ReportDailyMeridian(this, FSession, RunDialogFunction(), IndexChanged()); }},
        {"MnReportUser",
         [this] { nemra::ui::ReportUserPointLoop(this, FSession, RunDialogFunction(), IndexChanged()); }},
        {"MnBriefReport", [this] { ShowAspectList(); }},
        {"MnSeeHouse", [this] { ShowHouseReports(); }},
        {"MnSeeRasi", [this] { nemra::ui::ShowSignReport(this, FSession, RunDialogFunction()); }},
        {"MnSolARep", [this] { ShowSolarArcTable(); }},
        {"MnGraphEphemeris", [this] { ShowGraphEphemeris(); }},
        {"MnTimingList", [this] { ShowTimingList(); }},
        // The formula book and the astronomical data.
        {"See_Book1", [this] { OpenBook(1, false); }},
        {"See_Book2", [this] { OpenBook(2, false); }},
        {"MnEditBook", [this] { OpenBook(1, true); }},
        {"MnAstronomy", [this] { ShowAstronomy(); }},
        // Export and printing.
        {"CopyClipboard", [this] { CopyDialToClipboard(); }},
        {"MnSaveBmp", [this] { SaveDialBitmap(); }},
        {"MnSompusFile", [this] { ExportPositionsText(); }},
        {"MnPrintChart", [this] { PrintPages(PageKind::Chart); }},
        {"MnPrintDisc12", [this] { PrintPages(PageKind::Disc12); }},
        {"MnPrintDisc15", [this] { PrintPages(PageKind::Disc15); }},
        {"MnPrintSompus", [this] { PrintPages(PageKind::Positions); }},
        {"MnPrintSetup", [this] { OpenPageSetup(); }},
        // The chart library, the city list, the settings, the program.
        {"Correct", [this] { EditCharts(); }},
        {"MnCorrectCity", [this] { EditCityList(); }},
        {"MnTrueNode", [this] { ToggleTrueNode(); }},
        {"MnDateTime", [this] { OpenDateTimeSettings(); }},
        {"MnPlaceSettings", [this] { OpenPlaceSettings(); }},
        {"MnMiscSettings", [this] { OpenMiscSettings(); }},
        {"AboutM", [this] { ShowAbout(); }},
        {"NemraExit", [this] { close(); }},
    };
    // The dial's choices, one command a value, named like the main entry.
    for (const MenuChoice& mode : nemra::ui::kDisplayModeChoices)
        FCommands[mode.mainName] = [this, mode = mode.value] {
            // A checkable item unchecks itself when clicked again: set the checks anew
            // either way, redraw only on a change.
            const bool changed = mode != FSession.FDisplayMode;
            SetDisplayMode(mode);
            if (changed)
                DrawChart();
        };
    for (const MenuChoice& c : nemra::ui::kContraciaChoices)
        FCommands[c.mainName] = [this, value = c.value] { SetMaxContracia(value); };
    for (const MenuChoice& c : nemra::ui::kAxisChoices)
        FCommands[c.mainName] = [this, axis = c.value] { SetAxis(axis); };
    for (const MenuChoice& c : nemra::ui::kDialTypeChoices)
        FCommands[c.mainName] = [this, type = c.value] { SetDialType(type); };
}

const TMainForm::Handler& TMainForm::Command(std::string_view id) const
{
    const auto found = FCommands.find(id);
    if (found == FCommands.end())
        qFatal("no command %.*s", static_cast<int>(id.size()), id.data());
    return found->second;
}

// ---------------------------------------------------------------- actions and entries

QAction* TMainForm::MakeAction(const char* name, const QString& caption, const QKeySequence& shortcut, Handler handler)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    if (handler)
        connect(action, &QAction::triggered, this, std::move(handler));
    else
        action->setEnabled(false);
    addAction(action);
    FItems[name] = action;
    return action;
}

void TMainForm::BuildActions()
{
    for (const WindowAction& a : kWindowActions) {
        const auto command = FCommands.find(std::string_view(a.name));
        MakeAction(a.name, QString::fromUtf8(a.caption), QKeySequence(QString::fromLatin1(a.keys)),
                   command == FCommands.end() ? Handler() : command->second);
    }
}

QAction* TMainForm::AddEntry(QMenu* menu, const MenuEntry& entry)
{
    QAction* const shared = entry.action ? item(entry.action) : nullptr;
    if (entry.action && shared == nullptr)
        qFatal("no action %s for the entry %s", entry.action, entry.name);
    const char* const command = entry.command ? entry.command : entry.name;
    QString caption;
    if (entry.caption)
        caption = QString::fromUtf8(entry.caption);
    else if (shared)
        caption = shared->text();
    else if (const QAction* twin = item(command))
        caption = twin->text();
    else
        qFatal("the entry %s has no caption", entry.name);
    // The pop-up menus (children of the window) leave the shortcut out.
    if (shared && !shared->shortcut().isEmpty() && menu->parent() != this)
        caption += "\t" + shared->shortcut().toString(QKeySequence::NativeText);

    auto* action = menu->addAction(caption);
    action->setObjectName(entry.name);
    action->setCheckable(entry.checkable);
    if (shared) {
        connect(action, &QAction::triggered, shared, &QAction::trigger);
        action->setEnabled(shared->isEnabled());
    } else if (entry.horoscopeFirst) {
        connect(action, &QAction::triggered, this, [this, run = Command(command)] {
            ShowHoroscopePage();
            run();
        });
    } else {
        connect(action, &QAction::triggered, this, Command(command));
    }
    FItems[entry.name] = action;
    return action;
}

void TMainForm::AddEntries(QMenu* menu, std::initializer_list<MenuEntry> entries)
{
    for (const MenuEntry& entry : entries) {
        if (entry.name == nullptr)
            menu->addSeparator();
        else
            AddEntry(menu, entry);
    }
}

QMenu* TMainForm::AddSubMenu(QMenu* parent, const char* name, const QString& caption)
{
    QMenu* menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    FMenus[name] = menu;
    FItems[name] = menu->menuAction();
    return menu;
}

void TMainForm::CheckChoice(std::span<const MenuChoice> choices, int value)
{
    for (const MenuChoice& c : choices)
        SetChecked({c.mainName, c.popupName}, c.value == value);
}

// The dial's entries (kDialEntries), its submenus and the house lines, the same in the main
// menu and in the dial's pop-up.
void TMainForm::AddDialEntries(QMenu* menu, bool popup)
{
    for (const DialEntry& e : kDialEntries)
        AddEntries(menu, {popup && e.main.name ? MenuEntry{.name = e.popupName,
                                                           .caption = e.popupCaption,
                                                           .command = e.main.name,
                                                           .action = e.main.action,
                                                           .checkable = e.main.checkable}
                                               : e.main});
    const struct {
        const char* mainName;
        const char* popupName;
        const char* caption;
        std::span<const MenuChoice> choices;
    } kSubMenus[] = {
        {"MnDialType", "Pop1DialType", "ชนิดจานหมุน", nemra::ui::kDialTypeChoices},
        {"MnHideShowChart", "Pop1HideShowChart", "ซ่อน/แสดงดวง", nemra::ui::kDisplayModeChoices},
        {"MnShowCon", "Pop1Contracia", "แสดงจุดสะท้อน", nemra::ui::kContraciaChoices},
        {"MnReflect", "Pop1Reflect", "แกนจุดสะท้อน", nemra::ui::kAxisChoices},
    };
    for (const auto& sub : kSubMenus) {
        QMenu* subMenu = AddSubMenu(menu, popup ? sub.popupName : sub.mainName, QString::fromUtf8(sub.caption));
        for (const MenuChoice& c : sub.choices)
            AddEntry(subMenu, {.name = popup ? c.popupName : c.mainName,
                               .caption = c.caption,
                               .command = c.mainName,
                               .checkable = true});
    }
    AddEntry(menu, {.name = popup ? "Pop1HouseLine" : "MnHouseLine", .action = "ToggleHouseLine", .checkable = true});
}

// ---------------------------------------------------------------- the menus

void TMainForm::BuildMainMenu()
{
    AddEntries(AddSubMenu(nullptr, "Chart", QStringLiteral("&1 ดวงกำเนิด")),
               {{.name = "NewNatal", .caption = "ผูกดวงใหม่"},
                {.name = "OldNatal", .caption = "หาดวงจากไฟล์"},
                {.name = "MnOwnerChart", .action = "OwnerChart"},
                {.name = "MnReloc1", .caption = "เปลี่ยนสถานที่"},
                {.name = "MnChangeNatal", .caption = "เพิ่ม/ลดวันเวลา"},
                {.name = "SaveNatal", .caption = "บันทึกลงไฟล์"},
                kSeparator,
                {.name = "Exit1", .caption = "E&xit", .command = "NemraExit"}});

    AddEntries(AddSubMenu(nullptr, "Transit", QStringLiteral("&2 ดวงจร")),
               {{.name = "NewTransit", .caption = "ผูกดวงจรใหม่"},
                {.name = "OldTransit", .caption = "หาดวงจรจากไฟล์"},
                {.name = "MnRtChart", .caption = "ดวงจรตามเวลาจริง"},
                kSeparator,
                {.name = "MnSolar", .caption = "ดวงทินวรรษ"},
                {.name = "MnSunIngress", .caption = "อาทิตย์ยกราศี"},
                {.name = "MnMoonPhase", .caption = "ดวงจันทร์เพ็ญจันทร์ดับ"},
                kSeparator,
                {.name = "MnReloc2", .caption = "เปลี่ยนสถานที่"},
                {.name = "MnChangeTransit", .caption = "เพิ่ม/ลดวันเวลา"},
                {.name = "SaveTransit", .caption = "บันทึกลงไฟล์"}});

    AddDialEntries(AddSubMenu(nullptr, "MnIndex", QStringLiteral("&3 ตั้งค่าจานคำนวณ")), false);

    AddEntries(AddSubMenu(nullptr, "MnReport", QStringLiteral("&4 รายงานต่างๆ")),
               {{.name = "MnReportIndex", .action = "Send_Report"},
                kSeparator,
                {.name = "MnReportMid", .caption = "ปัจจัย/ศูนย์รังสี"},
                {.name = "MnReportSen", .caption = "จุดอิทธิพล A,B,C"},
                {.name = "MnReportMc", .caption = "เมอริเดียนประจำวัน"},
                {.name = "MnReportUser", .caption = "จุดกำหนดเอง"},
                kSeparator,
                {.name = "MnBriefReport", .caption = "รายการทำมุมปัจจัยเดี่ยว"},
                kSeparator,
                {.name = "MnSeeHouse", .caption = "ปัจจัยในเรือนชะตา"},
                {.name = "MnSeeRasi", .caption = "ปัจจัยในราศี"},
                kSeparator,
                {.name = "MnSolARep", .caption = "โค้งสุริยยาตร์ 100 ปี"},
                kSeparator,
                {.name = "MnGraphEphemeris", .caption = "กราฟปฏิทินดาว"},
                {.name = "MnTimingList", .caption = "ตารางวันเวลาจุดกระทบ"}});

    AddEntries(AddSubMenu(nullptr, "MnRasiHouse", QStringLiteral("&5 ข้อมูลประกอบ")),
               {{.name = "MnSeeBook1", .action = "See_Book1"},
                {.name = "MnSeeBook2", .action = "See_Book2"},
                {.name = "MnEditBook", .caption = "แก้ไขสูตรพระเคราะห์/เรือนชะตา"},
                {.name = "MnAstronomy", .caption = "ข้อมูลดาราศาสตร์"}});

    AddEntries(AddSubMenu(nullptr, "MnExport", QStringLiteral("&6 พิมพ์/ส่งข้อมูล")),
               {{.name = "MnClipboard1", .action = "CopyClipboard"},
                {.name = "MnSaveBmp", .caption = "บันทึกภาพดวงลงไฟล์", .horoscopeFirst = true},
                {.name = "MnSompusFile", .caption = "บันทึกสมผุสลง Text File", .horoscopeFirst = true},
                kSeparator,
                {.name = "MnPrintChart", .caption = "พิมพ์ภาพดวง"},
                {.name = "MnPrintDisc12", .caption = "พิมพ์ดวงประกอบจานหมุน (12 cm)"},
                {.name = "MnPrintDisc15", .caption = "พิมพ์ดวงประกอบจานหมุน (15 cm)"},
                {.name = "MnPrintSompus", .caption = "พิมพ์สมผุสดวง"},
                {.name = "MnPrintSetup", .caption = "ปรับเครื่องพิมพ์"}});

    QMenu* manage = AddSubMenu(nullptr, "Manage", QStringLiteral("&7 จัดการไฟล์/อื่น ๆ"));
    AddEntries(manage, {{.name = "Correct", .caption = "แก้ไข/ลบข้อมูลดวงชะตา"},
                        {.name = "MnCorrectCity", .caption = "แก้ไขข้อมูลจังหวัด/เมือง"},
                        kSeparator,
                        {.name = "MnTrueNode", .caption = "ใช้ราหูจริงแทนราหูเฉลี่ย", .checkable = true},
                        {.name = "MnDateTime", .caption = "ตั้งวัน/เวลา"},
                        kSeparator});
    AddEntries(
        AddSubMenu(manage, "MnSaveSettings", QStringLiteral("บันทึกค่าตัวเลือก")),
        {{.name = "MnPlaceSettings", .caption = "สถานที่ผูกดวง"}, {.name = "MnMiscSettings", .caption = "ตัวเลือกอื่นๆ"}});
    AddEntries(manage, {kSeparator, {.name = "AboutM", .caption = "About"}});
}

// The pop-up twins of main entries name the main entry's command, and give a caption only
// where theirs differs; the dial's twins stand in kDialEntries.
void TMainForm::BuildPopupMenus()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    AddDialEntries(PopupMenu1, true);
    AddEntries(PopupMenu1, {kSeparator,
                            {.name = "Pop1Clip", .action = "CopyClipboard"},
                            {.name = "Pop1SaveBmp", .caption = "บันทึกภาพลงไฟล์", .command = "MnSaveBmp"},
                            kSeparator,
                            {.name = "Pop1Print", .command = "MnPrintChart"},
                            {.name = "Pop1PrintDisc12", .command = "MnPrintDisc12"},
                            {.name = "Pop1PrintDisc15", .command = "MnPrintDisc15"},
                            kSeparator,
                            {.name = "Pop1Report", .caption = "รายงานการทำมุม", .command = "Send_Report"}});
    ChartArea->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ChartArea, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(ChartArea->mapToGlobal(at)); });

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName("PopupMenu2");
    AddEntries(PopupMenu2, {{.name = "Pop2NewNatal", .caption = "ผูกดวงกำเนิดใหม่", .command = "NewNatal"},
                            {.name = "Pop2OldNatal", .caption = "หาดวงกำเนิดจากไฟล์", .command = "OldNatal"},
                            {.name = "Pop2OwnerChart", .action = "OwnerChart"},
                            kSeparator,
                            {.name = "Pop2NewTransit", .command = "NewTransit"},
                            {.name = "Pop2OldTransit", .command = "OldTransit"},
                            kSeparator,
                            {.name = "Pop2Text", .caption = "บันทึกสมผุสลงไฟล์", .command = "MnSompusFile"},
                            {.name = "Pop2Print", .caption = "พิมพ์สมผุส", .command = "MnPrintSompus"}});
    connect(StringGrid1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu2->popup(StringGrid1->viewport()->mapToGlobal(at)); });
}

QAction* TMainForm::item(const QString& name) const
{
    const auto it = FItems.find(name);
    return it == FItems.end() ? nullptr : it->second;
}

void TMainForm::SetChecked(std::initializer_list<const char*> names, bool checked)
{
    for (const char* name : names)
        if (QAction* action = item(name))
            action->setChecked(checked);
}
