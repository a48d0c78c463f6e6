// The miss, the bonus and the end of a game.
#include "game/game.h"

namespace zx {

void Game::Gam_Do_Miss() {
    d_.host.Gam_Stop_All_Timers();
    d_.vid.Vid_Show_All_Shot(false);  // a shot in flight is dropped
    state.HeroActive = state.ShotReady = false;
    state.MissStep = 1;
    timer(TimerId::Miss).setInterval(1);
    timer(TimerId::Miss).setEnabled(true);
}

void Game::Timer_MissTimer() {
    animate(state.MissStep, kMissFrames, TimerId::Miss, &Game::missEnds);
}

void Game::missEnds() {
    GameState& g = state;
    ++g.MissCount;
    d_.vid.Vid_Show_Panel_Miss(g.MissCount);
    d_.face.setVisible(Ctl::im_miss_2, true);
    d_.face.setVisible(Ctl::im_miss_3, false);
    d_.face.setVisible(Ctl::im_miss_5, false);
    if (g.MissCount < 3) {
        Gam_Generate_Enemy();
        restoreSaveme();
        armEnemyHelper();
        g.HeroActive = g.ShotReady = true;
    } else {
        Timer& over = timer(TimerId::Game_Over);
        if (d_.device.DeviceSoundOn) {
            d_.snd.Snd_Play(SoundSample::Gameover);
            over.setInterval(2500);
        } else {
            over.setInterval(100);
        }
        g.GameOverStep = 1;
        over.setEnabled(true);
    }
    timer(TimerId::Miss).setEnabled(false);
}

void Game::Timer_BonusTimer() {
    animate(state.BonusStep, kBonusFrames, TimerId::Bonus, &Game::bonusEnds);
}

void Game::bonusEnds() {
    d_.face.setVisible(Ctl::im_miss_2, true);
    d_.face.setVisible(Ctl::im_miss_3, false);
    restoreSaveme();
    armEnemyHelper();
    Gam_Generate_Enemy();
    state.HeroActive = state.ShotReady = true;
    timer(TimerId::Bonus).setEnabled(false);
}

void Game::Timer_Game_OverTimer() {
    GameState& g = state;
    Timer& over = timer(TimerId::Game_Over);
    int& deviceMode = d_.device.DeviceMode;
    if (g.GameOverStep == 1) {
        // A beaten high score is on disk and in memory before the mode changes;
        // an equal one writes nothing. The store keeps a larger score that
        // another running program wrote meanwhile, and memory follows it.
        if (deviceMode == mode::GameA && g.Score > g.HiScoreA)
            g.HiScoreA = storedHiScore(d_.settings.WriteLargerInteger("HiScore1", g.Score));
        if (deviceMode == mode::GameB && g.Score > g.HiScoreB)
            g.HiScoreB = storedHiScore(d_.settings.WriteLargerInteger("HiScore2", g.Score));
        deviceMode = mode::GameOver;
        g.GameOverStep = 2;
        over.setInterval(30000);
    } else if (g.GameOverStep == 2) {
        deviceMode = mode::Time1;
        d_.host.Gam_Set_Mode();
        over.setEnabled(false);
        ++g.GameOverStep;
    }
}

}  // namespace zx
