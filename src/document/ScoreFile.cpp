#include "document/ScoreFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

#include "document/ScoreDocument.h"
#include "platform/AtomicFile.h"
#include "platform/FileIo.h"
#include "platform/TokenReader.h"

namespace noma {

namespace {

void appendInt(std::string& out, int32_t value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

// `problem` says what is wrong with the bytes; the user is told that the file was not read.
Failure invalidFile(const Failure& problem) {
    return {"ＮＭＧファイルの内容が正しくないため、読み込めませんでした。\n" + problem.message,
            "not a valid score file: " + problem.gloss};
}

// A score read from bytes and checked against the model's limits, not yet applied.
struct ParsedScore {
    DocumentHeader header;
    std::array<PageSettings, kMaxPages> pages{};
    std::vector<SymbolRecord> records;  // all pages' records in use, in order
};

class ScoreParser {
  public:
    // A record takes at least 20 bytes of text; no file holds more than the model's records.
    explicit ScoreParser(std::string_view bytes)
        : reader_(bytes),
          estimate_(std::min(bytes.size() / 20, static_cast<size_t>(kMaxPages) * kMaxRecords)) {}

    Status parse(ParsedScore& out) {
        int32_t h[3];
        for (auto& v : h)
            if (!next(v)) return readProblem();
        out.header = {h[0], h[1], h[2]};
        if (h[0] < 1 || h[0] > kMaxPages)
            return Failure{
                "ページ数が１～１００の範囲にありません（" + std::to_string(h[0]) + "）。",
                "page count " + std::to_string(h[0]) + " is not 1..100"};
        if (h[1] < kMinPitch || h[1] > kMaxPitch)
            return Failure{"縦ピッチが６～１０の範囲にありません（" + std::to_string(h[1]) + "）。",
                           "vertical pitch " + std::to_string(h[1]) + " is not 6..10"};
        if (h[2] != 0 && h[2] != 1)
            return Failure{"用紙の向きの値が正しくありません（" + std::to_string(h[2]) + "）。",
                           "orientation " + std::to_string(h[2]) + " is not 0 or 1"};

        out.records.reserve(estimate_);
        size_t total = 0;
        for (int p = 0; p < out.header.pageCount; ++p) {
            int32_t s[6];
            for (auto& v : s)
                if (!next(v)) return readProblem();
            PageSettings& page = out.pages[static_cast<size_t>(p)];
            page = {s[0], s[1], s[2], s[3], s[4], s[5]};
            if (Status checked = checkPage(p, page); !checked.ok()) return checked;
            out.records.resize(total + static_cast<size_t>(page.symbolCount));
            for (int i = 0; i < page.symbolCount; ++i) {
                SymbolRecord& r = out.records[total + static_cast<size_t>(i)];
                for (int f = 0; f < kFieldCount; ++f)
                    if (!next(r[f])) return readProblem();
            }
            total += static_cast<size_t>(page.symbolCount);
        }
        if (!reader_.atEnd())
            return Failure{"ファイルの終わりに余分なデータがあります。",
                           "unexpected data after the last record"};
        return {};
    }

  private:
    bool next(int32_t& value) {
        status_ = reader_.nextInt(value);
        return status_ == TokenReader::IntStatus::Ok;
    }

    Failure readProblem() const {
        switch (status_) {
            case TokenReader::IntStatus::Ok:
            case TokenReader::IntStatus::End:
                return Failure{"ファイルが途中で終わっています。", "the file ends too early"};
            case TokenReader::IntStatus::NotInteger:
                return Failure{"整数でないデータがあります（" + std::to_string(reader_.position()) +
                                   "バイト目まで）。",
                               "a value that is not an integer before byte " +
                                   std::to_string(reader_.position())};
            case TokenReader::IntStatus::OutOfRange:
                return Failure{"大きすぎる数値があります。", "an integer out of the 32-bit range"};
        }
        return {};
    }

    static Status checkPage(int p, const PageSettings& s) {
        struct Check {
            const char* ja;
            const char* en;
            int32_t value;
            int32_t lo;
            int32_t hi;
        };
        const Check checks[] = {
            {"譜表の種類", "score type", s.scoreType, 1, 4},
            {"記号数", "symbol count", s.symbolCount, 0, kMaxRecords},
            {"トップの値", "top margin", s.topMargin, kMinTopMargin, kMaxTopMargin},
            {"最大段数", "stave capacity", s.staveCapacity, 0, kMaxStaveCapacity},
            {"段数", "stave count", s.staveCount, 0, s.staveCapacity},
            {"段間隔", "stave interval", s.staveInterval, kMinStaveInterval, kMaxStaveInterval},
        };
        for (const Check& c : checks) {
            if (c.value < c.lo || c.value > c.hi) {
                return Failure{std::to_string(p + 1) + "ページ目の" + c.ja + "が範囲外です（" +
                                   std::to_string(c.value) + "）。",
                               "page " + std::to_string(p + 1) + ": " + c.en + " " +
                                   std::to_string(c.value) + " is not " + std::to_string(c.lo) +
                                   ".." + std::to_string(c.hi)};
            }
        }
        return {};
    }

    TokenReader reader_;
    TokenReader::IntStatus status_ = TokenReader::IntStatus::Ok;
    size_t estimate_;  // records a file of this size holds at most, roughly
};

void applyScore(const ParsedScore& parsed, ScoreDocument& doc) {
    doc.header = parsed.header;
    const SymbolRecord* next = parsed.records.data();
    for (int p = 0; p < kMaxPages; ++p) {
        // Each slot is written once: the page's records, then zeros for the rest.
        const int count =
            p < parsed.header.pageCount ? parsed.pages[static_cast<size_t>(p)].symbolCount : 0;
        if (p < parsed.header.pageCount) doc.settings(p) = parsed.pages[static_cast<size_t>(p)];
        doc.settings(p).symbolCount = count;
        SymbolRecord* records = doc.pageRecords(p);
        std::copy_n(next, count, records);
        std::fill(records + count, records + kMaxRecords, SymbolRecord{});
        next += count;
    }
}

}  // namespace

std::string formatScore(const ScoreDocument& doc) {
    std::string out;
    out.reserve(64 + static_cast<size_t>(doc.totalSymbolCount()) * 40);
    const DocumentHeader& h = doc.header;
    appendInt(out, h.pageCount);
    out += ' ';
    appendInt(out, h.verticalPitch);
    out += ' ';
    appendInt(out, h.orientation);
    out += "\r\n";
    for (int p = 0; p < h.pageCount; ++p) {
        const PageSettings& s = doc.settings(p);
        const int32_t values[6] = {s.scoreType,  s.symbolCount,   s.topMargin,
                                   s.staveCount, s.staveInterval, s.staveCapacity};
        for (int i = 0; i < 6; ++i) {
            if (i > 0) out += ' ';
            appendInt(out, values[i]);
        }
        out += "\r\n";
        for (int r = 0; r < s.symbolCount; ++r) {
            const SymbolRecord& record = doc.record(p, r);
            for (int f = 0; f < kFieldCount; ++f) {
                appendInt(out, record[f]);
                out += ' ';
            }
            out += "\r\n";
        }
    }
    return out;
}

Status writeScoreFile(const ScoreDocument& doc, const std::string& path) {
    // Say why a file cannot be replaced (read-only, a device...) in the user's words.
    if (Status allowed = outputAllowed(path); !allowed.ok()) {
        return saveFailure(path, allowed.failure());
    }
    return writeFileAtomically(path, formatScore(doc));
}

Status parseScore(std::string_view bytes, ScoreDocument& doc) {
    ParsedScore parsed;
    if (Status read = ScoreParser(bytes).parse(parsed); !read.ok())
        return invalidFile(read.failure());
    applyScore(parsed, doc);
    return {};
}

Status readScoreFile(const std::string& path, ScoreDocument& doc) {
    const Expected<std::string> bytes = readWholeFile(path);
    if (!bytes.ok()) {
        return Failure{"ファイルを開けませんでした。\n" + path + "\n" + bytes.failure().message,
                       "cannot open " + path + ": " + bytes.failure().gloss};
    }
    if (Status parsed = parseScore(*bytes, doc); !parsed.ok()) return parsed;
    doc.currentFileName = path;
    doc.currentPage = 0;
    doc.interactionState = kIdle;
    doc.dataChanged = false;
    doc.toolMode = 0;
    return {};
}

std::string withNmgExtension(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = path.find_last_of('.');
    if (dot != std::string::npos && dot >= nameStart) return path.substr(0, dot) + ".nmg";
    return path + ".nmg";
}

}  // namespace noma
