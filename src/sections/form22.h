#pragma once

#include "app/screen_header.h"

#include "platform/controls.h"
#include "platform/form.h"

namespace app {
struct Program;
}

namespace sections {

// The cover dialog: the concrete cover of the bars for each group of members, in mm.
class Form22 : public platform::Form {
public:
    explicit Form22(app::Program& program);

    platform::Label lbl1{*this, "lbl1", "鉄筋のかぶり厚さ"};                           // title
    platform::Label lbl2{*this, "lbl2", "コンクリート表面から鉄筋表面までの最小間隔"}; // what the cover is
    platform::Label lbl3{*this, "lbl3", "土に接する部分：60mm以上"};                   // guide, soil side
    platform::Label lbl4{*this, "lbl4", "その他の部分　：40mm以上"};                   // guide, elsewhere
    platform::Label lbl5{*this, "lbl5", "たて壁"};                                     // caption of txt1
    platform::TextBox txt1{*this, "txt1"};                                             // walls' cover (mm)
    platform::Label lbl6{*this, "lbl6", "mm"};                                         // unit of txt1
    platform::Label lbl9{*this, "lbl9", "底　版"};                                     // caption of txt3
    platform::TextBox txt3{*this, "txt3"};                                             // base slab's cover
    platform::Label lbl10{*this, "lbl10", "mm"};                                       // unit of txt3
    platform::Label lbl11{*this, "lbl11", "かかと版"};                                 // caption of txt4
    platform::TextBox txt4{*this, "txt4"};                                             // heel's cover
    platform::Label lbl12{*this, "lbl12", "mm"};                                       // unit of txt4
    platform::Label lbl13{*this, "lbl13", "つま先版"};                                 // caption of txt5
    platform::TextBox txt5{*this, "txt5"};                                             // toe's cover
    platform::Label lbl14{*this, "lbl14", "mm"};                                       // unit of txt5
    platform::Label lbl15{*this, "lbl15", "突　起"};                                   // caption of txt6
    platform::TextBox txt6{*this, "txt6"};                                             // shear key's cover
    platform::Label lbl16{*this, "lbl16", "mm"};                                       // unit of txt6
    platform::CommandButton cmd1{*this, "cmd1", "ＯＫ"};                               // stores the covers
    platform::CommandButton cmd2{*this, "cmd2", "キャンセル"};                         // discards the dialog

    void cmd1_Click();
    void cmd2_Click();

private:
    void layOut();
    // Where Enter in a box moves the focus: the next shown box, after the last one "ＯＫ".
    platform::Control& nextAfter(const platform::TextBox& box);

    app::Program& prog_;
};

} // namespace sections
