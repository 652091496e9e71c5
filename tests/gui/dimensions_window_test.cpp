#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/program.h"
#include "gui/form_view.h"
#include "gui/main_window.h"
#include "gui/qt_services.h"
#include "recorded_qt_services.h"

namespace {

// Captions cut off by their widget: a label, button or frame whose text needs more room than it has.
std::vector<std::string> cutCaptions(QWidget* root) {
    std::vector<std::string> cut;
    auto check = [&](QWidget* w, const QString& text, int room) {
        if (text.isEmpty() || !w->isVisibleTo(root)) return;
        if (w->fontMetrics().horizontalAdvance(text) > room) cut.push_back(text.toStdString());
    };
    for (auto* l : root->findChildren<QLabel*>()) {
        if (!l->wordWrap())
            check(l, l->text(), l->contentsRect().width());
        else if (!l->text().isEmpty() && l->isVisibleTo(root) && l->heightForWidth(l->width()) > l->height())
            cut.push_back(l->text().toStdString());
    }
    for (auto* b : root->findChildren<QAbstractButton*>()) {
        // Options and check boxes draw their mark before the text.
        const int mark = qobject_cast<QPushButton*>(b) ? 8 : 22;
        check(b, b->text(), b->width() - mark);
    }
    for (auto* g : root->findChildren<QGroupBox*>())
        check(g, g->title(), g->width() - 16);
    return cut;
}

// Saves a picture of the view when TARVELO_SCREENSHOTS names a folder.
void screenshot(QWidget* w, const char* name) {
    if (const char* dir = std::getenv("TARVELO_SCREENSHOTS")) {
        QDir().mkpath(dir);
        w->grab().save(QString(dir) + "/" + name + ".png");
    }
}

// γs 18, γc 24, φ 30, δ 0, fe 150, μ 0.5: the design conditions of the sessions.
std::vector<std::pair<platform::TextBox*, const char*>> conditionEntries(conditions::Form3& c) {
    return {{&c.txt2, "24"}, {&c.txt3, "200"}, {&c.txt4, "150"}, {&c.txt5, "18"}, {&c.txt6, "24"},
            {&c.txt8, "30"}, {&c.txt10, "0"},  {&c.txt11, "30"}, {&c.txt9, "0.5"}};
}

using gui_test::RecordedQtServices;

// Types into the focused box, then Enter.
void typeHere(const char* text) {
    QWidget* w = QApplication::focusWidget();
    ASSERT_NE(w, nullptr);
    QTest::keyClicks(w, QString::fromUtf8(text));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

void typeInto(gui::FormView* view, platform::TextBox& box, const char* text) {
    auto* w = qobject_cast<QLineEdit*>(view->widgetFor(box));
    ASSERT_NE(w, nullptr) << box.name();
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, w->height() / 2));
    QTest::keyClicks(w, QString::fromUtf8(text));
}

void press(gui::FormView* view, platform::Control& button) {
    auto* w = qobject_cast<QAbstractButton*>(view->widgetFor(button));
    ASSERT_NE(w, nullptr) << button.name();
    QTest::mouseClick(w, Qt::LeftButton);
}

TEST(DimensionsWindow, FromNewToTheVerdictsOfAPassingWall) {
    RecordedQtServices services;
    {
        app::Program program;
        program.MDIForm1().show();
        gui::MainWindow* main = services.mainWindow();
        ASSERT_NE(main, nullptr);
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
        main->toolBar()->actions()[0]->trigger(); // New
        auto& c = program.Form3();
        auto* cv = gui::FormView::of(c);
        ASSERT_NE(cv, nullptr);
        QApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), cv->widgetFor(c.txt1));
        // Site, σck 24, σsa 200, fe 150, γs 18, γc 24, soil, φ 30, δ 0, base soil, c 0, φ 30; μ 0.5 typed.
        for (const char* keys : {"site", "24", "200", "150", "18", "24", "sand", "30", "0", "rock", "", "30"})
            typeHere(keys);
        ASSERT_EQ(c.activeControl(), &c.opt5);
        press(cv, c.opt5);
        typeHere("0.5");
        press(cv, c.cmd3); // "地盤の形状 >"
        ASSERT_TRUE(services.recorder.messages.empty()) << services.recorder.lastMessage().text;
        auto& g = program.Form23();
        auto* gv = gui::FormView::of(g);
        ASSERT_NE(gv, nullptr);
        press(gv, g.opt1);
        press(gv, g.cmd1); // "寸法の入力 >"
        auto& f = program.Form4();
        ASSERT_TRUE(f.visible());
        auto* view = gui::FormView::of(f);
        ASSERT_NE(view, nullptr);
        for (auto [box, text] : std::vector<std::pair<platform::TextBox*, const char*>>{
                 {&f.txt1, "1"},    {&f.txt2, "A"},    {&f.txt3, "2.6"}, {&f.txt4, "0.4"}, {&f.txt5, "2.4"},
                 {&f.txt6, "0.6"},  {&f.txt7, "0.3"},  {&f.txt8, "0"},   {&f.txt9, "0.3"}, {&f.txt10, "0"},
                 {&f.txt13, "0.3"}, {&f.txt15, "0.3"}, {&f.txt14, "2"},  {&f.txt12, "0"},  {&f.txt16, "0"},
                 {&f.txt17, "0.4"}, {&f.txt18, "0"},   {&f.txt19, "0"},  {&f.txt20, "0"},  {&f.txt21, "0"},
                 {&f.txt22, "0"},   {&f.txt23, "0"}})
            typeInto(view, *box, text);
        press(view, f.cmd7);
        EXPECT_EQ(f.txt11.text(), "0.333");
        press(view, f.cmd3);
        auto* verdict = qobject_cast<QLabel*>(view->widgetFor(f.lbl73));
        ASSERT_NE(verdict, nullptr);
        EXPECT_TRUE(verdict->isVisible());
        EXPECT_EQ(verdict->text(), "< B/6∴O.K");
        auto* sliding = qobject_cast<QLabel*>(view->widgetFor(f.lbl66));
        EXPECT_EQ(sliding->text(), "> 1.5 ∴O.K");
        EXPECT_TRUE(sliding->isVisible());
        EXPECT_TRUE(main->toolBar()->actions()[4]->isEnabled());
        EXPECT_TRUE(services.recorder.messages.empty()) << services.recorder.lastMessage().text;
        EXPECT_EQ(cutCaptions(view), std::vector<std::string>{});
        screenshot(view, "form4-one-sided");

        press(view, f.cmd1); // "断面計算 >"
        auto& s = program.Form7();
        ASSERT_TRUE(s.visible());
        auto* sv = gui::FormView::of(s);
        ASSERT_NE(sv, nullptr);
        EXPECT_EQ(cutCaptions(sv), std::vector<std::string>{});
        screenshot(sv, "form7-one-sided");
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Dark pixels in a rectangle of the view's picture, given in twips.
int inkIn(const QImage& image, int left, int top, int width, int height) {
    int ink = 0;
    for (int y = top / 15; y < (top + height) / 15; ++y)
        for (int x = left / 15; x < (left + width) / 15; ++x)
            if (qGray(image.pixel(x, y)) < 100) ++ink;
    return ink;
}

TEST(DimensionsWindow, TheSymmetricNotesArePaintedOnTheScreen) {
    RecordedQtServices services;
    {
        app::Program program;
        program.MDIForm1().show();
        auto& c = program.Form3();
        for (auto [box, text] : conditionEntries(c))
            box->setText(text);
        ASSERT_TRUE(c.HENSUU());
        program.Form23().opt2.setValue(true);
        auto& f = program.Form4();
        const char* texts[] = {"1",   "A", "",    "",  "2.4", "0.6", "0.3", "0", "0.3", "0", "0.3", "0",
                               "0.3", "2", "0.3", "0", "0.4", "0",   "0",   "0", "0",   "0", ""};
        for (int n = 1; n <= 23; ++n)
            f.box(n).setText(texts[n - 1]);
        f.show();
        auto* view = gui::FormView::of(f);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(inkIn(view->grab().toImage(), 8200, 2550, 2600, 240), 0);
        press(view, f.cmd3);
        ASSERT_TRUE(f.lbl57.visible());
        const QImage image = view->grab().toImage();
        EXPECT_GT(inkIn(image, 8200, 2550, 2600, 240), 50);
        EXPECT_GT(inkIn(image, 8200, 4200, 2600, 240), 50);
        EXPECT_EQ(cutCaptions(view), std::vector<std::string>{});
        screenshot(view, "form4-symmetric");
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(DimensionsWindow, DialogsShowEveryCaptionWhole) {
    RecordedQtServices services;
    {
        app::Program program;
        program.MDIForm1().show();
        program.Form4().opt6.setValue(true); // shows "突起の計算"
        program.d.B = 3;
        program.d.e = 0.2f;
        platform::Form* forms[] = {&program.Form4(), &program.Form14(), &program.Form21(), &program.Form19(),
                                   &program.Form26()};
        program.Form4().Ouryoku();
        for (platform::Form* form : forms) {
            SCOPED_TRACE(form->name());
            form->show();
            auto* view = gui::FormView::of(*form);
            ASSERT_NE(view, nullptr);
            EXPECT_EQ(cutCaptions(view), std::vector<std::string>{});
            screenshot(view, form->name().c_str());
            if (form != &program.Form4()) form->hide();
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
