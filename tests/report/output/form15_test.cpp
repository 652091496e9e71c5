#include <gtest/gtest.h>

#include "report/output/form15.h"
#include "report/output/report_fixture.h"

namespace {

using report_test::ReportOutput;
using PrintOptions = ReportOutput;

TEST_F(PrintOptions, OkChecksTheRangeAndTheFirstNumber) {
    auto& f = prog.Form15();
    EXPECT_EQ(f.caption(), "Tarvelo(Mirenda版)");
    EXPECT_EQ(f.PrintRange(), 0);
    f.cmd1.click();
    EXPECT_EQ(services.lastMessage().text, "印刷範囲を指定してください。");
    EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
    EXPECT_EQ(services.printerDialogs, 0);

    f.show();
    f.opt3.click();
    EXPECT_TRUE(f.cmd1.hasFocus());
    EXPECT_EQ(f.PrintRange(), 3);
    f.chk_P.click();
    f.cmd1.click();
    EXPECT_EQ(services.lastMessage().text, "最初のページ番号を入力してください。");
    EXPECT_TRUE(f.txt_P.hasFocus());
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(services.printerDialogs, 0);

    f.txt_P.type("7");
    EXPECT_EQ(f.txt_P.keyPress(13), 0); // Enter moves to OK without pressing it
    EXPECT_TRUE(f.cmd1.hasFocus());
    EXPECT_EQ(services.printerDialogs, 0);
    f.cmd1.click();
    EXPECT_EQ(prog.Pri_FirstPageNo, 7.0f);
    EXPECT_FALSE(f.visible());
    EXPECT_EQ(services.printerDialogs, 1);
}

TEST_F(PrintOptions, NumberingEnablesTheFirstNumberAndEmptiesItWhenCleared) {
    auto& f = prog.Form15();
    EXPECT_FALSE(f.txt_P.enabled());
    EXPECT_FALSE(f.lbl1.enabled());
    f.chk_P.click();
    EXPECT_TRUE(f.txt_P.enabled());
    EXPECT_TRUE(f.lbl1.enabled());
    EXPECT_TRUE(f.lbl2.enabled());
    f.txt_P.setText("3");
    f.chk_P.click();
    EXPECT_EQ(f.txt_P.text(), "");
    EXPECT_FALSE(f.txt_P.enabled());
    EXPECT_FALSE(f.lbl2.enabled());
    f.chk_P.click();
    EXPECT_TRUE(f.txt_P.enabled());
    EXPECT_EQ(f.txt_P.text(), "");
}

TEST_F(PrintOptions, OkKeepsTheChoicesAndCancelDiscardsThem) {
    services.printerAnswers = {false, false};
    auto& f = prog.Form15();
    f.opt2.click();
    f.chk_P.click();
    f.txt_P.setText("4");
    f.cmd1.click();
    ASSERT_TRUE(prog.Form15.loaded());
    EXPECT_TRUE(prog.Form15().opt2.value());
    EXPECT_EQ(prog.Form15().txt_P.text(), "4");
    prog.Form15().cmd2.click();
    EXPECT_FALSE(prog.Form15.loaded());
    EXPECT_EQ(prog.Form15().PrintRange(), 0);
    EXPECT_EQ(prog.Form15().chk_P.value(), 0);
    EXPECT_EQ(prog.Pri_FirstPageNo, 4.0f); // kept until the next OK
}

TEST_F(PrintOptions, AFirstNumberNoSingleValueHoldsIsRefused) {
    auto& f = prog.Form15();
    f.opt1.click();
    f.chk_P.click();
    f.txt_P.setText("1e39");
    f.cmd1.click();
    EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
    EXPECT_EQ(services.printerDialogs, 0);
}

} // namespace
