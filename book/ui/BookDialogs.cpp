#include "book/ui/BookDialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

QString FirstLine(const std::string& text)
{
    const QString all = Q(text);
    return all.left(all.indexOf('\n') < 0 ? all.size() : all.indexOf('\n'));
}

} // namespace

// ---------------------------------------------------------------- one entry

TBookEntryDialog::TBookEntryDialog(nemra::BookKind book, const nemra::BookEntry& entry, QWidget* parent)
    : QDialog(parent)
    , FBook(book)
{
    setObjectName("BookEntry");
    auto* form = new QFormLayout;
    EntryKey = new QLineEdit(Q(entry.key), this);
    EntryKey->setObjectName("EntryKey");
    EntryKey->setPlaceholderText(book == nemra::BookKind::Pictures ? "SU/MO=Ma, SU+MO-Ma ..." : "SU H7");
    form->addRow(QStringLiteral("สูตร"), EntryKey);
    EntryText = new QPlainTextEdit(Q(entry.text), this);
    EntryText->setObjectName("EntryText");
    form->addRow(QStringLiteral("ข้อความ"), EntryText);
    EntryError = new QLabel(this);
    EntryError->setObjectName("EntryError");
    EntryError->setStyleSheet("color: #c00000");
    form->addRow(QString(), EntryError);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("ตกลง"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("ยกเลิก"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TBookEntryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(460, 320);
}

std::optional<nemra::BookEntry> TBookEntryDialog::TypedEntry()
{
    const nemra::BookKeyParse key = nemra::NormaliseBookKey(EntryKey->text().toStdString());
    QString error;
    if (!key.key)
        error = Q(key.error);
    else if (key.key->book != FBook)
        error = FBook == nemra::BookKind::Houses ? QStringLiteral("สูตรเรือนชะตาคือรหัสปัจจัยกับเรือน เช่น SU H7")
                                                 : QStringLiteral("สูตรนี้เป็นสูตรเรือนชะตา");
    else if (EntryText->toPlainText().trimmed().isEmpty())
        error = QStringLiteral("สูตรไม่มีข้อความ");
    EntryError->setText(error);
    if (!error.isEmpty())
        return std::nullopt;
    return nemra::BookEntry{FBook, key.key->key, EntryText->toPlainText().toStdString()};
}

void TBookEntryDialog::accept()
{
    if (TypedEntry())
        QDialog::accept();
}

// ---------------------------------------------------------------- the browser and editor

TBookBrowser::TBookBrowser(nemra::ChartStore& store, nemra::BookKind book, bool editing,
                           const std::array<QString, 2>& titles, QWidget* parent)
    : QDialog(parent)
    , FStore(store)
    , FBook(book)
    , FEditing(editing)
{
    setObjectName(editing ? "BookEditor" : "BookBrowser");
    auto* layout = new QVBoxLayout(this);
    if (editing) {
        BookChoice = new QComboBox(this);
        BookChoice->setObjectName("BookChoice");
        BookChoice->addItems({titles[0], titles[1]});
        BookChoice->setCurrentIndex(book == nemra::BookKind::Pictures ? 0 : 1);
        connect(BookChoice, &QComboBox::currentIndexChanged, this,
                [this](int i) { ChooseBook(i == 1 ? nemra::BookKind::Houses : nemra::BookKind::Pictures); });
        layout->addWidget(BookChoice);
    } else {
        setWindowTitle(titles[book == nemra::BookKind::Pictures ? 0 : 1]);
    }
    BookSearch = new QLineEdit(this);
    BookSearch->setObjectName("BookSearch");
    BookSearch->setPlaceholderText(QStringLiteral("ค้นหาสูตรหรือข้อความ"));
    BookSearch->setClearButtonEnabled(true);
    connect(BookSearch, &QLineEdit::textChanged, this, &TBookBrowser::Filter);
    layout->addWidget(BookSearch);
    auto* body = new QHBoxLayout;
    BookList = new QListWidget(this);
    BookList->setObjectName("BookList");
    connect(BookList, &QListWidget::currentRowChanged, this, &TBookBrowser::ShowCurrent);
    BookText = new QTextBrowser(this);
    BookText->setObjectName("BookText");
    body->addWidget(BookList, 2);
    body->addWidget(BookText, 3);
    layout->addLayout(body, 1);
    BookMessage = new QLabel(this);
    BookMessage->setObjectName("BookMessage");
    BookMessage->setWordWrap(true);
    layout->addWidget(BookMessage);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* name, const QString& caption, void (TBookBrowser::*slot)()) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    };
    if (editing) {
        button("BookAdd", QStringLiteral("เพิ่ม..."), &TBookBrowser::AddEntry);
        button("BookEdit", QStringLiteral("แก้ไข..."), &TBookBrowser::EditEntry);
        button("BookDelete", QStringLiteral("ลบ"), &TBookBrowser::DeleteEntry);
        button("BookImport", QStringLiteral("นำเข้า..."), &TBookBrowser::ImportFile);
        button("BookExport", QStringLiteral("ส่งออก..."), &TBookBrowser::ExportFile);
        connect(BookList, &QListWidget::itemDoubleClicked, this, &TBookBrowser::EditEntry);
    }
    buttons->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("ปิด"), this);
    close->setObjectName("BookClose");
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    askFile = [this](bool save) {
        const QString filter = QStringLiteral("Text File (*.txt);;All File (*.*)");
        return save ? QFileDialog::getSaveFileName(this, QStringLiteral("ส่งออกสูตรลงไฟล์"), QString(), filter)
                    : QFileDialog::getOpenFileName(this, QStringLiteral("นำเข้าสูตรจากไฟล์"), QString(), filter);
    };
    resize(640, 440);
    Reload();
}

void TBookBrowser::ChooseBook(nemra::BookKind book)
{
    FBook = book;
    Reload();
}

void TBookBrowser::Reload()
{
    const auto entries = FStore.BookEntries(FBook);
    FAll = entries ? *entries : std::vector<nemra::BookEntry>{};
    if (!entries)
        Say(Q(entries.fault().reason));
    Filter();
}

void TBookBrowser::Filter()
{
    const std::string search = BookSearch->text().toStdString();
    FShown.clear();
    for (const nemra::BookEntry& e : FAll)
        if (nemra::BookEntryMatches(e, search))
            FShown.push_back(e);
    BookList->clear();
    for (const nemra::BookEntry& e : FShown)
        BookList->addItem(Q(e.key) + "   " + FirstLine(e.text));
    if (!FShown.empty())
        BookList->setCurrentRow(0);
    ShowCurrent();
}

void TBookBrowser::ShowCurrent()
{
    const int row = BookList->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= FShown.size()) {
        BookText->clear();
        return;
    }
    const nemra::BookEntry& e = FShown[static_cast<std::size_t>(row)];
    BookText->setPlainText(Q(e.key) + "\n\n" + Q(e.text));
}

void TBookBrowser::Say(const QString& text)
{
    BookMessage->setText(text);
}

bool TBookBrowser::Store(const nemra::BookEntry& entry, const std::string& replacedKey)
{
    if (auto put = FStore.PutBookEntry(entry); !put) {
        Say(Q(put.fault().reason));
        return false;
    }
    // The entry is stored under its new key; an old key that cannot be removed is said, not hidden.
    QString problem;
    if (!replacedKey.empty() && replacedKey != entry.key)
        if (auto erased = FStore.DeleteBookEntry(FBook, replacedKey); !erased)
            problem = Q(erased.fault().reason);
    Say(problem);
    Reload();
    return true;
}

void TBookBrowser::AddEntry()
{
    TBookEntryDialog dialog(FBook, {}, this);
    if (runDialog(dialog) == QDialog::Accepted)
        if (const auto entry = dialog.TypedEntry())
            Store(*entry, {});
}

void TBookBrowser::EditEntry()
{
    const int row = BookList->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= FShown.size())
        return;
    const nemra::BookEntry old = FShown[static_cast<std::size_t>(row)];
    TBookEntryDialog dialog(FBook, old, this);
    if (runDialog(dialog) == QDialog::Accepted)
        if (const auto entry = dialog.TypedEntry())
            Store(*entry, old.key);
}

void TBookBrowser::DeleteEntry()
{
    const int row = BookList->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= FShown.size())
        return;
    const std::string key = FShown[static_cast<std::size_t>(row)].key;
    QMessageBox ask(QMessageBox::Question, QStringLiteral("โปรดยืนยัน!"),
                    QStringLiteral("ต้องการลบสูตร %1 หรือไม่?").arg(Q(key)), QMessageBox::Yes | QMessageBox::No, this);
    ask.setObjectName("BookDeleteQuestion");
    ask.button(QMessageBox::Yes)->setText(QStringLiteral("ใช่"));
    ask.button(QMessageBox::No)->setText(QStringLiteral("ไม่ใช่"));
    ask.setDefaultButton(QMessageBox::No);
    if (runDialog(ask) != QMessageBox::Yes)
        return;
    if (auto done = FStore.DeleteBookEntry(FBook, key); !done)
        Say(Q(done.fault().reason));
    Reload();
}

void TBookBrowser::ImportFile()
{
    const QString file = askFile(false);
    if (file.isEmpty())
        return;
    const auto report = FStore.ImportBookFile(file.toStdString());
    if (!report) {
        Say(Q(report.fault().reason));
        return;
    }
    QStringList lines;
    lines << QStringLiteral("เพิ่มสูตร %1 สูตร, แทนที่ %2 สูตร, ไม่เปลี่ยนแปลง %3 สูตร")
                 .arg(report->added)
                 .arg(report->replaced)
                 .arg(report->unchanged);
    for (const nemra::BookBlockFault& f : report->faults)
        lines << QStringLiteral("บรรทัด %1: %2").arg(f.line).arg(Q(f.reason));
    Say(lines.join("\n"));
    Reload();
}

void TBookBrowser::ExportFile()
{
    const QString file = askFile(true);
    if (file.isEmpty())
        return;
    const auto written = FStore.ExportBook(file.toStdString());
    Say(written ? QStringLiteral("บันทึกสูตร %1 สูตรลงไฟล์ %2 แล้ว").arg(*written).arg(file) : Q(written.fault().reason));
}
