#include "app/TranspositionForm.h"

#include <algorithm>

#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "music/KeyPreview.h"
#include "platform/Canvas.h"
#include "render/Templates.h"

namespace noma {

namespace {

render::TemplateId templateOf(PreviewGlyph glyph) {
    switch (glyph) {
        case PreviewGlyph::TrebleClef:
            return render::TemplateId::TrebleClef;
        case PreviewGlyph::BassClef:
            return render::TemplateId::BassClef;
        case PreviewGlyph::Sharp:
            return render::TemplateId::KeySharp;
        case PreviewGlyph::Flat:
            return render::TemplateId::KeyFlat;
    }
    return render::TemplateId::TrebleClef;
}

}  // namespace

void TranspositionForm::activate(const ScoreDocument& doc) {
    pageCount_ = std::clamp(static_cast<int>(doc.header.pageCount), 1, kMaxPages);
    firstPage_ = 1;
    lastPage_ = pageCount_;
}

void TranspositionForm::setKeyItem(int item) {
    keyItem_ = item < 0 ? 0 : std::min(item, kKeyCount - 1);
}

void TranspositionForm::setShiftItem(int item) {
    shiftItem_ = std::clamp(item, 0, kShiftItemCount - 1);
}

void TranspositionForm::setFirstPage(int page) {
    firstPage_ = std::clamp(page, 1, pageCount_);
}

void TranspositionForm::setLastPage(int page) {
    lastPage_ = std::clamp(page, 1, pageCount_);
}

TranspositionSettings TranspositionForm::settings() const {
    return {keyItem_, shiftOfItem(shiftItem_), firstPage_, lastPage_};
}

void TranspositionForm::drawPreview(Canvas& preview) const {
    const KeyPreview key = keyPreview(keyItem_);
    if (preview.width() != KeyPreview::kWidth || preview.height() != KeyPreview::kHeight) {
        preview.resize(KeyPreview::kWidth, KeyPreview::kHeight);
    }
    preview.setPenMode(Canvas::PenMode::Copy);
    preview.clear(kWhite);
    for (const PreviewCopy& copy : key.copies) {
        const Canvas glyph = render::templatePicture(templateOf(copy.glyph), kBlack);
        preview.copyRect({copy.left, copy.top, copy.right, copy.bottom}, glyph,
                         {0, 0, copy.sourceWidth, copy.sourceHeight});
    }
    preview.setPenColour(kBlack);
    for (const int y : KeyPreview::kLineYs) {
        preview.moveTo({0, y});
        preview.lineTo({KeyPreview::kWidth, y});
    }
}

}  // namespace noma
