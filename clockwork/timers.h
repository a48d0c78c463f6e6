// The twelve millisecond timers of the device and the scheduler that fires them.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace zx {

enum class TimerId : int {
    Startup,
    Clock,
    Date,
    Game_Start,
    Enemy_Move,
    Enemy_Attack,
    Enemy_Helper,
    Shot,
    Hit,
    Miss,
    Bonus,
    Game_Over,
};
inline constexpr int kTimerCount = 12;

using Millis = std::int64_t;

class Scheduler;

// A periodic timer. Setting the interval or the enabled flag to the value it
// already has changes nothing; a new interval on an enabled timer restarts its
// period; enabling makes the first tick come one interval later.
class Timer {
  public:
    int interval() const { return interval_; }
    bool enabled() const { return enabled_; }
    void setInterval(int ms);  // at least 1 ms
    void setEnabled(bool on);
    // The time of the next tick; meaningful only while enabled.
    Millis deadline() const { return deadline_; }

  private:
    friend class Scheduler;
    void arm();

    Scheduler* owner_ = nullptr;
    int interval_ = 1;
    bool enabled_ = false;
    Millis deadline_ = 0;
    std::uint64_t armedSeq_ = 0;  // breaks ties between equal deadlines
    std::function<void()> handler_;
};

// Knows only milliseconds since start. advance_to(t) fires every tick due up
// to t in deadline order, ties in arming order, each handler to completion.
// A timer that is more than a period late ticks once and resumes its period
// from t, and a timer armed by a late handler counts from t: no burst of
// catch-up ticks after a stall.
class Scheduler {
  public:
    Scheduler();
    Scheduler(const Scheduler&) = delete;
    Scheduler& operator=(const Scheduler&) = delete;

    Timer& operator[](TimerId id) { return timers_[std::size_t(id)]; }
    const Timer& operator[](TimerId id) const { return timers_[std::size_t(id)]; }

    void setHandler(TimerId id, std::function<void()> handler);

    Millis now() const { return now_; }
    void advance_to(Millis t);
    std::optional<Millis> nextDeadline() const;

    // Called whenever the earliest deadline may have moved, so that a host can
    // re-aim its single real timer.
    void setOnReschedule(std::function<void()> f) { onReschedule_ = std::move(f); }
    // Called after every handler has run, for observers that check the
    // device between ticks.
    void setAfterTick(std::function<void(TimerId)> f) { afterTick_ = std::move(f); }

  private:
    friend class Timer;
    Timer* nextDue(Millis t);
    void rescheduled();

    std::array<Timer, kTimerCount> timers_{};
    Millis now_ = 0;
    Millis target_ = 0;  // the time advance_to is bringing the timers up to
    std::uint64_t seq_ = 0;
    bool advancing_ = false;
    std::function<void()> onReschedule_;
    std::function<void(TimerId)> afterTick_;
};

std::string_view timerName(TimerId id);

}  // namespace zx
