#include "gui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>

#include "gui/form_view.h"
#include "gui/icons.h"
#include "gui/qt_convert.h"
#include "platform/menu.h"

namespace gui {

using platform::ControlKind;

MainWindow::MainWindow(platform::Form& form)
    : form_(&form), area_(new QMdiArea(this)), toolBar_(new QToolBar(this)) {
    form.setObserver(this);
    setWindowTitle(qs(form.caption()));
    setWindowIcon(QIcon(programIcon(32)));
    setContextMenuPolicy(Qt::PreventContextMenu);
    area_->setBackground(QColor(171, 171, 171));
    // A main window smaller than its screens scrolls them instead of cutting them off.
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area_);
    connect(area_, &QMdiArea::subWindowActivated, this, &MainWindow::onSubWindowActivated);

    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBar_->setIconSize(QSize(16, 16));
    addToolBar(Qt::TopToolBarArea, toolBar_);
    toolBar_->hide();

    for (platform::Control* c : form.controls()) {
        c->setObserver(this);
        if (c->kind() == ControlKind::Toolbar && !toolbarModel_)
            toolbarModel_ = static_cast<platform::Toolbar*>(c);
    }
    buildToolbar();
    buildMenus(&form);

    // Room for the screens, which are laid out for a main window of about this size.
    QSize size(std::max(twipsToPx(form.clientWidth()), 800), std::max(twipsToPx(form.clientHeight()), 600));
    if (QScreen* screen = QApplication::primaryScreen()) size = size.boundedTo(screen->availableSize());
    resize(size);
}

// The area and the menus going down with the window must not call back into it.
MainWindow::~MainWindow() {
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
    detach();
}

void MainWindow::detach() {
    if (!form_) return;
    for (platform::Control* c : form_->controls())
        if (c->observer() == this) c->setObserver(nullptr);
    if (form_->observer() == this) form_->setObserver(nullptr);
    if (menuForm_ == form_) {
        menuActions_.clear();
        menuForm_ = nullptr;
    }
    toolbarModel_ = nullptr;
    form_ = nullptr;
}

// ---- Menus

// The active screen's own menu bar replaces the main window's while it is active.
void MainWindow::refreshMenus() {
    platform::Form* want = form_;
    if (platform::Form* child = platform::Desktop::activeChild();
        child && child->visible() && FormView::of(*child))
        if (!child->menuBar().empty()) want = child;
    if (want != menuForm_) buildMenus(want);
}

void MainWindow::formGone(platform::Form& form) {
    if (menuForm_ == &form) {
        menuActions_.clear();
        menuForm_ = nullptr;
        buildMenus(nullptr);
    }
    refreshMenus();
}

// The old menus may be in the middle of a click: they go later.
void MainWindow::buildMenus(platform::Form* form) {
    menuBar()->clear();
    if (menuOwner_) menuOwner_->deleteLater();
    menuOwner_ = new QObject(this);
    menuActions_.clear();
    menuForm_ = form;
    if (!form) return;
    for (platform::MenuItem* item : form->menuBar())
        addMenuItem(menuBar(), *item);
}

void MainWindow::addMenuItem(QWidget* parent, platform::MenuItem& item) {
    platform::MenuItem* ip = &item;
    QAction* action = nullptr;
    if (item.separator()) {
        action = new QAction(menuOwner_);
        action->setSeparator(true);
    } else if (!item.items().empty()) {
        auto* menu = new QMenu(parent);
        connect(menuOwner_, &QObject::destroyed, menu, &QObject::deleteLater);
        for (platform::MenuItem* sub : item.items())
            addMenuItem(menu, *sub);
        // Opening a menu runs its Click first; its rules set the items' states.
        connect(menu, &QMenu::aboutToShow, this, [this, ip] {
            if (!menuActions_.count(ip)) return;
            ip->click();
            if (!menuActions_.count(ip)) return;
            for (platform::MenuItem* sub : ip->items())
                syncMenuItem(*sub);
        });
        action = menu->menuAction();
    } else {
        action = new QAction(menuOwner_);
        connect(action, &QAction::triggered, this, [this, ip] {
            if (menuActions_.count(ip)) ip->click();
        });
    }
    menuActions_[ip] = action;
    parent->addAction(action);
    syncMenuItem(item);
}

void MainWindow::syncMenuItem(platform::MenuItem& item) {
    auto it = menuActions_.find(&item);
    if (it == menuActions_.end()) return;
    QAction* action = it->second;
    if (!item.separator()) action->setText(qs(item.caption()));
    action->setEnabled(item.enabled());
    action->setVisible(item.visible());
    action->setCheckable(item.checked());
    action->setChecked(item.checked());
}

void MainWindow::menuItemChanged(platform::MenuItem& item) {
    if (!menuActions_.count(&item)) return;
    if (item.separator() != menuActions_[&item]->isSeparator()) {
        buildMenus(menuForm_);
        return;
    }
    syncMenuItem(item);
}

void MainWindow::menuItemGone(platform::MenuItem& item) {
    menuActions_.erase(&item);
}

// ---- Toolbar

void MainWindow::buildToolbar() {
    toolBar_->clear();
    if (!toolbarModel_) return;
    platform::Toolbar* bar = toolbarModel_;
    for (const platform::ToolbarButton& b : bar->buttons()) {
        if (b.style == platform::ToolbarButton::Style::Separator) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* action = toolBar_->addAction(toolbarIcon(b.image), qs(b.key));
        const int index = b.index;
        connect(action, &QAction::triggered, this, [this, index] {
            if (toolbarModel_) toolbarModel_->click(index);
        });
    }
    syncToolbar();
}

void MainWindow::syncToolbar() {
    if (!toolbarModel_) return;
    const auto actions = toolBar_->actions();
    if (actions.size() != toolbarModel_->count()) {
        buildToolbar();
        return;
    }
    for (int i = 0; i < actions.size(); ++i) {
        const platform::ToolbarButton& b = toolbarModel_->button(i + 1);
        actions[i]->setToolTip(qs(b.toolTip));
        actions[i]->setEnabled(b.enabled);
        actions[i]->setVisible(b.visible);
    }
    toolBar_->setEnabled(toolbarModel_->enabled());
    toolBar_->setVisible(toolbarModel_->visible());
}

// ---- The MDI form

void MainWindow::formChanged(platform::Form& form, platform::FormChange what) {
    switch (what) {
    case platform::FormChange::Caption:
        setWindowTitle(qs(form.caption()));
        break;
    case platform::FormChange::Visible:
        setVisible(form.visible());
        break;
    case platform::FormChange::Menus:
        refreshMenus();
        break;
    default:
        break;
    }
}

void MainWindow::formUnloaded(platform::Form&) {
    detach();
    buildMenus(nullptr);
    toolBar_->hide();
}

void MainWindow::controlChanged(platform::Control& control, platform::Property) {
    if (control.kind() == ControlKind::Menu)
        menuItemChanged(static_cast<platform::MenuItem&>(control));
    else if (&control == toolbarModel_)
        syncToolbar();
}

void MainWindow::controlDestroyed(platform::Control& control) {
    if (control.kind() == ControlKind::Menu) menuItemGone(static_cast<platform::MenuItem&>(control));
    if (&control == toolbarModel_) toolbarModel_ = nullptr;
}

void MainWindow::onSubWindowActivated(QMdiSubWindow* window) {
    if (!window) return;
    if (auto* view = qobject_cast<FormView*>(window->widget())) view->userActivate();
    refreshMenus();
}

// Closing the main window asks the form: its QueryUnload may cancel, or end the program.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (quitting_ || !form_) {
        event->accept();
        return;
    }
    event->ignore();
    form_->userClose();
    if (quitting_ || !form_) event->accept();
}

} // namespace gui
