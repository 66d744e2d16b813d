#pragma once

#include <array>
#include <cstdint>

#include "render/FigurePen.h"

namespace noma::render {

// The recorder fingering table: for each of the 30 charts, e0 the thumb hole (0 open, 1 half,
// 2 closed), e1..e5 the single holes (0 open, 1 closed), e6 and e7 the double holes (0 both
// open, 1 larger hole closed, 2 both closed).
constexpr int kRecorderCharts = 30;
using RecorderFingering = std::array<std::array<int8_t, 8>, kRecorderCharts>;
const RecorderFingering& recorderFingering();

// The pictures the piano marks are stamped from.
enum class PaletteTemplate { Pedal, PedalRelease, Arpeggio };
const Mask& paletteTemplate(PaletteTemplate which);

// The figures of the special palettes' kinds (70 and above): piano marks, guitar marks,
// finger numbers, recorder charts and user-drawn symbols (those through context.userSymbols;
// none is drawn without it).
void drawPaletteFigure(FigurePen& pen, const SymbolRecord& record, double x, double y,
                       const FigureContext& context);

// Whether drawPaletteFigure draws anything for the kind.
bool isPaletteKind(int kind);

}  // namespace noma::render
