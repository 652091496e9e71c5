#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "gui/form_view.h"
#include "recorded_qt_services.h"
#include "stability/stability_fixture.h"

// Edits in the view that deliver no character (Delete, the context menu) and those that deliver a
// control character (Backspace, Ctrl+X, Ctrl+V) reach the model as the user's edits, and every one of
// them voids the results the edited value went into.

namespace {

using gui_test::RecordedQtServices;

QLineEdit* editOf(platform::Control& c) {
    QWidget* w = gui::FormView::of(c.form())->widgetFor(c);
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->lineEdit();
    return qobject_cast<QLineEdit*>(w);
}

// One of the line edit's own context-menu items, chosen as the user would. Qt builds the menu as undo,
// redo, a rule, cut, copy, paste, delete, a rule, select all (in the language of the translation).
enum class Item { Cut = 3, Paste = 5, Delete = 6 };

void contextMenu(QLineEdit* e, Item item) {
    std::unique_ptr<QMenu> menu(e->createStandardContextMenu());
    const auto actions = menu->actions();
    ASSERT_GT(actions.size(), static_cast<int>(item));
    QAction* a = actions[static_cast<int>(item)];
    ASSERT_TRUE(a->isEnabled()) << a->text().toStdString();
    a->trigger();
}

struct Way {
    const char* name;
    std::function<void(QLineEdit*)> act;
};

const std::vector<Way>& ways() {
    static const std::vector<Way> all = {
        {"Delete",
         [](QLineEdit* e) {
             QTest::keyClick(e, Qt::Key_Home);
             QTest::keyClick(e, Qt::Key_Delete);
         }},
        {"Backspace",
         [](QLineEdit* e) {
             QTest::keyClick(e, Qt::Key_End);
             QTest::keyClick(e, Qt::Key_Backspace);
         }},
        {"Ctrl+X",
         [](QLineEdit* e) {
             e->selectAll();
             QTest::keyClick(e, Qt::Key_X, Qt::ControlModifier);
         }},
        {"Ctrl+V",
         [](QLineEdit* e) {
             QGuiApplication::clipboard()->setText("3.5");
             e->selectAll();
             QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
         }},
        {"context menu's Delete",
         [](QLineEdit* e) {
             e->selectAll();
             contextMenu(e, Item::Delete);
         }},
        {"context menu's Cut",
         [](QLineEdit* e) {
             e->selectAll();
             contextMenu(e, Item::Cut);
         }},
        {"context menu's Paste",
         [](QLineEdit* e) {
             QGuiApplication::clipboard()->setText("0.4");
             e->selectAll();
             contextMenu(e, Item::Paste);
         }},
    };
    return all;
}

TEST(EditKeys, EveryEditInTheViewVoidsTheResultsItFeeds) {
    RecordedQtServices services;
    {
        app::Program prog;
        prog.MDIForm1().show();
        stability_test::typicalWall(prog);
        auto& f4 = prog.Form4();
        auto& f7 = prog.Form7();
        auto& key = prog.Form19();
        key.txt1.setText("0.3");
        f4.show();
        f7.show();
        key.show();
        // Results present, shown and output enabled, as after a run and a check.
        auto present = [&] {
            prog.d.Sigma_max = 35;
            f4.lbl57.setVisible(true);
            f7.lbl4.setCaption("O.K");
            prog.d.SectCheck_Done = 1;
            prog.MDIForm1().Toolbar1.setButtonEnabled(5, true);
        };
        struct Box {
            platform::TextBox* box;
            bool stability; // feeds the stability run, else the member check only
        };
        const Box boxes[] = {{&f4.txt5, true}, {&f4.txt11, true}, {&key.txt1, true}, {&f7.txt1, false}};
        for (const Box& b : boxes) {
            for (const Way& way : ways()) {
                SCOPED_TRACE(b.box->form().name() + "." + b.box->name() + ", " + way.name);
                b.box->setText("2.5");
                present();
                QLineEdit* e = editOf(*b.box);
                ASSERT_NE(e, nullptr);
                e->setFocus();
                way.act(e);
                EXPECT_NE(b.box->text(), "2.5");
                EXPECT_EQ(b.box->text(), e->text().toStdString());
                EXPECT_EQ(f7.lbl4.caption(), "");
                EXPECT_EQ(prog.d.SectCheck_Done, 0);
                EXPECT_FALSE(prog.MDIForm1().Toolbar1.buttonEnabled(5));
                if (b.stability) {
                    EXPECT_EQ(prog.d.Sigma_max, 0);
                    EXPECT_FALSE(f4.lbl57.visible());
                }
            }
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A bar name typed into a list chooses the bar as picking it would, and typing goes on after the
// name; a text that names no bar leaves the row unchosen and its spacing empty.
TEST(EditKeys, ABarNameTypedIntoTheListChoosesItsBar) {
    RecordedQtServices services;
    {
        app::Program prog;
        prog.MDIForm1().show();
        stability_test::typicalWall(prog);
        ASSERT_TRUE(stability_test::run(prog));
        auto& f7 = prog.Form7();
        ASSERT_TRUE(f7.TEKKIN());
        f7.show();
        auto* combo = qobject_cast<QComboBox*>(gui::FormView::of(f7)->widgetFor(f7.cbo1));
        ASSERT_NE(combo, nullptr);
        QLineEdit* e = combo->lineEdit();
        e->setFocus();
        QTest::keyClicks(e, "d13");
        EXPECT_EQ(f7.cbo1.listIndex(), 2);
        EXPECT_EQ(combo->currentIndex(), 2);
        EXPECT_EQ(e->text(), "  D13");
        EXPECT_EQ(e->cursorPosition(), 5);
        EXPECT_FALSE(f7.lbl_ra.caption().empty());
        QTest::keyClicks(e, ",D16");
        EXPECT_EQ(f7.cbo1.listIndex(), 3);
        EXPECT_EQ(e->text(), "D13,D16");
        const std::string pair = f7.lbl_ra.caption();
        QTest::keyClick(e, Qt::Key_Backspace);
        EXPECT_EQ(f7.cbo1.listIndex(), -1);
        EXPECT_EQ(f7.cbo1.text(), "D13,D1");
        EXPECT_EQ(f7.lbl_ra.caption(), "");
        f7.cbo1.choose(3);
        EXPECT_EQ(f7.lbl_ra.caption(), pair); // as typed
        EXPECT_TRUE(services.recorder.messages.empty()) << services.recorder.lastMessage().text;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
