#include "gui/form_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "gui/icons.h"
#include "gui/main_window.h"
#include "gui/page_painter.h"
#include "gui/qt_convert.h"
#include "gui/widgets.h"
#include "platform/controls.h"
#include "platform/menu.h"

namespace gui {

using platform::Control;
using platform::ControlKind;
using platform::FormChange;
using platform::Property;

namespace {

// Everything a fresh widget takes from its control; Visible last, once the widget is complete.
constexpr Property kAllProperties[] = {
    Property::Geometry, Property::Font,      Property::Colors,    Property::Border,
    Property::Style,    Property::Items,     Property::Text,      Property::Caption,
    Property::Value,    Property::Selection, Property::Alignment, Property::InputMode,
    Property::Drawing,  Property::Scroll,    Property::Enabled,   Property::Visible,
};

template <class T> T& as(Control& c) {
    return static_cast<T&>(c);
}

bool hasWidget(ControlKind k) {
    return k != ControlKind::Menu && k != ControlKind::Toolbar;
}

Qt::Alignment toQt(platform::Alignment a) {
    switch (a) {
    case platform::Alignment::Right:
        return Qt::AlignRight;
    case platform::Alignment::Center:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

// Widgets of other controls inside `widget`.
QList<QWidget*> childWidgets(QWidget* widget) {
    return widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

TextField* fieldOf(QWidget* w) {
    if (auto* f = qobject_cast<TextField*>(w)) return f;
    if (auto* combo = qobject_cast<QComboBox*>(w)) return qobject_cast<TextField*>(combo->lineEdit());
    return nullptr;
}

} // namespace

FormView::FormView(platform::Form& form, MainWindow* main, QWidget* parent)
    : QWidget(parent), form_(&form), main_(main), host_(this) {
    form.setObserver(this);
    setFont(controlFont(form.fontName(), form.fontSize()));
    applyForm(FormChange::Style);
    applyForm(FormChange::Geometry);
    realiseControls();
}

// The widgets going down with the view must not call back into it.
FormView::~FormView() {
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
    detach();
}

FormView* FormView::of(const platform::Form& form) {
    return dynamic_cast<FormView*>(form.observer());
}

void FormView::setHost(QWidget* host) {
    host_ = host ? host : this;
    applyForm(FormChange::Caption);
    applyForm(FormChange::Style);
    applyForm(FormChange::Geometry);
    orderTabs();
}

QWidget* FormView::widgetFor(const Control& control) const {
    auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second;
}

QSize FormView::sizeHint() const {
    if (!form_) return QWidget::sizeHint();
    return {twipsToPx(form_->clientWidth()), twipsToPx(form_->clientHeight())};
}

void FormView::userClose() {
    if (form_) form_->userClose();
}

void FormView::userActivate() {
    if (form_) form_->userActivate();
}

// ---- Building

void FormView::realiseControls() {
    for (Control* c : form_->controls())
        realise(*c);
    orderTabs();
}

QWidget* FormView::realise(Control& control) {
    if (QWidget* w = widgetFor(control)) return w;
    control.setObserver(this);
    if (!hasWidget(control.kind())) return nullptr;
    QWidget* parent = this;
    if (Control* box = control.container(); box && box != &control)
        if (QWidget* pw = realise(*box)) parent = pw;
    QWidget* w = create(control, parent);
    widgets_[&control] = w;
    watch(w, control);
    for (Property p : kAllProperties)
        apply(control, p);
    return w;
}

void FormView::watch(QWidget* widget, Control& control) {
    controls_[widget] = &control;
    widget->installEventFilter(this);
}

// Keys, edits and selections of a text box or of a combo box's edit part go to the model.
void FormView::wireEditable(platform::EditBox& box, TextField* field) {
    Control* cp = &box;
    platform::EditBox* bp = &box;
    field->onKey = [this, cp, bp](int code) {
        if (!alive(cp)) return -1;
        const int result = bp->keyPress(code);
        return alive(cp) ? result : -1;
    };
    field->onFocusIn = [this, cp] {
        if (alive(cp)) showSelection(*cp);
    };
    connect(field, &QLineEdit::textEdited, this, [this, cp, bp, field](const QString& text) {
        if (alive(cp)) bp->userEdit(utf8(text), codePointIndex(text, field->cursorPosition()));
    });
    auto select = [this, cp, bp, field] {
        if (!alive(cp)) return;
        const QString text = field->text();
        if (field->hasSelectedText()) {
            const int start = codePointIndex(text, field->selectionStart());
            bp->userSelect(start, codePointIndex(text, field->selectionEnd()) - start);
        } else {
            bp->userSelect(codePointIndex(text, field->cursorPosition()), 0);
        }
    };
    connect(field, &QLineEdit::selectionChanged, this, select);
    connect(field, &QLineEdit::cursorPositionChanged, this, select);
}

QWidget* FormView::create(Control& c, QWidget* parent) {
    Control* cp = &c;
    switch (c.kind()) {
    case ControlKind::TextBox: {
        auto& box = as<platform::TextBox>(c);
        auto* field = new TextField(parent);
        wireEditable(box, field);
        field->onClick = [this, cp, &box] {
            if (!alive(cp)) return;
            box.click();
            if (alive(cp)) showSelection(*cp);
        };
        field->onDblClick = [this, cp, &box] {
            if (!alive(cp)) return;
            box.dblClick();
            if (alive(cp)) showSelection(*cp);
        };
        return field;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::CommandButton: {
        auto& button = as<platform::CommandButton>(c);
        auto* w = new PushButton(parent);
        w->setAutoDefault(false);
        w->setDefault(button.isDefault);
        connect(w, &QPushButton::clicked, this, [this, cp, &button] {
            if (alive(cp)) button.click();
        });
        return w;
    }
    case ControlKind::OptionButton: {
        auto& option = as<platform::OptionButton>(c);
        auto* w = new QRadioButton(parent);
        w->setAutoExclusive(false);
        // Qt has toggled the button already; the model decides what it shows.
        connect(w, &QAbstractButton::clicked, this, [this, cp, &option, w] {
            if (!alive(cp)) return;
            option.click();
            if (!alive(cp)) return;
            const QSignalBlocker block(w);
            w->setChecked(option.value());
        });
        return w;
    }
    case ControlKind::CheckBox: {
        auto& check = as<platform::CheckBox>(c);
        auto* w = new QCheckBox(parent);
        connect(w, &QAbstractButton::clicked, this, [this, cp, &check] {
            if (!alive(cp)) return;
            check.click();
            if (alive(cp)) apply(*cp, Property::Value);
        });
        return w;
    }
    case ControlKind::ComboBox: {
        auto& box = as<platform::ComboBox>(c);
        auto* combo = new QComboBox(parent);
        combo->setInsertPolicy(QComboBox::NoInsert);
        if (box.style() == platform::ComboBox::Style::DropDownCombo) {
            auto* field = new TextField(combo);
            combo->setLineEdit(field);
            combo->setCompleter(nullptr);
            wireEditable(box, field);
            watch(field, c);
        }
        connect(combo, &QComboBox::activated, this, [this, cp, &box](int i) {
            if (!alive(cp)) return;
            box.choose(i);
            if (alive(cp)) apply(*cp, Property::Text);
        });
        return combo;
    }
    case ControlKind::Frame:
        if (as<platform::Frame>(c).border()) return new QGroupBox(parent);
        return new QFrame(parent);
    case ControlKind::Line:
        return new LineWidget(parent);
    case ControlKind::PictureBox: {
        auto* w = new PictureWidget(parent);
        w->setPicture(&as<platform::PictureBox>(c));
        return w;
    }
    case ControlKind::Image:
        return new QLabel(parent);
    case ControlKind::ScrollBar: {
        auto& bar = as<platform::ScrollBar>(c);
        auto* w = new QScrollBar(
            bar.orientation() == platform::ScrollBar::Orientation::Horizontal ? Qt::Horizontal : Qt::Vertical,
            parent);
        w->setTracking(false);
        connect(w, &QScrollBar::valueChanged, this, [this, cp, &bar](int v) {
            if (alive(cp)) bar.setValue(v);
        });
        return w;
    }
    default:
        return new QWidget(parent);
    }
}

// Tab order follows the tab indexes; labels and lines lie under the other controls, as drawn on the
// form itself.
void FormView::orderTabs() {
    if (!form_) return;
    std::vector<Control*> order;
    for (Control* c : form_->controls()) {
        QWidget* w = widgetFor(*c);
        if (!w) continue;
        if (c->focusable())
            order.push_back(c);
        else
            w->setFocusPolicy(Qt::NoFocus);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](Control* a, Control* b) { return a->tabIndex() < b->tabIndex(); });
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(widgetFor(*order[i - 1]), widgetFor(*order[i]));
    const auto& all = form_->controls();
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        if ((*it)->kind() == ControlKind::Label || (*it)->kind() == ControlKind::Line)
            if (QWidget* w = widgetFor(**it)) w->lower();
}

// ---- Model to widget

void FormView::apply(Control& c, Property what) {
    QWidget* w = widgetFor(c);
    if (!w) return;
    switch (what) {
    case Property::Geometry:
        place(c, w);
        return;
    case Property::Visible:
        w->setVisible(c.visible());
        return;
    case Property::Enabled:
        w->setEnabled(c.enabled());
        return;
    case Property::Font:
        w->setFont(controlFont(c.fontName(), c.fontSize(), c.fontBold()));
        return;
    case Property::Colors:
        applyColors(c, w);
        break;
    default:
        break;
    }
    applyKind(c, w, what);
}

void FormView::place(Control& c, QWidget* w) {
    QWidget* parent = this;
    if (Control* box = c.container(); box && box != &c)
        if (QWidget* pw = widgetFor(*box)) parent = pw;
    if (w->parentWidget() != parent) {
        w->setParent(parent);
        w->setVisible(c.visible());
    }
    // A picture box's coordinates start inside its border, a frame's at its outer corner.
    const QPointF origin = qobject_cast<PictureWidget*>(parent) ? parent->contentsRect().topLeft() : QPoint();
    if (c.kind() == ControlKind::Line) {
        auto& line = as<platform::Line>(c);
        static_cast<LineWidget*>(w)->setLine(origin + QPointF(line.x1(), line.y1()) / kTwipsPerPixel,
                                             origin + QPointF(line.x2(), line.y2()) / kTwipsPerPixel,
                                             toQColor(line.borderColor()), line.borderStyle(),
                                             line.borderWidth());
        return;
    }
    const int x = twipsToPx(c.left()), y = twipsToPx(c.top());
    w->setGeometry(QRect(x, y, twipsToPx(c.left() + c.width()) - x, twipsToPx(c.top() + c.height()) - y)
                       .translated(origin.toPoint()));
    if (c.kind() == ControlKind::Image) applyKind(c, w, Property::Drawing);
}

void FormView::applyColors(Control& c, QWidget* w) {
    QPalette pal = w->palette();
    const QColor back = toQColor(c.backColor()), fore = toQColor(c.foreColor());
    // Disabled controls keep the style's grey text.
    auto text = [&](QPalette::ColorRole role) {
        pal.setColor(QPalette::Active, role, fore);
        pal.setColor(QPalette::Inactive, role, fore);
    };
    switch (c.kind()) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
        pal.setColor(QPalette::Base, back);
        pal.setColor(QPalette::Button, back);
        text(QPalette::Text);
        break;
    case ControlKind::CommandButton:
        pal.setColor(QPalette::Button, back);
        text(QPalette::ButtonText);
        break;
    case ControlKind::Label:
        pal.setColor(QPalette::Window, back);
        text(QPalette::WindowText);
        w->setAutoFillBackground(as<platform::Label>(c).opaque());
        break;
    case ControlKind::OptionButton:
    case ControlKind::CheckBox:
    case ControlKind::Frame:
    case ControlKind::PictureBox:
        pal.setColor(QPalette::Window, back);
        text(QPalette::WindowText);
        w->setAutoFillBackground(true);
        break;
    default:
        return;
    }
    w->setPalette(pal);
    w->update();
}

void FormView::applyKind(Control& c, QWidget* w, Property what) {
    const QSignalBlocker block(w);
    switch (c.kind()) {
    case ControlKind::TextBox: {
        auto& box = as<platform::TextBox>(c);
        auto* field = static_cast<TextField*>(w);
        if (what == Property::Text) {
            // Qt's read-only switch also resets the input method: the box's mode follows.
            if (field->isReadOnly() != box.locked()) {
                field->setReadOnly(box.locked());
                applyKind(c, w, Property::InputMode);
            }
            if (field->text() != qs(box.text())) {
                const QSignalBlocker blockField(field);
                field->setText(qs(box.text()));
                showSelection(c);
            }
        } else if (what == Property::Selection) {
            showSelection(c);
        } else if (what == Property::Border) {
            field->setFrame(box.border());
        } else if (what == Property::Alignment) {
            field->setAlignment(toQt(box.alignment()) | Qt::AlignVCenter);
        } else if (what == Property::InputMode) {
            const bool off = box.inputMode() == platform::InputMode::Off;
            field->setAttribute(Qt::WA_InputMethodEnabled, !off);
            field->setInputMethodHints(off ? Qt::ImhPreferLatin | Qt::ImhLatinOnly : Qt::ImhNone);
        }
        break;
    }
    case ControlKind::Label: {
        auto& label = as<platform::Label>(c);
        auto* l = static_cast<QLabel*>(w);
        if (what == Property::Caption) {
            l->setWordWrap(label.wordWrap());
            l->setText(qs(label.caption()));
        } else if (what == Property::Alignment) {
            l->setAlignment(toQt(label.alignment()) | Qt::AlignTop);
        } else if (what == Property::Border) {
            l->setFrameStyle(label.border() ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
        }
        break;
    }
    case ControlKind::CommandButton:
        if (what == Property::Caption)
            static_cast<QPushButton*>(w)->setText(qs(as<platform::CommandButton>(c).caption()));
        break;
    case ControlKind::OptionButton: {
        auto& option = as<platform::OptionButton>(c);
        auto* b = static_cast<QRadioButton*>(w);
        if (what == Property::Caption) b->setText(qs(option.caption()));
        if (what == Property::Value) b->setChecked(option.value());
        break;
    }
    case ControlKind::CheckBox: {
        auto& check = as<platform::CheckBox>(c);
        auto* b = static_cast<QCheckBox*>(w);
        if (what == Property::Caption) b->setText(qs(check.caption()));
        if (what == Property::Value) {
            b->setTristate(check.value() == 2);
            b->setCheckState(check.value() == 1   ? Qt::Checked
                             : check.value() == 2 ? Qt::PartiallyChecked
                                                  : Qt::Unchecked);
        }
        break;
    }
    case ControlKind::ComboBox: {
        auto& box = as<platform::ComboBox>(c);
        auto* combo = static_cast<QComboBox*>(w);
        QLineEdit* edit = combo->lineEdit();
        const QSignalBlocker blockEdit(edit);
        if (what == Property::Items) {
            combo->clear();
            for (const auto& item : box.items())
                combo->addItem(qs(item));
        }
        if (what == Property::Items || what == Property::Value) combo->setCurrentIndex(box.listIndex());
        if ((what == Property::Items || what == Property::Value || what == Property::Text) && edit &&
            edit->text() != qs(box.text())) {
            edit->setText(qs(box.text()));
            showSelection(c);
        }
        if (what == Property::Selection) showSelection(c);
        break;
    }
    case ControlKind::Frame: {
        auto& frame = as<platform::Frame>(c);
        auto* group = qobject_cast<QGroupBox*>(w);
        if (what == Property::Border && frame.border() != (group != nullptr)) {
            rebuildFrame(c);
            return;
        }
        if (what == Property::Caption && group) group->setTitle(qs(frame.caption()));
        break;
    }
    case ControlKind::Line:
        if (what == Property::Colors || what == Property::Style) place(c, w);
        break;
    case ControlKind::PictureBox: {
        auto* picture = static_cast<PictureWidget*>(w);
        if (what == Property::Border)
            picture->setFrameStyle(as<platform::PictureBox>(c).border() ? QFrame::Panel | QFrame::Sunken
                                                                        : QFrame::NoFrame);
        if (what == Property::Drawing || what == Property::Colors || what == Property::Geometry)
            picture->update();
        break;
    }
    case ControlKind::Image:
        if (what == Property::Drawing) {
            auto* l = static_cast<QLabel*>(w);
            l->setPixmap(picture(as<platform::Image>(c).picture(), w->size()));
        }
        break;
    case ControlKind::ScrollBar:
        if (what == Property::Scroll) {
            auto& bar = as<platform::ScrollBar>(c);
            auto* s = static_cast<QScrollBar*>(w);
            s->setRange(bar.min(), bar.max());
            s->setSingleStep(bar.smallChange());
            s->setPageStep(bar.largeChange());
            s->setValue(bar.value());
        }
        break;
    default:
        break;
    }
}

// A frame that gains or loses its border changes its kind of widget; its controls move along.
void FormView::rebuildFrame(Control& frame) {
    QWidget* old = widgetFor(frame);
    QWidget* fresh = create(frame, old->parentWidget());
    controls_.erase(old);
    widgets_[&frame] = fresh;
    watch(fresh, frame);
    for (QWidget* child : childWidgets(old)) {
        auto it = controls_.find(child);
        if (it == controls_.end()) continue;
        const QRect g = child->geometry();
        child->setParent(fresh);
        child->setGeometry(g);
        child->setVisible(it->second->visible());
    }
    fresh->stackUnder(old);
    old->hide();
    old->deleteLater();
    for (Property p : kAllProperties)
        apply(frame, p);
}

// The model's selection, shown in the widget's edit line.
void FormView::showSelection(Control& c) {
    QWidget* w = widgetFor(c);
    TextField* field = w ? fieldOf(w) : nullptr;
    if (!field) return;
    if (c.kind() != ControlKind::TextBox && c.kind() != ControlKind::ComboBox) return;
    const auto* e = &as<platform::EditBox>(c);
    const QSignalBlocker block(field);
    const QString text = field->text();
    const int start = utf16Index(text, e->selStart());
    const int end = utf16Index(text, e->selStart() + e->selLength());
    if (end > start) {
        field->setSelection(start, end - start);
    } else {
        field->deselect();
        field->setCursorPosition(start);
    }
}

// ---- The window

void FormView::applyForm(FormChange what) {
    if (!form_) return;
    auto* sub = qobject_cast<QMdiSubWindow*>(host_);
    auto* dialog = qobject_cast<QDialog*>(host_);
    switch (what) {
    case FormChange::Caption:
        host_->setWindowTitle(qs(form_->caption()));
        break;
    case FormChange::Geometry: {
        const QSize client = sizeHint();
        if (dialog) {
            setFixedSize(client);
            dialog->setFixedSize(client);
        } else {
            resize(client);
        }
        if (sub) {
            sub->adjustSize();
            sub->move(twipsToPx(form_->left()), twipsToPx(form_->top()));
        }
        break;
    }
    case FormChange::Visible:
        if (form_->visible()) {
            realiseControls(); // controls added since the view was made
            if (dialog) dialog->setWindowModality(form_->isModal() ? Qt::ApplicationModal : Qt::NonModal);
            host_->show();
            if (host_->isWindow())
                host_->activateWindow();
            else
                host_->raise();
        } else {
            host_->hide();
            emit closed();
        }
        if (main_) main_->refreshMenus();
        break;
    case FormChange::Active:
        if (sub && main_ && main_->mdiArea()->activeSubWindow() != sub)
            main_->mdiArea()->setActiveSubWindow(sub);
        if (main_) main_->refreshMenus();
        break;
    case FormChange::Focus:
        if (Control* active = form_->activeControl())
            if (QWidget* w = widgetFor(*active); w && !w->hasFocus()) w->setFocus(Qt::OtherFocusReason);
        break;
    case FormChange::Menus:
        if (main_) main_->refreshMenus();
        break;
    case FormChange::Drawing:
        update();
        break;
    case FormChange::Style: {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, toQColor(form_->backColor()));
        setPalette(pal);
        setAutoFillBackground(true);
        if (host_ != this) {
            const bool frameless = !form_->titleBar();
            if (frameless != host_->windowFlags().testFlag(Qt::FramelessWindowHint)) {
                const bool shown = host_->isVisible();
                host_->setWindowFlag(Qt::FramelessWindowHint, frameless);
                if (shown) host_->show();
            }
        }
        break;
    }
    }
}

void FormView::formChanged(platform::Form&, FormChange what) {
    applyForm(what);
}

void FormView::formUnloaded(platform::Form& form) {
    detach();
    if (main_) main_->formGone(form);
    host_->hide();
    emit closed();
    if (host_ != this) host_->deleteLater();
}

void FormView::controlChanged(Control& control, Property what) {
    if (control.kind() == ControlKind::Menu) {
        if (main_) main_->menuItemChanged(static_cast<platform::MenuItem&>(control));
        return;
    }
    apply(control, what);
}

void FormView::controlDestroyed(Control& control) {
    if (control.kind() == ControlKind::Menu && main_)
        main_->menuItemGone(static_cast<platform::MenuItem&>(control));
    forget(control);
}

void FormView::forget(const Control& control) {
    QWidget* w = widgetFor(control);
    widgets_.erase(&control);
    for (auto it = controls_.begin(); it != controls_.end();)
        it = it->second == &control ? controls_.erase(it) : std::next(it);
    if (!w) return;
    // Controls inside a container that goes keep their widgets until they go themselves.
    for (QWidget* child : childWidgets(w))
        if (controls_.count(child)) {
            child->hide();
            child->setParent(this);
        }
    if (auto* picture = qobject_cast<PictureWidget*>(w)) picture->setPicture(nullptr);
    w->hide();
    w->deleteLater();
}

void FormView::detach() {
    if (!form_) return;
    for (Control* c : form_->controls())
        if (c->observer() == this) c->setObserver(nullptr);
    if (form_->observer() == this) form_->setObserver(nullptr);
    for (auto& [control, w] : widgets_)
        if (auto* picture = qobject_cast<PictureWidget*>(w)) picture->setPicture(nullptr);
    widgets_.clear();
    controls_.clear();
    form_ = nullptr;
}

void FormView::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!form_ || form_->surface().page().empty()) return;
    QPainter painter(this);
    paintPage(painter, form_->surface().page(), 1.0 / kTwipsPerPixel);
}

// ---- Widget to model

// Esc presses the cancel button, and Enter the default button, when the focused control leaves the
// key alone.
void FormView::keyPressEvent(QKeyEvent* event) {
    const bool esc = event->key() == Qt::Key_Escape;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (form_ && (esc || enter)) {
        for (Control* c : form_->controls()) {
            if (c->kind() != ControlKind::CommandButton) continue;
            auto& b = as<platform::CommandButton>(*c);
            if ((esc ? b.isCancel : b.isDefault) && b.enabled() && b.visible()) {
                event->accept();
                b.press();
                return;
            }
        }
    }
    QWidget::keyPressEvent(event);
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
    auto it = controls_.find(watched);
    if (it == controls_.end() || !form_) return false;
    Control* c = it->second;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (c->focusable()) form_->focusControl(*c);
        break;
    case QEvent::MouseButtonPress:
        // A fresh press starts a new click, also when the release of a double click was lost.
        watched->setProperty("tarveloDouble", false);
        break;
    case QEvent::MouseButtonRelease:
        if (c->kind() == ControlKind::Label && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            // The release ending a double click is not another click.
            if (watched->property("tarveloDouble").toBool())
                watched->setProperty("tarveloDouble", false);
            else
                as<platform::Label>(*c).click();
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (c->kind() == ControlKind::Label) {
            watched->setProperty("tarveloDouble", true);
            as<platform::Label>(*c).dblClick();
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace gui
