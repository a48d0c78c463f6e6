// The game: its state, the speed table and the step machines that the game
// timers drive, from the release of a game button to the game-over face.
#pragma once

#include <span>

#include "config/settings_store.h"
#include "clockwork/device_state.h"
#include "clockwork/random.h"
#include "clockwork/timers.h"
#include "display/display.h"
#include "game/game_state.h"
#include "game/step_tables.h"
#include "sound/sound.h"

namespace zx {

// What the game asks of the device around it: the mode cycle owns the
// faces of the modes and the routine that stops every timer.
class GameHost {
  public:
    virtual ~GameHost() = default;
    virtual void Gam_Set_Mode() = 0;
    virtual void Gam_Stop_All_Timers() = 0;
};

struct GameDeps {
    Face& face;
    Display& vid;
    Sound& snd;
    Scheduler& timers;
    Random& random;
    SettingsStore& settings;  // the beaten high scores
    DeviceState& device;
    GameHost& host;
};

// Shot and enemy intervals in ms: entry 0 is the shot's step, 1..10 the
// enemy's step by the hundreds of the score. Row 0 is game A, row 1 game B.
inline constexpr int SpeedTable[2][11] = {
    {100, 340, 320, 300, 290, 285, 280, 270, 260, 255, 250},
    {80, 280, 260, 250, 230, 220, 210, 200, 190, 180, 170},
};

class Game {
  public:
    explicit Game(GameDeps deps);  // registers the game timers' handlers
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GameState state;

    void Gam_Game_Start();
    void Gam_Calculate_Speed();
    void Gam_Generate_Enemy();
    void Gam_Move_Enemy_Helper();
    void Gam_Do_Miss();

    // The hero steps `by` columns (-1 left, +1 right) while in play and
    // inside columns 1..3.
    void moveHero(int by);
    bool heroActive() const { return state.HeroActive; }
    // A shot from the hero's column, unless one is in flight.
    void fire();
    // The face of a game about to start: its high score, full saveme
    // columns, no misses, helper and hero in the middle.
    void showReadyFace(bool gameA);
    // The high scores from the settings (clamped), and both back to 0.
    void loadHiScores();
    void resetHiScores();
    // No hero in play and no shot ready, as before the first game.
    void disarmHero();

  private:
    void Timer_Game_StartTimer();
    void Timer_Enemy_MoveTimer();
    void Timer_Enemy_AttackTimer();
    void Timer_Enemy_HelperTimer();
    void Timer_ShotTimer();
    void Timer_HitTimer();
    void Timer_MissTimer();
    void Timer_BonusTimer();
    void Timer_Game_OverTimer();

    // The row of SpeedTable of the running game.
    const int* speedRow() const;
    // Arms the helper's one move, 1000 to 2800 ms from now.
    void armEnemyHelper();
    // Every saveme figure back, column by column.
    void restoreSaveme();
    // One tick of an animation: frame `step` of the table, or after the last
    // frame the machine's closing step; then the step counter moves on.
    void animate(int& step, std::span<const AnimationFrame> frames, TimerId id,
                 void (Game::*closingStep)());
    void playFrame(const AnimationFrame& frame, Timer& timer);
    void hitEnds();
    void missEnds();
    void bonusEnds();
    // One tick of the enemy's move or attack, by its step table.
    void enemyTick(const EnemyStepTable& table);
    void takeFigure();
    void decideAttack();
    Timer& timer(TimerId id) { return d_.timers[id]; }

    GameDeps d_;
};

}  // namespace zx
