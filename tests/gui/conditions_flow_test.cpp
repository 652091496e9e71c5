#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

#include <string>

#include "app/program.h"
#include "gui/form_view.h"
#include "gui/main_window.h"
#include "gui/qt_services.h"

namespace {

// Presses Tab in the form until `target` has the focus; false when it never comes.
bool tabTo(platform::Form& form, platform::Control& target) {
    for (int i = 0; i < 60 && form.activeControl() != &target; ++i) {
        QWidget* w = QApplication::focusWidget();
        if (!w) return false;
        QTest::keyClick(w, Qt::Key_Tab);
    }
    return form.activeControl() == &target;
}

void typeHere(const char* text, bool enter = true) {
    QWidget* w = QApplication::focusWidget();
    ASSERT_NE(w, nullptr);
    QTest::keyClicks(w, QString::fromUtf8(text));
    if (enter) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

// New, the design conditions typed with Enter, "地盤の形状 >", a shape, "寸法の入力 >": keyboard only.
TEST(ConditionsFlow, KeyboardOnlyFromNewToTheDimensionsScreen) {
    gui::QtServices services;
    {
        app::Program prog;
        prog.MDIForm1().show();
        gui::MainWindow* main = services.mainWindow();
        ASSERT_NE(main, nullptr);
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));

        QTest::keyClick(main, Qt::Key_F, Qt::AltModifier);
        QWidget* menu = QApplication::activePopupWidget();
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, Qt::Key_N);
        ASSERT_TRUE(prog.Form3.loaded());
        auto& f3 = prog.Form3();
        ASSERT_TRUE(f3.visible());
        ASSERT_EQ(f3.activeControl(), &f3.txt1);
        // The menu's popup has closed; the window takes the keyboard back.
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
        QApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), gui::FormView::of(f3)->widgetFor(f3.txt1));

        for (const char* keys :
             {"site", "24", "200", "150", "18", "24.5", "sand", "30", "15", "rock", "", "30"})
            typeHere(keys);
        ASSERT_EQ(f3.activeControl(), &f3.opt5);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        ASSERT_EQ(f3.activeControl(), &f3.txt9);
        typeHere("0.5", false);
        EXPECT_EQ(f3.txt8.text(), "30");
        EXPECT_EQ(f3.cbo2.text(), "rock");
        EXPECT_EQ(f3.txt9.text(), "0.5");

        ASSERT_TRUE(tabTo(f3, f3.cmd3));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        ASSERT_TRUE(prog.Form23.loaded());
        auto& f23 = prog.Form23();
        ASSERT_TRUE(f23.visible());
        QApplication::processEvents();

        ASSERT_TRUE(tabTo(f23, f23.opt1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        EXPECT_TRUE(f23.opt1.value());
        ASSERT_TRUE(tabTo(f23, f23.cmd1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);

        auto& f4 = prog.Form4();
        EXPECT_TRUE(f4.visible());
        gui::FormView* view = gui::FormView::of(f4);
        ASSERT_NE(view, nullptr);
        EXPECT_TRUE(view->host()->isVisible());
        QWidget* h3 = view->widgetFor(f4.txt3);
        ASSERT_NE(h3, nullptr);
        EXPECT_TRUE(h3->isVisibleTo(view));
        EXPECT_EQ(prog.d.Sigma28, 24.0f);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
