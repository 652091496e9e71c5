#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control.h"
#include "platform/surface.h"

namespace platform {

// Input-method mode a text box asks for when it takes the focus.
enum class InputMode { NoControl, Off, Hiragana, FullWidthAlpha };

// Number of characters (code points) of a UTF-8 text; selections count characters.
int charCount(std::string_view utf8);
// The part of a UTF-8 text from character `start`, `count` characters long (clamped).
std::string charSlice(std::string_view utf8, int start, int count = -1);

// Shared by the text box and the combo box: an editable text with a selection counted in characters,
// the character-key event and the change event.
class EditBox : public Control {
public:
    const std::string& text() const { return text_; }
    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    std::string selText() const { return charSlice(text_, selStart_, selLength_); }

    // Setting the text runs Change when it differs; the caret goes to the start.
    virtual void setText(std::string text);
    // The start is clamped to the text and clears the length; the length is clamped to what
    // follows the start.
    void setSelStart(int start);
    void setSelLength(int length);
    // Selection start 0, length the whole text.
    void selectAll();

    bool focusable() const override { return true; }

    // What the user does; the view and the tests call these.
    // A character key: runs KeyPress and returns the code it leaves (0 swallows the key; -1 when the
    // box cannot take keys). An Enter left alone beeps unless the form has a default button to press.
    int keyPress(int code);
    // Types characters as the keyboard would: each one through KeyPress, then into the selection.
    virtual void type(std::string_view utf8);
    // An edit made in the view (after KeyPress had its say): the new text and caret.
    void userEdit(std::string text, int caret);
    // A selection made in the view.
    void userSelect(int start, int length);

    std::function<void()> onChange;
    // Runs after an edit the user made (typing, Delete, cut, paste), not after one made by code.
    std::function<void()> onUserEdit;
    std::function<void(int&)> onKeyPress;
    std::function<void()> onClick;
    std::function<void()> onDblClick;

protected:
    EditBox(Form& form, std::string name, ControlKind kind);
    // The text changed, before Change runs.
    virtual void textChanged() {}
    bool storeText(std::string&& text); // true when it changed; the caret goes to the start

private:
    std::string text_;
    int selStart_ = 0;
    int selLength_ = 0;
};

class TextBox : public EditBox {
public:
    TextBox(Form& form, std::string name);

    bool border() const { return border_; }
    void setBorder(bool single);
    InputMode inputMode() const { return inputMode_; }
    void setInputMode(InputMode m);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);
    bool locked() const { return locked_; }
    void setLocked(bool v) { locked_ = v; }

    // Habits of the program's input boxes, each of which a form may switch off: the whole text is
    // selected when the box takes the focus and when it is clicked, and a double click selects from
    // character `dblClickSelStart` to the end.
    bool selectAllOnFocus = true;
    bool selectAllOnClick = true;
    bool selectOnDblClick = true;
    int dblClickSelStart = 10;
    // Switches every habit on or off; a box with no habits behaves as a plain edit line.
    void setClickHabits(bool on) { selectAllOnFocus = selectAllOnClick = selectOnDblClick = on; }

    void focusGained() override;
    void click();
    void dblClick();
    void type(std::string_view utf8) override;

private:
    bool border_ = true;
    InputMode inputMode_ = InputMode::NoControl;
    Alignment alignment_ = Alignment::Left;
    bool locked_ = false;
};

class Label : public Control {
public:
    Label(Form& form, std::string name, std::string caption = {});

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);
    bool opaque() const { return opaque_; }
    void setOpaque(bool v);
    bool border() const { return border_; }
    void setBorder(bool v);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool v) { wordWrap_ = v; }

    void click();
    void dblClick();
    std::function<void()> onClick;
    std::function<void()> onDblClick;

private:
    std::string caption_;
    Alignment alignment_ = Alignment::Left;
    bool opaque_ = false;
    bool border_ = false;
    bool wordWrap_ = true;
};

class CommandButton : public Control {
public:
    CommandButton(Form& form, std::string name, std::string caption = {});

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    // The button pressed by Enter in a dialog, and by Esc.
    bool isDefault = false;
    bool isCancel = false;
    bool graphical = false;

    bool focusable() const override { return true; }
    // A user's click: runs Click when the button is enabled and visible.
    void click();
    // A click from code, as setting the button's value: runs Click whatever the state.
    void press();
    std::function<void()> onClick;

private:
    std::string caption_;
};

// Selected options are exclusive within their container (frame, picture box or form).
class OptionButton : public Control {
public:
    OptionButton(Form& form, std::string name, std::string caption = {});

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool value() const { return value_; }
    // Selecting clears the other options of the container and runs Click; clearing runs nothing.
    void setValue(bool v);

    bool focusable() const override { return true; }
    // A user's click selects the option and runs Click, also when it was selected already.
    void click();
    std::function<void()> onClick;
    // Runs after Click when the user, not code, chose the option.
    std::function<void()> onUserClick;

private:
    std::string caption_;
    bool value_ = false;
};

class CheckBox : public Control {
public:
    CheckBox(Form& form, std::string name, std::string caption = {});

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    int value() const { return value_; }
    // 0 clear, 1 ticked, 2 grey; any other value is refused (false). A change runs Click.
    bool setValue(int v);

    bool focusable() const override { return true; }
    void click(); // ticks a clear box, clears a ticked or grey one
    std::function<void()> onClick;

private:
    std::string caption_;
    int value_ = 0;
};

class ComboBox : public EditBox {
public:
    enum class Style { DropDownCombo, DropDownList };
    ComboBox(Form& form, std::string name, Style style = Style::DropDownCombo);

    Style style() const { return style_; }
    void addItem(std::string item);
    void clear();
    int listCount() const { return static_cast<int>(items_.size()); }
    const std::string& list(int i) const { return items_.at(static_cast<std::size_t>(i)); }
    const std::vector<std::string>& items() const { return items_; }

    int listIndex() const { return listIndex_; }
    // −1 … count−1; a change sets the text to the item and runs Click. Other values are refused.
    // A text set or typed that is not the chosen item clears the choice.
    bool setListIndex(int i);

    // An item picked from the list: runs Click, also for the same item.
    void choose(int i);
    void type(std::string_view utf8) override;
    // A text from code that equals an item's text also selects that item and runs Click.
    void setText(std::string text) override;

protected:
    void textChanged() override;

private:
    void select(int i);

    Style style_;
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

class Frame : public Control {
public:
    Frame(Form& form, std::string name, std::string caption = {});
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool border() const { return border_; }
    void setBorder(bool v);

private:
    std::string caption_;
    bool border_ = true;
};

// A line drawn on the form; its coordinates are relative to its container.
class Line : public Control {
public:
    Line(Form& form, std::string name, int x1 = 0, int y1 = 0, int x2 = 0, int y2 = 0);
    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }
    void setPoints(int x1, int y1, int x2, int y2);
    Color borderColor() const { return color_; }
    void setBorderColor(Color c);
    DrawStyle borderStyle() const { return style_; }
    void setBorderStyle(DrawStyle s);
    int borderWidth() const { return width_; }
    void setBorderWidth(int w);

private:
    int x1_, y1_, x2_, y2_;
    Color color_ = kBlack;
    DrawStyle style_ = DrawStyle::Solid;
    int width_ = 1;
};

// A picture box: a container and a drawing surface. Its coordinate extent (scale) may differ from
// its size; a view stretches the drawing from the extent onto the size.
class PictureBox : public Control {
public:
    PictureBox(Form& form, std::string name);

    // Drawing uses the box's own font, set on the box or else the form's.
    RecordingSurface& surface() { return surface_; }
    const RecordingSurface& surface() const { return surface_; }
    void cls() { surface_.cls(); }
    void fontChanged() override;

    // 0 means the same as the size.
    double scaleWidth() const { return scaleWidth_ > 0 ? scaleWidth_ : width(); }
    double scaleHeight() const { return scaleHeight_ > 0 ? scaleHeight_ : height(); }
    void setScale(double width, double height);

    bool border() const { return border_; }
    void setBorder(bool v);

private:
    RecordingSurface surface_;
    double scaleWidth_ = 0, scaleHeight_ = 0;
    bool border_ = true;
};

// A picture from the program's own artwork, named by a key that the view resolves.
class Image : public Control {
public:
    Image(Form& form, std::string name, std::string picture = {});
    const std::string& picture() const { return picture_; }
    void setPicture(std::string key);

private:
    std::string picture_;
};

class ScrollBar : public Control {
public:
    enum class Orientation { Horizontal, Vertical };
    ScrollBar(Form& form, std::string name, Orientation o);

    Orientation orientation() const { return orientation_; }
    int min() const { return min_; }
    int max() const { return max_; }
    int value() const { return value_; }
    int smallChange() const { return small_; }
    int largeChange() const { return large_; }
    void setRange(int min, int max);
    void setSteps(int small, int large);
    // Clamped to the range; a change runs Change.
    void setValue(int v);

    bool focusable() const override { return true; }
    std::function<void()> onChange;

private:
    Orientation orientation_;
    int min_ = 0, max_ = 32767, value_ = 0, small_ = 1, large_ = 1;
};

} // namespace platform
