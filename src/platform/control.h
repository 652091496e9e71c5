#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/color.h"
#include "platform/event.h"

namespace platform {

class Form;
class Control;

enum class ControlKind {
    TextBox,
    Label,
    CommandButton,
    OptionButton,
    CheckBox,
    ComboBox,
    Frame,
    Line,
    PictureBox,
    Image,
    ScrollBar,
    Menu,
    Toolbar,
};

// What changed on a control, so that a view can refresh just that.
enum class Property {
    Text,
    Caption,
    Value,
    Items,
    Enabled,
    Visible,
    Geometry,
    Selection,
    Font,
    Colors,
    Border,
    InputMode,
    Drawing,
    Alignment,
    Scroll,
    Buttons,
    Style,
};

// A view (the Qt realisation) listens to the controls it shows.
class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void controlChanged(Control& control, Property what) = 0;
    // The control is being destroyed; the view lets go of it.
    virtual void controlDestroyed(Control& control) { (void)control; }
};

enum class Alignment { Left, Right, Center };

// A control model: the state the program reads and sets and the events it handles. Positions are
// in twips relative to the control's container (its frame or picture box, else the form).
class Control {
public:
    Control(Form& form, std::string name, ControlKind kind);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    ControlKind kind() const { return kind_; }
    Form& form() const { return form_; }

    Control* container() const { return container_; }
    void setContainer(Control& container);

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void move(int left, int top);
    void move(int left, int top, int width, int height);
    void setLeft(int v) { move(v, top_, width_, height_); }
    void setTop(int v) { move(left_, v, width_, height_); }
    void setWidth(int v) { move(left_, top_, v, height_); }
    void setHeight(int v) { move(left_, top_, width_, v); }

    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);
    // Visible and enabled, and so is every container around it: only then does a user reach the
    // control with the mouse or the keyboard.
    bool reachable() const;

    // Font: an empty name or a size of 0 takes the form's.
    std::string fontName() const;
    double fontSize() const;
    bool fontBold() const { return fontBold_; }
    void setFont(std::string name, double size, bool bold = false);
    void setFontSize(double size);
    // The control's font or the form's changed.
    virtual void fontChanged() { notify(Property::Font); }

    Color foreColor() const { return foreColor_; }
    void setForeColor(Color c);
    Color backColor() const { return backColor_; }
    void setBackColor(Color c);

    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(std::string tip) { toolTip_ = std::move(tip); }

    int tabIndex() const { return tabIndex_; }
    void setTabIndex(int i) { tabIndex_ = i; }

    // Whether the control can take the focus at all (text boxes, buttons, options, lists).
    virtual bool focusable() const { return false; }
    // Gives the control the focus; ignored when it is hidden, disabled or its form is not loaded.
    void setFocus();
    bool hasFocus() const;

    // Called by the form when the focus arrives or leaves.
    virtual void focusGained() { fire(onGotFocus); }
    virtual void focusLost() { fire(onLostFocus); }

    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

    void setObserver(ControlObserver* observer) { observer_ = observer; }
    ControlObserver* observer() const { return observer_; }

protected:
    void notify(Property what);

private:
    Form& form_;
    std::string name_;
    ControlKind kind_;
    Control* container_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string fontName_;
    double fontSize_ = 0;
    bool fontBold_ = false;
    Color foreColor_ = kBlack;
    Color backColor_ = kButtonFace;
    std::string toolTip_;
    int tabIndex_ = 0;
    ControlObserver* observer_ = nullptr;
};

} // namespace platform
