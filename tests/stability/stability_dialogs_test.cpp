#include <functional>
#include <string>
#include <vector>

#include "platform/surface.h"
#include "stability_fixture.h"

namespace stability_test {
namespace {

using platform::LineOp;
using platform::TextOp;

class StabilityDialogs : public StabilityTest {
protected:
    void SetUp() override {
        simpleWall(prog);
        ASSERT_TRUE(f3().HENSUU());
    }
    void presentResults() {
        prog.d.Sigma_max = 35;
        f4().lbl57.setVisible(true);
        prog.MDIForm1().Toolbar1.setButtonEnabled(5, true);
    }
    bool marked() { return prog.d.Sigma_max == 0 && !f4().lbl57.visible(); }
};

TEST_F(StabilityDialogs, NormalCaseDialogIsPreparedByTheCohesion) {
    services.onModal = [&](platform::Form&) { prog.Form14().cmd1.click(); };
    prog.Form14().opt4.setValue(true);
    f4().cmd4.click(); // C_Base 0: greyed, cleared, and OK closes at once
    auto& f14 = prog.Form14();
    EXPECT_FALSE(f14.opt4.value());
    EXPECT_FALSE(f14.opt4.enabled());
    EXPECT_FALSE(f14.lbl1.enabled());
    EXPECT_FALSE(f14.visible());
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(f4().cmd3.hasFocus());

    prog.d.C_Base = 10;
    f4().cmd4.click();
    EXPECT_TRUE(f14.opt5.enabled());
    EXPECT_EQ(services.lastMessage().text, "底版の有効載荷面積に対する検討方法をチェックして下さい。");
    presentResults();
    prog.Form7().lbl1.setCaption("O.K");
    f14.opt5.click();
    EXPECT_TRUE(marked());
    // The report and the member design rest on the run: they wait for a new one.
    EXPECT_FALSE(prog.MDIForm1().Toolbar1.buttonEnabled(5));
    EXPECT_EQ(prog.Form7().lbl1.caption(), "");
}

TEST_F(StabilityDialogs, CancelAndTheCloseBoxDiscardTheChoicesAndMarkTheResultsStale) {
    for (bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "cancel");
        prog.Form14().opt4.setValue(true);
        prog.Form21().opt1.setValue(true);
        presentResults();
        closeBox ? prog.Form14().userClose() : prog.Form14().cmd2.click();
        EXPECT_TRUE(marked());
        EXPECT_FALSE(prog.Form14().opt4.value());
        presentResults();
        closeBox ? prog.Form21().userClose() : prog.Form21().cmd2.click();
        EXPECT_TRUE(marked());
        EXPECT_FALSE(prog.Form21().opt1.value());
    }
}

TEST_F(StabilityDialogs, SeismicDialogChecksItsChoicesInOrder) {
    seismic(prog, Method::K2, "0.2");
    prog.d.C_Base = 10;
    prog.d.Y_QBack = 7;
    auto& f21 = prog.Form21();
    EXPECT_FALSE(f21.chk1.enabled()); // until "安定性の検討方法" prepares it
    f4().cmd4.click();
    EXPECT_TRUE(f21.chk1.enabled());
    const char* expected[] = {"転倒に対する検討方法をチェックして下さい。",
                              "滑動に対する検討方法をチェックして下さい。",
                              "底版の有効載荷面積に対する検討方法をチェックして下さい。",
                              "上載荷重の慣性力の作用位置を入力して下さい。"};
    std::vector<std::function<void()>> choose{[&] { f21.opt2.click(); }, [&] { f21.opt6.click(); },
                                              [&] { f21.opt7.click(); }, [&] { f21.txt1.setText("3.5"); }};
    f21.show();
    f21.chk1.click();
    EXPECT_TRUE(f21.txt1.enabled());
    for (int i = 0; i < 4; ++i) {
        f21.cmd1.click();
        EXPECT_EQ(services.lastMessage().text, expected[i]);
        EXPECT_TRUE(f21.visible());
        EXPECT_EQ(prog.d.Y_QBack, 7);
        choose[i]();
    }
    EXPECT_TRUE(f21.txt1.hasFocus());
    f21.cmd1.click();
    EXPECT_FALSE(f21.visible());
    EXPECT_EQ(prog.d.Y_QBack, 3.5f);
    EXPECT_TRUE(f4().cmd3.hasFocus());

    // ① clears the check box, which empties and greys the height; OK then stores 0.
    seismic(prog, Method::K1, "0.2");
    presentResults();
    services.onModal = [&](platform::Form&) { f21.cmd1.click(); };
    f4().cmd4.click();
    EXPECT_EQ(f21.chk1.value(), 0);
    EXPECT_FALSE(f21.chk1.enabled());
    EXPECT_EQ(f21.txt1.text(), "");
    EXPECT_FALSE(f21.txt1.enabled());
    EXPECT_TRUE(marked());
    EXPECT_EQ(prog.d.Y_QBack, 0);
}

TEST_F(StabilityDialogs, SeismicHeightBoxHabits) {
    auto& f21 = prog.Form21();
    f21.chk1.setEnabled(true);
    f21.chk1.click();
    f21.txt1.setText("12.5");
    presentResults();
    f21.txt1.click();
    EXPECT_EQ(f21.txt1.selLength(), 4);
    EXPECT_TRUE(marked());
    presentResults();
    f21.txt1.type("\r");
    EXPECT_TRUE(f21.cmd1.hasFocus());
    EXPECT_EQ(f21.txt1.text(), "12.5");
    EXPECT_TRUE(marked());
    presentResults();
    f21.txt1.userEdit("2.5", 0); // Delete
    EXPECT_TRUE(marked());
}

TEST_F(StabilityDialogs, KeyDialogChecksItsBoxesAndClearsTheKeyVerdicts) {
    auto& f19 = prog.Form19();
    f19.show();
    f4().lbl65.setCaption("1.623");
    f4().lbl67.setVisible(true);
    const char* expected[] = {"突起の高さを入力してください。", "突起の位置を入力してください。",
                              "突起の巾を入力してください。"};
    platform::TextBox* boxes[] = {&f19.txt1, &f19.txt2, &f19.txt3};
    for (int i = 0; i < 3; ++i) {
        f19.cmd1.click();
        EXPECT_EQ(services.lastMessage().text, expected[i]);
        EXPECT_TRUE(boxes[i]->hasFocus());
        EXPECT_EQ(f4().lbl65.caption(), "1.623");
        boxes[i]->setText("0.3");
    }
    f19.cmd1.click();
    EXPECT_FALSE(f19.visible());
    EXPECT_EQ(f4().lbl65.caption(), "");
    EXPECT_FALSE(f4().lbl67.visible());
    EXPECT_TRUE(f4().cmd3.hasFocus());

    // Enter: txt1 → txt3 → txt2 → "計算"; a click also clears the section screen's key row.
    f19.show();
    f19.txt1.setFocus();
    f19.txt1.type("\r");
    EXPECT_TRUE(f19.txt3.hasFocus());
    f19.txt3.type("\r");
    EXPECT_TRUE(f19.txt2.hasFocus());
    f19.txt2.type("\r");
    EXPECT_TRUE(f19.cmd1.hasFocus());
    prog.Form7().lbl37.setCaption("1.0");
    f19.txt2.click();
    EXPECT_EQ(prog.Form7().lbl37.caption(), "");
    f19.cmd2.click();
    EXPECT_FALSE(f19.visible());
    EXPECT_EQ(f19.txt2.text(), "0.3");
}

// The key is an input of the stability run: a key dimension typed, deleted or pasted voids the run's
// results, the output and the member design; Enter only moves on.
TEST_F(StabilityDialogs, KeyDimensionsEditedByKeyboardVoidTheResults) {
    auto& f19 = prog.Form19();
    f19.txt1.setText("0.3");
    f19.show();
    using Edit = void (*)(platform::TextBox&);
    const std::pair<const char*, Edit> edits[] = {
        {"typed", [](platform::TextBox& b) { b.type("6"); }},
        {"Delete", [](platform::TextBox& b) { b.userEdit(".3", 0); }},
        {"pasted", [](platform::TextBox& b) { b.userEdit("0.6", 3); }},
    };
    for (auto [name, edit] : edits) {
        SCOPED_TRACE(name);
        presentResults();
        prog.Form7().lbl37.setCaption("O.K");
        prog.Form7().lbl1.setCaption("O.K");
        f19.txt1.setFocus();
        edit(f19.txt1);
        EXPECT_TRUE(marked());
        EXPECT_FALSE(prog.MDIForm1().Toolbar1.buttonEnabled(5));
        EXPECT_EQ(prog.Form7().lbl37.caption(), "");
        EXPECT_EQ(prog.Form7().lbl1.caption(), "");
    }
    presentResults();
    f19.txt1.setFocus();
    f19.txt1.type("\r");
    EXPECT_EQ(prog.d.Sigma_max, 35);
}

// The four variants of the contact-pressure sketch, as drawn on the key dialog.
TEST_F(StabilityDialogs, KeySketchVariants) {
    struct Case {
        const char* what;
        float e, b;
        std::vector<LineOp> firstLines; // the ordinates and the pressure line
        std::vector<std::string> texts;
        LineOp lengthLine;
    };
    auto line = [](double x1, double y1, double x2, double y2) { return LineOp{x1, y1, x2, y2, {}, {}}; };
    const Case cases[] = {
        {"trapezoid, e = 0: largest at the front",
         0,
         3,
         {line(1560, 3420, 1560, 4000), line(3600, 3420, 3600, 3700), line(1560, 4000, 3600, 3700)},
         {"σmax", "σmin", "σ1", "σ2", "L1", "L2"},
         line(1560, 4500, 3600, 4500)},
        {"trapezoid, e < 0",
         -0.2f,
         3,
         {line(1560, 3420, 1560, 3700), line(3600, 3420, 3600, 4000), line(1560, 3700, 3600, 4000)},
         {"σmax", "σmin", "σ1", "σ2", "L1", "L2"},
         line(1560, 4500, 3600, 4500)},
        // |e| / B = 0.5 / 3 rounds to the same single as 1/6: the triangle.
        {"triangle at exactly B/6, e > 0",
         0.5f,
         3,
         {line(1560, 3420, 1560, 3800), line(1560, 3800, 3400, 3420)},
         {"σmax", "σ1", "σ2", "L1", "L2"},
         line(1560, 4500, 3400, 4500)},
        {"triangle, e < 0",
         -0.8f,
         3,
         {line(3600, 3420, 3600, 3800), line(1760, 3420, 3600, 3800)},
         {"σmax", "σ1", "σ2", "L1", "L2"},
         line(1760, 4500, 3600, 4500)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prog.d.e = c.e;
        prog.d.B = c.b;
        auto& f19 = prog.Form19();
        f19.cls();
        f4().Ouryoku();
        std::vector<LineOp> lines;
        std::vector<TextOp> texts;
        for (const auto& op : f19.surface().page()) {
            if (auto* l = std::get_if<LineOp>(&op)) lines.push_back(*l);
            if (auto* t = std::get_if<TextOp>(&op)) texts.push_back(*t);
        }
        ASSERT_GE(lines.size(), c.firstLines.size());
        for (std::size_t i = 0; i < c.firstLines.size(); ++i) {
            EXPECT_EQ(lines[i].x1, c.firstLines[i].x1);
            EXPECT_EQ(lines[i].y1, c.firstLines[i].y1);
            EXPECT_EQ(lines[i].x2, c.firstLines[i].x2);
            EXPECT_EQ(lines[i].y2, c.firstLines[i].y2);
        }
        std::vector<std::string> names;
        for (const auto& t : texts)
            names.push_back(t.text);
        EXPECT_EQ(names, c.texts);
        bool found = false;
        for (const auto& l : lines)
            found =
                found || (l.x1 == c.lengthLine.x1 && l.x2 == c.lengthLine.x2 && l.y1 == 4500 && l.y2 == 4500);
        EXPECT_TRUE(found);
        EXPECT_EQ(texts.front().y, c.e == 0 || c.e == -0.2f ? 3600 : 3500); // "σmax"
        EXPECT_EQ(texts.front().x, c.e >= 0 ? 1000 : 3650);
    }
    // The sketch stays until the next clearing.
    EXPECT_FALSE(prog.Form19().surface().page().empty());
}

} // namespace
} // namespace stability_test
