// Every golden scenario of tests/game/scenarios, one test each.
#include "tests/game/scenario.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace zx {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> scenarioNames() {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(ZX_SCENARIO_DIR))
        if (e.path().extension() == ".scn") names.push_back(e.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

class Scenario : public ::testing::TestWithParam<std::string> {};

TEST_P(Scenario, PlaysAsWritten) {
    const fs::path file = fs::path(ZX_SCENARIO_DIR) / (GetParam() + ".scn");
    std::ifstream in(file);
    ASSERT_TRUE(in) << file;
    std::stringstream text;
    text << in.rdbuf();
    for (const auto& f : testing::runScenario(text.str()))
        ADD_FAILURE_AT(file.c_str(), f.line) << f.message;
}

// The player itself: a script that draws wrongly must fail, at the line
// where the draw went wrong.
TEST(ScenarioPlayer, DrawsMustMatchTheirScript) {
    const std::string start = "mode 1\nat 0 press GameA\nat 0 release GameA\n";
    const struct {
        const char* name;
        std::string script;
        int line;  // of the first failure
        const char* message;
    } cases[] = {
        {"a column drawn with another range",
         "draws 9/10 0/4 0/5\n" + start + "at 3400 expect mode 8", 5, "the draw next(3) took 0/4"},
        {"a helper draw given as a column", "draws 2/3\n" + start + "at 3000 expect mode 8", 5,
         "the draw next(10) took 2/3"},
        {"a draw left over", "draws 9/10 0/3 0/5 1/3\n" + start + "at 3400 expect mode 8", 5,
         "1 scripted draws were not used"},
        {"a draw not scripted", start + "at 3000 expect mode 8", 4, "unscripted draws of next(10)"},
        {"a draw without its range", "draws 2\n", 1, "value/range"},
        {"a value outside its range", "draws 3/3\n", 1, "value/range"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto failures = testing::runScenario(c.script);
        ASSERT_FALSE(failures.empty());
        EXPECT_EQ(failures.front().line, c.line);
        EXPECT_NE(failures.front().message.find(c.message), std::string::npos)
            << failures.front().message;
    }
    const auto ok = testing::runScenario("draws 9/10 0/3 0/5\n" + start + "at 3400 expect mode 8");
    EXPECT_TRUE(ok.empty()) << ok.front().message;
}

INSTANTIATE_TEST_SUITE_P(Golden, Scenario, ::testing::ValuesIn(scenarioNames()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace zx
