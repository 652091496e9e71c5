#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "gui/form_view.h"
#include "gui/qt_services.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace {

using platform::Answer;
namespace mb = platform::mb;

// Runs `look` on the message box once it is up.
void whenMessageBoxShows(const std::function<void(QMessageBox&)>& look) {
    QTimer::singleShot(0, [look] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        look(*box);
    });
}

TEST(QtServicesTest, MessageBoxesHaveJapaneseButtonsTheStylesDefaultAndTheProgramsTitle) {
    gui::QtServices services;
    QString title, text;
    QStringList buttons;
    QString defaultButton;
    QMessageBox::Icon icon{};
    int width = 0;
    whenMessageBoxShows([&](QMessageBox& box) {
        title = box.windowTitle();
        width = box.width();
        text = box.text();
        icon = box.icon();
        for (QAbstractButton* b : box.buttons())
            buttons << b->text();
        defaultButton = box.defaultButton()->text();
        box.button(QMessageBox::Yes)->click();
    });
    const Answer answer =
        services.msgBox("終了してもよろしいですか?", mb::YesNo + mb::Question + mb::DefaultButton2, "");
    EXPECT_EQ(answer, Answer::Yes);
    EXPECT_EQ(title, "Tarvelo(Mirenda版)");
    EXPECT_GE(width, gui::titleBarWidth(title)); // the short question leaves the title whole
    EXPECT_EQ(text, "終了してもよろしいですか?");
    EXPECT_EQ(icon, QMessageBox::Question);
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_TRUE(buttons.join(' ').contains("はい"));
    EXPECT_TRUE(defaultButton.contains("いいえ"));

    whenMessageBoxShows([&](QMessageBox& box) {
        title = box.windowTitle();
        box.button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(services.msgBox("閉じてもよろしいですか？", mb::OkCancel + mb::Exclamation, "確認"),
              Answer::Cancel);
    EXPECT_EQ(title, "確認");
}

class AboutForm : public platform::Form {
public:
    AboutForm() : Form("AboutForm", platform::FormKind::Dialog) {
        setClientSize(3000, 1500);
        txt1.move(100, 100, 1500, 300);
        cmd1.move(100, 600, 1200, 400);
        cmd1.isCancel = true;
        cmd1.onClick = [this] { unload(); };
    }
    platform::TextBox txt1{*this, "txt1"};
    platform::CommandButton cmd1{*this, "cmd1", "ＯＫ"};
};

TEST(QtServicesTest, AModalFormRunsUntilItIsUnloaded) {
    gui::QtServices services;
    for (auto key : {Qt::Key_Escape, Qt::Key_Return}) {
        AboutForm form;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            modal = QApplication::activeModalWidget() == gui::FormView::of(form)->host();
            auto* button = gui::FormView::of(form)->widgetFor(form.cmd1);
            // Esc presses the cancel button from the text box; Enter presses the focused button.
            QWidget* target = key == Qt::Key_Escape ? gui::FormView::of(form)->widgetFor(form.txt1) : button;
            target->setFocus();
            QTest::keyClick(target, key);
        });
        form.showModal();
        EXPECT_TRUE(modal);
        EXPECT_FALSE(form.loaded());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace
