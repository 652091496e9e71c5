#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

#include "gui/form_view.h"
#include "gui/main_window.h"
#include "gui/qt_services.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/menu.h"

namespace {

using platform::FormKind;
using platform::MenuItem;

class ShellForm : public platform::Form {
public:
    ShellForm() : Form("ShellForm", FormKind::MdiParent) {
        setCaption("試験(Shell版)");
        tb.addButton("新規", "[ファイル]-[新規]", 1);
        tb.addButton("", "", 0, platform::ToolbarButton::Style::Separator);
        tb.addButton("印刷", "[ファイル]-[印刷]", 5);
        mnuF.onClick = [this] { mnuSave.setEnabled(canSave); };
        mnuRef.onClick = [this] { ++references; };
        tb.onButtonClick = [this](const platform::ToolbarButton& b) { pressed.push_back(b.index); };
    }

    MenuItem mnuF{*this, "mnuF", "ﾌｧｲﾙ(&F)"};
    MenuItem mnuSave{*this, "mnuSave", "保存(&S)", &mnuF};
    MenuItem mnuL1{*this, "mnuL1", "-", &mnuF};
    MenuItem mnuEnd{*this, "mnuEnd", "終了(&X)", &mnuF};
    MenuItem mnuRef{*this, "mnuRef", "参考(&S)"};
    platform::Toolbar tb{*this, "tb"};

    bool canSave = false;
    int references = 0;
    std::vector<int> pressed;
    int asked = 0;
    bool refuse = true;

protected:
    void Form_QueryUnload(bool& cancel) override {
        ++asked;
        cancel = refuse;
        if (!refuse) platform::services().quit();
    }
};

// A screen with a menu bar of its own, and one without.
class PageForm : public platform::Form {
public:
    PageForm() : Form("PageForm", FormKind::MdiChild) {
        setClientSize(3000, 1500);
        move(300, 150);
        txt1.move(100, 100, 1500, 300);
    }
    MenuItem mnuP{*this, "mnuP", "ﾍﾟｰｼﾞ(&P)"};
    MenuItem mnuNext{*this, "mnuNext", "次のﾍﾟｰｼﾞ(&N)", &mnuP};
    platform::TextBox txt1{*this, "txt1"};
};

class PlainForm : public platform::Form {
public:
    PlainForm() : Form("PlainForm", FormKind::MdiChild) { setClientSize(3000, 1500); }
    platform::Label lbl1{*this, "lbl1", "見出し"};
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        shell.show();
        main = services.mainWindow();
        ASSERT_NE(main, nullptr);
    }
    void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QStringList menuTitles() const {
        QStringList titles;
        for (QAction* a : main->menuBar()->actions())
            if (a->isVisible()) titles << a->text();
        return titles;
    }

    gui::QtServices services;
    ShellForm shell;
    gui::MainWindow* main = nullptr;
};

TEST_F(MainWindowTest, ShowsTheFormsCaptionMenusAndToolbar) {
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->windowTitle(), "試験(Shell版)");
    EXPECT_EQ(menuTitles(), (QStringList{"ﾌｧｲﾙ(&F)", "参考(&S)"}));

    // Opening the file menu runs its Click first, whose rules set the items.
    QMenu* file = main->menuBar()->actions()[0]->menu();
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->actions().size(), 3);
    shell.canSave = false;
    file->popup(QPoint(0, 0));
    EXPECT_FALSE(file->actions()[0]->isEnabled());
    file->hide();
    shell.canSave = true;
    file->popup(QPoint(0, 0));
    EXPECT_TRUE(file->actions()[0]->isEnabled());
    EXPECT_TRUE(file->actions()[1]->isSeparator());
    file->hide();

    main->menuBar()->actions()[1]->trigger();
    EXPECT_EQ(shell.references, 1);
    shell.mnuRef.setEnabled(false);
    EXPECT_FALSE(main->menuBar()->actions()[1]->isEnabled());

    const auto buttons = main->toolBar()->actions();
    ASSERT_EQ(buttons.size(), 3);
    EXPECT_TRUE(buttons[1]->isSeparator());
    EXPECT_EQ(buttons[2]->toolTip(), "[ファイル]-[印刷]");
    EXPECT_FALSE(buttons[0]->icon().isNull());
    buttons[0]->trigger();
    shell.tb.setButtonEnabled(3, false);
    EXPECT_FALSE(buttons[2]->isEnabled());
    buttons[2]->trigger();
    EXPECT_EQ(shell.pressed, std::vector<int>{1});
    shell.tb.setVisible(false);
    EXPECT_TRUE(main->toolBar()->isHidden());
}

TEST_F(MainWindowTest, AScreensOwnMenusReplaceTheMainMenusWhileItIsActive) {
    PageForm page;
    PlainForm plain;
    page.show();
    auto* pageWindow = qobject_cast<QMdiSubWindow*>(gui::FormView::of(page)->host());
    ASSERT_NE(pageWindow, nullptr);
    EXPECT_TRUE(pageWindow->isVisible());
    EXPECT_EQ(pageWindow->widget()->size(), QSize(200, 100));
    EXPECT_EQ(pageWindow->pos(), QPoint(20, 10));
    EXPECT_EQ(menuTitles(), QStringList{"ﾍﾟｰｼﾞ(&P)"});

    plain.show();
    EXPECT_EQ(platform::Desktop::activeChild(), &plain);
    EXPECT_EQ(menuTitles(), (QStringList{"ﾌｧｲﾙ(&F)", "参考(&S)"}));

    // The user activates the page again.
    main->mdiArea()->setActiveSubWindow(pageWindow);
    EXPECT_EQ(platform::Desktop::activeChild(), &page);
    EXPECT_EQ(menuTitles(), QStringList{"ﾍﾟｰｼﾞ(&P)"});

    page.unload();
    EXPECT_EQ(menuTitles(), (QStringList{"ﾌｧｲﾙ(&F)", "参考(&S)"}));
}

TEST_F(MainWindowTest, ClosingTheMainWindowAsksOnceAndEndsTheProgram) {
    main->close();
    EXPECT_EQ(shell.asked, 1);
    EXPECT_TRUE(main->isVisible());
    // Agreed, the form ends the program: the event loop returns and the window closes unasked.
    shell.refuse = false;
    QTimer::singleShot(0, main, [this] { main->close(); });
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    timeout.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(shell.asked, 2);
    EXPECT_FALSE(main->isVisible());
}

// A main window smaller than a screen scrolls to the rest of it.
TEST_F(MainWindowTest, ScreensLargerThanTheMainWindowCanBeScrolledTo) {
    PlainForm big;
    big.setClientSize(15000, 12000);
    big.show();
    main->resize(400, 300);
    QCoreApplication::processEvents();
    QMdiArea* area = main->mdiArea();
    EXPECT_TRUE(area->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(area->verticalScrollBar()->isVisible());
    EXPECT_GT(area->verticalScrollBar()->maximum(), 0);
    big.unload();
}

} // namespace
