#pragma once

#include <QPixmap>
#include <QWidget>

namespace qx::qt {

// Shows a picture at its own size from the box's top-left corner; what lies beyond the box is
// not seen.
class PictureBox : public QWidget {
public:
    explicit PictureBox(QWidget* parent = nullptr) : QWidget(parent) {}

    void setPicture(QPixmap picture);
    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

}  // namespace qx::qt
