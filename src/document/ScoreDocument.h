#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace noma {

constexpr int kMaxPages = 100;
constexpr int kMaxRecords = 1000;
constexpr int kFieldCount = 10;

constexpr int kMinPitch = 6;
constexpr int kMaxPitch = 10;
constexpr int kMinTopMargin = 3;
constexpr int kMaxTopMargin = 30;
constexpr int kMinStaveInterval = 6;
constexpr int kMaxStaveInterval = 20;
constexpr int kMaxStaveCapacity = 11;

// One mark on a page: field 0 is the kind, fields 1..9 depend on it.
struct SymbolRecord {
    std::array<int32_t, kFieldCount> field{};

    int32_t& operator[](int i) { return field[static_cast<size_t>(i)]; }
    int32_t operator[](int i) const { return field[static_cast<size_t>(i)]; }
    int32_t kind() const { return field[0]; }
    void setKind(int32_t kind) { field[0] = kind; }
    bool operator==(const SymbolRecord&) const = default;
};

// A file may put any 32-bit value in a field. Moving a field wraps round the 32-bit range
// instead of overflowing, so moving it back (an undo) always restores it exactly.
inline int32_t fieldPlus(int32_t field, int64_t delta) {
    return static_cast<int32_t>(static_cast<uint32_t>(field) + static_cast<uint32_t>(delta));
}

struct DocumentHeader {
    int32_t pageCount = 1;
    int32_t verticalPitch = 8;
    int32_t orientation = 0;  // 0 portrait, 1 landscape
    bool operator==(const DocumentHeader&) const = default;
};

// The six settings of one page, in the order the score file holds them.
struct PageSettings {
    int32_t scoreType = 0;
    int32_t symbolCount = 0;
    int32_t topMargin = 0;
    int32_t staveCount = 0;
    int32_t staveInterval = 0;
    int32_t staveCapacity = 0;
    bool operator==(const PageSettings&) const = default;
};

enum InteractionState : int32_t {
    kNoDocument = -1,
    kIdle = 0,
    kReady = 1,
    kFirstPoint = 2,
    kSecondPoint = 3,
};

// The one score being edited. The symbol store is allocated once at its full size
// (100 pages x 1000 records) and only ever cleared, never reallocated.
class ScoreDocument {
  public:
    ScoreDocument();

    DocumentHeader header;
    std::array<PageSettings, kMaxPages> pages{};

    // Run-time values, not saved.
    int currentPage = 0;
    bool dataChanged = false;
    std::string currentFileName;
    int interactionState = kNoDocument;
    int toolMode = 0;
    int keyIndex = 0;

    SymbolRecord& record(int page, int index) { return store_[slot(page, index)]; }
    const SymbolRecord& record(int page, int index) const { return store_[slot(page, index)]; }
    // The 1000 record slots of a page (records beyond symbolCount may hold stale values).
    SymbolRecord* pageRecords(int page) { return &store_[slot(page, 0)]; }
    const SymbolRecord* pageRecords(int page) const { return &store_[slot(page, 0)]; }

    PageSettings& settings(int page) { return pages[static_cast<size_t>(page)]; }
    const PageSettings& settings(int page) const { return pages[static_cast<size_t>(page)]; }
    int symbolCount(int page) const { return settings(page).symbolCount; }
    int totalSymbolCount() const;

    // Every record of every page to 0 and every symbolCount to 0; settings stay.
    void clearSymbols();
    // All 1000 records of one page to 0 and its symbolCount to 0.
    void clearPage(int page);
    // Appends to the page; false (and nothing written) when the page already holds 1000.
    bool append(int page, const SymbolRecord& record);
    // Removes record `index`, moving the later ones down one place.
    void remove(int page, int index);
    // Copies settings and the records in use of page `from` to page `to`.
    void copyPage(int from, int to);

  private:
    static size_t slot(int page, int index) {
        return static_cast<size_t>(page) * kMaxRecords + static_cast<size_t>(index);
    }
    std::vector<SymbolRecord> store_;
};

}  // namespace noma
