#pragma once

#include "app/screen_header.h"

#include "platform/controls.h"
#include "platform/form.h"

namespace app {
struct Program;
}

namespace stability {

// The stability-method dialog of the seismic case: overturning and sliding criteria, the effective
// loaded width and the inertia of the surcharges.
class Form21 : public platform::Form {
public:
    explicit Form21(app::Program& program);

    platform::Label lblTitle{*this, "lblTitle", "安全性の検討方法（地震時）"};
    platform::Frame Frame1{*this, "Frame1", "転倒に対する検討"};
    platform::OptionButton opt1{*this, "opt1", "転倒安全率 Ｆ≧1.0 (ｅ≦Ｂ/2) による"};
    platform::OptionButton opt2{*this, "opt2", "転倒安全率 Ｆ≧1.2 (ｅ≦Ｂ/3) による"};
    platform::Frame Frame2{*this, "Frame2", "地盤支持力に対する検討"};
    platform::Frame Frame3{*this, "Frame3", "滑動に対する検討"};
    platform::OptionButton opt5{*this, "opt5", "滑動安全率 Ｆ≧1.0 による"};
    platform::OptionButton opt6{*this, "opt6", "滑動安全率 Ｆ≧1.2 による"};
    platform::Frame Frame4{*this, "Frame4"}; // effective-area group, inside Frame3
    platform::Label lbl1{*this, "lbl1", "底版の有効載荷面積（基礎地盤の土の粘着力を考慮する場合）"};
    platform::OptionButton opt7{*this, "opt7", "偏心の控除をする　　A'=底盤巾-(2×偏心距離)"};
    platform::OptionButton opt8{*this, "opt8", "偏心の控除をしない   B=底盤巾(浮き上がりが生じる部分を控除)"};
    platform::CheckBox chk1{*this, "chk1", "上載荷重の慣性力を算入する"};
    platform::Label lbl2{*this, "lbl2", "作用位置：底盤下端より"};
    platform::TextBox txt1{*this, "txt1"}; // height of the back surcharge's inertia force, m
    platform::Label lbl3{*this, "lbl3", "m"};
    platform::CommandButton cmd1{*this, "cmd1", "ＯＫ"};
    platform::CommandButton cmd2{*this, "cmd2", "キャンセル"};

    void cmd1_Click();
    void cmd2_Click();
    // Every option of the dialog: the results computed with the former choice are stale.
    void opt_Click();
    void chk1_Click();
    void txt1_Click();
    void txt1_DblClick();
    void txt1_GotFocus();
    void txt1_KeyPress(int& keyAscii);

protected:
    // Cancel and the frame's close box discard the choices: results computed with them are stale.
    void Form_Unload() override;

private:
    void layOut();

    app::Program& prog_;
};

} // namespace stability
