#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "conditions_fixture.h"

namespace {

using conditions_test::Conditions;

class SeismicDialog : public Conditions {
protected:
    conditions::Form25& f25() { return prog.Form25(); }
    void seismicCase() {
        enterConditions();
        f3().cmd2.click();
    }
};

TEST_F(SeismicDialog, OkChecksInOrder) {
    using F = conditions::Form25;
    struct Case {
        const char* what;
        std::function<void(F&)> fill;
        const char* message;
        const char* focus;
    };
    const std::vector<Case> cases{
        {"no method",
         [](F& f) {
             f.Text1.setText("0.2");
             f.Text2.setText("0");
         },
         "地震時水平荷重の計算方法を選択してください。", "opt_K1"},
        {"no Kh",
         [](F& f) {
             f.opt_K2.click();
             f.Text2.setText("0");
         },
         "水平震度を入力して下さい。", "Text1"},
        {"no Kv",
         [](F& f) {
             f.opt_D1.click();
             f.Text1.setText("0.2");
         },
         "鉛直震度を入力して下さい。", "Text2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        prog.MDIForm1().FileNew();
        seismicCase();
        prog.d.Kh = 0.1f;
        f4().opt8.setValue(true);
        services.messages.clear();
        f25().show();
        c.fill(f25());
        f25().cmd1.click();
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].text, c.message);
        EXPECT_EQ(services.messages[0].title, "エラーメッセージ");
        EXPECT_EQ(services.messages[0].style, 256);
        ASSERT_NE(f25().activeControl(), nullptr);
        EXPECT_EQ(f25().activeControl()->name(), c.focus);
        EXPECT_TRUE(f25().visible());
        EXPECT_EQ(prog.d.Kh, 0.1f);
        EXPECT_TRUE(f4().opt8.value());
    }
}

TEST_F(SeismicDialog, OkStoresTheCoefficientsAndResetsTheEarthPressureInput) {
    for (bool typedAllowed : {false, true}) {
        SCOPED_TRACE(typedAllowed);
        prog.MDIForm1().FileNew();
        seismicCase();
        f4().opt8.setValue(true);
        f4().txt11.setText("0.412");
        resultsPresent();
        f3().cmd4.click();
        f25().show();
        (typedAllowed ? f25().opt_K2 : f25().opt_K1).click();
        f25().Text1.type("0.25");
        f25().Text2.type("0");
        EXPECT_EQ(prog.d.Sigma_max, 150); // typing in the dialog marks nothing
        f25().cmd1.click();
        EXPECT_EQ(prog.d.Kh, 0.25f);
        EXPECT_EQ(prog.d.Kv, 0.0f);
        EXPECT_FALSE(f25().visible());
        EXPECT_TRUE(prog.Form25.loaded()); // hidden with its choices readable
        EXPECT_FALSE(f4().opt7.value() || f4().opt8.value());
        EXPECT_EQ(f4().txt11.text(), "");
        EXPECT_EQ(f4().cmd6.enabled(), typedAllowed);
        EXPECT_EQ(f4().opt7.enabled(), typedAllowed);
        EXPECT_EQ(prog.d.Sigma_max, 0);
        EXPECT_FALSE(buttonsEnabled());
        EXPECT_EQ(prog.d.SectCheck_Done, 0);
    }
}

TEST_F(SeismicDialog, LetterOnlyCoefficientIsAcceptedAsZero) {
    seismicCase();
    f25().opt_K1.setValue(true);
    f25().Text1.setText("abc");
    f25().Text2.setText("-0.1");
    f25().cmd1.click();
    EXPECT_EQ(prog.d.Kh, 0.0f);
    EXPECT_EQ(prog.d.Kv, -0.1f);
}

// Cancel, or closing the dialog through its frame, discards the seismic inputs and so the results.
TEST_F(SeismicDialog, CancelAndFrameCloseDiscardTheDialogAndMarkResultsStale) {
    for (bool frame : {false, true}) {
        SCOPED_TRACE(frame);
        prog.MDIForm1().FileNew();
        seismicCase();
        f25().opt_K2.setValue(true);
        f25().Text1.setText("0.2");
        f25().Text2.setText("0");
        f25().cmd1.click();
        f4().opt7.setValue(true);
        f4().txt11.setText("0.3");
        resultsPresent();
        f25().show();
        if (frame)
            f25().userClose();
        else
            f25().cmd2.click();
        EXPECT_FALSE(prog.Form25.loaded());
        EXPECT_EQ(prog.d.Kh, frame ? 0.2f : 0.0f);
        EXPECT_EQ(f4().txt11.text(), frame ? "0.3" : "");
        EXPECT_TRUE(f4().opt7.value());
        EXPECT_EQ(prog.d.Sigma_max, 0);
        EXPECT_FALSE(buttonsEnabled());
        EXPECT_EQ(prog.d.SectCheck_Done, 0);
        EXPECT_FALSE(f25().opt_K2.value());
        EXPECT_EQ(f25().Text1.text(), "");
    }
}

TEST_F(SeismicDialog, BoxesSelectTheirOwnTextAndEnterMovesOn) {
    f25().show();
    f25().Text1.setText("0.25");
    f25().Text2.setText("0.125");
    f25().Text2.click();
    EXPECT_EQ(f25().Text2.selLength(), 5);
    f25().Text1.setFocus();
    f25().Text1.type("\r");
    EXPECT_EQ(f25().activeControl(), &f25().Text2);
    EXPECT_EQ(f25().Text2.selLength(), 5);
    f25().Text2.type("\r");
    EXPECT_EQ(f25().activeControl(), &f25().cmd1);
    EXPECT_TRUE(services.messages.empty()); // moved to "ＯＫ" without pressing it
    f25().Text2.setText("12345678901");
    f25().Text2.dblClick();
    EXPECT_EQ(f25().Text2.selStart(), 10);
    EXPECT_EQ(f25().Text2.selLength(), 1);
}

} // namespace
