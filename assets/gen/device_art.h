// The device picture: moulded case, bezel, printed LCD scene and rubber buttons.
#pragma once

#include <QImage>

namespace zxa {

// The whole 542 x 359 face with every button up, or every button pressed (the
// pressed pictures are cut out of the latter). Outside the case is fully transparent.
QImage paintDevice(bool buttonsPressed);

// The faint reflection laid over the LCD glass, the size of the glass.
QImage glassReflection();

}  // namespace zxa
