// The stepping tool window driven offscreen: keys anywhere in it, held keys, the buttons, the
// units, and a refused step at the end of the range.
#include "charts/ui/StepForm.h"

#include "tests/charts/ChartsTestKit.h"
#include "tests/support/Widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

namespace {

nemra::TChartInput Chart(const char* date, const char* time)
{
    return nemra::test::BangkokChart(date, time);
}

using nemra::test::Child;

} // namespace

class StepFormTest : public QObject {
    Q_OBJECT
  private:
    std::vector<nemra::TChartInput> FSteps;

    std::unique_ptr<TStepForm> Open(const nemra::TChartInput& chart)
    {
        FSteps.clear();
        auto form = std::make_unique<TStepForm>(chart, [this](const nemra::TChartInput& c) { FSteps.push_back(c); });
        form->show();
        for (auto* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->objectName().isEmpty())
                qFatal("an unnamed %s", child->metaObject()->className());
        return form;
    }
    static QString Shown(QWidget& form) { return Child<QLineEdit>(form, "DateTimeEdit")->text(); }

  private slots:
    void keysStepOnWhicheverControlHasTheFocus()
    {
        auto form = Open(Chart("31/12/2483", " 9.00.00"));
        QCOMPARE(form->windowTitle(), QStringLiteral("เพิ่ม/ลดวันเวลา"));
        QVERIFY(form->windowFlags().testFlag(Qt::Tool));
        QCOMPARE(Shown(*form), QStringLiteral("31/12/2483   9.00.00"));

        QTest::keyClick(form.get(), Qt::Key_PageDown);
        QCOMPARE(FSteps.size(), 1u);
        QCOMPARE(FSteps.back().Date.str(), std::string("01/01/2484"));
        QCOMPARE(Shown(*form), QStringLiteral("01/01/2484   9.00.00"));

        auto* amount = Child<QSpinBox>(*form, "AmountSpin");
        QTest::keyClick(amount, Qt::Key_Minus);
        QTest::keyClick(amount, Qt::Key_PageUp);
        QCOMPARE(amount->value(), 1);
        QCOMPARE(FSteps.back().Date.str(), std::string("30/12/2483"));

        // A held key arrives as repeated presses: each one is a step.
        for (int i = 0; i < 3; ++i) {
            QKeyEvent held(QEvent::KeyPress, Qt::Key_Plus, Qt::NoModifier, QStringLiteral("+"), true);
            QApplication::sendEvent(amount, &held);
        }
        QCOMPARE(FSteps.size(), 6u);
        QCOMPARE(FSteps.back().Date.str(), std::string("02/01/2484"));
        QCOMPARE(form->Chart(), FSteps.back());
    }

    void buttonsStepByTheNumberAndUnitShown()
    {
        auto form = Open(Chart("31/01/2567", "10.00.00"));
        QVERIFY(Child<QPushButton>(*form, "ForwardBtn")->autoRepeat());
        Child<QSpinBox>(*form, "AmountSpin")->setValue(1);
        Child<QComboBox>(*form, "UnitCombo")->setCurrentIndex(4); // months
        QTest::mouseClick(Child<QPushButton>(*form, "ForwardBtn"), Qt::LeftButton);
        QCOMPARE(FSteps.back().Date.str(), std::string("29/02/2567"));
        Child<QComboBox>(*form, "UnitCombo")->setCurrentIndex(2); // hours
        Child<QSpinBox>(*form, "AmountSpin")->setValue(15);
        QTest::mouseClick(Child<QPushButton>(*form, "BackBtn"), Qt::LeftButton);
        QCOMPARE(FSteps.back().Date.str(), std::string("28/02/2567"));
        QCOMPARE(FSteps.back().Time.str(), std::string("19.00.00"));
    }

    void aRefusedStepChangesNothing()
    {
        auto form = Open(Chart("31/12/3542", "23.59.59"));
        Child<QComboBox>(*form, "UnitCombo")->setCurrentIndex(0); // seconds
        QTest::keyClick(form.get(), Qt::Key_PageDown);
        QVERIFY(FSteps.empty());
        QCOMPARE(Shown(*form), QStringLiteral("31/12/3542  23.59.59"));
        QCOMPARE(Child<QLabel>(*form, "MessageLabel")->text(), QStringLiteral("ปี พ.ศ. ต้องอยู่ระหว่าง 544 ถึง 3542"));
        QTest::keyClick(form.get(), Qt::Key_PageUp);
        QCOMPARE(FSteps.back().Time.str(), std::string("23.59.58"));
        QVERIFY(Child<QLabel>(*form, "MessageLabel")->text().isEmpty());

        form->SetChart(Chart("01/01/2567", " 0.00.00"));
        QCOMPARE(Shown(*form), QStringLiteral("01/01/2567   0.00.00"));
    }
};

QTEST_MAIN(StepFormTest)
#include "StepFormTest.moc"
