#pragma once

#include <cstdlib>
#include <string>

namespace noma::test {

// A file of tests/data/musicxml.
inline std::string musicXmlData(const std::string& name) {
    const char* root = std::getenv("NOMA_TEST_DATA");
    return std::string(root != nullptr ? root : "tests/data") + "/musicxml/" + name;
}

}  // namespace noma::test
