// The fonts of every generated picture, loaded from their files so output never depends on
// fontconfig choices.
#pragma once

#include <QFont>

namespace zxa {

// Registers the DejaVu faces; throws std::runtime_error if a file is missing.
void loadFonts();

QFont sansFont(int pixelSize, bool bold = false);
QFont condensedFont(int pixelSize, bool bold = true);
QFont serifFont(int pixelSize, bool bold = false, bool italic = false);
// The LCD panel lettering.
QFont panelFont();

}  // namespace zxa
