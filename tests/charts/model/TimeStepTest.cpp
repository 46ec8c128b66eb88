#include "charts/model/TimeStep.h"

#include "tests/charts/ChartsTestKit.h"

#include <gtest/gtest.h>

namespace nemra {
namespace {

TChartInput At(const char* date, const char* time, const char* zone = "7.00H")
{
    return test::BangkokChart(date, time, zone);
}

struct Step {
    const char* date;
    const char* time;
    const char* zone;
    TimeStep step;
    const char* toDate; // hand-computed from the calendar and the year rule
    const char* toTime;
};

// Each step, and the same step back giving the very texts again.
TEST(TimeStep, StepsAndStepsBack)
{
    const Step steps[] = {
        {"31/01/2567", "23.59.59", "7.00H", {1, StepUnit::Days}, "01/02/2567", "23.59.59"},
        {"28/02/2567", "12.00.00", "7.00H", {1, StepUnit::Days}, "29/02/2567", "12.00.00"},
        {"29/02/2567", " 0.00.00", "105.00E", {1, StepUnit::Days}, "01/03/2567", " 0.00.00"},
        {"28/02/2566", " 6.30.00", "7.00H", {1, StepUnit::Days}, "01/03/2566", " 6.30.00"},
        {"31/03/2482", "18.00.00", "7.00H", {1, StepUnit::Days}, "01/04/2483", "18.00.00"}, // 1940: new year in April
        {"31/12/2483", " 9.00.00", "7.00H", {1, StepUnit::Days}, "01/01/2484", " 9.00.00"}, // ... and in January 1941
        {"31/12/2566", "23.59.59", "-5.30H", {1, StepUnit::Seconds}, "01/01/2567", " 0.00.00"},
        {"31/12/2566", "23.30.00", "7.00H", {45, StepUnit::Minutes}, "01/01/2567", " 0.15.00"},
        {"01/03/2567", " 2.00.00", "7.00H", {-3, StepUnit::Hours}, "29/02/2567", "23.00.00"},
        {"30/12/3542", "23.59.59", "7.00H", {1, StepUnit::Days}, "31/12/3542", "23.59.59"}, // the last day
        {"02/01/1000", " 0.00.00", "7.00H", {-1, StepUnit::Days}, "01/01/1000", " 0.00.00"},
        {"15/01/2567", " 8.00.00", "7.00H", {1, StepUnit::Months}, "15/02/2567", " 8.00.00"},
        {"15/03/2482", " 8.00.00", "7.00H", {1, StepUnit::Months}, "15/04/2483", " 8.00.00"},
        {"10/01/2484", " 8.00.00", "7.00H", {-1, StepUnit::Months}, "10/12/2483", " 8.00.00"},
        {"15/02/2482", " 8.00.00", "7.00H", {1, StepUnit::Years}, "15/02/2484", " 8.00.00"}, // February 1940 -> 1941
        {"15/06/2483", " 8.00.00", "7.00H", {-2, StepUnit::Years}, "15/06/2481", " 8.00.00"},
        {"15/01/2567", " 8.00.00", "7.00H", {-24, StepUnit::Months}, "15/01/2565", " 8.00.00"},
    };
    for (const Step& s : steps) {
        const TChartInput from = At(s.date, s.time, s.zone);
        const ChartOutcome to = StepChart(from, s.step);
        ASSERT_TRUE(to.ok()) << s.date << ": " << test::ReasonOf(to);
        EXPECT_EQ(to->chart.Date.str(), s.toDate) << s.date;
        EXPECT_EQ(to->chart.Time.str(), s.toTime) << s.date;
        EXPECT_EQ(PlaceOf(to->chart), PlaceOf(from));
        EXPECT_EQ(to->chart.Name, from.Name);
        const ChartOutcome back = StepChart(to->chart, {-s.step.amount, s.step.unit});
        ASSERT_TRUE(back.ok()) << test::ReasonOf(back);
        EXPECT_EQ(back->chart, from) << s.date;
    }
}

TEST(TimeStep, MonthsKeepTheDayOrTakeTheLast)
{
    struct Case {
        const char* date;
        TimeStep step;
        const char* toDate;
    };
    for (const auto& [date, step, toDate] : {Case{"31/01/2567", {1, StepUnit::Months}, "29/02/2567"},
                                             Case{"31/01/2566", {1, StepUnit::Months}, "28/02/2566"},
                                             Case{"31/03/2567", {-1, StepUnit::Months}, "29/02/2567"},
                                             Case{"31/05/2567", {1, StepUnit::Months}, "30/06/2567"},
                                             Case{"29/02/2567", {1, StepUnit::Years}, "28/02/2568"},
                                             Case{"29/02/2567", {4, StepUnit::Years}, "29/02/2571"},
                                             Case{"31/12/2567", {2, StepUnit::Months}, "28/02/2568"}}) {
        const ChartOutcome to = StepChart(At(date, "10.00.00"), step);
        ASSERT_TRUE(to.ok()) << test::ReasonOf(to);
        EXPECT_EQ(to->chart.Date.str(), toDate) << date;
    }
}

TEST(TimeStep, RefusesBeyondTheRange)
{
    const char* range = "ปี พ.ศ. ต้องอยู่ระหว่าง 544 ถึง 3542";
    struct Case {
        const char* date;
        const char* time;
        TimeStep step;
    };
    for (const auto& [date, time, step] :
         {Case{"31/12/3542", "23.59.59", {1, StepUnit::Seconds}}, Case{"31/12/3542", "12.00.00", {1, StepUnit::Days}},
          Case{"15/06/3542", "12.00.00", {1, StepUnit::Years}}, Case{"15/06/1500", "12.00.00", {-957, StepUnit::Years}},
          Case{"15/06/2567", "12.00.00", {9'000'000'000'000'000'000, StepUnit::Seconds}},
          Case{"15/06/2567", "12.00.00", {-9'000'000'000'000'000'000, StepUnit::Years}},
          Case{"15/06/2567", "12.00.00", {400'000, StepUnit::Months}}}) {
        const ChartOutcome outcome = StepChart(At(date, time), step);
        EXPECT_EQ(test::ReasonOf(outcome), range) << date << " " << step.amount;
    }
    EXPECT_FALSE(StepChart(At("15/13/2567", "12.00.00"), {1, StepUnit::Days}).ok());
}

TEST(TimeStep, ReadsSteps)
{
    struct Case {
        const char* text;
        TimeStep step;
    };
    for (const auto& [text, step] : {Case{"+1d", {1, StepUnit::Days}}, Case{"-3h", {-3, StepUnit::Hours}},
                                     Case{"+2y", {2, StepUnit::Years}}, Case{"10mo", {10, StepUnit::Months}},
                                     Case{"5m", {5, StepUnit::Minutes}}, Case{"-30s", {-30, StepUnit::Seconds}}}) {
        ASSERT_TRUE(ReadTimeStep(text).has_value()) << text;
        EXPECT_EQ(*ReadTimeStep(text), step) << text;
    }
    for (const char* bad : {"", "d", "+d", "-d", "1x", "1.5d", "++1d", "+-1d", "1 d", " 1d", "99999999999999999999d"})
        EXPECT_FALSE(ReadTimeStep(bad).has_value()) << bad;
}

} // namespace
} // namespace nemra
