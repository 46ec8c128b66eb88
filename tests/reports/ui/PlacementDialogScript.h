// A placement report dialog with its save question and message box scripted, and the
// charts the tests cast.
#pragma once

#include "core/ThaiText.h"
#include "mainwin/model/Session.h"

#include "tests/support/Cp874Lines.h"

#include <QMessageBox>
#include <QRadioButton>
#include <QTreeWidget>

#include <fstream>
#include <sstream>

// A session with the natal chart (5 December 1997) and/or the transit chart cast.
inline nemra::MainSession TestSession(bool natal, bool transit)
{
    nemra::TChartInput in;
    in.TimeZone = "7.00H";
    in.Latitude = "13.45N";
    in.Longitude = "100.30E";
    nemra::MainSession s;
    if (natal) {
        in.Date = "05/12/2540";
        in.Time = "9.30";
        nemra::CastNatal(s, in);
    }
    if (transit) {
        in.Date = "07/12/2569";
        in.Time = "9.05.07";
        nemra::CastTransit(s, in);
    }
    return s;
}

template <class Dialog> class Scripted : public Dialog {
  public:
    using Dialog::Dialog;
    QString fileName;
    QString askedTitle;
    QList<QPair<QMessageBox::Icon, QString>> messages;

    QString AskSaveFileName(const QString& title, const QString&, const QString&) override
    {
        askedTitle = title;
        return fileName;
    }
    void ShowMessage(QMessageBox::Icon icon, const QString& text) override { messages.append({icon, text}); }

    QTreeWidget* tree() const { return this->template findChild<QTreeWidget*>("Outline1"); }
    QRadioButton* item(int i) const
    {
        return this->template findChild<QRadioButton*>(QStringLiteral("RadioGroup1Item%1").arg(i));
    }

    // The outline as lines: each item's text after one tab per level below the first.
    QStringList outlineLines() const
    {
        QStringList lines;
        for (int i = 0; i < tree()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* top = tree()->topLevelItem(i);
            lines << top->text(0);
            for (int c = 0; c < top->childCount(); ++c)
                lines << "\t" + top->child(c)->text(0);
        }
        return lines;
    }
    QStringList factorLines() const { return outlineLines().filter(QRegularExpression("^\t")); }
};

inline QStringList SavedLines(const QString& path)
{
    return nemra::test::Cp874Lines(path);
}
