#include "platform/qt/control_builder.h"

#include <algorithm>
#include <array>
#include <string_view>

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "platform/qt/clickable_label.h"
#include "platform/qt/control_palette.h"
#include "platform/qt/picture_box.h"

namespace qx::qt {
namespace {

// The pictures that picture boxes show; the layouts name the boxes, not what is in them.
struct PictureSource {
    std::string_view window;
    std::string_view control;
    const char* resource;
};
constexpr std::array<PictureSource, 1> kPictures{{{"Form1", "Picture1", ":/qx410/registered.jpg"}}};

QPixmap pictureFor(std::string_view window, std::string_view control) {
    for (const PictureSource& source : kPictures) {
        if (source.window == window && source.control == control) return QPixmap(QString::fromLatin1(source.resource));
    }
    return {};
}

QWidget* makeWidget(const WindowLayout& window, const ControlLayout& row, QWidget* parent) {
    switch (row.kind) {
        case ControlKind::Frame: {
            auto* frame = new QGroupBox(parent);
            frame->setFocusPolicy(Qt::NoFocus);
            return frame;
        }
        case ControlKind::Label: {
            auto* label = new ClickableLabel(parent);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setFocusPolicy(Qt::NoFocus);
            return label;
        }
        case ControlKind::TextField:
            return new QLineEdit(parent);
        case ControlKind::Selector: {
            auto* selector = new QComboBox(parent);
            selector->setEditable(true);
            // Typing must never pick an item: no completion, Return adds nothing to the list, and
            // finishing an edit does not pick the item that the typed text matches, as QComboBox
            // would by itself.
            selector->setCompleter(nullptr);
            selector->setInsertPolicy(QComboBox::NoInsert);
            selector->setDuplicatesEnabled(true);
            QObject::disconnect(selector->lineEdit(), &QLineEdit::editingFinished, selector, nullptr);
            return selector;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(parent);
            button->setAutoDefault(false);
            return button;
        }
        case ControlKind::PictureBox: {
            auto* box = new PictureBox(parent);
            box->setFocusPolicy(Qt::NoFocus);
            box->setPicture(pictureFor(window.name, row.name));
            return box;
        }
    }
    return new QWidget(parent);
}

QWidget* containerOf(const ControlLayout& row, QWidget& surface, const std::vector<BuiltControl>& built) {
    if (row.parent.empty()) return &surface;
    for (const BuiltControl& control : built) {
        if (control.layout->name == row.parent) return control.widget;
    }
    return &surface;
}

void setTabOrder(const std::vector<BuiltControl>& built) {
    std::vector<const BuiltControl*> order;
    for (const BuiltControl& control : built) {
        if (control.widget->focusPolicy() & Qt::TabFocus) order.push_back(&control);
    }
    std::stable_sort(order.begin(), order.end(), [](const BuiltControl* a, const BuiltControl* b) {
        return a->layout->tabIndex < b->layout->tabIndex;
    });
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1]->widget, order[i]->widget);
}

}  // namespace

void applyFont(QWidget& widget, const FontSpec& layoutFont) {
    if (layoutFont.family.empty()) return;
    QFont font(QString::fromUtf8(layoutFont.family.data(), static_cast<qsizetype>(layoutFont.family.size())));
    font.setPointSizeF(layoutFont.points);
    font.setBold(layoutFont.bold);
    font.setItalic(layoutFont.italic);
    widget.setFont(font);
}

std::vector<BuiltControl> buildControls(QWidget& surface, const WindowLayout& layout, const TwipsScale& scale) {
    std::vector<BuiltControl> built;
    built.reserve(layout.controls.size());
    for (const ControlLayout& row : layout.controls) {
        QWidget* widget = makeWidget(layout, row, containerOf(row, surface, built));
        widget->setObjectName(QString::fromUtf8(row.name.data(), static_cast<qsizetype>(row.name.size())));
        widget->setGeometry(scale.toPixels(row.left, row.top, row.width, row.height));
        applyFont(*widget, row.font);
        applyColours(*widget, row.kind, row.background, row.foreground);
        built.push_back({&row, widget});
    }
    setTabOrder(built);
    return built;
}

}  // namespace qx::qt
