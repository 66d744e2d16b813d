#include "platform/ProgramFolder.h"

#include <pwd.h>
#include <unistd.h>
#include <cstdlib>

#include "platform/FileIo.h"

namespace noma {

namespace {

// Makes each missing folder of an absolute path, private to the user.
bool ensurePrivatePath(const std::string& path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        ensureDirectory(path.substr(0, slash), 0700);
    }
    return ensureDirectory(path, 0700);
}

// An installed program's folder belongs to the system, even where root may write to it.
bool isSystemFolder(const std::string& folder) {
    for (const char* prefix : {"/usr/", "/bin/", "/sbin/", "/opt/", "/lib/", "/lib64/"}) {
        if ((folder + "/").rfind(prefix, 0) == 0) return true;
    }
    return false;
}

// The user's home: $HOME, else the password database's entry.
std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home == '/') return home;
    if (const passwd* entry = ::getpwuid(::getuid());
        entry && entry->pw_dir && *entry->pw_dir == '/')
        return entry->pw_dir;
    return {};
}

}  // namespace

std::string executableFolder() {
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return {};
    std::string path(buffer, static_cast<size_t>(n));
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string{} : path.substr(0, slash == 0 ? 1 : slash);
}

Expected<std::string> defaultProgramFolder() {
    const Failure none{"設定ファイルなどを置くフォルダを用意できません。",
                       "no private program folder: set HOME or XDG_DATA_HOME"};
    const std::string exe = executableFolder();
    if (!exe.empty() && !isSystemFolder(exe) && ::access(exe.c_str(), W_OK) == 0) return exe;

    // Only an absolute XDG_DATA_HOME counts, as the base-directory rules say.
    std::string base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') {
        base = xdg;
    } else if (const std::string home = homeFolder(); !home.empty()) {
        base = joinPath(joinPath(home, ".local"), "share");
    } else {
        return none;  // never a shared folder such as /tmp, where others could plant files
    }
    const std::string folder = joinPath(base, "noma");
    if (!ensurePrivatePath(folder) || ::access(folder.c_str(), W_OK) != 0) return none;
    return folder;
}

}  // namespace noma
