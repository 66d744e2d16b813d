#include "ui/PaletteButton.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

#include "document/SymbolCatalogue.h"
#include "ui/AccessibleNames.h"
#include "ui/PalettePictures.h"

namespace noma {

namespace {

constexpr const char* kTwinOf = "nomaTwinOf";

// Either face of a palette button, told to assistive tools as one toggle button whose press
// arms the tool, as a click does.
class PaletteButtonAccessible : public QAccessibleWidget {
  public:
    PaletteButtonAccessible(QWidget* face, PaletteButton* button)
        : QAccessibleWidget(face, QAccessible::Button), button_(button) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button_->isPressed();
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) emit button_->clicked();
    }

  private:
    PaletteButton* button_;
};

QAccessibleInterface* paletteButtonAccessible(const QString&, QObject* object) {
    if (auto* button = qobject_cast<PaletteButton*>(object))
        return new PaletteButtonAccessible(button, button);
    if (auto* button = qobject_cast<PaletteButton*>(object->property(kTwinOf).value<QObject*>()))
        return new PaletteButtonAccessible(static_cast<QWidget*>(object), button);
    return nullptr;
}

}  // namespace

PaletteButton::PaletteButton(int mode, QWidget* parent)
    : QLabel(parent), mode_(mode), twin_(new QLabel(parent)) {
    twin_->setProperty(kTwinOf, QVariant::fromValue<QObject*>(this));
    installAccessibleFactory(paletteButtonAccessible);
    const ModeInfo& info = modeInfo(mode);
    setObjectName(QString::fromUtf8(info.button.data(), static_cast<int>(info.button.size())) +
                  "0");
    twin_->setObjectName(
        QString::fromUtf8(info.button.data(), static_cast<int>(info.button.size())) + "1");
    setPixmap(palettePicture(mode, false));
    twin_->setPixmap(palettePicture(mode, true));
    setToolTip(QString::fromUtf8(info.hint.data(), static_cast<int>(info.hint.size())));
    twin_->setToolTip(toolTip());
    // A screen reader says the tool's name, the one the mode box shows once it is armed.
    const std::string_view name = modeText(mode);
    // Where it sits tells apart the buttons of one name (the stem up and the stem down).
    const QString place =
        QString("パレットの%1列目、%2行目").arg(info.paletteColumn).arg(info.paletteRow);
    for (QLabel* face : {static_cast<QLabel*>(this), twin_}) {
        face->setAccessibleName(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
        face->setAccessibleDescription(place);
    }
    resize(25, 25);
    twin_->resize(25, 25);
    twin_->hide();
    twin_->installEventFilter(this);
}

bool PaletteButton::eventFilter(QObject* watched, QEvent* event) {
    // The pressed twin arms its mode again when clicked.
    if (watched == twin_ && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit clicked();
        return true;
    }
    return QLabel::eventFilter(watched, event);
}

void PaletteButton::place(int x, int y) {
    move(x, y);
    twin_->move(x - 2, y - 2);
}

void PaletteButton::setPressed(bool pressed) {
    pressed_ = pressed;
    setVisible(!pressed);
    twin_->setVisible(pressed);
    if (pressed) twin_->raise();
}

void PaletteButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
}

}  // namespace noma
