// The game's animations and enemy steps as data: what each step of a step
// machine switches, which sample it plays and how long until the next step.
#pragma once

#include <array>
#include <optional>

#include "display/controls.h"
#include "sound/sound.h"

namespace zx {

// One change on the LCD within an animation frame.
struct FrameAction {
    enum Kind { None, Show, Hide, EnemyHidden, EnemyPose1, Helper };
    Kind kind = None;
    Ctl ctl = Ctl::im_background;  // Show and Hide
    int column = 0;                // Helper
};

// The interval set for the next tick: a fixed number of ms, the current one,
// or twice the enemy's current step.
inline constexpr int kKeepInterval = 0;
inline constexpr int kTwiceEnemyStep = -1;

struct AnimationFrame {
    std::array<FrameAction, 3> actions{};
    std::optional<SoundSample> sample;
    bool sampleFirst = false;  // the bonus sounds before it moves
    int nextInterval = kKeepInterval;
};

// Steps 1..9 of the miss, 1..9 of the bonus and 1..5 of the hit; the last
// step of each machine is code, not a frame.
extern const std::array<AnimationFrame, 9> kMissFrames;
extern const std::array<AnimationFrame, 9> kBonusFrames;
extern const std::array<AnimationFrame, 5> kHitFrames;

// What the enemy does at a value of its step counter (after the increment).
enum class EnemyAction { Nothing, Pose1, Pose2, NextEnemy, TakeFigure, Decide };
using EnemyStepTable = std::array<EnemyAction, 12>;  // indexed by step 0..11
extern const EnemyStepTable kMoveSteps;
extern const EnemyStepTable kAttackSteps;

}  // namespace zx
