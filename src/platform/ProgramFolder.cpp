#include "platform/ProgramFolder.h"

#include <cstdlib>
#include <unistd.h>

#include "platform/FileIo.h"

namespace noma {

std::string executableFolder() {
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return {};
    std::string path(buffer, static_cast<size_t>(n));
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string{} : path.substr(0, slash == 0 ? 1 : slash);
}

std::string defaultProgramFolder() {
    const std::string exe = executableFolder();
    if (!exe.empty() && ::access(exe.c_str(), W_OK) == 0) return exe;

    std::string base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = joinPath(joinPath(home, ".local"), "share");
        ensureDirectory(joinPath(home, ".local"));
    } else {
        base = "/tmp";
    }
    ensureDirectory(base);
    const std::string folder = joinPath(base, "noma");
    ensureDirectory(folder);
    return folder;
}

}  // namespace noma
