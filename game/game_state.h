// The game's module state that the display reads and the game changes.
#pragma once

#include <array>

namespace zx {

struct GameState {
    int Score = 0;
    int HiScoreA = 0;
    int HiScoreB = 0;
    int MissCount = 0;
    int HeroPosition = 0;  // column 1..3
    int ShotColumn = 0;
    int EnemyColumn = 0;                // 0: no enemy
    int EnemyHelperPosition = 0;        // 0: no enemy helper
    std::array<int, 4> SavemeCounts{};  // entries 1..3 by column; entry 0 unused
    bool HeroActive = false;
    bool ShotReady = false;
    // Step counters of the game timers' step machines.
    int GameStartStep = 0;
    int EnemyStep = 0;
    int ShotStep = 0;
    int HitStep = 0;
    int MissStep = 0;
    int BonusStep = 0;
    int GameOverStep = 0;
};

}  // namespace zx
