// The system's default beep, behind an interface so that tests can count it.
#pragma once

namespace zx {

class Beeper {
  public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

}  // namespace zx
