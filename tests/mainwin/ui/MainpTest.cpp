#include "Mainp.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QtTest>

class MainpTest : public QObject {
    Q_OBJECT
  private slots:
    void startsWithTheOwnerChartCast()
    {
        TMainForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("โหราศาสตร์ยูเรเนียน"));
        QVERIFY(form.natal().Computed);
        const auto* list = form.findChild<QPlainTextEdit*>("PositionList");
        QVERIFY(list != nullptr);
        QVERIFY(list->toPlainText().contains(QStringLiteral("อาทิตย์")));
        QVERIFY(list->toPlainText().contains(QStringLiteral("โพไซดอน")));
    }
};

QTEST_MAIN(MainpTest)
#include "MainpTest.moc"
