// The high scores read from the settings and reset, and the latches cleared
// before the first game, without any window.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/rig/device_rig.h"

namespace zx {
namespace {

struct StoredScores {
    std::optional<std::string> hiScore1, hiScore2;  // absent: not in the file
    int heldA, heldB;                               // in the game before loading
    int wantA, wantB;
};

TEST(HiScores, LoadTakesTheStoredScoresClampedAndKeepsTheHeldOnesWhereNoneIsStored) {
    const StoredScores table[] = {
        {"230", "1200", 0, 0, 230, 1200},
        {std::nullopt, std::nullopt, 40, 50, 40, 50},
        {"-5", "99999999", 0, 0, 0, kMaxHiScore},
        {"12abc", "", 7, 8, 7, 8},  // unreadable text counts as absent
        {"9999990", "0", 3, 3, kMaxHiScore, 0},
    };
    for (const StoredScores& row : table) {
        testing::Rig r;
        if (row.hiScore1) r.settings.values["HiScore1"] = *row.hiScore1;
        if (row.hiScore2) r.settings.values["HiScore2"] = *row.hiScore2;
        r.game().HiScoreA = row.heldA;
        r.game().HiScoreB = row.heldB;
        r.settings.writes.clear();
        r.dev.loadHiScores();
        EXPECT_EQ(r.game().HiScoreA, row.wantA) << row.hiScore1.value_or("absent");
        EXPECT_EQ(r.game().HiScoreB, row.wantB) << row.hiScore2.value_or("absent");
        EXPECT_TRUE(r.settings.writes.empty());
    }
}

TEST(HiScores, ResetZeroesBothInTheGameAndTheSettingsAndTheReadyFaceShowsIt) {
    testing::Rig r;
    r.settings.values = {{"HiScore1", "480"}, {"HiScore2", "2210"}};
    r.dev.loadHiScores();
    r.settings.writes.clear();
    r.dev.resetHiScores();
    EXPECT_EQ(r.game().HiScoreA, 0);
    EXPECT_EQ(r.game().HiScoreB, 0);
    EXPECT_EQ(r.settings.writes, (std::vector<std::string>{"HiScore1=0", "HiScore2=0"}));
    r.enter(mode::GameBReady);
    EXPECT_EQ(r.digits(), "___0_");
}

struct Latches {
    const char* name;
    bool keyHeld, gameAHeld, gameBHeld, heroActive, shotReady;
};

TEST(Latches, ClearingReleasesEveryLatchWhateverWasSet) {
    const Latches table[] = {
        {"none", false, false, false, false, false},
        {"a held key", true, false, false, false, false},
        {"both game buttons", false, true, true, false, false},
        {"a hero in play with a shot ready", true, false, false, true, true},
        {"all", true, true, true, true, true},
    };
    for (const Latches& row : table) {
        testing::Rig r;
        DeviceProbe::state(r.dev).KeyHeld = row.keyHeld;
        DeviceProbe::state(r.dev).GameAHeld = row.gameAHeld;
        DeviceProbe::state(r.dev).GameBHeld = row.gameBHeld;
        r.game().HeroActive = row.heroActive;
        r.game().ShotReady = row.shotReady;
        r.settings.writes.clear();
        r.dev.clearLatches();
        EXPECT_FALSE(DeviceProbe::state(r.dev).KeyHeld || DeviceProbe::state(r.dev).GameAHeld ||
                     DeviceProbe::state(r.dev).GameBHeld)
            << row.name;
        EXPECT_FALSE(r.game().HeroActive || r.game().ShotReady) << row.name;
        // Cleared latches let the next press act at once, and a shoot press
        // outside play takes no latch.
        r.dev.press(DeviceButton::ShootLeft);
        EXPECT_FALSE(DeviceProbe::state(r.dev).KeyHeld) << row.name;
        EXPECT_FALSE(r.running(TimerId::Shot)) << row.name;
        EXPECT_TRUE(r.settings.writes.empty()) << row.name;
    }
}

}  // namespace
}  // namespace zx
