#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "gui/form_view.h"
#include "gui/qt_services.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace {

using platform::FormKind;

// A small input form: two boxes, two options in a frame, a check box, a button and a label.
class EntryForm : public platform::Form {
public:
    EntryForm() : Form("EntryForm", FormKind::Dialog) {
        setCaption("入力");
        setClientSize(4800, 3000);
        txt1.move(120, 120, 1500, 300);
        txt2.move(120, 600, 1500, 300);
        txt2.setText("12.5");
        Frame1.move(2000, 120, 2400, 1200);
        opt1.setContainer(Frame1);
        opt2.setContainer(Frame1);
        opt1.move(120, 300, 2000, 300);
        opt2.move(120, 700, 2000, 300);
        opt1.setValue(true);
        chk1.move(120, 1100, 1500, 300);
        cmd1.move(120, 1600, 1200, 400);
        lbl1.move(2000, 1600, 2400, 300);
        pic1.move(2000, 2100, 1500, 750);
        pic1.setBorder(false);
        pic1.setScale(3000, 1500);
        txt1.onKeyPress = [this](int& k) {
            keys.push_back(k);
            if (k == 13) {
                k = 0;
                txt2.setFocus();
            } else if (k == 'a') {
                k = 'A';
            } else if (k == 'x') {
                k = 0;
            }
        };
        txt1.onChange = [this] { ++changes; };
        opt2.onClick = [this] { ++opt2Clicks; };
    }

    platform::TextBox txt1{*this, "txt1"};
    platform::TextBox txt2{*this, "txt2"};
    platform::Frame Frame1{*this, "Frame1", "選択"};
    platform::OptionButton opt1{*this, "opt1", "一"};
    platform::OptionButton opt2{*this, "opt2", "二"};
    platform::CheckBox chk1{*this, "chk1", "確認"};
    platform::CommandButton cmd1{*this, "cmd1", "実行"};
    platform::Label lbl1{*this, "lbl1", "ラベル"};
    platform::PictureBox pic1{*this, "pic1"};

    std::vector<int> keys;
    int changes = 0;
    int opt2Clicks = 0;
    bool refuseClose = false;

protected:
    void Form_QueryUnload(bool& cancel) override { cancel = refuseClose; }
};

class FormViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        view = gui::FormView::of(form);
        ASSERT_NE(view, nullptr);
        view->host()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view->host()));
    }
    void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    template <class W> W* widget(const platform::Control& c) { return qobject_cast<W*>(view->widgetFor(c)); }

    gui::QtServices services;
    EntryForm form;
    gui::FormView* view = nullptr;
};

TEST_F(FormViewTest, TypedKeysPassKeyPressWhichMaySwallowOrReplaceThem) {
    auto* box = widget<QLineEdit>(form.txt1);
    ASSERT_NE(box, nullptr);
    QTest::keyClicks(box, "1a2x");
    EXPECT_EQ(form.keys, (std::vector<int>{'1', 'a', '2', 'x'}));
    EXPECT_EQ(form.txt1.text(), "1A2");
    EXPECT_EQ(box->text(), "1A2");
    EXPECT_EQ(form.changes, 3);
    EXPECT_EQ(form.txt1.selStart(), 3);

    // Keys without a character never reach KeyPress.
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(form.keys.size(), 4u);
    EXPECT_EQ(form.txt1.text(), "1A");
    EXPECT_EQ(form.changes, 4);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(form.keys.back(), 8);
    EXPECT_EQ(form.txt1.text(), "1");
}

TEST_F(FormViewTest, EnterIsSwallowedAndTheFocusGoesWhereTheHandlerSays) {
    auto* box1 = widget<QLineEdit>(form.txt1);
    auto* box2 = widget<QLineEdit>(form.txt2);
    box1->setFocus();
    QCoreApplication::processEvents();
    ASSERT_EQ(form.activeControl(), &form.txt1);
    QTest::keyClicks(box1, "7");
    QTest::keyClick(box1, Qt::Key_Return);
    EXPECT_EQ(form.keys.back(), 13);
    EXPECT_EQ(form.txt1.text(), "7");
    EXPECT_EQ(form.activeControl(), &form.txt2);
    EXPECT_EQ(QApplication::focusWidget(), box2);
    // The box's GotFocus habit selects its whole text, in the model and on the screen.
    EXPECT_EQ(form.txt2.selLength(), 4);
    EXPECT_EQ(box2->selectedText(), "12.5");
}

TEST_F(FormViewTest, AClickInABoxShowsTheModelsSelection) {
    auto* box2 = widget<QLineEdit>(form.txt2);
    QTest::mouseClick(box2, Qt::LeftButton, {}, QPoint(5, box2->height() / 2));
    EXPECT_EQ(form.activeControl(), &form.txt2);
    EXPECT_EQ(box2->selectedText(), "12.5");
    form.txt2.setSelStart(1);
    form.txt2.setSelLength(2);
    EXPECT_EQ(box2->selectedText(), "2.");
}

TEST_F(FormViewTest, ModelChangesShowInTheWidgets) {
    form.txt1.setInputMode(platform::InputMode::Off);
    form.txt1.setText("３．５");
    form.lbl1.setCaption("新しい見出し");
    form.cmd1.setCaption("計算");
    form.cmd1.setEnabled(false);
    form.chk1.setVisible(false);
    form.opt2.setValue(true);
    form.chk1.setValue(2);
    form.Frame1.setCaption("方法");
    form.setCaption("設計条件");

    EXPECT_EQ(widget<QLineEdit>(form.txt1)->text(), "３．５");
    EXPECT_FALSE(widget<QLineEdit>(form.txt1)->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_TRUE(widget<QLineEdit>(form.txt2)->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_EQ(widget<QLabel>(form.lbl1)->text(), "新しい見出し");
    EXPECT_EQ(widget<QPushButton>(form.cmd1)->text(), "計算");
    EXPECT_FALSE(widget<QPushButton>(form.cmd1)->isEnabled());
    EXPECT_TRUE(widget<QCheckBox>(form.chk1)->isHidden());
    EXPECT_TRUE(widget<QRadioButton>(form.opt2)->isChecked());
    EXPECT_FALSE(widget<QRadioButton>(form.opt1)->isChecked());
    EXPECT_EQ(widget<QCheckBox>(form.chk1)->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(widget<QGroupBox>(form.Frame1)->title(), "方法");
    EXPECT_EQ(view->host()->windowTitle(), "設計条件");
    // Options live inside their frame's widget, at their twip position.
    EXPECT_EQ(widget<QRadioButton>(form.opt1)->parentWidget(), view->widgetFor(form.Frame1));
    EXPECT_EQ(widget<QRadioButton>(form.opt2)->geometry(), QRect(8, 47, 133, 20));
}

TEST_F(FormViewTest, UserClicksOnOptionsAndCheckBoxesAreDecidedByTheModel) {
    auto* opt1 = widget<QRadioButton>(form.opt1);
    auto* opt2 = widget<QRadioButton>(form.opt2);
    QTest::mouseClick(opt2, Qt::LeftButton, {}, QPoint(5, opt2->height() / 2));
    EXPECT_TRUE(form.opt2.value());
    EXPECT_FALSE(form.opt1.value());
    EXPECT_TRUE(opt2->isChecked());
    EXPECT_FALSE(opt1->isChecked());
    // Clicking the selected option runs Click again and leaves it selected.
    QTest::mouseClick(opt2, Qt::LeftButton, {}, QPoint(5, opt2->height() / 2));
    EXPECT_EQ(form.opt2Clicks, 2);
    EXPECT_TRUE(opt2->isChecked());
    EXPECT_EQ(form.activeControl(), &form.opt2);

    auto* chk = widget<QCheckBox>(form.chk1);
    form.chk1.setValue(2);
    QTest::mouseClick(chk, Qt::LeftButton, {}, QPoint(5, chk->height() / 2));
    EXPECT_EQ(form.chk1.value(), 0);
    EXPECT_EQ(chk->checkState(), Qt::Unchecked);
    QTest::mouseClick(chk, Qt::LeftButton, {}, QPoint(5, chk->height() / 2));
    EXPECT_EQ(form.chk1.value(), 1);
    EXPECT_EQ(chk->checkState(), Qt::Checked);
}

TEST_F(FormViewTest, ClosingTheWindowAsksTheForm) {
    QPointer<QWidget> host = view->host();
    form.refuseClose = true;
    host->close();
    EXPECT_TRUE(form.loaded());
    EXPECT_TRUE(host->isVisible());

    form.refuseClose = false;
    host->close();
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(gui::FormView::of(form), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(host.isNull());
}

TEST_F(FormViewTest, APictureBoxShowsItsDrawingStretchedFromItsScale) {
    auto magentaRows = [this] {
        const QImage image = view->widgetFor(form.pic1)->grab().toImage();
        std::vector<int> rows;
        for (int y = 0; y < image.height(); ++y) {
            int n = 0;
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == QColor(255, 0, 255);
            if (n >= image.width() - 2) rows.push_back(y);
        }
        return rows;
    };
    EXPECT_TRUE(magentaRows().empty());
    form.pic1.surface().setForeColor(platform::kLightMagenta);
    form.pic1.surface().line(0, 750, 3000, 750);
    // 100 × 50 pixels showing 3000 × 1500 units: the line runs across the middle.
    EXPECT_EQ(magentaRows(), std::vector<int>{25});
    form.pic1.cls();
    EXPECT_TRUE(magentaRows().empty());
}

TEST_F(FormViewTest, WhatIsDrawnOnTheFormShowsUnderItsControlsAndStaysUntilCls) {
    auto magentaPixels = [this](QRect area) {
        const QImage image = view->grab().toImage();
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += image.pixelColor(x, y) == QColor(255, 0, 255);
        return n;
    };
    form.surface().setForeColor(platform::kLightMagenta);
    // A line across the form at y = 750 twips = 50 px: under txt2 (600 … 900 twips, 40 … 60 px)
    // and in the open space beside it.
    form.surface().line(0, 750, 4800, 750);
    const QRect box2 = view->widgetFor(form.txt2)->geometry();
    EXPECT_GT(magentaPixels(QRect(box2.right() + 5, 50, 10, 1)), 0); // beside the box
    EXPECT_EQ(magentaPixels(box2.adjusted(3, 3, -3, -3)), 0);        // the box covers it
    view->repaint();                                                 // a repaint keeps the drawing
    EXPECT_GT(magentaPixels(QRect(box2.right() + 5, 50, 10, 1)), 0);
    form.cls();
    EXPECT_EQ(magentaPixels(QRect(0, 50, view->width(), 1)), 0);
}

// A double click whose last release never arrives (the window lost the mouse) must not eat the
// next click.
TEST_F(FormViewTest, AClickAfterADoubleClickWithALostReleaseStillClicks) {
    int clicks = 0, labelClicks = 0;
    form.txt2.onClick = [&] { ++clicks; };
    form.lbl1.onClick = [&] { ++labelClicks; };
    for (QWidget* w : {view->widgetFor(form.txt2), view->widgetFor(form.lbl1)}) {
        const QPoint at(5, w->height() / 2);
        QTest::mouseClick(w, Qt::LeftButton, {}, at);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(w, &dbl); // no release follows
        QTest::mouseClick(w, Qt::LeftButton, {}, at, 500);
    }
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(labelClicks, 2);
}

// Small type is drawn crisp: every pixel of a 9-point caption is either ink or background.
TEST_F(FormViewTest, SmallCaptionsAreDrawnWithoutGreyEdges) {
    form.lbl1.setCaption("N/mm2 鉄筋の間隔");
    form.lbl1.setFontSize(9);
    const QImage image = view->widgetFor(form.lbl1)->grab().toImage();
    const QColor back = image.pixelColor(image.width() - 1, image.height() - 1);
    int ink = 0, grey = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            ink += c == QColor(Qt::black);
            grey += c != QColor(Qt::black) && c != back;
        }
    EXPECT_GT(ink, 20);
    EXPECT_EQ(grey, 0);
}

} // namespace
