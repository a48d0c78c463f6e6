// Timer model and scheduler.
#include "clockwork/timers.h"

namespace zx {

void Timer::arm() {
    deadline_ = owner_->now_ + interval_;
    // Armed by a handler that ran late (the event loop stalled): counting from
    // the stale due time would make the step machine burst through its steps,
    // so it resumes at its own pace from the present instead.
    if (owner_->advancing_ && deadline_ <= owner_->target_) deadline_ = owner_->target_ + interval_;
    armedSeq_ = ++owner_->seq_;
    owner_->rescheduled();
}

void Timer::setInterval(int ms) {
    // Below a millisecond a timer would never let time pass.
    if (ms < 1) ms = 1;
    if (ms == interval_) return;
    interval_ = ms;
    if (enabled_) arm();
}

void Timer::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    if (on)
        arm();
    else
        owner_->rescheduled();
}

Scheduler::Scheduler() {
    for (Timer& t : timers_) t.owner_ = this;
}

void Scheduler::setHandler(TimerId id, std::function<void()> handler) {
    (*this)[id].handler_ = std::move(handler);
}

Timer* Scheduler::nextDue(Millis t) {
    Timer* best = nullptr;
    for (Timer& tm : timers_) {
        if (!tm.enabled_ || tm.deadline_ > t) continue;
        if (!best || tm.deadline_ < best->deadline_ ||
            (tm.deadline_ == best->deadline_ && tm.armedSeq_ < best->armedSeq_))
            best = &tm;
    }
    return best;
}

std::optional<Millis> Scheduler::nextDeadline() const {
    std::optional<Millis> best;
    for (const Timer& tm : timers_)
        if (tm.enabled_ && (!best || tm.deadline_ < *best)) best = tm.deadline_;
    return best;
}

void Scheduler::advance_to(Millis t) {
    if (t < now_) t = now_;
    advancing_ = true;
    target_ = t;
    while (Timer* tm = nextDue(t)) {
        const Millis due = tm->deadline_;
        now_ = due;
        // The next tick follows from when this one was due, so nothing drifts;
        // a timer more than a whole period late restarts its period from t.
        Millis next = due + tm->interval_;
        if (next <= t) next = t + tm->interval_;
        tm->deadline_ = next;
        tm->armedSeq_ = ++seq_;
        if (tm->handler_) tm->handler_();
        if (afterTick_) afterTick_(TimerId(tm - timers_.data()));
    }
    now_ = t;
    advancing_ = false;
    rescheduled();
}

void Scheduler::rescheduled() {
    if (!advancing_ && onReschedule_) onReschedule_();
}

std::string_view timerName(TimerId id) {
    static constexpr std::string_view names[kTimerCount] = {
        "Timer_Startup",    "Timer_Clock",        "Timer_Date",         "Timer_Game_Start",
        "Timer_Enemy_Move", "Timer_Enemy_Attack", "Timer_Enemy_Helper", "Timer_Shot",
        "Timer_Hit",        "Timer_Miss",         "Timer_Bonus",        "Timer_Game_Over"};
    return names[int(id)];
}

}  // namespace zx
