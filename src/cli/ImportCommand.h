#pragma once

#include "cli/CliSupport.h"

namespace noma::cli {

int runImport(Args& args);

}  // namespace noma::cli
