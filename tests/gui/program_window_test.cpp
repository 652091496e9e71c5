#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <gtest/gtest.h>

#include "app/program.h"
#include "gui/main_window.h"
#include "gui/qt_services.h"

namespace {

TEST(ProgramWindow, TheMainWindowShowsItsMenusAndSixButtonToolbar) {
    gui::QtServices services;
    {
        app::Program program;
        program.MDIForm1().show();
        gui::MainWindow* main = services.mainWindow();
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(main->windowTitle(), "Tarvelo(Mirenda版)");

        QStringList menus;
        for (QAction* a : main->menuBar()->actions())
            menus << a->text();
        EXPECT_EQ(menus, (QStringList{"ﾌｧｲﾙ(&F)", "参考(&S)", "ﾍﾙﾌﾟ(&H)"}));
        QMenu* file = main->menuBar()->actions()[0]->menu();
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(file->actions().size(), 11);
        EXPECT_EQ(main->menuBar()->actions()[1]->menu(), nullptr); // a command of its own

        const auto buttons = main->toolBar()->actions();
        ASSERT_EQ(buttons.size(), 6);
        EXPECT_TRUE(buttons[3]->isSeparator());
        std::vector<bool> enabled;
        for (QAction* b : buttons)
            if (!b->isSeparator()) enabled.push_back(b->isEnabled());
        EXPECT_EQ(enabled, (std::vector<bool>{true, true, false, false, false}));
        EXPECT_EQ(buttons[4]->toolTip(), "[ファイル]-[印刷ｲﾒｰｼﾞ]");
        for (QAction* b : buttons) {
            if (!b->isSeparator()) {
                EXPECT_FALSE(b->icon().isNull());
            }
        }

        buttons[0]->trigger(); // New
        EXPECT_TRUE(program.Form3().visible());
        EXPECT_EQ(program.d.ScreenNo, 1);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The section screen's coefficient box has no handlers: a click or a double click leaves the caret
// where the user put it, without the input boxes' select-all and jump.
TEST(ProgramWindow, TheSectionScreensCoefficientBoxIsAPlainBox) {
    gui::QtServices services;
    app::Program program;
    auto& box = program.Form7().txt_ka;
    ASSERT_TRUE(box.reachable());
    box.setText("0.297");
    box.click();
    box.userSelect(2, 0);
    box.dblClick();
    EXPECT_EQ(box.selStart(), 2);
    EXPECT_EQ(box.selLength(), 0);
}

} // namespace
