// The local date and time, injected so that tests can fix the time of day.
#pragma once

namespace zx {

struct LocalTime {
    int year = 2000, month = 1, day = 1;   // month 1..12, day 1..31
    int hour = 0, minute = 0, second = 0;  // hour 0..23
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalTime now() const = 0;
};

// The machine's local time.
class SystemClock final : public Clock {
  public:
    LocalTime now() const override;
};

// A clock that shows whatever a test sets.
class FixedClock final : public Clock {
  public:
    explicit FixedClock(LocalTime t = {}) : t_(t) {}
    LocalTime now() const override { return t_; }
    void set(LocalTime t) { t_ = t; }

  private:
    LocalTime t_;
};

}  // namespace zx
