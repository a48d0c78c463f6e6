// The hero's moves and shot, the ready face's fresh game, the high scores
// kept in the settings.
#include "game/game.h"

namespace zx {

void Game::moveHero(int by) {
    if (!state.HeroActive) return;
    const int to = state.HeroPosition + by;
    if (to < 1 || to > 3) return;
    d_.vid.Vid_Show_Hero(state.HeroPosition, false);
    state.HeroPosition = to;
    d_.vid.Vid_Show_Hero(state.HeroPosition, true);
}

void Game::fire() {
    if (!state.ShotReady) return;  // one shot in flight at a time
    state.ShotReady = false;
    d_.snd.Snd_Play(SoundSample::Shot);
    d_.face.setVisible(seg::shot(state.HeroPosition, 1), true);
    state.ShotColumn = state.HeroPosition;
    state.ShotStep = 1;
    timer(TimerId::Shot).setEnabled(true);
}

void Game::showReadyFace(bool gameA) {
    d_.vid.Vid_Show_All(false);
    d_.face.setVisible(gameA ? Ctl::im_panel_game_a : Ctl::im_panel_game_b, true);
    d_.vid.Vid_Show_Panel_Score(gameA ? state.HiScoreA : state.HiScoreB, true);
    d_.face.setVisible(seg::miss(1), true);
    d_.face.setVisible(seg::miss(2), true);
    restoreSaveme();
    state.MissCount = 0;
    d_.vid.Vid_Show_Panel_Miss(state.MissCount);
    state.EnemyHelperPosition = 2;
    d_.vid.Vid_Show_Enemy_Helper(state.EnemyHelperPosition);
    state.HeroPosition = 2;
    d_.vid.Vid_Show_Hero(state.HeroPosition, true);
}

void Game::loadHiScores() {
    state.HiScoreA = storedHiScore(d_.settings.ReadInteger("HiScore1", state.HiScoreA));
    state.HiScoreB = storedHiScore(d_.settings.ReadInteger("HiScore2", state.HiScoreB));
}

void Game::resetHiScores() {
    state.HiScoreA = 0;
    d_.settings.WriteInteger("HiScore1", 0);
    state.HiScoreB = 0;
    d_.settings.WriteInteger("HiScore2", 0);
}

void Game::disarmHero() { state.HeroActive = state.ShotReady = false; }

}  // namespace zx
