// Charts at the edges of what the program accepts cast and draw without a fault.
#include "dials/ui/DialRenderer.h"
#include "mainwin/model/Session.h"

#include <QImage>
#include <QtTest>

#include <cmath>

class ExtremeChartsTest : public QObject {
    Q_OBJECT
  private slots:
    void castAndDraw_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("longitude");
        QTest::newRow("first year") << "01/01/2343"
                                    << " 0.00.00"
                                    << "7.00H"
                                    << "13.45N"
                                    << "100.30E";
        QTest::newRow("last year") << "31/12/2942"
                                   << "23.59.59"
                                   << "7.00H"
                                   << "13.45N"
                                   << "100.30E";
        QTest::newRow("near the north pole") << "21/06/2569"
                                             << "12.00.00"
                                             << "0.00E"
                                             << "89.59N"
                                             << "0.00E";
        QTest::newRow("south polar circle") << "21/12/2569"
                                            << " 3.00.00"
                                            << "8.00H"
                                            << "66.33S"
                                            << "110.30E";
        QTest::newRow("date line, zone -12") << "01/03/2569"
                                             << " 0.00.00"
                                             << "-12.00H"
                                             << "0.00N"
                                             << "180.00W";
        QTest::newRow("zone +14") << "29/02/2567"
                                  << "23.59.59"
                                  << "14.00H"
                                  << "1.52N"
                                  << "157.24W";
    }

    void castAndDraw()
    {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, zone);
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        nemra::TChartInput input;
        input.Date = date.toStdString();
        input.Time = time.toStdString();
        input.TimeZone = zone.toStdString();
        input.Latitude = latitude.toStdString();
        input.Longitude = longitude.toStdString();
        QVERIFY(nemra::CheckInputTexts(input).ok());

        nemra::MainSession s;
        nemra::CastNatal(s, input);
        nemra::CastTransit(s, input);
        s.FMaxContracia = 21;
        for (const auto* rec : {&s.FNatal, &s.FTransit, &s.FProgressed})
            for (const auto& f : rec->Factors)
                QVERIFY(std::isfinite(f.Lon) && f.Lon >= 0.0 && f.Lon < 360.0);
        for (const nemra::DialType dial : {nemra::kDial360, nemra::kDial90}) {
            s.FDialType = dial;
            QImage image(s.FChartSize, s.FChartSize, QImage::Format_RGB32);
            nemra::ui::DrawChart(s, image);
            for (const auto& xy : s.FNatal.GlyphX)
                for (const int x : xy)
                    QVERIFY(x == -20 || (x >= 0 && x < s.FChartSize));
        }
    }
};

QTEST_MAIN(ExtremeChartsTest)
#include "ExtremeChartsTest.moc"
