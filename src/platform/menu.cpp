#include "platform/menu.h"

namespace platform {

MenuItem::MenuItem(Form& form, std::string name, std::string caption, MenuItem* parent)
    : Control(form, std::move(name), ControlKind::Menu), caption_(std::move(caption)), parent_(parent) {
    if (parent_) parent_->items_.push_back(this);
}

void MenuItem::setCaption(std::string caption) {
    caption_ = std::move(caption);
    notify(Property::Caption);
}

void MenuItem::setChecked(bool v) {
    checked_ = v;
    notify(Property::Value);
}

void MenuItem::click() {
    if (!enabled() || !visible() || separator()) return;
    fire(onClick);
}

Toolbar::Toolbar(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Toolbar) {}

ToolbarButton& Toolbar::addButton(std::string key, std::string toolTip, int image,
                                  ToolbarButton::Style style) {
    ToolbarButton b;
    b.index = count() + 1;
    b.key = std::move(key);
    b.toolTip = std::move(toolTip);
    b.image = image;
    b.style = style;
    buttons_.push_back(std::move(b));
    notify(Property::Buttons);
    return buttons_.back();
}

const ToolbarButton& Toolbar::button(int index) const {
    static const ToolbarButton none;
    if (index < 1 || index > count()) return none;
    return buttons_[static_cast<std::size_t>(index - 1)];
}

void Toolbar::setButtonEnabled(int index, bool enabled) {
    if (index < 1 || index > count()) return;
    auto& b = buttons_[static_cast<std::size_t>(index - 1)];
    if (b.enabled == enabled) return;
    b.enabled = enabled;
    notify(Property::Buttons);
}

void Toolbar::click(int index) {
    if (index < 1 || index > count() || !visible() || !enabled()) return;
    const auto& b = buttons_[static_cast<std::size_t>(index - 1)];
    if (!b.enabled || !b.visible || b.style == ToolbarButton::Style::Separator) return;
    ToolbarButton copy = b;
    fire(onButtonClick, copy);
}

} // namespace platform
