// The settings file as start-up reads it. Whatever it holds, the settings read from it must be
// in range and must write back to a text that reads the same.
#include <cstdlib>

#include "FuzzInput.h"
#include "document/Settings.h"

using namespace noma;

namespace {

bool inRange(const Settings& s) {
    if (s.printStrength < 1 || s.printStrength > 6) return false;
    if (s.recorderLayout != 0 && s.recorderLayout != 1) return false;
    for (char key : s.sixKeyMap) {
        if (key < 'a' || key > 'z') return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Settings settings = parseSettings(fuzz::asText(data, size));
    if (!inRange(settings)) std::abort();
    const std::string written = formatSettings(settings);
    const Settings reread = parseSettings(written);
    if (!inRange(reread) || formatSettings(reread) != written) std::abort();
    return 0;
}
