#include "core/MomentFinder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace nemra {
namespace {

// An angle turning at a steady rate, passing 0° (mod 360) at jd0 and every 360/|rate| days;
// the roots are computed by hand from that, never by the finder's own arithmetic.
struct SteadyAngle {
    double rateDegPerDay;
    double jd0;
    double stepDays;
};

class FindMomentsOfASteadyAngle : public testing::TestWithParam<SteadyAngle> {};

TEST_P(FindMomentsOfASteadyAngle, FindsEveryPassageAndNoWrap)
{
    const auto [rate, jd0, step] = GetParam();
    // Whole turns added on purpose: the finder reduces the difference itself.
    const AngleDifference angle = [rate, jd0](double jd) { return rate * (jd - jd0) + 720.0; };
    const double from = jd0 - 50.3;
    const double to = jd0 + 80.1;
    const auto moments = FindMoments(angle, from, to, step);
    const double period = 360.0 / std::fabs(rate);
    std::vector<double> expected;
    for (double jd = jd0 + std::ceil((from - jd0) / period) * period; jd < to; jd += period)
        expected.push_back(jd);
    ASSERT_EQ(moments.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(moments[i], expected[i], kMomentToleranceDays);
    ASSERT_TRUE(FindMoment(angle, from, to, step).has_value());
    EXPECT_NEAR(*FindMoment(angle, from, to, step), expected.front(), kMomentToleranceDays);
}

INSTANTIATE_TEST_SUITE_P(Rates, FindMomentsOfASteadyAngle,
                         testing::Values(SteadyAngle{13.2, 2460409.2634, 7.0},   // the Moon's elongation
                                         SteadyAngle{0.9856, 2460389.6294, 1.5}, // the Sun; one root in range
                                         SteadyAngle{-12.0, 2451545.0, 7.0},     // turning backwards
                                         SteadyAngle{25.0, 2415020.5, 0.5}));

TEST(FindMoments, ARootOnASampleIsFoundOnce)
{
    const AngleDifference angle = [](double jd) { return (jd - 10.0) * 10.0; };
    const auto moments = FindMoments(angle, 0.0, 20.0, 2.0);
    ASSERT_EQ(moments.size(), 1u);
    EXPECT_EQ(moments.front(), 10.0);
    EXPECT_TRUE(FindMoments(angle, 0.0, 10.0, 2.0).empty()); // the end of the range is left out
}

TEST(FindMoments, UnusableRangesFindNothing)
{
    const AngleDifference angle = [](double jd) { return jd; };
    for (const auto& [from, to, step] :
         {std::tuple{-5.0, 5.0, 0.0}, std::tuple{-5.0, 5.0, -1.0}, std::tuple{5.0, -5.0, 1.0},
          std::tuple{-5.0, 5.0, 1e-12}, std::tuple{std::nan(""), 5.0, 1.0}, std::tuple{-5.0, 5.0, std::nan("")}})
        EXPECT_TRUE(FindMoments(angle, from, to, step).empty()) << from << " " << to << " " << step;
    EXPECT_FALSE(FindMoment([](double) { return 90.0; }, 0.0, 30.0, 1.0).has_value());
}

} // namespace
} // namespace nemra
