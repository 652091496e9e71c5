#include "platform/form.h"

#include <algorithm>

#include "platform/control.h"
#include "platform/controls.h"
#include "platform/menu.h"
#include "platform/services.h"
#include "platform/surface.h"

namespace platform {
namespace {
std::vector<Form*>& children() {
    static std::vector<Form*> v;
    return v;
}
std::vector<Form*>& modals() {
    static std::vector<Form*> v;
    return v;
}
Form*& active() {
    static Form* f = nullptr;
    return f;
}
template <class T> void erase(std::vector<T*>& v, T* f) {
    v.erase(std::remove(v.begin(), v.end(), f), v.end());
}

} // namespace

Form::Form(std::string name, FormKind kind) : name_(std::move(name)), kind_(kind), fontName_(kGothic) {
    surface_.setFontName(fontName_);
    surface_.setFontSize(fontSize_);
    surface_.onDrawn = [this] { notify(FormChange::Drawing); };
}

Form::~Form() {
    Desktop::forget(*this);
    if (observer_) observer_->formUnloaded(*this);
}

void Form::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(FormChange::Caption);
}

void Form::move(int left, int top) {
    if (left == left_ && top == top_) return;
    left_ = left;
    top_ = top;
    notify(FormChange::Geometry);
}

void Form::setClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    notify(FormChange::Geometry);
}

void Form::setTitleBar(bool v) {
    titleBar_ = v;
    notify(FormChange::Style);
}

void Form::setFont(std::string name, double size) {
    fontName_ = std::move(name);
    fontSize_ = size;
    surface_.setFontName(fontName_);
    surface_.setFontSize(fontSize_);
    for (Control* c : controls_)
        c->fontChanged();
}

void Form::setBackColor(Color c) {
    backColor_ = c;
    notify(FormChange::Style);
}

bool Form::isActive() const {
    if (!modals().empty()) return modals().back() == this;
    return active() == this;
}

void Form::load() {
    EventScope scope;
    Form_Load();
}

void Form::show() {
    if (!loaded_) return;
    if (!visible_) {
        if (!observer_) services().createView(*this);
        visible_ = true;
        notify(FormChange::Visible);
    }
    if (kind_ == FormKind::MdiChild) Desktop::shown(*this);
    if (!activeControl_) focusFirst();
}

void Form::showModal() {
    if (!loaded_ || modal_) return;
    EventScope scope;
    modal_ = true;
    modals().push_back(this);
    if (!observer_) services().createView(*this);
    visible_ = true;
    notify(FormChange::Visible);
    if (!activeControl_) focusFirst();
    Form_Activate();
    services().runModal(*this);
    // The modal run ends when the form is hidden or unloaded; make sure it is.
    if (loaded_ && visible_) hide();
    erase(modals(), this);
    modal_ = false;
}

void Form::hide() {
    if (!visible_) return;
    visible_ = false;
    notify(FormChange::Visible);
    if (modal_) erase(modals(), this);
    if (kind_ == FormKind::MdiChild) Desktop::hidden(*this);
}

bool Form::unload() {
    if (!loaded_ || unloading_) return true;
    EventScope scope; // keeps this form alive to the end of this call
    bool cancel = false;
    unloading_ = true;
    Form_QueryUnload(cancel);
    if (cancel) {
        unloading_ = false;
        return false;
    }
    Form_Unload();
    hide();
    loaded_ = false;
    Desktop::forget(*this);
    if (observer_) observer_->formUnloaded(*this);
    observer_ = nullptr;
    for (Control* c : controls_)
        c->setObserver(nullptr);
    if (slot_) slot_->release(*this);
    return true;
}

void Form::userClose() {
    EventScope scope; // an unloaded form stays alive to the end of this call
    closingByUser_ = true;
    unload();
    closingByUser_ = false;
}

void Form::userActivate() {
    if (kind_ == FormKind::MdiChild && visible_) Desktop::activate(*this);
}

Control* Form::findControl(std::string_view name) const {
    for (Control* c : controls_)
        if (c->name() == name) return c;
    return nullptr;
}

std::vector<MenuItem*> Form::menuBar() const {
    std::vector<MenuItem*> bar;
    for (Control* c : controls_)
        if (c->kind() == ControlKind::Menu) {
            auto* m = static_cast<MenuItem*>(c);
            if (!m->parent()) bar.push_back(m);
        }
    return bar;
}

CommandButton* Form::defaultButton() const {
    for (Control* c : controls_)
        if (c->kind() == ControlKind::CommandButton) {
            auto* b = static_cast<CommandButton*>(c);
            if (b->isDefault && b->reachable()) return b;
        }
    return nullptr;
}

// Tab order follows creation order unless a form sets it.
Label& Form::addLabel(std::string caption, int left, int top, int width, int height) {
    auto label = std::make_unique<Label>(*this, "DecoLabel" + std::to_string(decorations_.size() + 1),
                                         std::move(caption));
    label->move(left, top, width, height);
    auto& ref = *label;
    decorations_.push_back(std::move(label));
    return ref;
}

Line& Form::addLine(int x1, int y1, int x2, int y2) {
    auto line =
        std::make_unique<Line>(*this, "DecoLine" + std::to_string(decorations_.size() + 1), x1, y1, x2, y2);
    auto& ref = *line;
    decorations_.push_back(std::move(line));
    return ref;
}

void Form::registerControl(Control& control) {
    control.setTabIndex(static_cast<int>(controls_.size()));
    controls_.push_back(&control);
}

void Form::unregisterControl(Control& control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
    if (activeControl_ == &control) activeControl_ = nullptr;
}

void Form::focusControl(Control& control) {
    if (&control.form() != this || !control.focusable() || !control.reachable()) return;
    if (activeControl_ == &control) return;
    EventScope scope;
    Control* old = activeControl_;
    activeControl_ = &control;
    if (old) old->focusLost();
    notify(FormChange::Focus);
    if (activeControl_ == &control) control.focusGained();
}

void Form::notify(FormChange what) {
    if (observer_) observer_->formChanged(*this, what);
}

void Form::activated() {
    notify(FormChange::Active);
    EventScope scope;
    Form_Activate();
}

// The control of the lowest tab index that can take the focus gets it when a form first shows.
void Form::focusFirst() {
    Control* first = nullptr;
    for (Control* c : controls_)
        if (c->focusable() && c->reachable() && (!first || c->tabIndex() < first->tabIndex())) first = c;
    if (first) focusControl(*first);
}

// ---- FormSlotBase

namespace {
std::vector<FormSlotBase*>& slots() {
    static std::vector<FormSlotBase*> v;
    return v;
}
} // namespace

FormSlotBase::FormSlotBase() {
    slots().push_back(this);
}

FormSlotBase::~FormSlotBase() {
    erase(slots(), this);
}

const std::vector<FormSlotBase*>& FormSlotBase::all() {
    return slots();
}

// ---- Desktop

Form* Desktop::activeChild() {
    return active();
}

const std::vector<Form*>& Desktop::shownChildren() {
    return children();
}

const std::vector<Form*>& Desktop::modalStack() {
    return modals();
}

void Desktop::shown(Form& form) {
    erase(children(), &form);
    children().push_back(&form);
    activate(form);
}

void Desktop::hidden(Form& form) {
    erase(children(), &form);
    if (active() != &form) return;
    active() = nullptr;
    if (!children().empty()) activate(*children().back());
}

void Desktop::activate(Form& form) {
    if (active() == &form) return;
    erase(children(), &form);
    children().push_back(&form);
    active() = &form;
    form.activated();
}

void Desktop::forget(Form& form) {
    erase(children(), &form);
    erase(modals(), &form);
    if (active() == &form) active() = nullptr;
}

} // namespace platform
