#pragma once

#include "app/screen_header.h"

#include "model/choices.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/result.h"
#include "platform/surface.h"

namespace app {
struct Program;
}

namespace conditions {

// The design-conditions screen: site, design basis, load case, backfill, bearing ground, materials.
class Form3 : public platform::Form {
public:
    explicit Form3(app::Program& program);

    platform::Label lbl28{*this, "lbl28", "§１. 設 計 条 件"};

    platform::TextBox txt1{*this, "txt1"};   // site
    platform::TextBox txt2{*this, "txt2"};   // σ28
    platform::TextBox txt3{*this, "txt3"};   // σsa long term
    platform::TextBox txt13{*this, "txt13"}; // σsa short term
    platform::TextBox txt4{*this, "txt4"};   // fe long term
    platform::TextBox txt5{*this, "txt5"};   // γs
    platform::TextBox txt6{*this, "txt6"};   // γc
    platform::ComboBox cbo1{*this, "cbo1"};  // soil type of the backfill
    platform::TextBox txt8{*this, "txt8"};   // φ of the backfill
    platform::TextBox txt10{*this, "txt10"}; // δ
    platform::ComboBox cbo2{*this, "cbo2"};  // soil type of the bearing ground
    platform::TextBox txt11{*this, "txt11"}; // φB
    platform::TextBox txt14{*this, "txt14"}; // cohesion C
    platform::TextBox txt9{*this, "txt9"};   // μ

    platform::Label lbl10{*this, "lbl10", "内部摩擦角：φ="};  // caption of φB
    platform::Label lbl14{*this, "lbl14", "内部摩擦角： φ="}; // caption of φ
    platform::Label lbl16{*this, "lbl16", "0"};               // backfill cohesion, fixed
    platform::Label lbl19{*this, "lbl19", "0"};               // β, fixed
    platform::Label lbl46{*this, "lbl46", "（短期）：σsa="};  // caption of σsa short term
    platform::Label lbl47{*this, "lbl47", "N/mm2"};           // unit of σsa short term

    platform::Frame Frame1{*this, "Frame1"}; // design basis
    platform::OptionButton opt_T{*this, "opt_T", "建築基準法、建築基礎構造設計指針"};
    platform::OptionButton opt_D{*this, "opt_D", "道路土工(擁壁工指針)"};
    platform::Frame Frame2{*this, "Frame2"};    // load case
    platform::OptionButton opt3{*this, "opt3"}; // normal case; choosing it acts as "常時"
    platform::OptionButton opt4{*this, "opt4"}; // seismic case; choosing it acts as "地震時"
    platform::CommandButton cmd1{*this, "cmd1", "常時"};
    platform::CommandButton cmd2{*this, "cmd2", "地震時"};
    platform::CommandButton cmd4{*this, "cmd4", "水平荷重の計算方法震度の入力"};
    platform::Frame Frame3{*this, "Frame3"}; // cohesion of the bearing ground
    platform::OptionButton opt7{*this, "opt7", "考慮する"};
    platform::OptionButton opt8{*this, "opt8", "しない"};
    platform::Frame Frame4{*this, "Frame4"}; // friction coefficient of the base
    platform::OptionButton opt5{*this, "opt5", "直接入力"};
    platform::OptionButton opt6{*this, "opt6", "tanφ"};
    platform::CommandButton cmd3{*this, "cmd3", "地盤の形状 >"};

    // Screen commands and options.
    void cmd1_Click();
    void cmd2_Click();
    void cmd3_Click();
    void cmd4_Click();
    void opt_T_Click();
    void opt_D_Click();
    void opt5_Click();
    void opt6_Click();
    void opt7_Click();
    void opt8_Click();
    void cbo1_Click();
    void cbo2_Click();
    void cbo1_KeyPress(int& KeyAscii);
    void cbo2_KeyPress(int& KeyAscii);

    // Copies the inputs into the design data and derives the allowable stresses. A number beyond the
    // single range stops it with a fault and leaves the design data as they were.
    platform::Status HENSUU();
    // The load case and the design basis as chosen on the screen.
    model::LoadCase loadCase() const;
    model::DesignBasis designBasis() const;
    // μ := tan φB; fails, changing nothing, on a φB beyond the single range.
    platform::Status Masatu();
    // Report page 1, the design conditions, drawn on the report's output object.
    void Ippan(platform::Surface& Pri_Obj);

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(bool& cancel) override;

private:
    void layOut();
    void wireHandlers();
    // The input boxes' shared habits: Enter moves along the chain, clicks, keys and edits mark the
    // results stale after the box's own reset.
    void wireBox(platform::TextBox& box, platform::Control* enterTarget, void (Form3::*reset)(),
                 bool marks = true);
    void markAllStale();
    void markBoxEdit();
    void coefficientReset();
    void frictionReset();
    void txt3_KeyPress(int& KeyAscii);
    void txt9_Click();
    void txt14_Click();
    void txt14_UserEdit();
    // The check that stops "地盤の形状 >": its message and where the focus goes.
    bool refuse(const char* message, platform::Control& focus);
    void loadCaseReset();

    app::Program& prog_;
};

} // namespace conditions
