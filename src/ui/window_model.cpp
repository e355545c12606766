#include "ui/window_model.h"

#include <stdexcept>

namespace qx {

WindowModel::WindowModel(const WindowLayout& layout) : layout_(&layout), caption_(layout.caption) {
    controls_.reserve(layout.controls.size());
    for (const ControlLayout& row : layout.controls) {
        Control control{&row, std::string(row.text), row.enabled, row.visible, {}};
        for (std::string_view item : row.items) control.items.emplace_back(item);
        controls_.push_back(std::move(control));
    }
}

const Control& WindowModel::control(std::string_view name) const {
    for (const Control& control : controls_) {
        if (control.name() == name) return control;
    }
    throw std::logic_error("window " + std::string(layout_->name) + " has no control " + std::string(name));
}

Control& WindowModel::mutableControl(std::string_view name) {
    return const_cast<Control&>(static_cast<const WindowModel&>(*this).control(name));
}

void WindowModel::changed(const Control& control) {
    if (observer_ != nullptr) observer_->controlChanged(control);
}

void WindowModel::setText(std::string_view name, std::string text) {
    Control& control = mutableControl(name);
    control.text = std::move(text);
    changed(control);
}

void WindowModel::setEnabled(std::string_view name, bool enabled) {
    Control& control = mutableControl(name);
    control.enabled = enabled;
    changed(control);
}

void WindowModel::setVisible(std::string_view name, bool visible) {
    Control& control = mutableControl(name);
    control.visible = visible;
    changed(control);
}

void WindowModel::clearItems(std::string_view name) {
    Control& control = mutableControl(name);
    control.items.clear();
    control.text.clear();
    changed(control);
}

void WindowModel::addItem(std::string_view name, std::string item) {
    Control& control = mutableControl(name);
    control.items.push_back(std::move(item));
    changed(control);
}

void WindowModel::takeUserText(std::string_view name, std::string text) {
    mutableControl(name).text = std::move(text);
}

void WindowModel::setCaption(std::string caption) {
    caption_ = std::move(caption);
    if (observer_ != nullptr) observer_->captionChanged(caption_);
}

}  // namespace qx
