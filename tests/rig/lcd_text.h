// The LCD as text: which figures are lit and what the digits read, field by
// field, so that a test can state a whole face in one line.
#pragma once

#include <map>
#include <string>

#include "display/face.h"

namespace zx::testing {

// Fields and their values, '-' for nothing lit:
//   hero, helper  columns lit ("2")
//   enemy         column/frames of every lit enemy image ("2/12": body and pose 1)
//   shot          column/row of every lit shot ("3/2")
//   saveme        figures lit per column ("332"; '?' where they are not the
//                 first ones of the column)
//   miss          miss figures lit ("12"), marks the panel miss marks lit ("2")
//   digits        the five places: a digit, 's' before a small one, '_' blank
//   icons         panel icons lit ("game_a,sound")
//   pressed       pressed button pictures shown ("time,left")
// The digits are told apart by the pictures of the glyph holders, so every
// holder needs a picture of its own (giveGlyphsPictures).
std::map<std::string, std::string> lcdFields(const Face& face);
std::string lcdText(const Face& face);  // all fields, "hero=2 helper=2 ..."

// The fields named in `expected` ("hero=2 enemy=1/13") that differ, as
// "enemy=1/12 (expected 1/13)"; empty when all agree.
std::string lcdMismatch(const Face& face, const std::string& expected);

void giveGlyphsPictures(Face& face);

}  // namespace zx::testing
