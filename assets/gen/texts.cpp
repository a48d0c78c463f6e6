// Readme.txt and Whatsnew.txt: the player's readme and the history of versions.
#include "texts.h"

#include "asset_io.h"

namespace zxa {

namespace {

const char* const kReadme = R"TXT(Zorbanix (Quentrel, Tikkabo) Simulator
Version 5.00 * Final *
======================================

WHAT IT IS
----------
A desktop simulator of the Zorbanix pocket LCD handheld of the Tikkabo
series: a game and a clock in one. The window is a picture of the
handheld; its liquid-crystal segments light and go out as on the real
thing, and its piezo buzzer plays through your speakers.

As a clock it shows the time of day (12-hour, AM and PM), an alarm
face, the date and a chrono face; TIME steps through them. As a game
(game A, or the faster game B) your cadet at the bottom of three
columns moves left and right and shoots upwards at the saucers that
try to carry off the colonists waiting beneath them. A shield drone
between them blocks your shots. A hit scores 10 points, every 1000
points brings a bonus scene, and the third miss ends the game.

The full instructions are in the manual: right mouse button, then
"View manual" (F4).

STARTING
--------
The start window asks for the sound driver. Pick one, or "(no sound)",
and press Play (or Enter, or the 1 key). Untick "Display this splash
screen at startup" to go straight to the handheld next time.
The handheld starts with every segment lit; after 30 seconds, or at
the first press of a mode button, it shows the time.

KEYS AND GAMEPAD
----------------
                   Key            Gamepad
  Game A           1              Start
  Game B           2              north button (Y, triangle)
  Time             3              Back (Select)
  Left             Left arrow     D-pad left, left stick
  Right            Right arrow    D-pad right, left stick
  Shoot (left)     Ctrl           south button (A, cross)
  Shoot (right)    Alt            east button (B, circle)

The keys can be changed with "Key settings" in the menu. Any gamepad
that SDL knows works, plugged in at any time. Its buttons are set by
Pad1..Pad7 in the settings file, in the order of the table, each with
SDL's name of a button: a, b, x, y, back, start, leftshoulder,
rightshoulder, dpleft, dpright, dpup, dpdown, leftstick, rightstick
(Pad6=leftshoulder shoots left with the left shoulder button). The mouse
presses the buttons of the picture as well, and dragging the case
moves the window. The SET button has no function on this model.

THE MENU
--------
Right-click anywhere on the handheld. In full-screen mode the same
commands are in the game menu at the top-left corner of the screen.

  About...                          F1
  View 'Readme.txt'                 F2
  View 'Whatsnew.txt'               F3
  View manual                       F4
  Edit configuration file
  Key settings
  Reset Hiscores
  Display in fullscreen mode        F12
  Display splash screen at startup
  Exit                              Escape

FILES
-----
  zorbanix           the program
  Config.ini         places every picture of the face and sets up the
                     windowed and the full-screen look (read only)
  Graphics/Skin/     the face: device picture, segments, buttons
  Graphics/Backdrops/ the full-screen backdrop and logo
  Graphics/Manual/   the twelve manual pages, 1.bmp to 12.bmp
  Graphics/Windows/  pictures of the start window, about box and menus
  Sound/             Enemy.wav, Gameover.wav, Miss.wav, Shot.wav,
                     Start.wav
  Readme.txt         this file
  Whatsnew.txt       the history of versions

Folders in Config.ini are relative to the folder the program is
started from: start it from its own folder.

A LARGER DEVICE IN FULL SCREEN
------------------------------
Add a line to the [Fullscreen] section of Config.ini:
  Scale=fit    as large as fits in 90 % of the screen
  Scale=2.5    2.5 times the designed size (any number from 1 to 8)
Without the line, or with any other value, the device keeps its
designed size. Every picture also exists at twice its size (its name
with @2x before the extension); the program draws those where the
device is enlarged and on screens with a desktop scale above 100 %.

SETTINGS
--------
Your settings, keys and high scores are kept per user: in the
registry under HKEY_CURRENT_USER\Software\Orvalle\Zorbax50 on
Windows, and in ~/.config/Orvalle/Zorbax50.conf elsewhere. They are
saved the moment they change. Delete them to start afresh.

CREDITS
-------
Pictures, sounds and texts were drawn and synthesized for this
project by its own code. Web page: https://example.org/sim/
Mail: simulator@example.org
)TXT";

const char* const kWhatsnew = R"TXT(Zorbanix Simulator - what's new
===============================

Version 5.00 * Final *
  - Full-screen mode with a tabletop backdrop and logo, and a game
    menu at the top-left corner of the screen (F12 switches).
  - Twelve-page manual viewer (F4).
  - Freely assignable keys for all seven buttons.
  - Sound driver choice in the start window, including "(no sound)".
  - New face: the moulded case, printed LCD scene and all segments
    drawn afresh.

Version 4.00
  - Game B with its own high score.
  - The bonus scene every 1000 points.

Version 3.00
  - Date and chrono faces; TIME steps through all five clock faces.

Version 2.00
  - Sound: start fanfare, shots, saucers, misses and game over.

Version 1.00
  - First release: game A and the time of day.
)TXT";

}  // namespace

void writeTexts(const QString& dir) {
    saveText(QString::fromUtf8(kReadme), dir + "/Readme.txt");
    saveText(QString::fromUtf8(kWhatsnew), dir + "/Whatsnew.txt");
}

}  // namespace zxa
