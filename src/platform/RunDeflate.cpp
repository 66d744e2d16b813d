#include "platform/RunDeflate.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <queue>
#include <vector>

namespace noma {

namespace {

constexpr uint32_t kAdlerBase = 65521;
constexpr int kMaxMatch = 258;
constexpr int kEndOfBlock = 256;
constexpr int kLengthSymbols = 286;  // literals, end of block, length codes 257..285
constexpr int kMaxCodeBits = 15;
constexpr int kMaxCodeLengthBits = 7;

constexpr int kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                 31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr int kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                  2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
// The order the code-length code's own lengths are written in.
constexpr int kCodeLengthOrder[19] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                      11, 4,  12, 3, 13, 2, 14, 1, 15};

// A literal (0..255), or a match of length 3..258 at distance 1 as its length code (257..285)
// and extra bits.
struct Symbol {
    uint16_t code = 0;
    uint16_t extra = 0;
};

// The length code and extra bits of every match length.
struct LengthCodes {
    std::array<Symbol, kMaxMatch + 1> of{};
    LengthCodes() {
        for (int length = 3; length <= kMaxMatch; ++length) {
            int i = 28;
            while (kLengthBase[i] > length) --i;
            if (length == kMaxMatch) i = 28;
            of[static_cast<size_t>(length)] = {static_cast<uint16_t>(257 + i),
                                               static_cast<uint16_t>(length - kLengthBase[i])};
        }
    }
};

const LengthCodes& lengthCodes() {
    static const LengthCodes codes;
    return codes;
}

class BitWriter {
  public:
    explicit BitWriter(std::string& out) : out_(out) {}
    // `count` (at most 24) bits of `value`, least significant first.
    void put(uint32_t value, int count) {
        buffer_ |= static_cast<uint64_t>(value) << count_;
        count_ += count;
        if (count_ >= 32) {
            const auto word = static_cast<uint32_t>(buffer_);
            const char bytes[4] = {static_cast<char>(word), static_cast<char>(word >> 8),
                                   static_cast<char>(word >> 16), static_cast<char>(word >> 24)};
            out_.append(bytes, 4);
            buffer_ >>= 32;
            count_ -= 32;
        }
    }
    void flush() {
        while (count_ > 0) {
            out_ += static_cast<char>(buffer_ & 0xFFu);
            buffer_ >>= 8;
            count_ -= 8;
        }
        count_ = 0;
        buffer_ = 0;
    }

  private:
    std::string& out_;
    uint64_t buffer_ = 0;
    int count_ = 0;
};

// Huffman code lengths for the frequencies, none longer than `limit` bits. Symbols that do not
// occur get no code; a lone symbol gets a one-bit code. Should a code come out too long, the
// frequencies are flattened and the code built again, which converges in a few rounds.
std::vector<int> codeLengths(std::vector<uint64_t> freq, int limit) {
    const size_t n = freq.size();
    std::vector<int> lengths(n, 0);
    for (;;) {
        struct Node {
            uint64_t weight;
            int index;  // < n: a symbol; else an inner node
        };
        const auto heavier = [](const Node& a, const Node& b) {
            return a.weight > b.weight || (a.weight == b.weight && a.index > b.index);
        };
        std::priority_queue<Node, std::vector<Node>, decltype(heavier)> queue(heavier);
        std::vector<int> parent;
        for (size_t i = 0; i < n; ++i)
            if (freq[i] > 0) queue.push({freq[i], static_cast<int>(i)});
        if (queue.empty()) return lengths;
        if (queue.size() == 1) {
            lengths[static_cast<size_t>(queue.top().index)] = 1;
            return lengths;
        }
        parent.assign(n, -1);
        while (queue.size() > 1) {
            const Node a = queue.top();
            queue.pop();
            const Node b = queue.top();
            queue.pop();
            const int inner = static_cast<int>(parent.size());
            parent.push_back(-1);
            parent[static_cast<size_t>(a.index)] = inner;
            parent[static_cast<size_t>(b.index)] = inner;
            queue.push({a.weight + b.weight, inner});
        }
        int longest = 0;
        for (size_t i = 0; i < n; ++i) {
            if (freq[i] == 0) continue;
            int depth = 0;
            for (int p = parent[i]; p != -1; p = parent[static_cast<size_t>(p)]) ++depth;
            lengths[i] = depth;
            longest = std::max(longest, depth);
        }
        if (longest <= limit) return lengths;
        for (uint64_t& f : freq)
            if (f > 0) f = std::max<uint64_t>(1, f / 2);
    }
}

// The canonical codes of the lengths, bit-reversed for writing least significant bit first.
std::vector<uint32_t> canonicalCodes(const std::vector<int>& lengths) {
    std::array<int, kMaxCodeBits + 2> count{};
    for (int l : lengths) ++count[static_cast<size_t>(l)];
    count[0] = 0;
    std::array<uint32_t, kMaxCodeBits + 2> next{};
    uint32_t code = 0;
    for (int bits = 1; bits <= kMaxCodeBits + 1; ++bits) {
        code = (code + static_cast<uint32_t>(count[static_cast<size_t>(bits - 1)])) << 1;
        next[static_cast<size_t>(bits)] = code;
    }
    std::vector<uint32_t> codes(lengths.size(), 0);
    for (size_t i = 0; i < lengths.size(); ++i) {
        const int l = lengths[i];
        if (l == 0) continue;
        const uint32_t c = next[static_cast<size_t>(l)]++;
        uint32_t r = 0;
        for (int b = 0; b < l; ++b) r |= ((c >> b) & 1u) << (l - 1 - b);
        codes[i] = r;
    }
    return codes;
}

// The Adler-32 checksum of the samples, taken a run at a time.
class Adler {
  public:
    void addRun(uint32_t value, uint64_t length) {
        // b gains a + v, a + 2v, ..., a + Lv.
        b_ = (b_ + length % kAdlerBase * a_ + value * (length * (length + 1) / 2 % kAdlerBase)) %
             kAdlerBase;
        a_ = (a_ + length % kAdlerBase * value) % kAdlerBase;
    }
    uint32_t value() const { return static_cast<uint32_t>((b_ << 16) | a_); }

  private:
    uint64_t a_ = 1;
    uint64_t b_ = 0;
};

// Length of the run of pixels equal to p[0], at most n.
size_t runLength(const uint32_t* p, size_t n) {
    const uint32_t v = p[0];
    size_t i = 1;
    // Eight at a time while they all match: white rows are the common case.
    while (i + 8 <= n) {
        uint32_t differs = 0;
        for (size_t k = 0; k < 8; ++k) differs |= p[i + k] ^ v;
        if (differs != 0) break;
        i += 8;
    }
    while (i < n && p[i] == v) ++i;
    return i;
}

// The picture as deflate symbols: each run a literal (unless it continues the sample before)
// and matches at distance 1. False at the first pixel with colour.
bool runSymbols(const Canvas& picture, std::vector<Symbol>& symbols, Adler& adler) {
    const LengthCodes& lengths = lengthCodes();
    int previous = -1;  // the last sample; a run of it continues as matches
    const size_t width = static_cast<size_t>(picture.width());
    const size_t height = static_cast<size_t>(picture.height());
    for (size_t y = 0; y < height; ++y) {
        const uint32_t* row = picture.data() + y * width;
        for (size_t x = 0; x < width;) {
            const uint32_t pixel = row[x];
            if ((((pixel >> 8) ^ pixel) & 0xFFFFu) != 0) return false;
            const size_t length = runLength(row + x, width - x);
            x += length;
            const auto value = static_cast<uint16_t>(pixel & 0xFFu);
            adler.addRun(value, length);
            size_t left = length;
            if (value != previous) {
                symbols.push_back({value, 0});
                previous = value;
                --left;
            }
            for (; left >= kMaxMatch; left -= kMaxMatch) symbols.push_back(lengths.of[kMaxMatch]);
            if (left >= 3) {
                symbols.push_back(lengths.of[left]);
            } else {
                for (; left > 0; --left) symbols.push_back({value, 0});
            }
        }
    }
    return true;
}

}  // namespace

bool deflateGreyRuns(const Canvas& picture, std::string& out) {
    std::vector<Symbol> symbols;
    Adler adler;
    if (!runSymbols(picture, symbols, adler)) return false;

    // One block with codes fitted to this page: its symbols are few and very uneven.
    std::vector<uint64_t> freq(kLengthSymbols, 0);
    for (const Symbol& s : symbols) ++freq[s.code];
    freq[kEndOfBlock] = 1;
    const std::vector<int> litLengths = codeLengths(freq, kMaxCodeBits);
    const std::vector<uint32_t> litCodes = canonicalCodes(litLengths);
    int litCount = kLengthSymbols;
    while (litCount > 257 && litLengths[static_cast<size_t>(litCount - 1)] == 0) --litCount;
    // Every match is at distance 1: distance code 0 alone, written with one bit.
    const std::vector<int> distLengths = {1};

    // The code lengths themselves, written with a code of their own (no run-length symbols).
    std::vector<int> all(litLengths.begin(), litLengths.begin() + litCount);
    all.insert(all.end(), distLengths.begin(), distLengths.end());
    std::vector<uint64_t> lengthFreq(19, 0);
    for (int l : all) ++lengthFreq[static_cast<size_t>(l)];
    const std::vector<int> clLengths = codeLengths(lengthFreq, kMaxCodeLengthBits);
    const std::vector<uint32_t> clCodes = canonicalCodes(clLengths);
    int clCount = 19;
    while (clCount > 4 && clLengths[static_cast<size_t>(kCodeLengthOrder[clCount - 1])] == 0)
        --clCount;

    out.clear();
    out += '\x78';  // deflate, 32K window
    out += '\x01';
    BitWriter bits(out);
    bits.put(0b101, 3);  // the final block, dynamic codes
    bits.put(static_cast<uint32_t>(litCount - 257), 5);
    bits.put(0, 5);  // one distance code
    bits.put(static_cast<uint32_t>(clCount - 4), 4);
    for (int i = 0; i < clCount; ++i)
        bits.put(static_cast<uint32_t>(clLengths[static_cast<size_t>(kCodeLengthOrder[i])]), 3);
    for (int l : all) bits.put(clCodes[static_cast<size_t>(l)], clLengths[static_cast<size_t>(l)]);

    for (const Symbol& s : symbols) {
        bits.put(litCodes[s.code], litLengths[s.code]);
        if (s.code > kEndOfBlock) {
            bits.put(s.extra, kLengthExtra[s.code - 257]);
            bits.put(0, 1);  // distance code 0: distance 1
        }
    }
    bits.put(litCodes[kEndOfBlock], litLengths[kEndOfBlock]);
    bits.flush();
    const uint32_t sum = adler.value();
    out += static_cast<char>(sum >> 24);
    out += static_cast<char>(sum >> 16);
    out += static_cast<char>(sum >> 8);
    out += static_cast<char>(sum);
    return true;
}

}  // namespace noma
