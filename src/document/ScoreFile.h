#pragma once

#include <string>
#include <string_view>

#include "platform/Status.h"

namespace noma {

class ScoreDocument;

// The ".nmg" bytes of the document: header line, then per page its settings line and one line
// of ten "%d " fields per record in use; CR LF line ends.
std::string formatScore(const ScoreDocument& doc);

// Writes the score atomically. A failure leaves any existing file as it was.
Status writeScoreFile(const ScoreDocument& doc, const std::string& path);

// Reads score bytes into the document. Everything is validated first; on failure the
// document is left exactly as it was.
Status parseScore(std::string_view bytes, ScoreDocument& doc);

// Reads the score file at `path`; on success the document is open on page 0, unchanged, with no
// tool armed, and `path` is its file name. On failure nothing in the document changes.
Status readScoreFile(const std::string& path, ScoreDocument& doc);

// The path with the extension of its last component replaced by ".nmg" (added when none).
std::string withNmgExtension(const std::string& path);

}  // namespace noma
