#include "platform/qt/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtMath>

namespace qx::qt {
namespace {

constexpr double kTwipsPerInch = 1440.0;

}  // namespace

TwipsScale TwipsScale::of(const QScreen* screen) {
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {96.0, 96.0};
    return {screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()};
}

int TwipsScale::toPixelsX(double twips) const { return qRound(twips * dpiX_ / kTwipsPerInch); }

int TwipsScale::toPixelsY(double twips) const { return qRound(twips * dpiY_ / kTwipsPerInch); }

QRect TwipsScale::toPixels(int left, int top, int width, int height) const {
    // Both edges are rounded, not the size, so controls that touch in twips touch on the screen.
    const QPoint topLeft = toPixels(left, top);
    const QPoint bottomRight = toPixels(left + width, top + height);
    return {topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())};
}

float TwipsScale::toTwipsX(double pixels) const { return static_cast<float>(pixels * kTwipsPerInch / dpiX_); }

float TwipsScale::toTwipsY(double pixels) const { return static_cast<float>(pixels * kTwipsPerInch / dpiY_); }

}  // namespace qx::qt
