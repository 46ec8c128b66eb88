// The main window's formula book: the browsers of the two books (See_Book1, See_Book2), the
// editor (MnEditBook) and the book's texts in the hit-point report. The book lives in the
// chart library's database file.
#include "mainwin/ui/Mainp.h"

#include "book/ui/BookDialogs.h"
#include "reports/model/HitSearch.h"

#include "library/model/ChartStore.h"
#include "library/model/FormulaBook.h"

#include <QAction>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

namespace {

std::filesystem::path LibraryFile()
{
    return nemra::ChartDatabasePath(std::nullopt, [](const char* name) { return std::getenv(name); });
}

} // namespace

void TMainForm::OpenBook(int book, bool editing)
{
    // Reading a book never creates the library file; the editor does.
    const std::filesystem::path file = LibraryFile();
    std::error_code ec;
    if (!editing && !std::filesystem::exists(file, ec)) {
        ShowMessage(QMessageBox::Information,
                    QStringLiteral("ยังไม่มีสูตร เพิ่มสูตรได้ที่เมนู \"%1\"").arg(item("MnEditBook")->text()));
        return;
    }
    auto store = nemra::ChartStore::Open(file);
    if (!store) {
        ShowMessage(QMessageBox::Warning, QString::fromStdString(store.fault().reason));
        return;
    }
    const std::array<QString, 2> titles = {item("See_Book1")->text(), item("See_Book2")->text()};
    TBookBrowser browser(*store, book == 2 ? nemra::BookKind::Houses : nemra::BookKind::Pictures, editing, titles,
                         this);
    if (editing) {
        browser.setWindowTitle(item("MnEditBook")->text());
        browser.runDialog = [this](QDialog& dialog) { return RunDialog(dialog); };
    }
    RunDialog(browser);
}

std::shared_ptr<const std::map<std::string, std::string>> TMainForm::BookTexts(nemra::BookKind book)
{
    // The book read once for a report; an unreadable or missing library gives no texts.
    auto texts = std::make_shared<std::map<std::string, std::string>>();
    std::error_code ec;
    if (const std::filesystem::path file = LibraryFile(); std::filesystem::exists(file, ec))
        if (auto store = nemra::ChartStore::Open(file))
            if (auto entries = store->BookEntries(book))
                for (nemra::BookEntry& entry : *entries)
                    (*texts)[entry.key] = std::move(entry.text);
    return texts;
}

std::function<std::string(const nemra::HitPoint&, const nemra::HitPoint&)> TMainForm::HitBookLookup()
{
    return [texts = BookTexts(nemra::BookKind::Pictures)](const nemra::HitPoint& studied, const nemra::HitPoint& hit) {
        const auto found = texts->find(nemra::HitPictureKey(studied, hit));
        return found == texts->end() ? std::string() : found->second;
    };
}

std::function<std::string(int, int)> TMainForm::HouseBookLookup()
{
    return [texts = BookTexts(nemra::BookKind::Houses)](int factor, int house) {
        const auto found = texts->find(nemra::HouseKey(factor, house));
        return found == texts->end() ? std::string() : found->second;
    };
}
