#pragma once

#include "cli/CliSupport.h"

namespace noma::cli {

int runNew(Args& args);
int runPageAdd(Args& args);
int runPageInsert(Args& args);
int runPageDelete(Args& args);
int runInfo(Args& args);
int runRecords(Args& args);

}  // namespace noma::cli
