#pragma once

#include "cli/CliSupport.h"

namespace noma::cli {

int runPrint(Args& args);

}  // namespace noma::cli
