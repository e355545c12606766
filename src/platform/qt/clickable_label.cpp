#include "platform/qt/clickable_label.h"

#include <QMouseEvent>

namespace qx::qt {

void ClickableLabel::mousePressEvent(QMouseEvent* event) { event->accept(); }

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick) onClick();
}

}  // namespace qx::qt
