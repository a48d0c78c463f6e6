// Golden scenarios: a script of "at t ms: press, release, set, expect" lines
// played on the device rig in virtual time.
#pragma once

#include <string>
#include <vector>

namespace zx::testing {

// One failed expectation or unreadable line, with its line number.
struct ScenarioFailure {
    int line;
    std::string message;
};

// Plays the script (the text of a .scn file) and returns what went wrong.
//
//   # comment                  anything after '#' is ignored
//   draws 1/3 0/5 4/10         the next random draws, in order, each as
//                              value/range: 1/3 is the next(3) that gives
//                              1; a draw of another range fails the line
//   draws any                  unscripted draws are allowed from here on
//   sound off                  no sound output (it is on by default)
//   mode 1                     sets the mode and builds its face
//   set Score 990              game or device state; "saveme 312",
//                              "MissCount 2" and "Score" also show the
//                              figures, marks and digits
//   setting HiScore1 0         a value in the settings store
//   at 3000 <command>          first runs every tick due up to 3000 ms
//   press GameA / release ShootLeft
//   pad 1 plug                 game controller 1 connected (SDL's virtual
//                              joystick; the Pad bindings are read now)
//   pad 1 press start          its button by SDL's name, then "release"
//   pad 1 stick -20000         its left stick's horizontal position
//   pad 1 unplug
//   expect pads 1              controllers connected
//   expect mode 8
//   expect lcd hero=2 enemy=1/12          only the fields named
//   expect var ShotReady 1
//   expect timers Enemy_Move Enemy_Helper  exactly these run ("-": none)
//   expect sounds Enemy Shot   samples played since the last "expect sounds"
//   expect writes HiScore1=230 settings written since the last "expect writes"
//   expect setting HiScore1 230  ("-": not stored)
//   expect next Enemy_Move 6455  the timer's next tick
// At the end every scripted draw must have been used, and no draw may have
// been unscripted unless "draws any" allowed it.
std::vector<ScenarioFailure> runScenario(const std::string& script);

}  // namespace zx::testing
