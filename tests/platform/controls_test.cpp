#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "support/recording_services.h"

using namespace platform;

namespace {

// A small screen: two boxes, two options in a frame and one outside, a check box and a list.
struct TestForm : Form {
    TestForm() : Form("TestForm", FormKind::MdiChild) {
        opt1.setContainer(frame);
        opt2.setContainer(frame);
        txt1.setTabIndex(0);
        txt2.setTabIndex(1);
        for (const char* item : {"岩", "砂利", "砂質土"})
            cbo1.addItem(item);
    }
    TextBox txt1{*this, "txt1"};
    TextBox txt2{*this, "txt2"};
    Frame frame{*this, "Frame1"};
    OptionButton opt1{*this, "opt1", "考慮する"};
    OptionButton opt2{*this, "opt2", "しない"};
    OptionButton opt3{*this, "opt3"};
    OptionButton opt4{*this, "opt4"};
    CheckBox chk1{*this, "chk1"};
    ComboBox cbo1{*this, "cbo1"};
    CommandButton cmd1{*this, "cmd1", "ＯＫ"};
};

struct Log {
    std::vector<std::string> events;
    void operator()(std::string e) { events.push_back(std::move(e)); }
};

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override { form.show(); }
    TestForm form;
    Log log;
};

TEST_F(ControlsTest, SettingValuesFromCodeRunsTheHandlersOfAUsersEdit) {
    form.opt1.onClick = [&] { log("opt1"); };
    form.opt2.onClick = [&] { log("opt2"); };
    form.chk1.onClick = [&] { log("chk1"); };
    form.cbo1.onClick = [&] { log("cbo1"); };
    form.txt1.onChange = [&] { log("txt1"); };

    form.opt1.setValue(true);  // becomes selected: Click
    form.opt1.setValue(true);  // already selected: nothing
    form.opt2.setValue(true);  // selects opt2, clears opt1 without its Click
    form.opt2.setValue(false); // clearing runs nothing
    form.chk1.setValue(1);
    form.chk1.setValue(1);
    form.cbo1.setListIndex(2);
    form.cbo1.setListIndex(2);
    form.txt1.setText("25");
    form.txt1.setText("25");

    EXPECT_EQ(log.events, (std::vector<std::string>{"opt1", "opt2", "chk1", "cbo1", "txt1"}));
    EXPECT_FALSE(form.opt1.value());
    EXPECT_EQ(form.cbo1.text(), "砂質土");
}

TEST_F(ControlsTest, OptionsAreExclusiveWithinTheirContainerOnly) {
    form.opt1.setValue(true);
    form.opt3.setValue(true);
    EXPECT_TRUE(form.opt1.value()); // in the frame, untouched by the form's options
    form.opt4.setValue(true);
    EXPECT_FALSE(form.opt3.value());
    form.opt2.setValue(true);
    EXPECT_FALSE(form.opt1.value());
    EXPECT_TRUE(form.opt4.value());
}

TEST_F(ControlsTest, AUsersClickOnASelectedOptionRunsItsClickAgain) {
    int clicks = 0;
    form.opt1.onClick = [&] { ++clicks; };
    form.opt1.click();
    form.opt1.click();
    EXPECT_EQ(clicks, 2);
    form.opt1.setEnabled(false);
    form.opt1.click();
    EXPECT_EQ(clicks, 2);
}

TEST_F(ControlsTest, CheckBoxAndListRefuseValuesOutsideTheirRange) {
    EXPECT_TRUE(form.chk1.setValue(2));
    EXPECT_FALSE(form.chk1.setValue(3));
    EXPECT_FALSE(form.chk1.setValue(-1));
    EXPECT_EQ(form.chk1.value(), 2);
    form.chk1.click(); // grey → clear
    EXPECT_EQ(form.chk1.value(), 0);

    EXPECT_TRUE(form.cbo1.setListIndex(1));
    EXPECT_FALSE(form.cbo1.setListIndex(3));
    EXPECT_FALSE(form.cbo1.setListIndex(-2));
    EXPECT_EQ(form.cbo1.listIndex(), 1);
    EXPECT_TRUE(form.cbo1.setListIndex(-1));
    EXPECT_EQ(form.cbo1.text(), "");
}

TEST_F(ControlsTest, ListClicksAndItsTypedText) {
    int clicks = 0, changes = 0;
    form.cbo1.onClick = [&] { ++clicks; };
    form.cbo1.onChange = [&] { ++changes; };
    form.cbo1.choose(0);
    form.cbo1.choose(0); // picking the same item from the list again still clicks
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(form.cbo1.text(), "岩");

    form.cbo1.setText("関東ローム"); // typed text that is no item clears the choice, without a Click
    EXPECT_EQ(form.cbo1.listIndex(), -1);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(changes, 1);
}

TEST_F(ControlsTest, KeyPressSeesEveryCharacterAndMayReplaceOrSwallowIt) {
    std::vector<int> codes;
    form.txt1.onKeyPress = [&](int& key) {
        codes.push_back(key);
        if (key == 'a') key = 'A';
        if (key == 13) {
            key = 0;
            form.txt2.setFocus();
        }
    };
    int changes = 0;
    form.txt1.onChange = [&] { ++changes; };
    form.txt1.setFocus();
    form.txt1.type("ab砂\r");
    EXPECT_EQ(form.txt1.text(), "Ab砂");
    EXPECT_EQ(codes, (std::vector<int>{'a', 'b', 0x7802, 13}));
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(form.activeControl(), &form.txt2);

    form.txt1.setFocus();
    form.txt1.setSelStart(3);
    form.txt1.type("\b");
    EXPECT_EQ(form.txt1.text(), "Ab");
}

TEST_F(ControlsTest, TextBoxHabitsSelectOnFocusAndClickAndJumpOnDoubleClick) {
    form.txt1.setText("123456789012345");
    form.txt2.setText("25");
    form.txt2.setFocus();
    EXPECT_EQ(form.txt2.selLength(), 2);

    form.txt1.click();
    EXPECT_EQ(form.txt1.selStart(), 0);
    EXPECT_EQ(form.txt1.selLength(), 15);

    form.txt1.dblClick(); // from the eleventh character to the end
    EXPECT_EQ(form.txt1.selStart(), 10);
    EXPECT_EQ(form.txt1.selLength(), 5);
    form.txt2.dblClick(); // a short text: caret at its end, nothing selected
    EXPECT_EQ(form.txt2.selStart(), 2);
    EXPECT_EQ(form.txt2.selLength(), 0);

    form.txt1.dblClickSelStart = 30;
    form.txt1.dblClick();
    EXPECT_EQ(form.txt1.selStart(), 15);

    form.txt1.selectAllOnFocus = false;
    form.txt1.setSelStart(3);
    form.txt2.setFocus();
    form.txt1.setFocus();
    EXPECT_EQ(form.txt1.selLength(), 0);
}

TEST_F(ControlsTest, FocusRunsLostAndGotFocusAndSkipsHiddenOrDisabledControls) {
    form.txt1.onLostFocus = [&] { log("txt1 lost"); };
    form.txt2.onGotFocus = [&] { log("txt2 got"); };
    form.txt1.setFocus();
    form.txt2.setFocus();
    form.txt2.setFocus();
    EXPECT_EQ(log.events, (std::vector<std::string>{"txt1 lost", "txt2 got"}));

    form.txt1.setVisible(false);
    form.txt1.setFocus();
    EXPECT_EQ(form.activeControl(), &form.txt2);
    form.frame.setEnabled(false);
    form.opt1.setFocus();
    EXPECT_EQ(form.activeControl(), &form.txt2);
}

TEST_F(ControlsTest, ShowingAFormFocusesItsFirstControlInTabOrder) {
    TestForm other;
    other.txt1.setTabIndex(5);
    other.show();
    EXPECT_EQ(other.activeControl(), &other.txt2);
}

TEST_F(ControlsTest, SelectionCountsCharactersNotBytes) {
    form.txt1.setText("土の単位体積重量");
    form.txt1.setSelStart(2);
    form.txt1.setSelLength(100);
    EXPECT_EQ(form.txt1.selLength(), 6);
    EXPECT_EQ(form.txt1.selText(), "単位体積重量");
    EXPECT_EQ(charCount("σ28"), 3);
}

TEST_F(ControlsTest, AListsTextSetFromCodeSelectsTheMatchingRowAndClicks) {
    form.cbo1.onClick = [&] { log("click " + std::to_string(form.cbo1.listIndex())); };
    form.cbo1.onChange = [&] { log("change"); };
    form.cbo1.setText("砂利");
    form.cbo1.setText("砂利"); // the same text again: nothing
    form.cbo1.setText("関東ローム");
    form.cbo1.setText("岩");
    EXPECT_EQ(log.events, (std::vector<std::string>{"change", "click 1", "change", "change", "click 0"}));
    EXPECT_EQ(form.cbo1.listIndex(), 0);
}

TEST_F(ControlsTest, ABoxWithItsHabitsSwitchedOffKeepsTheUsersCaret) {
    form.txt1.setText("123456789012345");
    form.txt1.setClickHabits(false);
    form.txt1.click();
    form.txt1.userSelect(4, 0); // the caret where the user clicked
    form.txt1.dblClick();
    EXPECT_EQ(form.txt1.selStart(), 4);
    EXPECT_EQ(form.txt1.selLength(), 0);
    form.txt2.setFocus();
    form.txt1.setFocus();
    EXPECT_EQ(form.txt1.selLength(), 0);
}

TEST_F(ControlsTest, EnterBeepsUnlessTheKeyHandlerSwallowsItOrADefaultButtonTakesIt) {
    testing_support::RecordingServices services;
    form.txt1.setFocus();
    form.txt1.type("1\r");
    EXPECT_EQ(services.beeps, 1);
    EXPECT_EQ(form.txt1.text(), "1"); // Enter inserts nothing

    form.txt1.onKeyPress = [](int& key) {
        if (key == 13) key = 0;
    };
    form.txt1.type("\r");
    EXPECT_EQ(services.beeps, 1);

    form.txt2.setFocus();
    form.cmd1.isDefault = true;
    form.txt2.type("\r");
    EXPECT_EQ(services.beeps, 1);
    form.cmd1.setEnabled(false); // a disabled default button takes no Enter
    form.txt2.type("\r");
    EXPECT_EQ(services.beeps, 2);
}

// What the user cannot reach runs nothing: a disabled control, or one in a disabled or hidden frame.
TEST_F(ControlsTest, ControlsInADisabledOrHiddenContainerTakeNoClickAndNoKeys) {
    TextBox inFrame{form, "txtInFrame"};
    inFrame.setContainer(form.frame);
    CheckBox chkInFrame{form, "chkInFrame"};
    chkInFrame.setContainer(form.frame);
    ComboBox cboInFrame{form, "cboInFrame"};
    cboInFrame.setContainer(form.frame);
    cboInFrame.addItem("岩");
    int clicks = 0, keys = 0;
    form.opt1.onClick = [&] { ++clicks; };
    chkInFrame.onClick = [&] { ++clicks; };
    cboInFrame.onClick = [&] { ++clicks; };
    inFrame.onClick = [&] { ++clicks; };
    inFrame.onKeyPress = [&](int&) { ++keys; };

    for (bool hide : {false, true}) {
        hide ? form.frame.setVisible(false) : form.frame.setEnabled(false);
        form.opt1.click();
        chkInFrame.click();
        cboInFrame.choose(0);
        inFrame.click();
        inFrame.type("12");
        EXPECT_EQ(clicks, 0);
        EXPECT_EQ(keys, 0);
        EXPECT_EQ(inFrame.text(), "");
        EXPECT_FALSE(form.opt1.value());
        EXPECT_EQ(chkInFrame.value(), 0);
        form.frame.setEnabled(true);
        form.frame.setVisible(true);
    }
    form.txt1.setEnabled(false);
    form.txt1.type("5");
    EXPECT_EQ(form.txt1.text(), "");

    inFrame.type("12"); // reachable again
    EXPECT_EQ(inFrame.text(), "12");
    EXPECT_EQ(keys, 2);
}

TEST_F(ControlsTest, APictureBoxDrawsInItsOwnFontOrElseTheForms) {
    PictureBox pic{form, "Picture1"};
    form.setFont("ＭＳ 明朝", 12);
    EXPECT_EQ(pic.surface().fontName(), "ＭＳ 明朝");
    EXPECT_EQ(pic.surface().fontSize(), 12);
    pic.setFont("ＭＳ ゴシック", 9);
    pic.surface().print({"A"});
    const auto& text = std::get<TextOp>(pic.surface().page().at(0));
    EXPECT_EQ(text.fontName, "ＭＳ ゴシック");
    EXPECT_EQ(text.fontSize, 9);
}

TEST_F(ControlsTest, AFormKeepsWhatIsDrawnOnItUntilCls) {
    int redraws = 0;
    struct Watch : FormObserver {
        int* n;
        void formChanged(Form&, FormChange what) override { *n += what == FormChange::Drawing; }
        void formUnloaded(Form&) override {}
    } watch;
    watch.n = &redraws;
    form.setObserver(&watch);
    form.setFont("ＭＳ 明朝", 10.5);
    form.surface().setCurrentX(300);
    form.surface().setCurrentY(450);
    form.surface().print({"注）"});
    form.surface().line(0, 0, 600, 600);
    ASSERT_EQ(form.surface().page().size(), 2u);
    const auto& note = std::get<TextOp>(form.surface().page()[0]);
    EXPECT_EQ(note.x, 300);
    EXPECT_EQ(note.y, 450);
    EXPECT_EQ(note.fontName, "ＭＳ 明朝");
    EXPECT_EQ(redraws, 2);
    form.cls();
    EXPECT_TRUE(form.surface().page().empty());
    EXPECT_EQ(form.surface().currentY(), 0);
    form.setObserver(nullptr);
}

} // namespace
