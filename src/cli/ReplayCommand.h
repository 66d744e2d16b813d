#pragma once

#include "cli/CliSupport.h"

namespace noma::cli {

int runReplay(Args& args);

}  // namespace noma::cli
