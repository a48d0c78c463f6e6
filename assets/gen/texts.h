// Readme.txt and Whatsnew.txt, the player's texts beside the executable.
#pragma once

#include <QString>

namespace zxa {

void writeTexts(const QString& dir);

}  // namespace zxa
