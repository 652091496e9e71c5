#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <string>

#include "app/program.h"
#include "gui/form_view.h"
#include "gui/qt_services.h"

namespace {

// Every caption of a form shown whole in its control at 96 dpi: a button's or option's text within
// its width, a label's text within its box (wrapped where the label wraps).
void expectCaptionsFit(platform::Form& form) {
    gui::FormView* view = gui::FormView::of(form);
    ASSERT_NE(view, nullptr) << form.name();
    for (platform::Control* c : form.controls()) {
        QWidget* w = view->widgetFor(*c);
        if (!w || !c->visible()) continue;
        SCOPED_TRACE(form.name() + "." + c->name());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty()) continue;
            const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                                 : label->fontMetrics().horizontalAdvance(label->text());
            if (label->wordWrap())
                EXPECT_LE(needed, label->height()) << label->text().toStdString();
            else
                EXPECT_LE(needed, label->width()) << label->text().toStdString();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            if (button->text().isEmpty()) continue;
            // A push button's size hint has a style minimum; its text needs only a margin.
            const int needed = qobject_cast<QPushButton*>(button)
                                   ? button->fontMetrics().horizontalAdvance(button->text()) + 8
                                   : button->sizeHint().width();
            EXPECT_LE(needed, button->width()) << button->text().toStdString();
        }
    }
}

TEST(ConditionsCaptions, TheThreeScreensShowEveryCaptionWhole) {
    gui::QtServices services;
    {
        app::Program prog;
        prog.MDIForm1().show();
        prog.MDIForm1().FileNew();
        auto& f3 = prog.Form3();
        f3.cmd2.click();  // the short-term row on view
        f3.opt_D.click(); // the longer friction-angle captions
        QApplication::processEvents();
        expectCaptionsFit(f3);
        auto& f23 = prog.Form23();
        f23.show();
        QApplication::processEvents();
        expectCaptionsFit(f23);
        auto& f25 = prog.Form25();
        f25.show();
        QApplication::processEvents();
        expectCaptionsFit(f25);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
