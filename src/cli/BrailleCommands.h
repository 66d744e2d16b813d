#pragma once

#include "cli/CliSupport.h"

namespace noma::cli {

int runBraille(Args& args);

}  // namespace noma::cli
