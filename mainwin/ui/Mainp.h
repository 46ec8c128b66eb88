// Mainp: the main window (TMainForm): the dial, the side labels, the position grid, the
// main menu and the two pop-up menus. It shows the session's state and forwards the
// user's commands to the session's operations.
#pragma once

#include "core/Clock.h"
#include "dialtools/model/MidpointFinder.h"
#include "mainwin/model/DialInteraction.h"
#include "mainwin/model/Session.h"
#include "mainwin/model/Settings.h"
#include "ui/common/RunDialog.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QPageLayout>
#include <QPointer>
#include <QSize>
#include <QString>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QActionGroup;
class QComboBox;
class QDialog;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabBar;
class QTabWidget;
class QTableWidget;
class QTimer;
class TChartArea;
class TChartDialog;
class TDialTool;
class TDialMouse;
class TFReport;
class TStepForm;

namespace nemra {
class ChartStore;
struct TimelineSettings;
} // namespace nemra

namespace nemra {
struct HitPoint;
enum class BookKind;
} // namespace nemra

namespace nemra::ui {
struct MenuChoice;
struct MenuEntry;
} // namespace nemra::ui

namespace nemra::print {
class PrintDocument;
enum class PageKind;
} // namespace nemra::print

class TMainForm : public QMainWindow {
    Q_OBJECT
  public:
    // `settingsFolder`: where Nemra06.INI is looked for (the working directory by default).
    explicit TMainForm(nemra::Clock clock = nemra::SystemNow, const QString& settingsFolder = QString(),
                       QWidget* parent = nullptr);
    ~TMainForm() override;

    nemra::MainSession& session() { return FSession; }
    const nemra::MainSession& session() const { return FSession; }

    // Seams for tests: every modal dialog and every file-name question goes through these.
    virtual int RunDialog(QDialog& dialog);
    virtual QString AskSaveFileName(const QString& title, const QString& filter, const QString& defaultSuffix);

    // Menu item, action or widget by its design name (nullptr when there is none).
    QAction* item(const QString& name) const;

    void UpdateCommandState();
    void DrawChart();

    // Start-up on a screen of `screen` pixels: below 800 x 600 the program cannot be used; the
    // user is told, and the program ends once its event loop runs, without the close
    // question. False in that case.
    bool CheckScreenSize(QSize screen);

    // Casting flows.
    void CastNatalChart();
    void CastTransitChart();
    void CastOwnerChart();
    void CastTransitNow();
    void ComputeArcs();
    // The one casting flow every chart goes through once its texts are known (typed in the
    // input dialog, found in the chart library, made from another chart): the texts become
    // the chart input, the chart is cast as the natal or the transit chart, and the grid,
    // labels, dial and command state follow.
    void CastChart(bool natal, const nemra::TChartInput& input);

    // The chart library: save the natal or transit chart's texts, find a stored chart and
    // cast it, edit and delete stored charts.
    void SaveChart(bool natal);
    void FindChart(bool natal);
    void EditCharts();

    // Charts made from charts, each cast through CastChart: the natal or transit chart at
    // another place, stepped in time (a tool window beside the main window), the solar
    // return, the Sun's ingress and the new and full moons (as the transit chart).
    void RelocateChart(bool natal);
    void OpenStepForm(bool natal);
    void CastSolarReturn();
    void CastSunIngress();
    void CastMoonPhase();

    // Settings written to the settings file, the city list and the astronomical data.
    void OpenPlaceSettings();
    void OpenMiscSettings();
    void EditCityList();
    void ShowAstronomy();

    // The graphic ephemeris and the timing list of the natal chart; a date clicked in the
    // graph is cast as the transit chart at the transit chart's place.
    void ShowGraphEphemeris();
    void ShowTimingList();
    void CastTransitAtJulianDay(double jdUT);

    void SetDisplayMode(int mode);
    void SetMaxContracia(int value);
    void SetAxis(int axis);
    void SetDialType(int type);
    void ApplyDialRefresh(const nemra::DialRefresh& refresh);
    void ToggleTrueNode();
    void ShowAbout();

    // Export.
    void ExportPositionsText();
    void CopyDialToClipboard();
    void SaveDialBitmap();

    // Printing: the preview of the pages of a kind or of the hit-point report; the page
    // setup, held for the session.
    void PrintPages(nemra::print::PageKind kind);
    void PrintHitReport(const TFReport& report);
    void OpenPageSetup();
    const QPageLayout& pageLayout() const { return FPageLayout; }
    // Seam for tests: the print preview of a document, from which the user prints or saves
    // a PDF.
    virtual void RunPrintPreview(const nemra::print::PrintDocument& document);

    // Live transit.
    void StartRealTimeTransit();
    void Timer1Timer();
    void StopRealTimeTransit();
    void OpenDateTimeSettings();
    bool RealTimeRunning() const;

    // Calculation dials: each sets the dial index, then the dial is redrawn.
    using IndexDial = std::function<bool(QWidget*, nemra::MainSession&, const nemra::ui::RunDialogFn&)>;
    bool RunIndexDial(const IndexDial& dial);
    void ChooseZodiacIndex();
    void ChooseDailyMeridianIndex();

    // Dial tools: the turning tool's window and the midpoint finder (on while MidPointTool
    // is checked).
    void OpenDialTool();
    void SetMidpointFinder(bool on);
    TDialTool* dialTool() const { return FDialTool; }

    // The formula book: the browser of one book (1 pictures, 2 houses) or the editor of both.
    void OpenBook(int book, bool editing);
    const std::vector<nemra::FinderPair>& finderPairs() const { return FFinderPairs; }

    // Reports.
    void ShowAspectList();
    void ShowSolarArcTable();
    void ReportOnIndex();
    void ShowHouseReports();

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    // The chart-input dialog for a new chart; true when it ended with OK and GChartInput
    // holds the chart.
    virtual bool RunChartInputDialog();
    // The place dialog of the live transit; true when it ended with OK and GChartInput holds
    // the place.
    virtual bool RunPlaceDialog();
    // Starts a program without waiting for it; false when it could not be started.
    virtual bool StartDetached(const QString& program, const QStringList& arguments);
    // Folders where the program's data files (the city list) are looked for.
    static std::vector<std::filesystem::path> DataDirs();

  private:
    using Handler = std::function<void()>;

    void BuildLayout();
    // The command table: every command of the menus and of the window actions, by its id
    // (the main entry's or the action's name); Command fails loudly on an unknown id.
    void BuildCommands();
    const Handler& Command(std::string_view id) const;
    void BuildActions();
    void BuildMainMenu();
    void BuildPopupMenus();
    void BuildDialToolCommands();
    void UpdateDialToolState();
    // The book's texts for the hit-point report's rows, read once from the library.
    std::function<std::string(const nemra::HitPoint&, const nemra::HitPoint&)> HitBookLookup();
    std::function<std::string(int, int)> HouseBookLookup();
    std::shared_ptr<const std::map<std::string, std::string>> BookTexts(nemra::BookKind book);
    QAction* AddEntry(QMenu* menu, const nemra::ui::MenuEntry& entry);
    void AddEntries(QMenu* menu, std::initializer_list<nemra::ui::MenuEntry> entries);
    QMenu* AddSubMenu(QMenu* parent, const char* name, const QString& caption);
    QAction* MakeAction(const char* name, const QString& caption, const QKeySequence& shortcut, Handler handler);
    // The calculation dials, the dial tools, the dial type, display mode, reflection and axis
    // submenus and the house-line entry: MnIndex, or the head of the dial's pop-up.
    void AddDialEntries(QMenu* menu, bool popup);

    void SetChecked(std::initializer_list<const char*> names, bool checked);
    // Checks the choice of `value`, in the main menu and the pop-up, and unchecks the others.
    void CheckChoice(std::span<const nemra::ui::MenuChoice> choices, int value);
    void UpdateContraciaMenus();
    void UpdateDialTypeControls();
    void FillGridHeadings();
    void FillNatalLabels();
    void FillTransitLabels();
    void FillNatalColumn();
    void FillV1Column();
    void FillTransitColumn();
    void FillColumn(int column);
    void AfterCast(bool natal);
    void ShowHoroscopePage();
    void CentreOnScreen();
    void ShowIndexChange();
    nemra::ui::RunDialogFn RunDialogFunction();
    std::function<void()> IndexChanged();
    void SetHints(bool on);
    void ShowMessage(QMessageBox::Icon icon, const QString& text);
    void ShowSaveFailure(const QString& path, const QString& reason);
    void ShowSettingsNotice(const QString& text);
    void SavePrintPdf(const nemra::print::PrintDocument& document, const QPageLayout& layout);
    nemra::LocalDateTime PrintedAt() const;
    // The chart library, opened at its first use; null (the user told why) when it cannot be
    // opened. The program works on without it.
    nemra::ChartStore* ChartLibrary();
    bool RunChartDialog(TChartDialog& dialog, bool natal);
    void ApplyMiscSettings(const nemra::StartSettings& settings);
    nemra::TimelineSettings TimelineStart() const;
    const nemra::TChartRecord& ChartOf(bool natal) const;

    nemra::MainSession FSession;
    nemra::Clock FClock;
    QString FIniPath;
    bool FAboutShown = false;
    bool FEnding = false; // the program ends without asking (a screen too small)
    QPageLayout FPageLayout;
    nemra::StartSettings FSettings; // the settings in force, as read and as last written
    std::unique_ptr<nemra::ChartStore> FChartStore;
    QPointer<TStepForm> FStepForms[2]; // the transit [0] and natal [1] charts' step windows

    QTabWidget* Notebook1 = nullptr;
    TChartArea* ChartArea = nullptr;
    std::map<QString, QLabel*> FLabels;
    QTableWidget* StringGrid1 = nullptr;
    QTabBar* TabSet1 = nullptr;
    QComboBox* ChooseChartList = nullptr;
    QRadioButton* FDial360Button = nullptr;
    QRadioButton* FDial90Button = nullptr;
    QComboBox* ReflectSelectList = nullptr;
    QPushButton* StopBtn = nullptr;
    QTimer* Timer1 = nullptr;
    TDialMouse* FDialMouse = nullptr;
    QString FChartAreaHint;
    QMenu* PopupMenu1 = nullptr;
    QMenu* PopupMenu2 = nullptr;
    std::map<QString, QAction*> FItems;
    std::map<std::string, Handler, std::less<>> FCommands;
    std::map<QString, QMenu*> FMenus;
    TDialTool* FDialTool = nullptr;
    std::vector<nemra::FinderPair> FFinderPairs; // the finder's pairs of the last repaint
};
