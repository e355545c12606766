#include "platform/qt/qt_window.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "platform/qt/clickable_label.h"
#include "platform/qt/control_palette.h"

namespace qx::qt {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toUtf8(const QString& text) { return text.toStdString(); }

int buttonMask(Qt::MouseButtons buttons) {
    int mask = 0;
    if (buttons & Qt::LeftButton) mask |= 1;
    if (buttons & Qt::RightButton) mask |= 2;
    if (buttons & Qt::MiddleButton) mask |= 4;
    return mask;
}

int shiftMask(Qt::KeyboardModifiers modifiers) {
    int mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= 1;
    if (modifiers & Qt::ControlModifier) mask |= 2;
    if (modifiers & Qt::AltModifier) mask |= 4;
    return mask;
}

void showItems(QComboBox& selector, const Control& control) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(control.items.size()));
    for (const std::string& item : control.items) items.push_back(fromUtf8(item));
    QStringList shown;
    for (int i = 0; i < selector.count(); ++i) shown.push_back(selector.itemText(i));
    if (shown != items) {
        selector.clear();
        selector.addItems(items);
    }
    const QString text = fromUtf8(control.text);
    if (selector.currentText() != text) {
        // The list's selection follows the text, so the arrow keys move on from the item shown.
        selector.setCurrentIndex(selector.findText(text));
        selector.setEditText(text);
    }
}

void showText(QWidget& widget, const Control& control) {
    const QString text = fromUtf8(control.text);
    switch (control.kind()) {
        case ControlKind::Frame:
            static_cast<QGroupBox&>(widget).setTitle(text);
            break;
        case ControlKind::Label:
            static_cast<QLabel&>(widget).setText(text);
            break;
        case ControlKind::TextField: {
            auto& field = static_cast<QLineEdit&>(widget);
            // Setting an equal text would still move the cursor to the end.
            if (field.text() != text) field.setText(text);
            break;
        }
        case ControlKind::Selector:
            showItems(static_cast<QComboBox&>(widget), control);
            break;
        case ControlKind::Button:
            static_cast<QPushButton&>(widget).setText(text);
            break;
        case ControlKind::PictureBox:
            break;
    }
}

}  // namespace

QIcon programIcon() { return QIcon(QStringLiteral(":/qx410/qx410.ico")); }

QtWindow::QtWindow(WindowController& controller)
    : controller_(&controller), scale_(TwipsScale::of(QGuiApplication::primaryScreen())) {
    const WindowLayout& layout = controller.model().layout();
    setObjectName(fromUtf8(layout.name));
    setWindowIcon(programIcon());
    applyWindowBackground(*this, layout.background);
    setFixedSize(scale_.toPixelsX(layout.clientWidth), scale_.toPixelsY(layout.clientHeight));
    controls_ = buildControls(*this, layout, scale_);
    for (const BuiltControl& control : controls_) connectControl(control);
    // The load step has already run: the widgets start from the model as it is now.
    for (const Control& control : controller.model().controls()) controlChanged(control);
    captionChanged(controller.model().caption());
    controller.model().setObserver(this);
}

QtWindow::~QtWindow() = default;

void QtWindow::detach() {
    if (controller_ != nullptr) controller_->model().setObserver(nullptr);
    controller_ = nullptr;
}

QWidget* QtWindow::control(std::string_view name) const {
    for (const BuiltControl& control : controls_) {
        if (control.layout->name == name) return control.widget;
    }
    return nullptr;
}

void QtWindow::connectControl(const BuiltControl& control) {
    const std::string_view name = control.layout->name;
    switch (control.layout->kind) {
        case ControlKind::Label:
            static_cast<ClickableLabel*>(control.widget)->onClick = [this, name] {
                if (controller_ != nullptr) controller_->clicked(name);
            };
            break;
        case ControlKind::Button:
            connect(static_cast<QPushButton*>(control.widget), &QPushButton::clicked, this, [this, name] {
                if (controller_ != nullptr) controller_->clicked(name);
            });
            break;
        case ControlKind::TextField:
            connect(static_cast<QLineEdit*>(control.widget), &QLineEdit::textEdited, this,
                    [this, name](const QString& text) {
                        if (controller_ != nullptr) controller_->textEdited(name, toUtf8(text));
                    });
            break;
        case ControlKind::Selector: {
            auto* selector = static_cast<QComboBox*>(control.widget);
            connect(selector, &QComboBox::activated, this, [this, name](int index) {
                if (controller_ != nullptr && index >= 0) controller_->itemChosen(name, static_cast<std::size_t>(index));
            });
            connect(selector->lineEdit(), &QLineEdit::textEdited, this, [this, name](const QString& text) {
                if (controller_ != nullptr) controller_->textEdited(name, toUtf8(text));
            });
            break;
        }
        case ControlKind::Frame:
        case ControlKind::PictureBox:
            break;
    }
}

void QtWindow::controlChanged(const Control& control) {
    QWidget* widget = this->control(control.name());
    if (widget == nullptr) return;
    showText(*widget, control);
    widget->setEnabled(control.enabled);
    // An enabled control keeps every press on it, so only the bare surface and disabled controls
    // reach the window's drag.
    widget->setAttribute(Qt::WA_NoMousePropagation, control.enabled);
    if (widget->isHidden() == control.visible) widget->setVisible(control.visible);
}

void QtWindow::captionChanged(std::string_view caption) { setWindowTitle(fromUtf8(caption)); }

void QtWindow::present() {
    if (!shown_) {
        shown_ = true;
        focusFirstControl();
    }
    show();
    activateWindow();
}

void QtWindow::focusFirstControl() {
    // The focus chain is in tab order already; the first control that can take the focus gets it.
    for (QWidget* widget = nextInFocusChain(); widget != this; widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && widget->isVisibleTo(this)) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

WindowPosition QtWindow::position() const {
    const QPoint now = pos();
    if (placed_ && placed_->pixels == now) return placed_->twips;
    return {scale_.toTwipsX(now.x()), scale_.toTwipsY(now.y())};
}

void QtWindow::moveTo(WindowPosition position) {
    const QPoint pixels = scale_.toPixels(position.left, position.top);
    placed_ = Placement{position, pixels};
    move(pixels);
}

void QtWindow::keyPressed(int characterCode) {
    if (controller_ != nullptr) controller_->keyPress(characterCode);
}

void QtWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (controller_ == nullptr) return;
    const QPointF at = event->position();
    controller_->mouseDown(buttonMask(event->button()), shiftMask(event->modifiers()), scale_.toTwipsX(at.x()),
                           scale_.toTwipsY(at.y()));
}

void QtWindow::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (controller_ == nullptr) return;
    const QPointF at = event->position();
    controller_->mouseMove(buttonMask(event->buttons()), shiftMask(event->modifiers()), scale_.toTwipsX(at.x()),
                           scale_.toTwipsY(at.y()));
}

}  // namespace qx::qt
