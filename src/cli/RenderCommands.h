#pragma once

#include "cli/CliSupport.h"

namespace noma::cli {

int runRender(Args& args);

}  // namespace noma::cli
