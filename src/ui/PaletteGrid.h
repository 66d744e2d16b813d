#pragma once

#include <QWidget>
#include <map>
#include <utility>

class QFrame;
class QKeyEvent;

namespace noma {

class PaletteButton;

// The main palette as one stop of the Tab order: the arrow keys move a frame from button to
// button, Enter or Space presses the framed one as a click does.
class PaletteGrid : public QWidget {
    Q_OBJECT
  public:
    explicit PaletteGrid(QWidget* parent = nullptr);

    // `button` sits in `column` 1.. and `row` 1.. of the grid.
    void addButton(PaletteButton* button, int column, int row);
    PaletteButton* current() const;
    // The keys the grid takes while it has the focus, before the main window's key handler.
    static bool usesKey(const QKeyEvent& key);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void step(int columns, int rows);
    void showCurrent();

    std::map<std::pair<int, int>, PaletteButton*> cells_;  // by (column, row)
    std::pair<int, int> current_{1, 1};
    int columns_ = 0;
    int rows_ = 0;
    QFrame* frame_;
};

}  // namespace noma
