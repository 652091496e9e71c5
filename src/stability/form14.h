#pragma once

#include "app/screen_header.h"

#include "platform/controls.h"
#include "platform/form.h"

namespace app {
struct Program;
}

namespace stability {

// The stability-method dialog of the normal case: how the cohesion of the bearing ground enters the
// sliding resistance.
class Form14 : public platform::Form {
public:
    explicit Form14(app::Program& program);

    platform::Label lblTitle{*this, "lblTitle", "安全性の検討方法（常時）"};
    platform::Frame Frame1{*this, "Frame1", "転倒に対する検討"};
    platform::Frame Frame2{*this, "Frame2", "地盤支持力に対する検討"};
    platform::Frame Frame3{*this, "Frame3", "滑動に対する検討"};
    platform::Label lbl1{*this, "lbl1", "底版の有効載荷面積（基礎地盤の土の粘着力を考慮する場合）"};
    // The effective-area method: cohesion on A' = B − 2|e|, or on B less the lifted part.
    platform::OptionButton opt4{*this, "opt4", "偏心の控除をする　　A'=底盤巾-(2×偏心距離)"};
    platform::OptionButton opt5{*this, "opt5", "偏心の控除をしない   B=底盤巾(浮き上がりが生じる部分を控除)"};
    platform::CommandButton cmd1{*this, "cmd1", "ＯＫ"};
    platform::CommandButton cmd2{*this, "cmd2", "キャンセル"};

    void cmd1_Click();
    void cmd2_Click();
    void opt4_Click();
    void opt5_Click();

protected:
    // Cancel and the frame's close box discard the choices: results computed with them are stale.
    void Form_Unload() override;

private:
    void layOut();

    app::Program& prog_;
};

} // namespace stability
