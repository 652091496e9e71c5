#pragma once

#include <QMainWindow>
#include <unordered_map>

#include "platform/control.h"
#include "platform/form.h"

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace platform {
class MenuItem;
class Toolbar;
} // namespace platform

namespace gui {

class FormView;

// The MDI parent form: its caption, its menu bar (replaced by the active screen's own menus, when it
// has some), its toolbar and the area the screens live in.
class MainWindow : public QMainWindow, public platform::FormObserver, public platform::ControlObserver {
    Q_OBJECT
public:
    explicit MainWindow(platform::Form& form);
    ~MainWindow() override;

    QMdiArea* mdiArea() const { return area_; }
    QToolBar* toolBar() const { return toolBar_; }
    platform::Form* form() const { return form_; }

    // The program ends: the window closes without asking.
    void setQuitting() { quitting_ = true; }

    // Called by the screens' views.
    void refreshMenus();
    void menuItemChanged(platform::MenuItem& item);
    void menuItemGone(platform::MenuItem& item);
    void formGone(platform::Form& form);

    void formChanged(platform::Form& form, platform::FormChange what) override;
    void formUnloaded(platform::Form& form) override;
    void controlChanged(platform::Control& control, platform::Property what) override;
    void controlDestroyed(platform::Control& control) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus(platform::Form* form);
    void addMenuItem(QWidget* parent, platform::MenuItem& item);
    void syncMenuItem(platform::MenuItem& item);
    void buildToolbar();
    void syncToolbar();
    void onSubWindowActivated(QMdiSubWindow* window);
    void detach();

    platform::Form* form_;
    QMdiArea* area_;
    QToolBar* toolBar_;
    platform::Toolbar* toolbarModel_ = nullptr;
    QObject* menuOwner_ = nullptr; // holds the QMenus of the shown menu bar
    platform::Form* menuForm_ = nullptr;
    std::unordered_map<const platform::MenuItem*, QAction*> menuActions_;
    bool quitting_ = false;
};

} // namespace gui
