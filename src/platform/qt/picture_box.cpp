#include "platform/qt/picture_box.h"

#include <QPainter>

namespace qx::qt {

void PictureBox::setPicture(QPixmap picture) {
    picture_ = std::move(picture);
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    static_cast<void>(event);
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

}  // namespace qx::qt
