#pragma once

#include "cli/CliSupport.h"

namespace noma::cli {

int runMidi(Args& args);
int runExport(Args& args);
int runPlay(Args& args);
int runTranspose(Args& args);
int runDescribe(Args& args);

}  // namespace noma::cli
