#pragma once

#include <functional>

#include <QLabel>

namespace qx::qt {

// A label whose whole area, blank part included, takes a left click: pressed and released on the
// label.
class ClickableLabel : public QLabel {
public:
    using QLabel::QLabel;

    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace qx::qt
