#pragma once

#include <QSpinBox>
#include <algorithm>

namespace noma {

// A dialog's page range boxes as it opens on a score: every page, from the first to the last.
inline void showEveryPage(QSpinBox& first, QSpinBox& last, int pageCount) {
    const int pages = std::max(1, pageCount);
    first.setRange(1, pages);
    last.setRange(1, pages);
    first.setValue(1);
    last.setValue(pages);
}

}  // namespace noma
