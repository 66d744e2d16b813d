#pragma once

#include "cli/CliSupport.h"

namespace noma::cli {

int runRender(Args& args);
int runThumbnails(Args& args);

}  // namespace noma::cli
