// The handle of SDL's library.
#include "sound/sdl/sdl_library.h"

namespace zx {

// SDL alone: its audio and controllers are all the program needs, without
// the codecs and synthesisers a mixer library would bring in.
QLibrary& sdlLibrary() {
#if defined(Q_OS_WIN)
    static QLibrary lib(QStringLiteral("SDL2"));
#else
    static QLibrary lib(QStringLiteral("SDL2-2.0"), 0);
#endif
    return lib;
}

}  // namespace zx
