#pragma once

#include <QWidget>
#include <unordered_map>

#include "platform/control.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace gui {

class MainWindow;
class TextField;

// Shows any form: one widget per control at its twip geometry, kept in step with the model both
// ways. The window around it (a sub-window of the main window, a dialog, or the view itself) is
// its host.
class FormView : public QWidget, public platform::FormObserver, public platform::ControlObserver {
    Q_OBJECT
public:
    FormView(platform::Form& form, MainWindow* main, QWidget* parent = nullptr);
    ~FormView() override;

    // The view of a form, if it has one.
    static FormView* of(const platform::Form& form);

    platform::Form* form() const { return form_; }
    QWidget* host() const { return host_; }
    void setHost(QWidget* host);
    QWidget* widgetFor(const platform::Control& control) const;
    QSize sizeHint() const override;

    // What the user does to the window.
    void userClose();
    void userActivate();

    void formChanged(platform::Form& form, platform::FormChange what) override;
    void formUnloaded(platform::Form& form) override;
    void controlChanged(platform::Control& control, platform::Property what) override;
    void controlDestroyed(platform::Control& control) override;

signals:
    // The form was hidden or unloaded.
    void closed();

protected:
    // The form's own drawing, under its controls.
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void realiseControls();
    QWidget* realise(platform::Control& control);
    QWidget* create(platform::Control& control, QWidget* parent);
    void watch(QWidget* widget, platform::Control& control);
    void wireEditable(platform::EditBox& box, TextField* field);
    void apply(platform::Control& control, platform::Property what);
    void applyKind(platform::Control& control, QWidget* widget, platform::Property what);
    void applyColors(platform::Control& control, QWidget* widget);
    void place(platform::Control& control, QWidget* widget);
    void rebuildFrame(platform::Control& frame);
    void applyForm(platform::FormChange what);
    void showSelection(platform::Control& control);
    void orderTabs();
    bool alive(const platform::Control* control) const { return widgets_.count(control) != 0; }
    void forget(const platform::Control& control);
    void detach();

    platform::Form* form_;
    MainWindow* main_;
    QWidget* host_;
    std::unordered_map<const platform::Control*, QWidget*> widgets_;
    std::unordered_map<const QObject*, platform::Control*> controls_;
};

} // namespace gui
