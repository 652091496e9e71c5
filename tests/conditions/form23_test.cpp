#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conditions_fixture.h"

namespace {

using conditions_test::Conditions;

class GroundShape : public Conditions {
protected:
    void SetUp() override {
        Conditions::SetUp();
        enterConditions();
        f3().cmd3.click();
        ASSERT_TRUE(f23().visible());
    }
    conditions::Form23& f23() { return prog.Form23(); }
    bool shown(const char* name) {
        platform::Control* c = f4().findControl(name);
        EXPECT_NE(c, nullptr) << name;
        return c && c->visible();
    }
};

TEST_F(GroundShape, StartsWithNoShapeAndRefusesToGoOn) {
    EXPECT_FALSE(f23().opt1.value() || f23().opt2.value());
    prog.d.q_Front = 7;
    prog.d.q_Back = 10;
    f23().cmd1.click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.lastMessage().text, "地盤の形状（1）又は（2）を選択してください。");
    EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
    EXPECT_EQ(services.lastMessage().style, 256);
    EXPECT_EQ(f23().activeControl(), &f23().opt1);
    EXPECT_FALSE(f4().visible());
    EXPECT_EQ(prog.d.q_Front, 7);
}

// The dimensions screen laid out for each shape: what shows, what hides, the front surcharge.
TEST_F(GroundShape, DimensionsScreenFollowsTheShape) {
    const std::vector<const char*> oneSidedOnly{"txt3",    "Label3",  "lbl5",    "txt4",    "Label4", "lbl6",
                                                "Line150", "Line151", "Line152", "txt23",   "lbl22",  "lbl23",
                                                "lbl10",   "lbl45",   "Line120", "Line127", "Line134"};
    const std::vector<const char*> symmetricOnly{"lbl32", "lbl33", "lbl34", "Line135", "Line142", "Line149"};
    prog.d.q_Back = 10;
    prog.d.q_Front = 3;
    prog.d.B_Toe = 0.5f;
    for (int round = 0; round < 2; ++round) { // pressing twice gives the same layout
        SCOPED_TRACE(round);
        f23().opt2.click();
        f23().cmd1.click();
        if (round == 1) f23().cmd1.click();
        EXPECT_TRUE(f4().visible());
        EXPECT_EQ(f4().top(), 0);
        for (const char* n : oneSidedOnly)
            EXPECT_FALSE(shown(n)) << n;
        for (const char* n : symmetricOnly)
            EXPECT_TRUE(shown(n)) << n;
        EXPECT_FALSE(f4().Frame2.visible() || f4().Frame3.visible() || f4().cmd5.visible());
        EXPECT_EQ(prog.d.q_Front, 10);

        prog.d.q_Front = 3;
        f23().opt1.click();
        EXPECT_FALSE(f4().visible()); // a new shape hides the old layout
        f23().cmd1.click();
        for (const char* n : oneSidedOnly)
            EXPECT_TRUE(shown(n)) << n;
        for (const char* n : symmetricOnly)
            EXPECT_FALSE(shown(n)) << n;
        EXPECT_TRUE(f4().Frame3.visible());
        EXPECT_FALSE(f4().cmd5.visible());   // the shape chose "無し"
        EXPECT_FALSE(f4().Frame2.visible()); // B_Toe ≠ 0 keeps it as the symmetric layout left it
        EXPECT_EQ(prog.d.q_Front, 3);
    }
}

TEST_F(GroundShape, NoToeHidesTheFrontLoadFrame) {
    for (float toe : {0.0f, 0.6f}) {
        prog.d.B_Toe = toe;
        f4().Frame2.setVisible(true);
        f23().opt1.click();
        f23().cmd1.click();
        EXPECT_EQ(f4().Frame2.visible(), toe != 0) << toe;
    }
}

TEST_F(GroundShape, ChoosingAShapeRemovesTheShearKeyAndMarksResultsStale) {
    f4().opt6.setValue(true);
    f4().show();
    resultsPresent();
    f23().opt1.click();
    EXPECT_TRUE(f4().opt5.value());
    EXPECT_EQ(prog.d.Sigma_max, 0);
    EXPECT_FALSE(f4().lbl52.visible());
    EXPECT_FALSE(buttonsEnabled());
    EXPECT_EQ(prog.d.SectCheck_Done, 0);
    EXPECT_FALSE(f4().visible());
    EXPECT_FALSE(prog.Form7().visible());
}

TEST_F(GroundShape, CoefficientOptionDecidesTheSurchargeCheckBox) {
    f23().opt1.click();
    f4().opt8.setValue(true);
    f4().chk1.setValue(1);
    f23().cmd1.click();
    EXPECT_EQ(f4().chk1.value(), 0);
    EXPECT_FALSE(f4().chk1.enabled());

    f4().opt7.setValue(true);
    f4().chk1.setValue(1);
    f23().cmd1.click();
    EXPECT_EQ(f4().chk1.value(), 1);
    EXPECT_TRUE(f4().chk1.enabled());
}

TEST_F(GroundShape, BackToDesignConditionsAndTheScreenNumbers) {
    f23().opt2.click();
    f23().cmd1.click();
    f4().userActivate();
    prog.d.ScreenNo = 2; // as the dimensions screen's activation leaves it
    f23().cmd2.click();
    EXPECT_FALSE(f23().visible());
    EXPECT_TRUE(f3().visible());
    EXPECT_FALSE(f4().visible());
    EXPECT_EQ(prog.d.ScreenNo, 1);
}

TEST_F(GroundShape, ClosingThroughTheFrameAsksAsCloseDoes) {
    services.answers = {platform::Answer::Cancel};
    f23().userClose();
    EXPECT_TRUE(prog.Form23.loaded());
    EXPECT_TRUE(prog.Form3.loaded());
    services.answers = {platform::Answer::Ok};
    f23().userClose();
    EXPECT_FALSE(prog.Form23.loaded());
    EXPECT_FALSE(prog.Form3.loaded());
    EXPECT_EQ(prog.d.ScreenNo, 0);
}

} // namespace

namespace {

TEST_F(GroundShape, ClosingTheDimensionsScreenThroughItsFrameAsksAsCloseDoes) {
    f23().opt1.click();
    f23().cmd1.click();
    services.answers = {platform::Answer::Cancel};
    f4().userClose();
    EXPECT_EQ(services.lastMessage().text, "閉じてもよろしいですか？");
    EXPECT_TRUE(prog.Form4.loaded());
    EXPECT_TRUE(f4().visible());
    services.answers = {platform::Answer::Ok};
    f4().userClose();
    EXPECT_FALSE(prog.Form4.loaded());
    EXPECT_FALSE(prog.Form3.loaded());
    EXPECT_FALSE(prog.Form23.loaded());
}

} // namespace
