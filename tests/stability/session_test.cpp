#include <string>
#include <vector>

#include "stability_fixture.h"

namespace stability_test {
namespace {

using Entries = std::vector<std::pair<platform::TextBox*, const char*>>;

// Types into each box as the user does: a click into it, then the keys.
void enter(const Entries& entries) {
    for (auto [box, text] : entries) {
        box->click();
        box->type(text);
    }
}

class Session : public StabilityTest {
protected:
    // Types into the box that has the focus; "\r" is Enter.
    void typeHere(platform::Form& form, const std::string& keys) {
        auto* box = dynamic_cast<platform::EditBox*>(form.activeControl());
        ASSERT_NE(box, nullptr) << "focus on "
                                << (form.activeControl() ? form.activeControl()->name() : "none");
        box->type(keys);
    }
    // New, the design conditions along the Enter chain, "地盤の形状 >", the one-sided shape, "寸法の入力 >",
    // the dimensions; "計算する"; "安定性の検討".
    void session(const char* backSurcharge) {
        prog.MDIForm1().show();
        prog.MDIForm1().Toolbar1.click(1);
        auto& c = prog.Form3();
        ASSERT_TRUE(c.visible());
        // Site, σck 24, σsa 200, fe 150, γs 18, γc 24, soil, φ 30, δ 0, base soil, c 0, φ 30; μ 0.5 typed.
        for (const char* keys : {"東京都\r", "24\r", "200\r", "150\r", "18\r", "24\r", "砂質土\r", "30\r",
                                 "0\r", "岩\r", "\r", "30\r"})
            typeHere(c, keys);
        ASSERT_EQ(c.activeControl(), &c.opt5);
        c.opt5.click();
        typeHere(c, "0.5\r");
        c.cmd3.click();
        ASSERT_TRUE(services.messages.empty()) << services.lastMessage().text;
        auto& g = prog.Form23();
        ASSERT_TRUE(g.visible());
        g.opt1.click();
        g.cmd1.click();
        auto& f = prog.Form4();
        ASSERT_TRUE(f.visible());
        enter({{&f.txt1, "1"},   {&f.txt2, "A"},   {&f.txt3, "2.6"},  {&f.txt4, "0.4"},
               {&f.txt5, "2.4"}, {&f.txt6, "0.6"}, {&f.txt7, "0.3"},  {&f.txt8, "0"},
               {&f.txt9, "0.3"}, {&f.txt10, "0"},  {&f.txt13, "0.3"}, {&f.txt15, "0.3"},
               {&f.txt14, "2"},  {&f.txt12, "0"},  {&f.txt16, "0"},   {&f.txt17, "0.4"},
               {&f.txt18, "0"},  {&f.txt19, "0"},  {&f.txt20, "0"},   {&f.txt21, backSurcharge},
               {&f.txt22, "0"},  {&f.txt23, "0"}});
        f.cmd7.click();
        f.cmd3.click();
    }
    std::vector<std::string> verdicts() {
        auto& f = f4();
        return {f.lbl73.caption(), f.lbl54.caption(), f.lbl62.caption(), f.lbl66.caption()};
    }
};

TEST_F(Session, APassingWallEndsInItsVerdicts) {
    session("0");
    EXPECT_TRUE(services.messages.empty()) << services.lastMessage().text;
    EXPECT_EQ(f4().txt11.text(), "0.333"); // Coulomb, φ 30, vertical faces: 1/3
    EXPECT_EQ(verdicts(), (std::vector<std::string>{"< B/6∴O.K", "> 1.5∴O.K", "∴O.K", "> 1.5 ∴O.K"}));
    EXPECT_TRUE(f4().lbl73.visible());
    EXPECT_EQ(f4().lbl73.foreColor(), platform::kBlack);
    EXPECT_EQ(services.beeps, 0);
    EXPECT_TRUE(f4().cmd1.hasFocus());
    EXPECT_TRUE(prog.MDIForm1().Toolbar1.buttonEnabled(5));
}

TEST_F(Session, AFailingWallEndsInItsVerdicts) {
    session("40");
    EXPECT_TRUE(services.messages.empty()) << services.lastMessage().text;
    EXPECT_EQ(verdicts(), (std::vector<std::string>{"> B/6∴NG", "> 1.5∴O.K", "∴O.K", "< 1.5 ∴NG"}));
    EXPECT_EQ(f4().lbl73.foreColor(), platform::kLightMagenta);
    EXPECT_EQ(f4().lbl62.foreColor(), platform::kBlack);
    EXPECT_EQ(services.beeps, 2); // eccentricity and sliding
    EXPECT_TRUE(f4().lbl66.visible());
}

} // namespace
} // namespace stability_test
