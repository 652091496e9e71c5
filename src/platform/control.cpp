#include "platform/control.h"

#include "platform/form.h"

namespace platform {

Control::Control(Form& form, std::string name, ControlKind kind)
    : form_(form), name_(std::move(name)), kind_(kind) {
    form_.registerControl(*this);
}

Control::~Control() {
    if (observer_) observer_->controlDestroyed(*this);
    form_.unregisterControl(*this);
}

void Control::setContainer(Control& container) {
    container_ = &container;
    notify(Property::Geometry);
}

void Control::move(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    notify(Property::Geometry);
}

void Control::move(int left, int top) {
    move(left, top, width_, height_);
}

void Control::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    notify(Property::Visible);
}

void Control::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    notify(Property::Enabled);
}

bool Control::reachable() const {
    for (const Control* p = this; p; p = p->container())
        if (!p->visible() || !p->enabled()) return false;
    return true;
}

std::string Control::fontName() const {
    return fontName_.empty() ? form_.fontName() : fontName_;
}

double Control::fontSize() const {
    return fontSize_ > 0 ? fontSize_ : form_.fontSize();
}

void Control::setFont(std::string name, double size, bool bold) {
    fontName_ = std::move(name);
    fontSize_ = size;
    fontBold_ = bold;
    fontChanged();
}

void Control::setFontSize(double size) {
    fontSize_ = size;
    fontChanged();
}

void Control::setForeColor(Color c) {
    if (c == foreColor_) return;
    foreColor_ = c;
    notify(Property::Colors);
}

void Control::setBackColor(Color c) {
    if (c == backColor_) return;
    backColor_ = c;
    notify(Property::Colors);
}

void Control::setFocus() {
    form_.focusControl(*this);
}

bool Control::hasFocus() const {
    return form_.activeControl() == this;
}

void Control::notify(Property what) {
    if (observer_) observer_->controlChanged(*this, what);
}

} // namespace platform
