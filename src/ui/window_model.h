#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/layout.h"

namespace qx {

// One control of a loaded window: what the user sees of it and can do with it. A hidden
// control keeps its text and stays readable.
struct Control {
    const ControlLayout* layout;
    std::string text;
    bool enabled;
    bool visible;
    std::vector<std::string> items;  // selectors only

    std::string_view name() const { return layout->name; }
    ControlKind kind() const { return layout->kind; }
};

// Told of every change the controllers make, so a front-end can mirror it onto its widgets.
class WindowObserver {
public:
    virtual ~WindowObserver() = default;
    virtual void controlChanged(const Control& control) = 0;
    virtual void captionChanged(std::string_view caption) = 0;
};

// A window's controls, created from its layout table. Controllers change the window only
// through this model.
class WindowModel {
public:
    explicit WindowModel(const WindowLayout& layout);

    const WindowLayout& layout() const { return *layout_; }
    std::string_view name() const { return layout_->name; }

    // The control of that layout name; a name the layout lacks is a programming error.
    const Control& control(std::string_view name) const;
    const std::vector<Control>& controls() const { return controls_; }

    const std::string& text(std::string_view name) const { return control(name).text; }
    void setText(std::string_view name, std::string text);
    void setEnabled(std::string_view name, bool enabled);
    void setVisible(std::string_view name, bool visible);
    void clearItems(std::string_view name);  // removes the items and empties the text
    void addItem(std::string_view name, std::string item);

    // Text typed by the user: the widget already shows it, so no observer hears of it.
    void takeUserText(std::string_view name, std::string text);

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

    bool keyPreview() const { return keyPreview_; }
    void setKeyPreview(bool on) { keyPreview_ = on; }

    void setObserver(WindowObserver* observer) { observer_ = observer; }

private:
    Control& mutableControl(std::string_view name);
    void changed(const Control& control);

    const WindowLayout* layout_;
    std::vector<Control> controls_;
    std::string caption_;
    bool keyPreview_ = false;
    WindowObserver* observer_ = nullptr;
};

}  // namespace qx
