#pragma once

#include <string>

namespace noma {

// Why an operation did not happen: the Japanese text the user is shown (title "確認")
// and a short English gloss for the command-line tool.
struct Failure {
    std::string message;
    std::string gloss;
};

}  // namespace noma
