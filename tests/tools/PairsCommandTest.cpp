// nemra-chart pairs: the finder's list in the order of the screen, and the refusal of a
// malformed pointer or ring.
#include "tests/tools/CommandTestKit.h"

#include <cstdlib>

namespace nemra::cli {
namespace {

using testkit::kNatal;
using testkit::kTransit;
using testkit::RunArgs;

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> out;
    std::string field;
    for (const char c : line + ",") {
        if (c == ',') {
            out.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    return out;
}

TEST(PairsCommandTest, ListsPairsWithinTheOrbSortedByDeviation)
{
    for (const char* dial : {"360", "90"}) {
        const auto run = RunArgs({"pairs", "--natal", kNatal, "--transit", kTransit, "--point", "4,15,30", "--dial",
                                  dial, "--orb", "1.5", "--rings", "natal,transit,v1"});
        ASSERT_EQ(run.status, 0) << run.err;
        const auto lines = run.lines();
        ASSERT_FALSE(lines.empty()) << "about 400 pairs fall within 1.5 degrees on average";
        double previous = 0.0;
        for (const std::string& line : lines) {
            const auto f = Fields(line);
            ASSERT_EQ(f.size(), 5u) << line;
            EXPECT_NE(f[0].find('/'), std::string::npos) << line;
            for (const std::string& ring : {f[1], f[2]})
                EXPECT_TRUE(ring == "natal" || ring == "transit" || ring == "v1") << line;
            const double deviation = std::atof(f[4].c_str());
            EXPECT_LE(deviation, 1.5);
            EXPECT_GE(deviation + 0.005, previous) << line;
            previous = deviation;
        }
    }
}

TEST(PairsCommandTest, RefusesMalformedInput)
{
    struct Case {
        std::vector<std::string> extra;
        const char* message;
    };
    const Case cases[] = {
        {{"--point", "12,0,0", "--dial", "360"}, "--point: ราศีต้องอยู่ระหว่าง 0 ถึง 11"},
        {{"--point", "1,2", "--dial", "360"}, "--point: ตำแหน่งต้องมีตัวเลขสามตัว"},
        {{"--point", "1,2,3", "--dial", "45"}, "--dial must be 360 or 90"},
        {{"--point", "1,2,3", "--dial", "90", "--orb", "x"}, "--orb must be"},
        {{"--point", "1,2,3", "--dial", "90", "--rings", "transit"}, "need --transit"},
        {{"--point", "1,2,3", "--dial", "90", "--rings", "moon"}, "--rings takes"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"pairs", "--natal", kNatal};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const auto run = RunArgs(args);
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace nemra::cli
