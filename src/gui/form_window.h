#pragma once

#include <QDialog>
#include <QMdiSubWindow>

namespace platform {
class Form;
}

namespace gui {

class FormView;
class MainWindow;

// A screen inside the main window. Closing it through its frame asks the form, which decides.
class ChildWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit ChildWindow(FormView* view);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    FormView* view_;
};

// A form in a window of its own.
class DialogWindow : public QDialog {
    Q_OBJECT
public:
    DialogWindow(FormView* view, QWidget* parent);

    // Esc belongs to the form's cancel button, if it has one.
    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    FormView* view_;
};

// Creates the view of `form` in its window: a screen in the main window's area, else a dialog.
FormView* createFormWindow(platform::Form& form, MainWindow* main);

} // namespace gui
