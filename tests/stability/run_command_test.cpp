#include <functional>
#include <string>

#include "stability/faults.h"
#include "stability_fixture.h"

namespace stability_test {
namespace {

class RunCommand : public StabilityTest {
protected:
    void SetUp() override {
        simpleWall(prog);
        ASSERT_TRUE(f3().HENSUU());
    }
    void press() { f4().cmd3.click(); }
    const std::string& message() { return services.lastMessage().text; }
};

// The checks in their order: each case breaks one input of a complete wall and expects the message
// and the box that takes the focus, with the caret at its start.
TEST_F(RunCommand, OrderedChecksStopAtTheFirstFailureWithItsMessageAndFocus) {
    using F = stability::Form4;
    struct Case {
        const char* what;
        std::function<void(F&)> breakIt;
        const char* message;
        platform::TextBox F::*focus;
    };
    const char* size = "寸法を入力してください。";
    auto empty = [](platform::TextBox F::*b) { return [b](F& f) { (f.*b).setText(""); }; };
    const Case cases[] = {
        {"everything empty",
         [](F& f) {
             for (int n = 1; n <= 23; ++n)
                 f.box(n).setText("");
         },
         "§番号を入力してください。", &F::txt1},
        {"section number", empty(&F::txt1), "§番号を入力してください。", &F::txt1},
        {"wall symbol", empty(&F::txt2), "擁壁の記号を入力してください。", &F::txt2},
        {"H3", empty(&F::txt3), size, &F::txt3},
        {"H4", empty(&F::txt4), size, &F::txt4},
        {"H1", empty(&F::txt5), size, &F::txt5},
        {"H2", empty(&F::txt6), size, &F::txt6},
        {"front wall top", empty(&F::txt7), size, &F::txt7},
        {"front batter", empty(&F::txt8), size, &F::txt8},
        {"rear wall top", empty(&F::txt9), size, &F::txt9},
        {"rear batter", empty(&F::txt10), size, &F::txt10},
        {"toe", empty(&F::txt12), size, &F::txt12},
        {"front wall", empty(&F::txt13), size, &F::txt13},
        {"span", empty(&F::txt14), size, &F::txt14},
        {"rear wall", empty(&F::txt15), size, &F::txt15},
        {"slab", empty(&F::txt17), size, &F::txt17},
        {"back surcharge", empty(&F::txt21), "上載荷重を入力してください。", &F::txt21},
        {"fill surcharge", empty(&F::txt22), "上載荷重を入力してください。", &F::txt22},
        {"coefficient: focus on the fill surcharge", empty(&F::txt11),
         "主働土圧係数を計算又は入力してください。", &F::txt22},
        {"heel width 0 with an end thickness", [](F& f) { f.txt19.setText("0.3"); }, size, &F::txt16},
        {"heel end thickness 0 with a width", [](F& f) { f.txt16.setText("0.5"); }, size, &F::txt19},
        {"heel before toe",
         [](F& f) {
             f.txt19.setText("0.3");
             f.txt18.setText("0.3");
         },
         size, &F::txt16},
        {"toe width 0 with an end thickness", [](F& f) { f.txt18.setText("0.3"); }, size, &F::txt12},
        {"toe end thickness empty with a width",
         [](F& f) {
             f.txt12.setText("0.5");
             f.txt18.setText("");
         },
         size, &F::txt18},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        simpleWall(prog);
        f4().cmd3.setFocus();
        c.breakIt(f4());
        const auto before = services.messages.size();
        press();
        ASSERT_EQ(services.messages.size(), before + 1);
        EXPECT_EQ(message(), c.message);
        EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
        EXPECT_EQ(services.lastMessage().style, 256);
        auto& focus = f4().*c.focus;
        EXPECT_TRUE(focus.hasFocus());
        EXPECT_EQ(focus.selStart(), 0);
        EXPECT_EQ(focus.selLength(), 0);
        EXPECT_FALSE(f4().lbl57.visible()); // no verdict
        EXPECT_TRUE(services.modalForms.empty());
    }
}

TEST_F(RunCommand, TheTenValuesAreStoredBeforeTheChecks) {
    f4().txt1.setText("");
    type({{&f4().txt5, "3.5"}, {&f4().txt21, "12.5"}, {&f4().txt20, ""}});
    press();
    EXPECT_EQ(message(), "§番号を入力してください。");
    EXPECT_EQ(prog.d.H1, 3.5f);
    EXPECT_EQ(prog.d.q_Back, 12.5f);
    EXPECT_EQ(prog.d.H_CenterSoil, 0);
    EXPECT_EQ(f4().lbl33.caption(), "12.5");
}

TEST_F(RunCommand, TextsThatAreNotExactlyZeroCountAsGiven) {
    // 0.0 is a width: the heel pair passes and the run goes on to the verdicts.
    type({{&f4().txt16, "0.0"}, {&f4().txt19, "0.3"}});
    press();
    EXPECT_TRUE(services.messages.empty()) << message();
    EXPECT_TRUE(f4().lbl57.visible());
    // "0" with an empty partner: no heel at all.
    type({{&f4().txt16, "0"}, {&f4().txt19, ""}});
    press();
    EXPECT_TRUE(services.messages.empty()) << message();
}

TEST_F(RunCommand, TheSymmetricShapeNeedsNoFrontHeights) {
    prog.Form23().opt2.setValue(true);
    type({{&f4().txt3, ""}, {&f4().txt4, ""}, {&f4().txt23, ""}});
    press();
    EXPECT_TRUE(services.messages.empty()) << message();
    EXPECT_TRUE(f4().lbl57.visible());
    EXPECT_TRUE(f4().cmd1.hasFocus());
}

TEST_F(RunCommand, FrontSoilChoiceIsAskedWhileItsFrameIsShown) {
    type({{&f4().txt12, "0.5"}, {&f4().txt18, "0.3"}});
    f4().Frame2.setVisible(true);
    f4().opt3.setValue(false);
    f4().opt4.setValue(false);
    f4().cmd3.setFocus();
    press();
    EXPECT_EQ(message(), stability::kNoFrontSoilChoice);
    EXPECT_TRUE(f4().cmd3.hasFocus());
    f4().opt4.setValue(true);
    press();
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(f4().lbl57.visible());
}

TEST_F(RunCommand, NormalCaseWithCohesionOpensTheEffectiveAreaDialog) {
    prog.d.C_Base = 10;
    prog.Form14().opt4.setEnabled(false);
    press();
    EXPECT_EQ(message(), stability::kNoEffectiveArea);
    EXPECT_EQ(services.modalForms, std::vector<std::string>{"Form14"});
    EXPECT_TRUE(prog.Form14().opt4.enabled());
    EXPECT_FALSE(f4().lbl57.visible()); // the run stops when the dialog closes
    // The choice made on the dialog lets the next press through.
    services.onModal = [&](platform::Form&) {
        prog.Form14().opt5.click();
        prog.Form14().cmd1.click();
    };
    prog.Form14().showModal();
    press();
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(f4().lbl57.visible());
}

TEST_F(RunCommand, SeismicChoicesAreAskedOneAfterAnother) {
    prog.Form3().opt4.setValue(true);
    prog.d.C_Base = 10;
    press();
    EXPECT_EQ(message(), stability::kNoSeismicMethod);
    EXPECT_EQ(services.modalForms.back(), "Form25");

    seismic(prog, Method::K1, "0.2");
    ASSERT_TRUE(f3().HENSUU());
    prog.d.C_Base = 10;
    press();
    EXPECT_EQ(message(), "転倒に対する検討方法を選択してください。");
    EXPECT_EQ(services.modalForms.back(), "Form21");
    prog.Form21().opt1.setValue(true);
    press();
    EXPECT_EQ(message(), "滑動に対する検討方法を選択してください。");
    prog.Form21().opt5.setValue(true);
    prog.Form21().opt7.setEnabled(false);
    press();
    EXPECT_EQ(message(), stability::kNoEffectiveArea);
    EXPECT_TRUE(prog.Form21().opt7.enabled());
    prog.Form21().opt8.setValue(true);
    const auto count = services.messages.size();
    press();
    EXPECT_EQ(services.messages.size(), count);
    EXPECT_TRUE(f4().lbl73.visible());
}

TEST_F(RunCommand, KeyWithoutDimensionsShowsTheReminderGuidesAndSketch) {
    // B = 3: a toe-less wall 0.3 + 2.4 + 0.3 wide.
    f4().txt14.setText("2.4");
    ASSERT_TRUE(f4().HENSUU());
    ASSERT_EQ(prog.d.B, 3.0f);
    f4().opt6.setValue(true);
    press();
    EXPECT_EQ(message(), "突起の計算をしてください。");
    auto& f19 = prog.Form19();
    EXPECT_EQ(f19.lbl1.caption(), "3.000");
    EXPECT_EQ(f19.lbl2.caption(), "0.300");
    EXPECT_EQ(f19.lbl3.caption(), "0.450");
    EXPECT_EQ(f19.lbl4.caption(), "1.000");
    EXPECT_EQ(f19.lbl5.caption(), "2.000");
    EXPECT_FALSE(f19.surface().page().empty());
    EXPECT_EQ(services.modalForms, std::vector<std::string>{"Form19"});
    EXPECT_FALSE(f4().lbl57.visible());
}

} // namespace
} // namespace stability_test
