#include "cli/CliSupport.h"
#include "cli/ScoreCommands.h"

namespace noma::cli {

namespace {

const std::vector<OptionSpec> kCommon = {{"--help", false}, {"--folder", true}};

std::vector<OptionSpec> with(std::vector<OptionSpec> options) {
    options.insert(options.end(), kCommon.begin(), kCommon.end());
    return options;
}

const std::vector<OptionSpec> kPageOptions = {{"--type", true},     {"--key", true},
                                              {"--top", true},      {"--interval", true},
                                              {"--staves", true},   {"-o", true}};

std::vector<OptionSpec> plus(std::vector<OptionSpec> options, std::vector<OptionSpec> more) {
    options.insert(options.end(), more.begin(), more.end());
    return with(options);
}

}  // namespace

const std::vector<Command>& commands() {
    static const std::vector<Command> kCommands = {
        {"new",
         "noma-cli new [--orientation portrait|landscape] [--type 1..4] [--key 0..14]\n"
         "             [--pitch 6..10] [--top 3..30] [--interval 6..20] [--staves N] -o OUT.nmg\n"
         "  Creates a one-page score as the new-score dialog's OK does.\n"
         "  Defaults: portrait, type 1, key 0, pitch 8, top 12, interval 10,\n"
         "  staves = as many as fit (a picked count is corrected as the dialog corrects it).\n",
         plus({{"--orientation", true}, {"--pitch", true}}, kPageOptions), runNew},
        {"page-add",
         "noma-cli page-add IN.nmg [--type T] [--key K] [--top M] [--interval I] [--staves N]\n"
         "                  -o OUT.nmg\n"
         "  Appends a page, its defaults taken from the last page as the add-page dialog does.\n",
         with(kPageOptions), runPageAdd},
        {"page-insert",
         "noma-cli page-insert IN.nmg --at N [--type T] [--key K] [--top M] [--interval I]\n"
         "                     [--staves N] -o OUT.nmg\n"
         "  Inserts a new page as page N, its defaults taken from the page before it.\n",
         plus({{"--at", true}}, kPageOptions), runPageInsert},
        {"page-delete",
         "noma-cli page-delete IN.nmg --page N -o OUT.nmg\n"
         "  Deletes page N; a one-page score keeps its page, emptied.\n",
         with({{"--page", true}, {"-o", true}}), runPageDelete},
        {"info",
         "noma-cli info IN.nmg\n"
         "  Validates the score and prints 'pages P pitch V orientation O', then per page\n"
         "  'page N type T symbols S top M staves C interval I capacity K'.\n",
         with({}), runInfo},
        {"records",
         "noma-cli records IN.nmg [--page N]\n"
         "  Prints the records of page N (default 1): 'index: f0 f1 ... f9'.\n",
         with({{"--page", true}}), runRecords},
    };
    return kCommands;
}

}  // namespace noma::cli
