#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/control.h"

namespace platform {

// A menu-bar entry or an item of a menu; a caption of "-" is a separator. A menu with items runs
// Click when it is opened, before it drops down.
class MenuItem : public Control {
public:
    MenuItem(Form& form, std::string name, std::string caption, MenuItem* parent = nullptr);

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool checked() const { return checked_; }
    void setChecked(bool v);
    bool separator() const { return caption_ == "-"; }

    MenuItem* parent() const { return parent_; }
    const std::vector<MenuItem*>& items() const { return items_; }

    // The user chooses the item, or opens the menu: runs Click when enabled.
    void click();
    std::function<void()> onClick;

private:
    std::string caption_;
    MenuItem* parent_;
    std::vector<MenuItem*> items_;
    bool checked_ = false;
};

struct ToolbarButton {
    enum class Style { Default, Separator };
    int index = 0; // 1-based
    std::string key;
    std::string toolTip;
    int image = 0; // picture number in the toolbar's picture list, 0 none
    Style style = Style::Default;
    bool enabled = true;
    bool visible = true;
};

// A toolbar of buttons addressed by their 1-based index. Its pictures come from the view's
// picture list by number.
class Toolbar : public Control {
public:
    Toolbar(Form& form, std::string name);

    ToolbarButton& addButton(std::string key, std::string toolTip, int image,
                             ToolbarButton::Style style = ToolbarButton::Style::Default);
    int count() const { return static_cast<int>(buttons_.size()); }
    const ToolbarButton& button(int index) const;
    const std::vector<ToolbarButton>& buttons() const { return buttons_; }
    bool buttonEnabled(int index) const { return button(index).enabled; }
    void setButtonEnabled(int index, bool enabled);

    // A user's click on button `index`: a disabled button or a separator delivers nothing.
    void click(int index);
    std::function<void(const ToolbarButton&)> onButtonClick;

private:
    std::vector<ToolbarButton> buttons_;
};

} // namespace platform
