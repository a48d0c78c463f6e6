// Writes the skin pictures and the Config.ini that places them.
#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <set>

#include "display/controls.h"

namespace zxa {

// Graphics/Skin/*.png and Config.ini below dir.
void writeSkin(const QString& dir);

// The text of the bundled Config.ini.
QString configIni();

// The skin picture of control c (one of the 98), as written to its file.
QImage skinPicture(zx::Ctl c);

// The face as the program draws it: the given controls shown in drawing order,
// digit places 1-5 showing the given digits (-1 blank; place 5 is the small one).
using Digits = std::array<int, 5>;
QImage composeFace(const std::set<zx::Ctl>& shown, const Digits& digits = {8, 8, 8, 8, 8});

// Every LCD segment, as on the start-up face.
std::set<zx::Ctl> allSegments();

// A moment of game A with every button held down.
std::set<zx::Ctl> gameInPlay();

}  // namespace zxa
