// The leaflet's text: what the player needs to know, one topic per page.
#include "manual_text.h"

#include <array>

namespace zxa {

namespace {

const std::array<ManualPageText, 12> kPages = {{
    {"Zorbanix", "Pocket LCD game and clock\n\nInstruction leaflet", PageArt::cover},
    {"The buttons",
     "GAME A, GAME B: show a game, then start it.\nTIME: step through the clock faces.\n"
     "LEFT, RIGHT: move your cadet.\nSHOOT (either side): fire.   SET: not used.",
     PageArt::device},
    {"The clock",
     "When switched on, every segment lights for 30 seconds. Then, or at the first press of TIME, "
     "GAME A or GAME B, the time of day appears: 12-hour, with AM or PM.\n\n"
     "Press TIME to step through the faces:\nTIME 1, TIME 2, ALARM, DATE, CHRONO, and back to TIME "
     "1.",
     PageArt::timeFace},
    {"The clock faces",
     "TIME 1 and TIME 2 both show the time of day.\n\nALARM shows 12:00 AM.\n\n"
     "DATE shows the month, then the day: 3:07 is the 7th of March.\n\nCHRONO shows 00:00 0.\n\n"
     "On this model alarm and chrono are display faces only; the SET button does nothing.",
     PageArt::clockFaces},
    {"Game A and game B",
     "Press GAME A or GAME B: the game's ready face shows its high score, the colonists on their "
     "towers, the shield drone and your cadet.\n\n"
     "Release the button to start. A fanfare plays and the saucers arrive 3 seconds later.\n\n"
     "Game B is the faster game.",
     PageArt::readyFace},
    {"How to play",
     "Saucers appear at the top of the three columns. Beneath each, three colonists wait on a "
     "tower.\n\n"
     "Move your cadet with LEFT and RIGHT and fire up the column with SHOOT. One shot flies at a "
     "time.\n\n"
     "A shot that reaches the saucer's column drives it off.",
     PageArt::field},
    {"Saucers and the drone",
     "A saucer either hovers a moment and moves on, or attacks: its claws snap and grab the top "
     "colonist of its column.\n\n"
     "The shield drone flits between the columns just above your cadet. A shot fired up the "
     "drone's column stops at its shield.",
     PageArt::attack},
    {"Scoring and the bonus",
     "Each hit scores 10 points. The saucers grow faster as the score rises.\n\n"
     "Every 1000 points the bonus scene plays: the colonist by the shelter dances, every tower is "
     "refilled and the pace drops back.\n\nThe display shows the last four digits of the score.",
     PageArt::bonus},
    {"Misses and game over",
     "When a saucer takes the last colonist of a column, that is a miss: the shelter's alarm "
     "flashes and a broken heart appears under MISS. The towers are refilled and play goes on.\n\n"
     "The third miss ends the game. 30 seconds later the clock returns; press GAME A or GAME B to "
     "play again.",
     PageArt::miss},
    {"High scores",
     "Game A and game B each keep their best score. It shows on the game's ready face and is "
     "saved as soon as a game ends with a better one.\n\n"
     "To clear both, open the menu with the right mouse button and choose Reset Hiscores.",
     PageArt::hiscore},
    {"Keys",
     "The mouse presses the buttons, and dragging the case moves the window.\n\n"
     "Change the keys with Key settings in the menu (right mouse button). F1 about, F2 readme, "
     "F4 this manual, F12 full screen, Escape quits.",
     PageArt::keys},
    {"Sound",
     "The note symbol shows that the game sound is on. Each ready face switches it on; press LEFT "
     "while the ready face shows to play silently.\n\n"
     "The sound driver is chosen in the start window; choose (no sound) to keep the computer "
     "quiet.",
     PageArt::sound},
}};

}  // namespace

const ManualPageText& manualPageText(int n) { return kPages.at(std::size_t(n - 1)); }

}  // namespace zxa
