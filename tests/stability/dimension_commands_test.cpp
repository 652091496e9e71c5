#include <string>
#include <vector>

#include "stability_fixture.h"

namespace stability_test {
namespace {

class DimensionCommands : public StabilityTest {
protected:
    void SetUp() override {
        simpleWall(prog);
        ASSERT_TRUE(f3().HENSUU());
    }
    void passingRun() {
        f4().cmd3.click();
        ASSERT_NE(prog.d.Sigma_max, 0) << services.lastMessage().text;
    }
    bool button(int i) { return prog.MDIForm1().Toolbar1.buttonEnabled(i); }
};

TEST_F(DimensionCommands, ComputeShowsTheCoefficientAndLeavesTheResultsStale) {
    passingRun();
    f4().chk1.setValue(1);
    services.messages.clear();
    f4().txt11.setText("");
    f4().cmd7.click();
    EXPECT_TRUE(services.messages.empty()) << services.lastMessage().text;
    // Coulomb with φ 30, δ 0, vertical faces: (1 − sin 30°) / (1 + sin 30°) = 1/3.
    EXPECT_EQ(f4().txt11.text(), "0.333");
    EXPECT_TRUE(f4().opt8.value());
    EXPECT_FALSE(f4().txt11.border());
    EXPECT_EQ(f4().chk1.value(), 0);
    EXPECT_FALSE(f4().chk1.enabled());
    EXPECT_EQ(prog.d.Sigma_max, 0);
    EXPECT_FALSE(f4().lbl57.visible());
    EXPECT_FALSE(button(5));
    EXPECT_TRUE(f4().cmd4.hasFocus());

    // "直接入力": the computed value is the starting point, bordered and selected.
    prog.MDIForm1().Toolbar1.setButtonEnabled(5, true);
    f4().cmd6.click();
    EXPECT_TRUE(f4().opt7.value());
    EXPECT_TRUE(f4().txt11.border());
    EXPECT_TRUE(f4().txt11.hasFocus());
    EXPECT_EQ(f4().txt11.selLength(), 5);
    EXPECT_TRUE(f4().chk1.enabled());
    EXPECT_TRUE(button(5)); // the toolbar keeps its state
}

TEST_F(DimensionCommands, ComputeNeedsNoStabilityChoicesButReportsACoefficientFault) {
    seismic(prog, Method::K1, "0.2");
    ASSERT_TRUE(f3().HENSUU());
    prog.d.C_Base = 10; // the effective-area choice is missing, which only the run asks for
    f4().txt11.setText("");
    f4().cmd7.click();
    EXPECT_TRUE(services.messages.empty()) << services.lastMessage().text;
    EXPECT_FALSE(f4().txt11.text().empty());

    // Kv = 1: the seismic angle atan(Kh / (1 − Kv)) divides by zero.
    seismic(prog, Method::K1, "0.2", "1");
    ASSERT_TRUE(f3().HENSUU());
    f4().txt11.setText("0.5");
    f4().opt7.setValue(true); // typed
    f4().cmd7.click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
    EXPECT_EQ(f4().txt11.text(), "0.5");
    // Still the typed coefficient: it does not pass for a computed one.
    EXPECT_TRUE(f4().opt7.value());
    EXPECT_FALSE(f4().opt8.value());
}

// A coefficient that is not computed leaves the typed or computed mode as it was.
TEST_F(DimensionCommands, ComputeThatComputesNothingKeepsTheCoefficientsMode) {
    f3().opt4.setValue(true); // seismic, no method chosen
    ASSERT_TRUE(f3().HENSUU());
    for (platform::OptionButton* before : {&f4().opt7, static_cast<platform::OptionButton*>(nullptr)}) {
        f4().opt7.setValue(false);
        f4().opt8.setValue(false);
        if (before) before->setValue(true);
        services.messages.clear();
        f4().cmd7.click();
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
        EXPECT_EQ(f4().opt7.value(), before != nullptr);
        EXPECT_FALSE(f4().opt8.value());
        EXPECT_EQ(f4().txt11.text(), "0.3");
    }
}

TEST_F(DimensionCommands, ComputeChecksItsBoxesOfTheShape) {
    f4().txt5.setText("");
    f4().txt3.setText("");
    f4().cmd7.click();
    EXPECT_EQ(services.lastMessage().text, "寸法を入力してください。");
    EXPECT_TRUE(f4().txt3.hasFocus());
    prog.Form23().opt2.setValue(true);
    f4().cmd7.click();
    EXPECT_TRUE(f4().txt5.hasFocus());
    EXPECT_FALSE(f4().opt8.value());
    EXPECT_EQ(f4().txt11.text(), "0.3");
}

TEST_F(DimensionCommands, OnToTheSectionScreenOnlyWithResults) {
    f4().cmd1.click();
    EXPECT_EQ(services.lastMessage().text, "安定性の検討をしてください。");
    EXPECT_TRUE(f4().cmd3.hasFocus());
    EXPECT_FALSE(prog.Form7.loaded() && prog.Form7().visible());

    passingRun();
    // The shear key is an input of the run: choosing or dropping it voids the results.
    f4().opt6.setValue(true);
    EXPECT_FALSE(f4().lbl57.visible());
    EXPECT_TRUE(f4().cmd5.visible());
    EXPECT_FALSE(button(5));
    EXPECT_EQ(prog.d.Sigma_max, 0);
    f4().opt5.setValue(true);
    EXPECT_FALSE(f4().cmd5.visible());
    EXPECT_EQ(prog.d.Sigma_max, 0);
    passingRun();
    const auto count = services.messages.size();
    f4().cmd1.click();
    EXPECT_EQ(services.messages.size(), count);
    auto& f7 = prog.Form7();
    EXPECT_TRUE(f7.visible());
    EXPECT_FALSE(f7.Label9.visible()); // no toe
    EXPECT_FALSE(f7.Label8.visible()); // no heel
    EXPECT_FALSE(f7.Label10.visible());
    EXPECT_TRUE(f7.Line100.visible());
    EXPECT_FALSE(f7.Line101.visible());
    EXPECT_FALSE(f7.chk_1.visible()); // normal case
    EXPECT_TRUE(f7.cmd4.enabled());
}

TEST_F(DimensionCommands, SectionScreenSurchargeInertiaFollowsTheSeismicMethod) {
    seismic(prog, Method::K2, "0.2");
    ASSERT_TRUE(f3().HENSUU());
    prog.Form21().opt1.setValue(true);
    prog.Form21().opt5.setValue(true);
    passingRun();
    f4().cmd1.click();
    auto& f7 = prog.Form7();
    EXPECT_TRUE(f7.chk_1.visible());
    EXPECT_TRUE(f7.chk_1.enabled());
    EXPECT_FALSE(f7.txt_1.enabled());
    f7.chk_1.setValue(1);
    f7.txt_1.setText("2.5");
    seismic(prog, Method::K1, "0.2");
    ASSERT_TRUE(f3().HENSUU());
    passingRun();
    f4().cmd1.click();
    EXPECT_EQ(f7.chk_1.value(), 1);
    EXPECT_FALSE(f7.chk_1.enabled());
    EXPECT_EQ(f7.txt_1.text(), "");
    EXPECT_FALSE(f7.txt_1.enabled());
    EXPECT_FALSE(f7.cmd4.enabled());
}

TEST_F(DimensionCommands, KeyCalculationKeepsTheResultsMarkerAsItWas) {
    f4().txt14.setText("2.4");
    ASSERT_TRUE(f4().HENSUU());
    f4().opt6.setValue(true);
    ASSERT_EQ(prog.d.Sigma_max, 0);
    f4().cmd5.click();
    EXPECT_EQ(prog.d.Sigma_max, 0); // stale results do not come back
    EXPECT_EQ(prog.Form19().lbl1.caption(), "3.000");
    EXPECT_EQ(services.modalForms, std::vector<std::string>{"Form19"});
    f4().cmd1.click();
    EXPECT_EQ(services.lastMessage().text, "安定性の検討をしてください。");
}

TEST_F(DimensionCommands, KeyCalculationBeforeAnyDimensionsEndsWithAMessage) {
    prog.d.B = 0;
    prog.d.B_Span = 0;
    prog.d.T_Slab = 0;
    f4().opt6.setValue(true);
    f4().cmd5.click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
    EXPECT_TRUE(services.modalForms.empty());
    EXPECT_EQ(prog.d.Sigma_max, 0);
}

TEST_F(DimensionCommands, NoKeyDiscardsTheKeyDialog) {
    f4().opt6.setValue(true);
    prog.Form19().txt1.setText("0.3");
    prog.d.H0_Key = 0.3f;
    f4().opt5.setValue(true);
    EXPECT_FALSE(prog.Form19.loaded());
    EXPECT_EQ(prog.d.H0_Key, 0);
    f4().opt6.setValue(true);
    EXPECT_EQ(prog.Form19().txt1.text(), "");
}

TEST_F(DimensionCommands, MarksOfTheOptionsAndTheCheckBox) {
    // The front-soil frame is shown while a toe is given.
    f4().Frame2.setVisible(true);
    f4().opt4.setValue(true);
    for (auto* c : {&f4().opt3, &f4().opt4}) {
        passingRun();
        prog.d.SectCheck_Done = 1;
        c->click();
        EXPECT_EQ(prog.d.Sigma_max, 0);
        EXPECT_FALSE(button(5));
        EXPECT_EQ(prog.d.SectCheck_Done, 0);
    }
    passingRun();
    f4().chk1.click();
    EXPECT_EQ(prog.d.Sigma_max, 0);
    EXPECT_FALSE(button(5));
}

TEST_F(DimensionCommands, BackToTheGroundShape) {
    f4().show();
    f4().cmd2.click();
    EXPECT_FALSE(f4().visible());
    EXPECT_TRUE(prog.Form23().visible());
    EXPECT_EQ(prog.Form23().left(), 0);
    f4().show();
    EXPECT_FALSE(prog.Form23().visible());
    EXPECT_EQ(prog.d.ScreenNo, 2);
}

TEST_F(DimensionCommands, NoteWindowOpensAndCloses) {
    services.onModal = [&](platform::Form& f) {
        EXPECT_EQ(f.name(), "Form26");
        prog.Form26().cmd1.click();
    };
    f4().cmd8.click();
    EXPECT_EQ(services.modalForms, std::vector<std::string>{"Form26"});
    EXPECT_FALSE(prog.Form26().visible());
}

} // namespace
} // namespace stability_test
