#include <gtest/gtest.h>

#include <set>

#include "TempFolder.h"
#include "document/SymbolKind.h"
#include "document/UserSymbolFile.h"
#include "palettes/GuitarPalette.h"
#include "palettes/PianoPalette.h"
#include "palettes/RecorderPalette.h"
#include "palettes/UserSymbolList.h"
#include "platform/FileIo.h"

namespace noma {
namespace {

// A keyboard choice presses a cell's middle: it must land on that very cell, and every cell
// must be told apart by its name.
void expectDistinctNames(const std::vector<PaletteCell>& cells) {
    std::set<std::string> names;
    for (const PaletteCell& cell : cells) {
        EXPECT_FALSE(cell.name.empty());
        EXPECT_TRUE(names.insert(cell.name).second) << cell.name;
    }
}

// The palette's own hit-test finds each cell again at its middle.
template <typename HitTest>
void expectMiddlesHitBack(const std::vector<PaletteCell>& cells, HitTest cellAt) {
    for (const PaletteCell& cell : cells) {
        const Point p = cellCentre(cell);
        const auto hit = cellAt(p.x, p.y);
        ASSERT_TRUE(hit) << cell.name;
        EXPECT_EQ(hit->mode, cell.mode) << cell.name;
    }
    expectDistinctNames(cells);
}

TEST(PaletteCells, EveryCellsMiddleHitsTheSameCell) {
    const auto piano = pianoCells();
    ASSERT_EQ(piano.size(), 54u);
    expectMiddlesHitBack(piano, pianoCellAt);

    for (int layout : {kRecorderHanging, kRecorderStanding}) {
        const auto recorder = recorderCells(layout);
        ASSERT_EQ(recorder.size(), 30u);
        for (size_t k = 0; k < recorder.size(); ++k) {
            const Point p = cellCentre(recorder[k]);
            EXPECT_EQ(recorderCellAt(p.x, p.y), static_cast<int>(k));
            EXPECT_EQ(recorder[k].mode, recorderMode(static_cast<int>(k), layout));
        }
        expectDistinctNames(recorder);
    }

    const auto guitar = guitarCells();
    ASSERT_EQ(guitar.size(), 12u);
    expectMiddlesHitBack(guitar, guitarCellAt);

    // Only saved symbols are cells, numbered as the picture numbers them.
    test::TempFolder folder;
    ensureDirectory(userSymbolFolder(folder.path()));
    for (int number : {1, 10, 96})
        ASSERT_TRUE(writeUserSymbolFile(userSymbolPath(folder.path(), number), {1, 1, {1}}).ok());
    UserSymbolStore store;
    store.rebuild(folder.path());
    const auto symbols = userSymbolCells(store);
    ASSERT_EQ(symbols.size(), 3u);
    EXPECT_EQ(symbols[1].name, "オリジナル記号 10");
    for (const PaletteCell& cell : symbols) {
        const Point p = cellCentre(cell);
        EXPECT_EQ(userSymbolSlotAt(store, p.x, p.y), cell.mode - kUserSymbolFirst) << cell.name;
    }
}

TEST(PaletteCells, NamesSayTheFingersAndThePitch) {
    const auto piano = pianoCells();
    EXPECT_EQ(piano[0].name, "右手 指1");      // pattern 16: the bottom position
    EXPECT_EQ(piano[14].name, "右手 指4・5");  // pattern 3: the two top positions
    EXPECT_EQ(piano[25].name, "左手 指5");     // pattern 16
    EXPECT_EQ(piano[39].name, "左手 指1・2");  // pattern 3
    EXPECT_EQ(piano[53].name, "逆V字");

    const auto recorder = recorderCells(kRecorderHanging);
    EXPECT_EQ(recorder[0].name, "リコーダー ド4");
    EXPECT_EQ(recorder[1].name, "リコーダー ド♯4");
    EXPECT_EQ(recorder[13].name, "リコーダー ド5");
    EXPECT_EQ(recorder[15].name, "リコーダー ド♯5（替え指）");
    EXPECT_EQ(recorder[29].name, "リコーダー レ6");
}

TEST(PaletteCells, ArrowsReachTheNearestCellThatWayAndStopAtTheEdge) {
    const auto piano = pianoCells();
    EXPECT_EQ(neighbourCell(piano, 4, 1, 0), 50u);   // last one-finger cell -> pedal
    EXPECT_EQ(neighbourCell(piano, 50, 0, 1), 10u);  // pedal -> two-finger cell below it
    EXPECT_EQ(neighbourCell(piano, 10, 0, -1), 50u);
    EXPECT_EQ(neighbourCell(piano, 0, 0, -1), 0u);    // top edge: stays
    EXPECT_EQ(neighbourCell(piano, 15, -1, 0), 15u);  // left edge
    EXPECT_EQ(neighbourCell(piano, 0, 0, 1), 5u);

    const auto guitar = guitarCells();
    EXPECT_EQ(neighbourCell(guitar, 6, 0, 1), 10u);  // onto the wide string cell
    EXPECT_EQ(neighbourCell(guitar, 10, 1, 0), 11u);
    EXPECT_EQ(neighbourCell(guitar, 11, 0, -1), 7u);
    EXPECT_EQ(neighbourCell(guitar, 9, 1, 0), 9u);
    EXPECT_EQ(neighbourCell(guitar, 11, 1, 0), 8u);  // nothing beside: the nearest further right

    const auto recorder = recorderCells(kRecorderHanging);
    EXPECT_EQ(neighbourCell(recorder, 3, 1, 0), 4u);
    EXPECT_EQ(neighbourCell(recorder, 3, 0, 1), 3u);
}

}  // namespace
}  // namespace noma
