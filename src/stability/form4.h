#pragma once

#include "app/screen_header.h"

#include <array>
#include <memory>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/result.h"
#include "platform/surface.h"
#include "report/conditions/report_pages.h"
#include "stability/engine.h"

namespace app {
struct Program;
}

namespace stability {

// The dimensions screen: the wall's cross-section and surcharges, the earth-pressure coefficient, the
// stability engine and its verdict labels.
class Form4 : public platform::Form {
public:
    explicit Form4(app::Program& program);

    platform::TextBox txt1{*this, "txt1"};   // report chapter number (text)
    platform::TextBox txt2{*this, "txt2"};   // wall symbol (text)
    platform::TextBox txt3{*this, "txt3"};   // H3
    platform::TextBox txt4{*this, "txt4"};   // H4
    platform::TextBox txt5{*this, "txt5"};   // H1
    platform::TextBox txt6{*this, "txt6"};   // H2
    platform::TextBox txt7{*this, "txt7"};   // front wall width at its top
    platform::TextBox txt8{*this, "txt8"};   // batter of the front wall's inner face
    platform::TextBox txt9{*this, "txt9"};   // rear wall width at its top
    platform::TextBox txt10{*this, "txt10"}; // batter of the rear wall's inner face
    platform::TextBox txt11{*this, "txt11"}; // KA, typed or as computed
    platform::TextBox txt12{*this, "txt12"}; // toe projection; 0: no toe
    platform::TextBox txt13{*this, "txt13"}; // front wall thickness at the slab top
    platform::TextBox txt14{*this, "txt14"}; // clear span between the walls
    platform::TextBox txt15{*this, "txt15"}; // rear wall thickness at the slab top
    platform::TextBox txt16{*this, "txt16"}; // heel projection; 0: no heel
    platform::TextBox txt17{*this, "txt17"}; // base slab thickness
    platform::TextBox txt18{*this, "txt18"}; // toe thickness at its free end
    platform::TextBox txt19{*this, "txt19"}; // heel thickness at its free end
    platform::TextBox txt20{*this, "txt20"}; // depth of the central fill
    platform::TextBox txt21{*this, "txt21"}; // surcharge on the back ground
    platform::TextBox txt22{*this, "txt22"}; // surcharge on the central fill
    platform::TextBox txt23{*this, "txt23"}; // surcharge on the front ground

    platform::Label lblTitle{*this, "lblTitle", "擁壁各部の寸法 及 上載荷重の入力"};
    // Captions of the front side, shown for the one-sided shape only.
    platform::Label Label3{*this, "Label3", "H3="};
    platform::Label lbl5{*this, "lbl5", " m"};
    platform::Label Label4{*this, "Label4", "H4="};
    platform::Label lbl6{*this, "lbl6", " m"};
    platform::Label lbl22{*this, "lbl22", "上載荷重"};
    platform::Label lbl23{*this, "lbl23", "kNm2"};
    platform::Label lbl10{*this, "lbl10", "前面土"};
    platform::Label lbl45{*this, "lbl45", "背面土"};
    // The front-ground surcharge mirrored from the back ground, shown for the symmetric shape.
    platform::Label lbl32{*this, "lbl32", "上載荷重"};
    platform::Label lbl33{*this, "lbl33"}; // q_Front as text
    platform::Label lbl34{*this, "lbl34", "KN/m2"};

    platform::CommandButton cmd1{*this, "cmd1", "断面計算 >"};
    platform::CommandButton cmd2{*this, "cmd2", "< 地盤の形状"};
    platform::CommandButton cmd3{*this, "cmd3", "安定性の検討"};
    platform::CommandButton cmd4{*this, "cmd4", "安定性の検討方法"};
    platform::CommandButton cmd5{*this, "cmd5", "突起の計算"}; // shown while a shear key is chosen
    platform::CommandButton cmd6{*this, "cmd6", "直接入力"};   // KA typed
    platform::CommandButton cmd7{*this, "cmd7", "計算する"};   // KA computed
    platform::CommandButton cmd8{*this, "cmd8", "背面上載荷重の土圧について"};

    platform::Frame Frame2{*this, "Frame2", "前面土の荷重"};
    platform::OptionButton opt3{*this, "opt3", "計算に含む"};
    platform::OptionButton opt4{*this, "opt4", "計算に含まない"};
    platform::Frame Frame3{*this, "Frame3", "突起"};
    platform::OptionButton opt5{*this, "opt5", "無し"};
    platform::OptionButton opt6{*this, "opt6", "有り"};
    platform::Frame Frame4{*this, "Frame4", "主働土圧係数"};
    platform::OptionButton opt7{*this, "opt7"}; // KA typed
    platform::OptionButton opt8{*this, "opt8"}; // KA computed
    platform::CheckBox chk1{*this, "chk1", "上載荷重から５kN/m2を差し引いて算定する。"};

    // Headings of the verdict block.
    platform::Label lbl50{*this, "lbl50", "安 定 性 の 検 討"};
    platform::Label lbl51{*this, "lbl51", "転倒に対して"};
    platform::Label lbl55{*this, "lbl55", "支持力に対して"};
    platform::Label lbl63{*this, "lbl63", "滑動に対して"};

    // The twenty verdict labels: overturning, bearing, sliding, sliding without the key, eccentricity.
    platform::Label lbl52{*this, "lbl52"};
    platform::Label lbl53{*this, "lbl53"};
    platform::Label lbl54{*this, "lbl54"};
    platform::Label lbl56{*this, "lbl56"};
    platform::Label lbl57{*this, "lbl57"};
    platform::Label lbl58{*this, "lbl58"};
    platform::Label lbl59{*this, "lbl59"};
    platform::Label lbl60{*this, "lbl60"};
    platform::Label lbl61{*this, "lbl61"};
    platform::Label lbl62{*this, "lbl62"};
    platform::Label lbl64{*this, "lbl64"};
    platform::Label lbl65{*this, "lbl65"};
    platform::Label lbl66{*this, "lbl66"};
    platform::Label lbl67{*this, "lbl67", "突起の無い状態で"};
    platform::Label lbl68{*this, "lbl68"};
    platform::Label lbl69{*this, "lbl69"};
    platform::Label lbl70{*this, "lbl70"};
    platform::Label lbl71{*this, "lbl71"};
    platform::Label lbl72{*this, "lbl72"};
    platform::Label lbl73{*this, "lbl73"};

    // The other screens' options and this screen's front-soil and surcharge options, read by the
    // stability run and the member calculations alike.
    model::ScreenChoices screenChoices();

    // The copy of the boxes into the design data with the derived geometry.
    platform::Status HENSUU();
    // The earth-pressure coefficient KA for the load case and seismic method.
    platform::Status KEISAN();
    // The stability engine: loads, overturning, contact pressure, sliding and shear key.
    platform::Status DANMEM_1();
    // Stale-results marks: hide the verdicts and clear Sigma_max; disable overwrite-save, preview and
    // print; hide the verdicts only.
    void Hihyouji_1();
    void Hihyouji_2();
    void Hihyouji_3();
    // The three marks every edit of an input of the stability run takes: verdicts and results
    // (Hihyouji_1), toolbar (Hihyouji_2), member design.
    void staleMarks();
    // Report pages 2 and 3 on the report's output object: the chapter head and wall drawing, the self
    // weight and surcharges, the earth pressure, the load summary.
    void KEIJYOU(platform::Surface& Pri_Obj);
    void JIJYUU(platform::Surface& Pri_Obj);
    void Doatu(platform::Surface& Pri_Obj);
    void Doatu2(platform::Surface& Pri_Obj);
    // Report page 4, the stability checks, from the results of the last engine run.
    void KENTOU(platform::Surface& Pri_Obj);
    // Runs the engine on the boxes and writes the verdicts; shows an engine fault instead, or asks for
    // the shear key's dimensions. True when the verdicts are written.
    bool GamenHyouji();
    // Draws the contact-pressure sketch of the shear-key dialog from e and B.
    void Ouryoku();

    // Commands.
    void cmd1_Click();
    void cmd2_Click();
    void cmd3_Click();
    void cmd4_Click();
    void cmd5_Click();
    void cmd6_Click();
    void cmd7_Click();
    void cmd8_Click();
    void chk1_Click();
    void opt3_Click();
    void opt4_Click();
    void opt5_Click();
    void opt6_Click();

    // The input boxes: txt1 … txt23 by number (txt11 has no handlers).
    void box_Click(int n);
    void box_DblClick(int n);
    void box_GotFocus(int n);
    void box_KeyPress(int n, int& keyAscii);
    void box_UserEdit(int n);
    void txt12_LostFocus();
    void txt16_LostFocus();
    void txt18_LostFocus();
    void txt19_LostFocus();
    void txt21_LostFocus();
    void txt11_KeyPress(int& keyAscii);

    platform::TextBox& box(int n);
    // The drawing's line groups by number: 120 … 134 the front ground drawn low, 135 … 149 the front
    // ground at the level of the back ground, 150 … 152 the dimension line of H3 and H4.
    platform::Line& Line(int n) { return *lines_.at(static_cast<std::size_t>(n - 120)); }
    std::array<platform::Label*, 20> verdictLabels();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(bool& cancel) override;

private:
    void layOut();
    void wireHandlers();
    EngineChoices engineChoices();
    report::WallPageChoices wallPageChoices();
    report::EarthPressurePageChoices earthPressurePageChoices();
    // The key guides on the shear-key dialog, from the stored base width.
    void keyGuides();
    // Clears the dialog's drawing, draws the sketch and shows the shear-key dialog modal.
    void openKeyDialog();
    void frontSoilFrameRule(platform::TextBox& box, bool clearing);
    void symmetricNotes();

    std::vector<std::unique_ptr<platform::Line>> lines_;
    app::Program& prog_;
};

} // namespace stability
