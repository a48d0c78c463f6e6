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

INSTANTIATE_TEST_SUITE_P(Golden, Scenario, ::testing::ValuesIn(scenarioNames()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace zx
