// info and records: what a score holds, as text.
#include <string>

#include "cli/ScoreCommands.h"
#include "document/ScoreDocument.h"

namespace noma::cli {

int runInfo(Args& args) {
    ScoreDocument doc;
    loadScore(args.inputFile(), doc);
    const DocumentHeader& h = doc.header;
    std::string out = "pages " + std::to_string(h.pageCount) + " pitch " +
                      std::to_string(h.verticalPitch) + " orientation " +
                      std::to_string(h.orientation) + "\n";
    for (int p = 0; p < h.pageCount; ++p) {
        const PageSettings& s = doc.settings(p);
        out += "page " + std::to_string(p + 1) + " type " + std::to_string(s.scoreType) +
               " symbols " + std::to_string(s.symbolCount) + " top " + std::to_string(s.topMargin) +
               " staves " + std::to_string(s.staveCount) + " interval " +
               std::to_string(s.staveInterval) + " capacity " + std::to_string(s.staveCapacity) +
               "\n";
    }
    writeOut(out);
    return kExitOk;
}

int runRecords(Args& args) {
    ScoreDocument doc;
    loadScore(args.inputFile(), doc);
    const int page = args.intOption("--page", 1, doc.header.pageCount, 1) - 1;
    std::string out;
    for (int i = 0; i < doc.symbolCount(page); ++i) {
        const SymbolRecord& r = doc.record(page, i);
        out += std::to_string(i) + ":";
        for (int f = 0; f < kFieldCount; ++f) {
            out += ' ';
            out += std::to_string(r[f]);
        }
        out += "\n";
    }
    writeOut(out);
    return kExitOk;
}

}  // namespace noma::cli
