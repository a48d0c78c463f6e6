// Finding and entering the program's folder without converting its name.
#include "app/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#if defined(__linux__)
#include <unistd.h>

#include <vector>
#endif

namespace zx {

std::string programFolder() {
#if defined(__linux__)
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) return {};
        if (std::size_t(n) < buffer.size()) {
            std::string file(buffer.data(), std::size_t(n));
            const std::size_t slash = file.rfind('/');
            return slash == std::string::npos ? std::string() : file.substr(0, slash ? slash : 1);
        }
        buffer.resize(buffer.size() * 2);
    }
#else
    return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
#endif
}

bool enterProgramFolder() {
#if defined(__linux__)
    const std::string folder = programFolder();
    return !folder.empty() && ::chdir(folder.c_str()) == 0;
#else
    return QDir::setCurrent(QCoreApplication::applicationDirPath());
#endif
}

}  // namespace zx
