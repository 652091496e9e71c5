#include "gui/form_window.h"

#include <QCloseEvent>
#include <QMdiArea>

#include "gui/form_view.h"
#include "gui/icons.h"
#include "gui/main_window.h"
#include "platform/form.h"

namespace gui {

ChildWindow::ChildWindow(FormView* view) : view_(view) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowIcon(QIcon(programIcon(16)));
    setWidget(view);
}

void ChildWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    view_->userClose();
}

DialogWindow::DialogWindow(FormView* view, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      view_(view) {
    view->setParent(this);
    view->move(0, 0);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    view_->userClose();
}

FormView* createFormWindow(platform::Form& form, MainWindow* main) {
    auto* view = new FormView(form, main);
    if (form.kind() == platform::FormKind::MdiChild && main) {
        auto* sub = new ChildWindow(view);
        main->mdiArea()->addSubWindow(sub);
        view->setHost(sub);
    } else {
        view->setHost(new DialogWindow(view, main));
    }
    return view;
}

} // namespace gui
