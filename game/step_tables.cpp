// The tables of the miss, bonus and hit animations and of the enemy's steps.
#include "game/step_tables.h"

namespace zx {

namespace {

using enum Ctl;
using S = SoundSample;

constexpr FrameAction show(Ctl c) { return {FrameAction::Show, c, 0}; }
constexpr FrameAction hide(Ctl c) { return {FrameAction::Hide, c, 0}; }
constexpr FrameAction helper(int column) { return {FrameAction::Helper, im_background, column}; }
constexpr FrameAction kEnemyHidden{FrameAction::EnemyHidden};
constexpr FrameAction kEnemyPose1{FrameAction::EnemyPose1};

// Figures first, then the sample.
constexpr AnimationFrame missFrame(std::array<FrameAction, 3> a, int next = kKeepInterval) {
    return {a, S::Miss, false, next};
}

// The sample, the enemy helper's column, then miss figures 2 and 3 swap.
constexpr AnimationFrame bonusFrame(S sample, int column, bool miss2Lit, int next = kKeepInterval) {
    return {{helper(column), miss2Lit ? show(im_miss_2) : hide(im_miss_2),
             miss2Lit ? hide(im_miss_3) : show(im_miss_3)},
            sample,
            true,
            next};
}

}  // namespace

// clang-format off
const std::array<AnimationFrame, 9> kMissFrames = {
    missFrame({hide(im_miss_2), show(im_miss_3)}, 480),
    missFrame({show(im_miss_4)}),
    missFrame({hide(im_miss_4), show(im_miss_5)}),
    missFrame({hide(im_miss_5)}),
    missFrame({show(im_miss_4)}),
    missFrame({hide(im_miss_4), show(im_miss_5)}),
    missFrame({hide(im_miss_5)}),
    missFrame({show(im_miss_4)}),
    missFrame({hide(im_miss_4), show(im_miss_5)}, 700),
};

const std::array<AnimationFrame, 9> kBonusFrames = {
    bonusFrame(S::Shot, 1, false, 500),
    bonusFrame(S::Enemy, 2, true),
    bonusFrame(S::Shot, 3, false),
    bonusFrame(S::Enemy, 1, true),
    bonusFrame(S::Shot, 2, false),
    bonusFrame(S::Enemy, 3, true),
    bonusFrame(S::Shot, 1, false),
    bonusFrame(S::Enemy, 2, true),
    bonusFrame(S::Shot, 3, false),
};

// The hit enemy vanishes, comes back, vanishes, comes back and vanishes.
const std::array<AnimationFrame, 5> kHitFrames = {{
    {{kEnemyHidden}, S::Enemy, false, 175},
    {{kEnemyPose1},  S::Shot,  false, 250},
    {{kEnemyHidden}, S::Enemy, false, kKeepInterval},
    {{kEnemyPose1},  S::Shot,  false, kKeepInterval},
    {{kEnemyHidden}, S::Enemy, false, kTwiceEnemyStep},
}};

using enum EnemyAction;
// A move changes pose five times in place, then the next enemy comes.
const EnemyStepTable kMoveSteps = {
    Nothing, Nothing, Pose2, Pose1, Pose2, Pose1, Pose2, NextEnemy, Nothing, Nothing, Nothing, Nothing};
// An attack changes pose eight times, takes a figure, then decides.
const EnemyStepTable kAttackSteps = {
    Nothing, Nothing, Pose2, Pose1, Pose2, Pose1, Pose2, Pose1, Pose2, Pose1, TakeFigure, Decide};
// clang-format on

}  // namespace zx
