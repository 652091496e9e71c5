#include "platform/controls.h"

#include <algorithm>

#include "platform/form.h"
#include "platform/services.h"

namespace platform {
namespace {

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Byte offset of character `n` (clamped to the end).
std::size_t byteOffset(std::string_view s, int n) {
    std::size_t i = 0;
    while (n > 0 && i < s.size()) {
        ++i;
        while (i < s.size() && isContinuation(static_cast<unsigned char>(s[i])))
            ++i;
        --n;
    }
    return i;
}

std::string encodeUtf8(int cp) {
    std::string out;
    auto c = static_cast<unsigned>(cp);
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// Splits UTF-8 text into code points (an invalid byte stands for itself).
std::vector<int> codePoints(std::string_view s) {
    std::vector<int> cps;
    for (std::size_t i = 0; i < s.size();) {
        auto c = static_cast<unsigned char>(s[i]);
        int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
        if (i + static_cast<std::size_t>(len) > s.size()) len = 1;
        int cp = len == 1 ? c : c & (0x7F >> len);
        for (int k = 1; k < len; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        cps.push_back(cp);
        i += static_cast<std::size_t>(len);
    }
    return cps;
}

} // namespace

int charCount(std::string_view utf8) {
    int n = 0;
    for (char c : utf8)
        if (!isContinuation(static_cast<unsigned char>(c))) ++n;
    return n;
}

std::string charSlice(std::string_view utf8, int start, int count) {
    std::size_t from = byteOffset(utf8, std::max(start, 0));
    std::string_view rest = utf8.substr(from);
    if (count < 0) return std::string(rest);
    return std::string(rest.substr(0, byteOffset(rest, count)));
}

// ---- EditBox

EditBox::EditBox(Form& form, std::string name, ControlKind kind) : Control(form, std::move(name), kind) {
    setBackColor(kWhite);
}

bool EditBox::storeText(std::string&& text) {
    if (text == text_) return false;
    text_ = std::move(text);
    selStart_ = 0;
    selLength_ = 0;
    return true;
}

// Kept out of line: inlined into ComboBox::setText it trips a false uninitialised-value warning.
[[gnu::noinline]] void EditBox::setText(std::string text) {
    if (!storeText(std::move(text))) return;
    textChanged();
    notify(Property::Text);
    fire(onChange);
}

void EditBox::setSelStart(int start) {
    start = std::clamp(start, 0, charCount(text_));
    if (start == selStart_ && selLength_ == 0) return;
    selStart_ = start;
    selLength_ = 0;
    notify(Property::Selection);
}

void EditBox::setSelLength(int length) {
    length = std::clamp(length, 0, charCount(text_) - selStart_);
    if (length == selLength_) return;
    selLength_ = length;
    notify(Property::Selection);
}

void EditBox::selectAll() {
    userSelect(0, charCount(text_));
    notify(Property::Selection);
}

int EditBox::keyPress(int code) {
    if (!reachable()) return -1;
    fire(onKeyPress, code);
    if (code == 13 && !form().defaultButton()) beep();
    return code;
}

// Each character goes through KeyPress; Backspace deletes, other control characters insert nothing,
// the rest replace the selection.
void EditBox::type(std::string_view utf8) {
    for (int cp : codePoints(utf8)) {
        int code = keyPress(cp);
        if (code <= 0 || !reachable()) continue;
        int start = selStart_, length = selLength_;
        std::string insert;
        if (code == 8) {
            if (length == 0 && start == 0) continue;
            if (length == 0) --start, length = 1;
        } else if (code < 32) {
            continue;
        } else {
            insert = encodeUtf8(code);
        }
        std::string text = charSlice(text_, 0, start) + insert + charSlice(text_, start + length);
        userEdit(std::move(text), start + charCount(insert));
    }
}

void EditBox::userEdit(std::string text, int caret) {
    if (text != text_) {
        text_ = std::move(text);
        userSelect(caret, 0);
        textChanged();
        notify(Property::Text);
        fire(onChange);
        fire(onUserEdit);
        return;
    }
    userSelect(caret, 0);
}

void EditBox::userSelect(int start, int length) {
    selStart_ = std::clamp(start, 0, charCount(text_));
    selLength_ = std::clamp(length, 0, charCount(text_) - selStart_);
}

// ---- TextBox

TextBox::TextBox(Form& form, std::string name) : EditBox(form, std::move(name), ControlKind::TextBox) {}

void TextBox::setBorder(bool single) {
    if (single == border_) return;
    border_ = single;
    notify(Property::Border);
}

void TextBox::setInputMode(InputMode m) {
    inputMode_ = m;
    notify(Property::InputMode);
}

void TextBox::setAlignment(Alignment a) {
    alignment_ = a;
    notify(Property::Alignment);
}

void TextBox::focusGained() {
    if (selectAllOnFocus) selectAll();
    fire(onGotFocus);
}

void TextBox::click() {
    if (!reachable()) return;
    setFocus();
    if (selectAllOnClick) selectAll();
    fire(onClick);
}

void TextBox::dblClick() {
    if (!reachable()) return;
    if (selectOnDblClick) {
        setSelStart(dblClickSelStart);
        setSelLength(charCount(text()));
    }
    fire(onDblClick);
}

void TextBox::type(std::string_view utf8) {
    if (!locked_) EditBox::type(utf8);
}

// ---- Label

Label::Label(Form& form, std::string name, std::string caption)
    : Control(form, std::move(name), ControlKind::Label), caption_(std::move(caption)) {}

void Label::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(Property::Caption);
}

void Label::setAlignment(Alignment a) {
    alignment_ = a;
    notify(Property::Alignment);
}

void Label::setOpaque(bool v) {
    opaque_ = v;
    notify(Property::Colors);
}

void Label::setBorder(bool v) {
    border_ = v;
    notify(Property::Border);
}

void Label::click() {
    if (reachable()) fire(onClick);
}

void Label::dblClick() {
    if (reachable()) fire(onDblClick);
}

// ---- CommandButton

CommandButton::CommandButton(Form& form, std::string name, std::string caption)
    : Control(form, std::move(name), ControlKind::CommandButton), caption_(std::move(caption)) {}

void CommandButton::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(Property::Caption);
}

void CommandButton::click() {
    if (!reachable()) return;
    setFocus();
    fire(onClick);
}

void CommandButton::press() {
    fire(onClick);
}

// ---- OptionButton

OptionButton::OptionButton(Form& form, std::string name, std::string caption)
    : Control(form, std::move(name), ControlKind::OptionButton), caption_(std::move(caption)) {}

void OptionButton::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(Property::Caption);
}

void OptionButton::setValue(bool v) {
    if (v == value_) return;
    value_ = v;
    notify(Property::Value);
    if (!v) return;
    for (Control* c : form().controls()) {
        if (c == this || c->kind() != ControlKind::OptionButton || c->container() != container()) continue;
        auto* other = static_cast<OptionButton*>(c);
        if (other->value_) {
            other->value_ = false;
            other->notify(Property::Value);
        }
    }
    fire(onClick);
}

void OptionButton::click() {
    if (!reachable()) return;
    setFocus();
    if (value_)
        fire(onClick);
    else
        setValue(true);
    fire(onUserClick);
}

// ---- CheckBox

CheckBox::CheckBox(Form& form, std::string name, std::string caption)
    : Control(form, std::move(name), ControlKind::CheckBox), caption_(std::move(caption)) {}

void CheckBox::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(Property::Caption);
}

bool CheckBox::setValue(int v) {
    if (v < 0 || v > 2) return false;
    if (v == value_) return true;
    value_ = v;
    notify(Property::Value);
    fire(onClick);
    return true;
}

void CheckBox::click() {
    if (!reachable()) return;
    setFocus();
    setValue(value_ == 0 ? 1 : 0);
}

// ---- ComboBox

ComboBox::ComboBox(Form& form, std::string name, Style style)
    : EditBox(form, std::move(name), ControlKind::ComboBox), style_(style) {}

void ComboBox::addItem(std::string item) {
    items_.push_back(std::move(item));
    notify(Property::Items);
}

void ComboBox::clear() {
    items_.clear();
    listIndex_ = -1;
    notify(Property::Items);
    setText({});
}

void ComboBox::select(int i) {
    listIndex_ = i;
    storeText(i >= 0 ? std::string(items_[static_cast<std::size_t>(i)]) : std::string());
    notify(Property::Value);
    notify(Property::Text);
}

bool ComboBox::setListIndex(int i) {
    if (i < -1 || i >= listCount()) return false;
    if (i == listIndex_) return true;
    select(i);
    fire(onClick);
    return true;
}

void ComboBox::choose(int i) {
    if (!reachable() || i < 0 || i >= listCount()) return;
    if (i != listIndex_) select(i);
    fire(onClick);
}

void ComboBox::type(std::string_view utf8) {
    if (style_ == Style::DropDownCombo) {
        EditBox::type(utf8);
        return;
    }
    for (int cp : codePoints(utf8))
        keyPress(cp);
}

void ComboBox::setText(std::string text) {
    int row = -1;
    for (int i = 0; i < listCount() && row < 0; ++i)
        if (items_[static_cast<std::size_t>(i)] == text) row = i;
    EditBox::setText(std::move(text));
    if (listIndex_ >= 0 || row < 0) return;
    listIndex_ = row;
    notify(Property::Value);
    fire(onClick);
}

void ComboBox::textChanged() {
    if (listIndex_ >= 0 && items_[static_cast<std::size_t>(listIndex_)] != text()) {
        listIndex_ = -1;
        notify(Property::Value);
    }
}

// ---- Frame

Frame::Frame(Form& form, std::string name, std::string caption)
    : Control(form, std::move(name), ControlKind::Frame), caption_(std::move(caption)) {}

void Frame::setCaption(std::string caption) {
    caption_ = std::move(caption);
    notify(Property::Caption);
}

void Frame::setBorder(bool v) {
    border_ = v;
    notify(Property::Border);
}

// ---- Line

Line::Line(Form& form, std::string name, int x1, int y1, int x2, int y2)
    : Control(form, std::move(name), ControlKind::Line), x1_(x1), y1_(y1), x2_(x2), y2_(y2) {}

void Line::setPoints(int x1, int y1, int x2, int y2) {
    x1_ = x1, y1_ = y1, x2_ = x2, y2_ = y2;
    notify(Property::Geometry);
}

void Line::setBorderColor(Color c) {
    color_ = c;
    notify(Property::Colors);
}

void Line::setBorderStyle(DrawStyle s) {
    style_ = s;
    notify(Property::Style);
}

void Line::setBorderWidth(int w) {
    width_ = w;
    notify(Property::Style);
}

// ---- PictureBox

PictureBox::PictureBox(Form& form, std::string name)
    : Control(form, std::move(name), ControlKind::PictureBox) {
    surface_.setFontName(fontName());
    surface_.setFontSize(fontSize());
    surface_.onDrawn = [this] { notify(Property::Drawing); };
}

void PictureBox::fontChanged() {
    surface_.setFontName(fontName());
    surface_.setFontSize(fontSize());
    Control::fontChanged();
}

void PictureBox::setScale(double width, double height) {
    scaleWidth_ = width;
    scaleHeight_ = height;
    notify(Property::Geometry);
}

void PictureBox::setBorder(bool v) {
    border_ = v;
    notify(Property::Border);
}

// ---- Image

Image::Image(Form& form, std::string name, std::string picture)
    : Control(form, std::move(name), ControlKind::Image), picture_(std::move(picture)) {}

void Image::setPicture(std::string key) {
    picture_ = std::move(key);
    notify(Property::Drawing);
}

// ---- ScrollBar

ScrollBar::ScrollBar(Form& form, std::string name, Orientation o)
    : Control(form, std::move(name), ControlKind::ScrollBar), orientation_(o) {}

void ScrollBar::setRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    notify(Property::Scroll);
    setValue(value_);
}

void ScrollBar::setSteps(int small, int large) {
    small_ = std::max(small, 1);
    large_ = std::max(large, 1);
    notify(Property::Scroll);
}

void ScrollBar::setValue(int v) {
    v = std::clamp(v, min_, max_);
    if (v == value_) return;
    value_ = v;
    notify(Property::Scroll);
    fire(onChange);
}

} // namespace platform
