#pragma once

#include <string>

#include "interchange/StaffMusic.h"

namespace noma::interchange {

// "not shown: 2 × trill-mark, 1 × turn", most frequent first; "" when everything was shown.
std::string notShownText(const NotShown& notShown);

// The same list for the editor: "表示できないもの：トリル 2、ターン 1".
std::string notShownTextJapanese(const NotShown& notShown);

// The Japanese name of one not-shown kind; MusicXML element names nobody translated keep their
// own spelling, which the user can look up.
std::string japaneseNameOf(const std::string& kind);

}  // namespace noma::interchange
