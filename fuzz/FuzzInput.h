#pragma once

// What every fuzz target shares: the libFuzzer entry point and a private program folder.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace noma::fuzz {

inline std::string_view asText(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A program folder of this process's own, removed when the process ends, so settings and
// clipboard files written by the code under test never touch the user's.
inline const std::string& programFolder() {
    struct Folder {
        std::string path;
        Folder() {
            std::string pattern =
                (std::filesystem::temp_directory_path() / "noma-fuzz-XXXXXX").string();
            path = ::mkdtemp(pattern.data()) ? pattern : std::string();
            if (path.empty()) std::abort();
        }
        ~Folder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static Folder folder;
    return folder.path;
}

}  // namespace noma::fuzz
