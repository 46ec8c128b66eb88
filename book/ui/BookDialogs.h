// The formula book's windows: the browser of one book with search as you type (read-only),
// the editor of both books (add, edit, delete, import, export) and the dialog of one entry.
// They work on the chart library's store the main window opens.
#pragma once

#include "library/model/ChartStore.h"
#include "ui/common/RunDialog.h"

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTextBrowser;

// One entry: its key and text. OK only with a well-formed key of the book and a text.
class TBookEntryDialog : public QDialog {
    Q_OBJECT
  public:
    TBookEntryDialog(nemra::BookKind book, const nemra::BookEntry& entry, QWidget* parent = nullptr);
    // The entry as typed, its key normalised; nothing when the key or text is refused (the
    // reason shows in the dialog).
    std::optional<nemra::BookEntry> TypedEntry();
    void accept() override;

  private:
    nemra::BookKind FBook;
    QLineEdit* EntryKey = nullptr;
    QPlainTextEdit* EntryText = nullptr;
    QLabel* EntryError = nullptr;
};

class TBookBrowser : public QDialog {
    Q_OBJECT
  public:
    // `titles`: the two books' names (pictures, houses). With `editing` the window offers
    // both books and the commands that change them.
    TBookBrowser(nemra::ChartStore& store, nemra::BookKind book, bool editing, const std::array<QString, 2>& titles,
                 QWidget* parent = nullptr);

    // Seams for tests: the entry and question dialogs, and the file names of import/export.
    nemra::ui::RunDialogFn runDialog = [](QDialog& d) { return d.exec(); };
    std::function<QString(bool save)> askFile;

    nemra::BookKind book() const { return FBook; }
    const std::vector<nemra::BookEntry>& shown() const { return FShown; }

    void ChooseBook(nemra::BookKind book);
    void Reload();
    void AddEntry();
    void EditEntry();
    void DeleteEntry();
    void ImportFile();
    void ExportFile();

  private:
    void Filter();
    void ShowCurrent();
    void Say(const QString& text);
    bool Store(const nemra::BookEntry& entry, const std::string& replacedKey);

    nemra::ChartStore& FStore;
    nemra::BookKind FBook;
    bool FEditing;
    std::vector<nemra::BookEntry> FAll;
    std::vector<nemra::BookEntry> FShown;
    QComboBox* BookChoice = nullptr;
    QLineEdit* BookSearch = nullptr;
    QListWidget* BookList = nullptr;
    QTextBrowser* BookText = nullptr;
    QLabel* BookMessage = nullptr;
};
