// The shot's flight up its column and the hit animation that scores.
#include "game/game.h"

namespace zx {

void Game::Timer_ShotTimer() {
    GameState& g = state;
    const int column = g.ShotColumn;
    Timer& shot = timer(TimerId::Shot);
    if (g.ShotStep >= 1 && g.ShotStep <= 4)
        d_.face.setVisible(seg::shot(column, g.ShotStep), false);
    if (g.ShotStep == 1 && g.EnemyHelperPosition == column) {
        // Blocked by the enemy helper: a new shot may go at once.
        g.ShotReady = true;
        shot.setEnabled(false);
    } else if (g.ShotStep >= 1 && g.ShotStep <= 3) {
        d_.face.setVisible(seg::shot(column, g.ShotStep + 1), true);
    } else if (g.ShotStep == 4) {
        if (column == g.EnemyColumn) {
            d_.host.Gam_Stop_All_Timers();
            g.HeroActive = false;
            g.HitStep = 1;
            timer(TimerId::Hit).setInterval(50);
            timer(TimerId::Hit).setEnabled(true);
        } else {
            g.ShotReady = true;
        }
        shot.setEnabled(false);
    }
    ++g.ShotStep;
}

void Game::Timer_HitTimer() { animate(state.HitStep, kHitFrames, TimerId::Hit, &Game::hitEnds); }

void Game::hitEnds() {
    GameState& g = state;
    // The new enemy first, then the points, then the speed for them.
    Gam_Generate_Enemy();
    g.Score += 10;
    d_.vid.Vid_Show_Panel_Score(g.Score, true);
    g.HeroActive = g.ShotReady = true;
    armEnemyHelper();
    timer(TimerId::Hit).setEnabled(false);
    Gam_Calculate_Speed();
}

}  // namespace zx
