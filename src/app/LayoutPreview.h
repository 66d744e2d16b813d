#pragma once

namespace noma {

class Canvas;
class NewScoreForm;
class PageForm;

// The half-scale previews of the layout dialogs, drawn into a canvas of half the page size.
void drawNewScorePreview(const NewScoreForm& form, Canvas& preview);
void drawPageFormPreview(const PageForm& form, Canvas& preview);

}  // namespace noma
