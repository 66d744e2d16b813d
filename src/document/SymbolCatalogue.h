#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "document/ScoreDocument.h"
#include "document/SymbolKind.h"

namespace noma {

enum class Placement {
    None,             // not a kind (0 and the gaps)
    Generated,        // written only by staff construction (57, 58)
    OneClick,         // column, row
    OneClickPixelX,   // kind 11: x in pixels, row
    TwoClicksEndX,    // column, row, unsnapped x pixel of the right end
    TwoClicksOffset,  // column, row, column offset, row offset
    ThreeClicks,      // two end points and the bulge point
    Line,             // column, row, horizontal and vertical pixel length
    Braille,          // x pixel, y pixel from the row origin, dot pattern
    Region,           // the region and clipboard tools 51..56
    Drag,             // 50: armed while a picked-up symbol is carried
};

// What the catalogue knows of a main-palette mode 0..63.
struct ModeInfo {
    std::string_view modeName;  // shown in the mode box while armed
    std::string_view button;    // base name of the palette picture pair ("" when none)
    std::string_view hint;      // tooltip of the palette button ("" when none)
    int paletteColumn;          // 1..3, 0 when not on the palette
    int paletteRow;             // 1..18
    Placement placement;
};

constexpr int kModeTableSize = 64;

// Entry for modes 0..63; an empty entry for anything else.
const ModeInfo& modeInfo(int mode);

// The text the mode box shows while `mode` is armed: the table for 1..63, the special
// palettes' own texts for their ranges, "" otherwise.
std::string_view modeText(int mode);

// Piano palette modes 200..299: the fingerings and the cells between them.
inline bool isPianoMode(int mode) {
    return mode >= kPianoFirst && mode <= kPianoLast;
}
// User palette modes 100..199: the symbols and the palette's empty cells after them.
inline bool isUserMode(int mode) {
    return mode >= kUserSymbolFirst && mode <= kUserModeLast;
}
// A fingering kind's hand and finger bits (bit 0 the top finger).
struct Fingering {
    bool left;
    int fingers;
};
inline Fingering fingeringOf(int kind) {
    const bool left = kind >= kLeftFingerBase;
    return {left, kind - (left ? kLeftFingerBase : kRightFingerBase)};
}

// How a kind is placed (special palette kinds included).
Placement placementOf(int kind);

// What a kind is, as the palettes group it.
enum class Family {
    None,  // not a kind a tool places
    Note,  // heads, stemmed notes, whole and half notes, grace notes
    Rest,
    Mark,     // dots, articulations, accidentals, clefs, bar lines and other one-cell marks
    Line,     // slurs, hairpins, straight lines, triplet brackets, beams, oblique lines
    Braille,  // a braille cell
    Palette,  // piano, guitar and recorder palette symbols
    User,     // user symbols
};
Family familyOf(int kind);

// What a record field (1..6) holds.
enum class FieldRole {
    Unused,
    Column,  // page column (6 pixels wide)
    Row,     // row counted from the row origin
    PixelX,  // x in pixels
    PixelY,  // y in pixels from the row origin
    Length,  // a pixel length
    Offset,  // a column or row offset from the start point
    Dots,    // a braille dot pattern
};
FieldRole fieldRole(int kind, int field);

// How many leading fields after the kind a record of this kind uses.
int usedFieldCount(int kind);

// Whether field `field` of a record of `kind` holds a pixel value rather than a column or row.
bool isPixelField(int kind, int field);

// A region rewrite or a region nudge: every position field moves by `dc` columns and `dr` rows.
// Fields wrap round the 32-bit range, so the opposite shift always restores a record.
void shiftByCells(SymbolRecord& record, int dc, int dr, int pitch);

// A nudge of the one symbol just placed: its own position moves by one unit of what it holds (a
// pixel for a dot or a braille cell), its other points by whole cells.
void nudgeSingle(SymbolRecord& record, int dx, int dy, int pitch);

// A drag's drop: the record's position becomes (x, row) (x in pixels, snapped to its column
// unless the record holds pixels), and its other points keep their place relative to it.
void moveRecordTo(SymbolRecord& record, int x, int row);

// Whether a transposition moves the symbol up or down with the notes (all its row fields).
bool followsTransposition(int kind);

// The stem of a stemmed note: its direction and flags, or the five bars of a 128th note.
struct Stem {
    bool up = true;
    int flags = 0;
    bool bars = false;
};
std::optional<Stem> stemOf(int kind);

// Where a record sits on its page in pixels: the point it is picked up by, marked by the search
// and drawn from. 64-bit, since a file may put any 32-bit value in a field.
struct HotPosition {
    int64_t x;
    int64_t y;
};
HotPosition hotPosition(const SymbolRecord& record, int topMargin, int pitch);

// The search's aqua mark behind a symbol of `kind` whose hot position is (x, y): a filled
// ellipse inscribed in the box, or for a braille cell a filled rectangle. Right and bottom are
// exclusive. Positions far off the page stay far off it.
struct SearchMark {
    bool box;
    int left;
    int top;
    int right;
    int bottom;
    bool operator==(const SearchMark&) const = default;
};
SearchMark searchMarkAt(int kind, int64_t x, int64_t y, int pitch);

// A new record of `kind` at its position (a column, or an x pixel where the kind holds one, and
// a row); the other fields 0.
inline SymbolRecord placedRecord(int kind, int32_t x, int32_t row) {
    SymbolRecord r;
    r[0] = kind;
    r[1] = x;
    r[2] = row;
    return r;
}

// Fields 3 and 4 of a two-click record: a hairpin's end x (and 0), a straight line's pixel
// lengths, or a bracket's column and row offsets.
inline void setExtent(SymbolRecord& r, int32_t first, int32_t second) {
    r[3] = first;
    r[4] = second;
}

// Typed views of the records whose fields are not just a column and a row.
struct CellPoint {
    int32_t column;
    int32_t row;
};
// Where a record stands: its column (or x pixel) and row.
inline CellPoint cellOf(const SymbolRecord& r) {
    return {r[1], r[2]};
}
// A triplet bracket, beam or oblique line: its start and the other end's column and row offsets.
struct BracketView {
    CellPoint start;
    int32_t columns;
    int32_t rows;
};
inline BracketView bracketOf(const SymbolRecord& r) {
    return {{r[1], r[2]}, r[3], r[4]};
}
struct SlurView {
    CellPoint start, end, bulge;
};
inline SlurView slurOf(const SymbolRecord& r) {
    return {{r[1], r[2]}, {r[3], r[4]}, {r[5], r[6]}};
}
inline SymbolRecord slurRecord(int kind, const SlurView& s) {
    SymbolRecord r = placedRecord(kind, s.start.column, s.start.row);
    setExtent(r, s.end.column, s.end.row);
    r[5] = s.bulge.column;
    r[6] = s.bulge.row;
    return r;
}
// Crescendo, decrescendo and guitar strings: the right end's unsnapped x pixel.
inline int32_t hairpinEndX(const SymbolRecord& r) {
    return r[3];
}
struct BrailleView {
    int32_t x;  // pixels
    int32_t y;  // pixels below the row origin
    int32_t dots;
};
inline BrailleView brailleOf(const SymbolRecord& r) {
    return {r[1], r[2], r[3]};
}
inline SymbolRecord brailleRecord(const BrailleView& cell) {
    SymbolRecord r = placedRecord(kBraille, cell.x, cell.y);
    r[3] = cell.dots;
    return r;
}
// A straight line's pixel lengths across and down.
struct LineLengths {
    int32_t across;
    int32_t down;
};
inline LineLengths lineLengthsOf(const SymbolRecord& r) {
    return {r[3], r[4]};
}

}  // namespace noma
