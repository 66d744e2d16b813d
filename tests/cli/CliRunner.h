#pragma once

#include <sys/wait.h>
#include <array>
#include <cstdio>
#include <string>

namespace noma::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs noma-cli with a shell-quoted argument string; stdout and stderr are captured.
inline CliResult runCli(const std::string& arguments, const std::string& scratchFolder) {
    const std::string errFile = scratchFolder + "/.stderr";
    const std::string command =
        std::string("'") + NOMA_CLI_PATH + "' " + arguments + " 2>'" + errFile + "'";
    CliResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    std::array<char, 4096> buffer{};
    size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.out.append(buffer.data(), n);
    const int raw = ::pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    if (FILE* err = std::fopen(errFile.c_str(), "rb")) {
        while ((n = std::fread(buffer.data(), 1, buffer.size(), err)) > 0)
            result.err.append(buffer.data(), n);
        std::fclose(err);
    }
    std::remove(errFile.c_str());
    return result;
}

}  // namespace noma::test
