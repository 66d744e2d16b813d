#pragma once

#include <string>
#include <string_view>

#include "platform/Status.h"

namespace noma::musicxml {

// Whether the bytes are a zip archive (a compressed .mxl container).
bool looksLikeZip(std::string_view bytes);

// The score text of a .mxl container: the first rootfile that META-INF/container.xml names.
// An entry that would inflate past the size limit is refused before it is inflated past it.
Expected<std::string> extractRootFile(std::string_view zipBytes);

inline constexpr const char* kBadContainerMessage =
    "MusicXMLの圧縮ファイル（.mxl）を読み込めません。";
inline constexpr const char* kZipBombMessage =
    "圧縮されたMusicXMLファイルを展開すると大きすぎるため、読み込めません。";

}  // namespace noma::musicxml
