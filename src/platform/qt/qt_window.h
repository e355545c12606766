#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include <QWidget>

#include "platform/qt/control_builder.h"
#include "platform/qt/twips.h"
#include "ui/platform.h"
#include "ui/window_controller.h"

class QIcon;

namespace qx::qt {

// The program's icon, with its 32 and 16 pixel images.
QIcon programIcon();

// The real window of one window controller. It shows the model's controls as widgets, mirrors
// every change of the model onto them, and forwards the user's events to the controller: items
// chosen, texts edited, clicks, and the mouse on its bare surface.
class QtWindow : public QWidget, public WindowObserver {
public:
    explicit QtWindow(WindowController& controller);
    ~QtWindow() override;

    // nullptr once the controller is unloaded.
    WindowController* controller() const { return controller_; }
    // The controller is being unloaded: nothing more goes to it, and it no longer reports here.
    void detach();
    // The controller is already gone: forget it without touching it.
    void forget() { controller_ = nullptr; }

    // The widget of a control by its layout name, or nullptr.
    QWidget* control(std::string_view name) const;

    // Shows the window; the first time, the focus goes to the first control in tab order.
    void present();

    // The window's top-left corner on the screen, in twips.
    WindowPosition position() const;
    void moveTo(WindowPosition position);

    const TwipsScale& scale() const { return scale_; }

    // A key press, seen before the control that has the focus.
    void keyPressed(int characterCode);

    void controlChanged(const Control& control) override;
    void captionChanged(std::string_view caption) override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void connectControl(const BuiltControl& control);
    void focusFirstControl();

    WindowController* controller_;
    TwipsScale scale_;
    std::vector<BuiltControl> controls_;
    bool shown_ = false;
    // Where the controller last put the window: reported as it was given for as long as the
    // window stays at the pixel it was rounded to.
    struct Placement {
        WindowPosition twips;
        QPoint pixels;
    };
    std::optional<Placement> placed_;
};

}  // namespace qx::qt
