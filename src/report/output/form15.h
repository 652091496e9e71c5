#pragma once

#include "app/screen_header.h"

#include "platform/controls.h"
#include "platform/form.h"

namespace app {
struct Program;
}

namespace report {

// The print options: which chapters to print, and whether and from which number the sheets are
// numbered. OK keeps the choice (the dialog is only hidden) and prints; Cancel discards it.
class Form15 : public platform::Form {
public:
    explicit Form15(app::Program& program);

    platform::Frame Frame1{*this, "Frame1", "印刷範囲の指定"};                  // holds the five ranges
    platform::OptionButton opt1{*this, "opt1", "一般事項"};                     // range 1: page 1
    platform::OptionButton opt2{*this, "opt2", "安定計算"};                     // range 2: pages 2 to 4
    platform::OptionButton opt3{*this, "opt3", "断面計算"};                     // range 3: pages 5 to 9
    platform::OptionButton opt4{*this, "opt4", "安定計算・断面計算"};           // range 4: pages 2 to 9
    platform::OptionButton opt5{*this, "opt5", "一般事項・安定計算・断面計算"}; // range 5: every page
    platform::CheckBox chk_P{*this, "chk_P", "ページ番号を付ける"};             // sheets carry page numbers
    platform::TextBox txt_P{*this, "txt_P"};                                    // the first page number
    platform::CommandButton cmd1{*this, "cmd1", "ＯＫ"};
    platform::CommandButton cmd2{*this, "cmd2", "キャンセル"};
    platform::Label lbl2{*this, "lbl2", "(数字を入力)"};
    platform::Label lbl1{*this, "lbl1", "最初のページ番号"};

    // 1 … 5 for opt1 … opt5; 0 when none is chosen.
    int PrintRange() const;

    void opt_Click();
    void chk_P_Click();
    void txt_P_KeyPress(int& keyAscii);
    void cmd1_Click();
    void cmd2_Click();

private:
    void layOut();
    // The first page number typed, as the print job keeps it.
    void storeFirstPageNo();

    app::Program& prog_;
};

} // namespace report
