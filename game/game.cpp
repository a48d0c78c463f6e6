// The game's start, its speed and the animation frames all step machines share.
#include "game/game.h"

namespace zx {

Game::Game(GameDeps deps) : d_(deps) {
    // The game is neither copied nor moved, so the handlers may keep `this`.
    const std::pair<TimerId, void (Game::*)()> handlers[] = {
        {TimerId::Game_Start, &Game::Timer_Game_StartTimer},
        {TimerId::Enemy_Move, &Game::Timer_Enemy_MoveTimer},
        {TimerId::Enemy_Attack, &Game::Timer_Enemy_AttackTimer},
        {TimerId::Enemy_Helper, &Game::Timer_Enemy_HelperTimer},
        {TimerId::Shot, &Game::Timer_ShotTimer},
        {TimerId::Hit, &Game::Timer_HitTimer},
        {TimerId::Miss, &Game::Timer_MissTimer},
        {TimerId::Bonus, &Game::Timer_BonusTimer},
        {TimerId::Game_Over, &Game::Timer_Game_OverTimer},
    };
    for (auto [id, handler] : handlers)
        d_.timers.setHandler(id, [this, h = handler] { (this->*h)(); });
}

const int* Game::speedRow() const {
    return SpeedTable[d_.device.DeviceMode == mode::GameB ? 1 : 0];
}

void Game::Gam_Game_Start() {
    Timer& start = timer(TimerId::Game_Start);
    if (d_.device.DeviceSoundOn) {
        start.setInterval(3000);
        d_.snd.Snd_Play(SoundSample::Start);
    } else {
        start.setInterval(100);
    }
    // The last game's enemy is gone: a shot fired before the first enemy of
    // this game appears must not hit it.
    state.EnemyColumn = 0;
    state.GameStartStep = 1;
    start.setEnabled(true);
}

void Game::Timer_Game_StartTimer() {
    const int* row = speedRow();
    if (state.GameStartStep == 1) {
        state.Score = 0;
        d_.vid.Vid_Show_Panel_Score(state.Score, true);
        state.HeroActive = state.ShotReady = true;
        timer(TimerId::Shot).setInterval(row[0]);
        // Entry 2, not 1: the first enemies are a little quicker than those
        // after the first hit.
        timer(TimerId::Enemy_Attack).setInterval(row[2]);
        timer(TimerId::Enemy_Move).setInterval(timer(TimerId::Enemy_Attack).interval());
        armEnemyHelper();
        timer(TimerId::Game_Start).setInterval(400);
    } else if (state.GameStartStep == 2) {
        Gam_Generate_Enemy();
        timer(TimerId::Game_Start).setEnabled(false);
    }
    ++state.GameStartStep;
}

void Game::Gam_Calculate_Speed() {
    int n = state.Score;
    while (n > 990) n -= 1000;
    timer(TimerId::Enemy_Attack).setInterval(speedRow()[1 + n / 100]);
    timer(TimerId::Enemy_Move).setInterval(timer(TimerId::Enemy_Attack).interval());
    if (state.Score % 1000 == 0) {
        d_.host.Gam_Stop_All_Timers();
        d_.vid.Vid_Show_All_Enemy(false);
        state.HeroActive = state.ShotReady = false;
        state.BonusStep = 1;
        timer(TimerId::Bonus).setInterval(750);
        timer(TimerId::Bonus).setEnabled(true);
    }
}

void Game::armEnemyHelper() {
    Timer& helper = timer(TimerId::Enemy_Helper);
    helper.setInterval(1000 + 200 * d_.random.next(10));
    helper.setEnabled(true);
}

void Game::restoreSaveme() {
    for (int column = 1; column <= 3; ++column) {
        state.SavemeCounts[std::size_t(column)] = 3;
        d_.vid.Vid_Show_Saveme(column, state.SavemeCounts[std::size_t(column)]);
    }
}

void Game::animate(int& step, std::span<const AnimationFrame> frames, TimerId id,
                   void (Game::*closingStep)()) {
    if (step >= 1 && step <= int(frames.size()))
        playFrame(frames[std::size_t(step - 1)], timer(id));
    else if (step == int(frames.size()) + 1)
        (this->*closingStep)();
    ++step;
}

void Game::playFrame(const AnimationFrame& frame, Timer& t) {
    if (frame.sample && frame.sampleFirst) d_.snd.Snd_Play(*frame.sample);
    for (const FrameAction& a : frame.actions) {
        switch (a.kind) {
            case FrameAction::None:
                break;
            case FrameAction::Show:
            case FrameAction::Hide:
                d_.face.setVisible(a.ctl, a.kind == FrameAction::Show);
                break;
            case FrameAction::EnemyHidden:
                d_.vid.Vid_Show_All_Enemy(false);
                break;
            case FrameAction::EnemyPose1:
                d_.vid.Vid_Show_Enemy(state.EnemyColumn, 1);
                break;
            case FrameAction::Helper:
                state.EnemyHelperPosition = a.column;
                d_.vid.Vid_Show_Enemy_Helper(state.EnemyHelperPosition);
                break;
        }
    }
    if (frame.sample && !frame.sampleFirst) d_.snd.Snd_Play(*frame.sample);
    if (frame.nextInterval == kTwiceEnemyStep)
        t.setInterval(2 * timer(TimerId::Enemy_Attack).interval());
    else if (frame.nextInterval != kKeepInterval)
        t.setInterval(frame.nextInterval);
}

}  // namespace zx
