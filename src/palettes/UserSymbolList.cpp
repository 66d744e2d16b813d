#include "palettes/UserSymbolList.h"

#include "document/SymbolKind.h"
#include "palettes/PaletteCanvas.h"

namespace noma {

Rect userSymbolCell(int slot) {
    const int x = kUserSymbolCell * (slot % 8);
    const int y = kUserSymbolCell * (slot / 8);
    return {x, y, x + kUserSymbolCell, y + kUserSymbolCell};
}

std::optional<int> userSymbolSlotAt(const UserSymbolStore& store, int x, int y) {
    for (int k = 0; k < kUserSymbolCount; ++k) {
        if (!store.slot(k).exists) continue;
        const Rect b = userSymbolCell(k);
        if (b.x1 < x && x < b.x2 && b.y1 < y && y < b.y2) return k;
    }
    return std::nullopt;
}

std::vector<PaletteCell> userSymbolCells(const UserSymbolStore& store) {
    std::vector<PaletteCell> list;
    for (int k = 0; k < kUserSymbolCount; ++k)
        if (store.slot(k).exists)
            list.push_back({userSymbolCell(k), "オリジナル記号 " + std::to_string(k + 1),
                            kUserSymbolFirst + k});
    return list;
}

void drawUserSymbolList(Canvas& c, const UserSymbolStore& store, Rgb frame) {
    c.resize(kUserSymbolListWidth, kUserSymbolListHeight, kWhite);
    c.clear(kWhite);
    for (int k = 0; k < kUserSymbolCount; ++k) {
        const UserSymbolStore::Slot& s = store.slot(k);
        if (!s.exists) continue;
        const Rect b = userSymbolCell(k);
        drawCellFrame(c, b.x1, b.y1, b.x2, b.y2, frame);
        const int x = b.x1 + (kUserSymbolCell - s.width) / 2;
        const int y = b.y1 + (kUserSymbolCell - s.height) / 2;
        c.copyRect({x, y, x + s.width, y + s.height}, s.black, {0, 0, s.width, s.height});
        drawLabel(c, b.x1 + 1, b.y1 + 1, k + 1);
    }
}

}  // namespace noma
