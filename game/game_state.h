// The game's module state that the display reads and the game changes.
#pragma once

#include <algorithm>
#include <array>

namespace zx {

// The largest high score taken from the settings: far beyond any game a
// player finishes (the digits show the last four places of any score).
inline constexpr int kMaxHiScore = 9'999'990;

// A stored high score as the game uses it: a negative one counts as 0, a
// larger one than kMaxHiScore as kMaxHiScore.
inline int storedHiScore(int value) { return std::clamp(value, 0, kMaxHiScore); }

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
