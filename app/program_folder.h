// The folder of the running executable, as bytes.
#pragma once

#include <string>

namespace zx {

// The folder of the executable's real file (links followed), exactly as the
// file system names it: a name that is not valid UTF-8 stays intact. Empty
// when the system does not tell.
std::string programFolder();

// Makes the program's folder the current one; false when that failed.
bool enterProgramFolder();

}  // namespace zx
