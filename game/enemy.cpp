// The enemy, who moves on or attacks a column, and the enemy helper.
#include "game/game.h"

namespace zx {

void Game::Gam_Generate_Enemy() {
    state.EnemyColumn = 1 + d_.random.next(3);  // the same column may come again
    d_.vid.Vid_Show_Enemy(state.EnemyColumn, 1);
    d_.snd.Snd_Play(SoundSample::Enemy);
    // Three chances in five of a move, two of an attack.
    const bool moves = d_.random.next(5) >= 2;
    state.EnemyStep = 1;
    timer(moves ? TimerId::Enemy_Move : TimerId::Enemy_Attack).setEnabled(true);
}

void Game::Timer_Enemy_MoveTimer() { enemyTick(kMoveSteps); }
void Game::Timer_Enemy_AttackTimer() { enemyTick(kAttackSteps); }

void Game::enemyTick(const EnemyStepTable& table) {
    ++state.EnemyStep;
    if (state.EnemyStep < 0 || state.EnemyStep >= int(table.size())) return;
    switch (table[std::size_t(state.EnemyStep)]) {
        case EnemyAction::Nothing:
            break;
        case EnemyAction::Pose1:
        case EnemyAction::Pose2:
            d_.vid.Vid_Show_Enemy(
                state.EnemyColumn,
                table[std::size_t(state.EnemyStep)] == EnemyAction::Pose1 ? 1 : 2);
            d_.snd.Snd_Play(SoundSample::Enemy);
            break;
        case EnemyAction::NextEnemy:
            timer(TimerId::Enemy_Move).setEnabled(false);
            Gam_Generate_Enemy();
            break;
        case EnemyAction::TakeFigure:
            takeFigure();
            break;
        case EnemyAction::Decide:
            decideAttack();
            break;
    }
}

void Game::takeFigure() {
    const int column = state.EnemyColumn;
    d_.vid.Vid_Show_Enemy(state.EnemyColumn, 2);
    --state.SavemeCounts[std::size_t(column)];
    d_.vid.Vid_Show_Saveme(column, state.SavemeCounts[std::size_t(column)]);
    d_.snd.Snd_Play(SoundSample::Enemy);
}

void Game::decideAttack() {
    // "0 or below": a column emptied while a hit cut its attack short has no
    // figure left, and attacking it again must cost a life as well.
    if (state.SavemeCounts[std::size_t(state.EnemyColumn)] <= 0) {
        Gam_Do_Miss();
        return;
    }
    // Figures are left: the attack goes on as a whole move.
    d_.vid.Vid_Show_Enemy(state.EnemyColumn, 1);
    d_.snd.Snd_Play(SoundSample::Enemy);
    state.EnemyStep = 1;
    timer(TimerId::Enemy_Move).setEnabled(true);
    timer(TimerId::Enemy_Attack).setEnabled(false);
}

void Game::Gam_Move_Enemy_Helper() {
    const int before = state.EnemyHelperPosition;
    // Always to one of the two other columns, each as likely.
    do {
        state.EnemyHelperPosition = 1 + d_.random.next(3);
    } while (state.EnemyHelperPosition == before);
    d_.vid.Vid_Show_Enemy_Helper(state.EnemyHelperPosition);
    armEnemyHelper();
}

void Game::Timer_Enemy_HelperTimer() {
    Gam_Move_Enemy_Helper();
    timer(TimerId::Enemy_Helper).setEnabled(false);  // one move per arming
}

}  // namespace zx
