// SDL's library, loaded at run time by the parts that use it (the sound
// output, the game controllers), so that a run needing neither never loads it.
#pragma once

#include <QLibrary>

namespace zx {

// The one handle of SDL's library; loaded by the first part that needs it.
QLibrary& sdlLibrary();

// One function of the library into its slot; false when it is missing.
template <class F>
bool resolveSdl(F& slot, const char* name) {
    slot = reinterpret_cast<F>(sdlLibrary().resolve(name));
    return slot != nullptr;
}

}  // namespace zx
