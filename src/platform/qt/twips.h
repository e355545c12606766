#pragma once

#include <QPoint>
#include <QRect>

class QScreen;

namespace qx::qt {

// Converts the layouts' twips (1/1440 inch) to the widgets' device-independent pixels and back,
// with the screen's logical resolution, so a layout measures the same inches on every screen.
class TwipsScale {
public:
    TwipsScale(double dotsPerInchX, double dotsPerInchY) : dpiX_(dotsPerInchX), dpiY_(dotsPerInchY) {}
    static TwipsScale of(const QScreen* screen);

    int toPixelsX(double twips) const;
    int toPixelsY(double twips) const;
    QPoint toPixels(double left, double top) const { return {toPixelsX(left), toPixelsY(top)}; }
    QRect toPixels(int left, int top, int width, int height) const;

    float toTwipsX(double pixels) const;
    float toTwipsY(double pixels) const;

private:
    double dpiX_;
    double dpiY_;
};

}  // namespace qx::qt
