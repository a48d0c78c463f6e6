// A thousand seeded games with random presses, played to game over in
// virtual time, with the LCD, the score and the timers checked after every
// handler.
#include <gtest/gtest.h>

#include "tests/rig/device_rig.h"

namespace zx {
namespace {

using testing::Rig;

constexpr int kGames = 1000;
constexpr Millis kLongestGame = 4 * 3600 * 1000;

// Which timers may run, by what the game is doing.
std::string timerFault(Rig& r) {
    const GameState& g = r.game();
    unsigned on = 0;
    for (int i = 0; i < kTimerCount; ++i)
        if (r.running(TimerId(i))) on |= 1u << i;
    auto bit = [](TimerId id) { return 1u << int(id); };
    const bool interrupted = !g.HeroActive && !g.ShotReady;
    for (TimerId alone : {TimerId::Game_Over, TimerId::Miss, TimerId::Bonus, TimerId::Hit}) {
        if (!(on & bit(alone))) continue;
        if (on != bit(alone)) return std::string(timerName(alone)) + " runs beside other timers";
        if (alone != TimerId::Game_Over && !interrupted)
            return "the hero is active in an interruption";
        return "";
    }
    if (r.mode() == mode::GameOver) return on == 0 ? "" : "timers run after the game";
    const bool shotFlies = on & bit(TimerId::Shot);
    if (shotFlies == g.ShotReady && g.HeroActive) return "Timer_Shot disagrees with ShotReady";
    const unsigned firstEnemyWait =
        bit(TimerId::Game_Start) | bit(TimerId::Enemy_Helper) | bit(TimerId::Shot);
    if (on & bit(TimerId::Game_Start))
        return (on & ~firstEnemyWait) ? "a timer runs before the first enemy" : "";
    const unsigned play = bit(TimerId::Enemy_Move) | bit(TimerId::Enemy_Attack) |
                          bit(TimerId::Enemy_Helper) | bit(TimerId::Shot);
    if (on & ~play) return "a timer outside play runs in play";
    if (!(on & bit(TimerId::Enemy_Move)) == !(on & bit(TimerId::Enemy_Attack)))
        return "not exactly one enemy timer in play";
    if (!g.HeroActive) return "the hero is inactive in play";
    return "";
}

// The enemy and the saveme figures against the game's state.
std::string figureFault(Rig& r) {
    const GameState& g = r.game();
    for (int c = 1; c <= 3; ++c) {
        if (c != g.EnemyColumn)
            for (int f = 1; f <= 3; ++f)
                if (r.on(seg::enemy(c, f))) return "an enemy is lit outside EnemyColumn";
        // A count below 0 (an attack on an emptied column) shows no figure.
        for (int k = 1; k <= 3; ++k)
            if (r.on(seg::saveme(c, k)) != (k <= g.SavemeCounts[std::size_t(c)]))
                return "the saveme figures of column " + std::to_string(c) +
                       " differ from SavemeCounts";
    }
    // In play the enemy stands in its column in exactly one pose.
    if (r.running(TimerId::Enemy_Move) || r.running(TimerId::Enemy_Attack)) {
        const int c = g.EnemyColumn;
        if (c < 1 || c > 3 || !r.on(seg::enemy(c, 1)) ||
            r.on(seg::enemy(c, 2)) == r.on(seg::enemy(c, 3)))
            return "the enemy is not lit in one pose in its column during play";
    }
    return "";
}

// The LCD and the score against the game's state. The score changes only at
// the end of a hit (hitEnded), and then by exactly 10.
std::string faceFault(Rig& r, int& lastScore, bool hitEnded = false) {
    const GameState& g = r.game();
    int heroes = 0, shots = 0, helpers = 0, marks = 0;
    for (int c = 1; c <= 3; ++c) {
        heroes += r.on(seg::hero(c));
        helpers += r.on(seg::enemyHelper(c));
        marks += r.on(seg::panelMissMark(c));
        for (int row = 1; row <= 4; ++row) shots += r.on(seg::shot(c, row));
    }
    if (std::string f = figureFault(r); !f.empty()) return f;
    if (heroes != 1 || !r.on(seg::hero(g.HeroPosition))) return "not exactly the hero lit";
    if (shots > 1) return "more than one shot lit";
    if (helpers != 1 || !r.on(seg::enemyHelper(g.EnemyHelperPosition)))
        return "not exactly the enemy helper lit";
    if (marks != g.MissCount) return "miss marks differ from MissCount";
    if (g.Score != lastScore + (hitEnded ? 10 : 0))
        return "the score went from " + std::to_string(lastScore) + " to " +
               std::to_string(g.Score) + (hitEnded ? " at a hit" : " without a hit");
    lastScore = g.Score;
    return "";
}

// A player who presses at random, or (in half the games) aims at the enemy.
struct Player {
    SeededRandom dice;
    bool aims;
    bool held[kBindingCount] = {};
    explicit Player(std::uint64_t seed) : dice(seed), aims(seed % 2 == 0) {}

    void act(Rig& r) {
        const GameState& g = r.game();
        // Release whatever is held first, most of the time.
        for (int b = 0; b < kBindingCount; ++b) {
            if (held[b] && dice.next(4) != 0) {
                r.release(DeviceButton(b));
                held[b] = false;
                return;
            }
        }
        DeviceButton b = DeviceButton(dice.next(kBindingCount));
        if (aims && g.EnemyColumn != 0 && dice.next(3) != 0) {
            b = g.HeroPosition < g.EnemyColumn   ? DeviceButton::Right
                : g.HeroPosition > g.EnemyColumn ? DeviceButton::Left
                                                 : DeviceButton::ShootLeft;
        }
        if (held[int(b)]) return;
        r.press(b);
        held[int(b)] = true;
    }
};

TEST(GameProperty, RandomGamesKeepTheFaceAndTimersConsistent) {
    long handlers = 0, bonuses = 0, hits = 0;
    for (int seed = 1; seed <= kGames; ++seed) {
        Rig r;
        r.random.reseed(std::uint64_t(seed));
        Player player(std::uint64_t(seed) * 7919);
        int lastScore = 0;
        std::string fault;
        r.dev.timers().setAfterTick([&](TimerId id) {
            ++handlers;
            if (!fault.empty() || r.mode() < mode::GameA) return;
            if (id == TimerId::Bonus && r.game().BonusStep == 2) ++bonuses;
            fault = timerFault(r);
            // The hit's sixth step is the one that scores; HitStep is then 7.
            const bool hitEnded = id == TimerId::Hit && r.game().HitStep == 7;
            if (fault.empty()) fault = faceFault(r, lastScore, hitEnded);
            if (!fault.empty()) fault += " after " + std::string(timerName(id));
        });
        r.enter(mode::Time1);
        const DeviceButton gameButton = seed % 3 ? DeviceButton::GameA : DeviceButton::GameB;
        r.press(gameButton);
        if (seed % 5 == 0) {  // now and then a silent game
            r.press(DeviceButton::Left);
            r.release(DeviceButton::Left);
        }
        r.release(gameButton);
        while (r.mode() != mode::GameOver && fault.empty() && r.dev.timers().now() < kLongestGame) {
            r.run(20 + player.dice.next(300));
            if (r.mode() == mode::GameOver) break;
            player.act(r);
            if (fault.empty() && r.mode() != mode::GameOver) {
                fault = faceFault(r, lastScore);
                if (fault.empty()) fault = timerFault(r);
                if (!fault.empty()) fault += " after a press";
            }
        }
        hits += r.game().Score / 10;
        ASSERT_EQ(fault, "") << "seed " << seed << " at " << r.dev.timers().now() << " ms";
        ASSERT_EQ(r.mode(), mode::GameOver) << "seed " << seed << " never ended";
        EXPECT_EQ(r.game().MissCount, 3);
    }
    // The games reached every part of the game, bonuses included.
    EXPECT_GT(bonuses, 0);
    EXPECT_GT(hits, kGames);
    std::printf("%ld handlers, %ld hits, %ld bonuses\n", handlers, hits, bonuses);
}

}  // namespace
}  // namespace zx
