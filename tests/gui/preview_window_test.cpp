#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolBar>
#include <gtest/gtest.h>

#include "app/program.h"
#include "gui/form_view.h"
#include "gui/main_window.h"
#include "gui/qt_services.h"
#include "report/output/page_chain.h"
#include "report/output/preview_page.h"

namespace {

QStringList visibleMenus(gui::MainWindow& main) {
    QStringList menus;
    for (QAction* a : main.menuBar()->actions())
        if (a->isVisible()) menus << a->text();
    return menus;
}

TEST(PreviewWindow, APageTakesTheMenusAndScrollsItsCanvas) {
    gui::QtServices services;
    {
        app::Program program;
        program.MDIForm1().show();
        gui::MainWindow* main = services.mainWindow();
        ASSERT_NE(main, nullptr);
        program.MDIForm1().FileNew();
        report::setStepObserver([&program](const std::string& name) {
            if (program.Pri_Obj && name == "Form3.Ippan") program.Pri_Obj->print({"§１. 設 計 条 件"});
        });
        program.MDIForm1().FileImage();
        report::setStepObserver(nullptr);
        QCoreApplication::processEvents();

        auto& page = report::previewPage(program, 1);
        ASSERT_TRUE(page.visible());
        EXPECT_FALSE(main->toolBar()->isVisible());
        EXPECT_EQ(visibleMenus(*main), (QStringList{"次のﾍﾟｰｼﾞ(&N)", "印刷(&P)", "閉じる(&C)"}));

        // Without a printer the canvas is an A4 page of the PDF printer, 10 pt margins.
        const platform::PrinterGeometry g = services.printerGeometry();
        EXPECT_NEAR(g.pageHeight, 16840, 20);
        EXPECT_NEAR(g.printableHeight, 16840 - 400, 20);
        auto* view = gui::FormView::of(page);
        ASSERT_NE(view, nullptr);
        auto* vbar = qobject_cast<QScrollBar*>(view->widgetFor(page.VScroll1));
        ASSERT_NE(vbar, nullptr);
        EXPECT_EQ(vbar->maximum(), page.VScroll1.max());
        EXPECT_EQ(page.VScroll1.max(), page.Picture2.height() - 7095);
        vbar->setValue(vbar->maximum());
        EXPECT_EQ(page.Picture2.top(), -page.VScroll1.max());

        page.Men_Cls.click();
        QCoreApplication::processEvents();
        EXPECT_TRUE(main->toolBar()->isVisible());
        EXPECT_EQ(visibleMenus(*main), (QStringList{"ﾌｧｲﾙ(&F)", "参考(&S)", "ﾍﾙﾌﾟ(&H)"}));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
