#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/color.h"
#include "platform/event.h"
#include "platform/surface.h"

namespace platform {

class Control;
class CommandButton;
class Label;
class Line;
class MenuItem;
class Form;

enum class FormKind {
    MdiParent, // the main window
    MdiChild,  // a screen inside the main window
    Dialog,    // a window of its own, usually shown modal
};

enum class FormChange { Caption, Geometry, Visible, Focus, Active, Menus, Style, Drawing };

// A view (the Qt realisation) listens to the forms it shows.
class FormObserver {
public:
    virtual ~FormObserver() = default;
    virtual void formChanged(Form& form, FormChange what) = 0;
    // The form is being unloaded; the view lets go of it.
    virtual void formUnloaded(Form& form) = 0;
};

// Every form slot alive registers itself, so that checks over all of the program's windows (the
// caption test of the Qt view) reach the windows added later without a list of their own.
class FormSlotBase {
public:
    FormSlotBase();
    virtual ~FormSlotBase();
    FormSlotBase(const FormSlotBase&) = delete;
    FormSlotBase& operator=(const FormSlotBase&) = delete;

    virtual void release(Form& form) = 0;
    // The slot's form, created (and loaded) on first reference.
    virtual Form& form() = 0;

    // The slots alive, in the order they were made.
    static const std::vector<FormSlotBase*>& all();
};

// A window with its controls. The program's forms derive from it, hold their controls as members
// and override the life steps they handle.
class Form {
public:
    Form(std::string name, FormKind kind);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    FormKind kind() const { return kind_; }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

    // Position of the window in twips (a screen: in the main window's client area).
    int left() const { return left_; }
    int top() const { return top_; }
    void move(int left, int top);
    void setLeft(int v) { move(v, top_); }
    void setTop(int v) { move(left_, v); }
    // Size of the client area in twips.
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    void setClientSize(int width, int height);

    // Window frame: with a title bar (caption and close box) or borderless.
    bool titleBar() const { return titleBar_; }
    void setTitleBar(bool v);

    std::string fontName() const { return fontName_; }
    double fontSize() const { return fontSize_; }
    // The controls without a font of their own and the form's drawing follow.
    void setFont(std::string name, double size);
    Color backColor() const { return backColor_; }
    void setBackColor(Color c);

    bool visible() const { return visible_; }
    bool loaded() const { return loaded_; }
    bool isActive() const;
    bool isModal() const { return modal_; }

    // Shows the form without blocking; a screen becomes the active one (its Activate runs when it
    // was not active).
    void show();
    // Shows the form modal: returns when the form is hidden or unloaded.
    void showModal();
    // Hides the form and keeps its state. Hiding the active screen activates the next one shown.
    void hide();
    void setVisible(bool v) { v ? show() : hide(); }
    // Unloads the form: QueryUnload may cancel (false); otherwise its state is discarded and the
    // next reference through its slot creates it afresh.
    bool unload();
    // The user asks to close the window through its frame.
    void userClose();
    // True while an unload asked for through the frame runs (its QueryUnload may ask the user).
    bool closingByUser() const { return closingByUser_; }
    // The user brings the window to the front.
    void userActivate();

    const std::vector<Control*>& controls() const { return controls_; }
    Control* findControl(std::string_view name) const;
    // The menu bar: top-level menu items in order.
    std::vector<MenuItem*> menuBar() const;

    Control* activeControl() const { return activeControl_; }
    // The enabled, visible button that Enter presses, if any.
    CommandButton* defaultButton() const;

    // Drawing on the form itself (Print at CurrentX/CurrentY, Line), kept until Cls and shown under
    // the controls. Its font follows the form's.
    RecordingSurface& surface() { return surface_; }
    const RecordingSurface& surface() const { return surface_; }
    // Erases the drawing and sets the position to (0, 0).
    void cls() { surface_.cls(); }

    // Captions and rules that only decorate the form: owned by it, named "Label<n>" / "Line<n>".
    Label& addLabel(std::string caption, int left, int top, int width, int height);
    Line& addLine(int x1, int y1, int x2, int y2);

    void setObserver(FormObserver* observer) { observer_ = observer; }
    FormObserver* observer() const { return observer_; }

    // Runs the load step; called once by whoever creates the form.
    void load();

    void registerControl(Control& control);
    void unregisterControl(Control& control);
    // Moves the focus to `control` (a control of this form), running LostFocus and GotFocus.
    void focusControl(Control& control);
    void setSlot(FormSlotBase* slot) { slot_ = slot; }

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_QueryUnload(bool& cancel) { (void)cancel; }
    virtual void Form_Unload() {}

    void notify(FormChange what);

private:
    friend class Desktop;
    void activated();
    void focusFirst();

    std::string name_;
    FormKind kind_;
    std::string caption_;
    int left_ = 0, top_ = 0;
    int clientWidth_ = 7200, clientHeight_ = 5400;
    bool titleBar_ = true;
    std::string fontName_;
    double fontSize_ = 9;
    Color backColor_ = kButtonFace;
    bool visible_ = false;
    bool loaded_ = true;
    bool modal_ = false;
    bool unloading_ = false;
    bool closingByUser_ = false;
    std::vector<Control*> controls_;
    std::vector<std::unique_ptr<Control>> decorations_;
    RecordingSurface surface_;
    Control* activeControl_ = nullptr;
    FormObserver* observer_ = nullptr;
    FormSlotBase* slot_ = nullptr;
};

// Which screen is active, and the modal dialogs open, across all forms.
class Desktop {
public:
    static Form* activeChild();
    // Screens shown, back to front.
    static const std::vector<Form*>& shownChildren();
    static const std::vector<Form*>& modalStack();

private:
    friend class Form;
    static void shown(Form& form);
    static void hidden(Form& form);
    static void activate(Form& form);
    static void forget(Form& form);
};

// Creates its form on first reference (running its load step) and discards it on unload, so the
// next reference creates it afresh.
template <class T> class FormSlot : public FormSlotBase {
public:
    using Factory = std::function<std::unique_ptr<T>()>;
    explicit FormSlot(Factory make) : make_(std::move(make)) {}
    ~FormSlot() override {
        if (form_) form_->setSlot(nullptr);
    }

    T& operator()() {
        if (!form_) {
            EventScope scope;
            form_ = make_();
            form_->setSlot(this);
            form_->load();
        }
        return *form_;
    }
    Form& form() override { return (*this)(); }
    T* get() const { return form_.get(); }
    bool loaded() const { return form_ != nullptr; }
    bool unload() { return form_ ? form_->unload() : true; }

    void release(Form& form) override {
        if (form_.get() != &form) return;
        form.setSlot(nullptr);
        deferDelete(std::unique_ptr<Form>(form_.release()));
    }

private:
    Factory make_;
    std::unique_ptr<T> form_;
};

} // namespace platform
