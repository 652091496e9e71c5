#pragma once

#include "app/screen_header.h"

#include <array>

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

    // Shown or hidden by the ground shape (the ground-shape screen lays them out).
    platform::Label Label3{*this, "Label3", "H3="};
    platform::Label lbl5{*this, "lbl5", "m"};
    platform::Label Label4{*this, "Label4", "H4="};
    platform::Label lbl6{*this, "lbl6", "m"};
    platform::Label lbl22{*this, "lbl22", "上載荷重"}; // caption of the front surcharge box
    platform::Label lbl23{*this, "lbl23", "kNm2"};
    platform::Label lbl32{*this, "lbl32", "上載荷重"}; // front surcharge of the symmetric shape
    platform::Label lbl33{*this, "lbl33"};             // q_Back, shown as the front surcharge
    platform::Label lbl34{*this, "lbl34", "KN/m2"};
    platform::Label lbl10{*this, "lbl10", "前面土"};
    platform::Label lbl45{*this, "lbl45", "背面土"};
    platform::CommandButton cmd5{*this, "cmd5", "突起の計算"};
    platform::CommandButton cmd6{*this, "cmd6", "直接入力"}; // KA typed
    // The front ground's hatched surface drawn low (one-sided shape), then at the level of the ground
    // behind (symmetric shape); the dimension line of H3 and H4.
    platform::Line Line120{*this, "Line120", 720, 3960, 2850, 3960};
    platform::Line Line121{*this, "Line121", 1290, 3780, 2880, 3780};
    platform::Line Line122{*this, "Line122", 1290, 3780, 1290, 3960};
    platform::Line Line123{*this, "Line123", 1410, 3780, 1410, 3930};
    platform::Line Line124{*this, "Line124", 1530, 3780, 1530, 3960};
    platform::Line Line125{*this, "Line125", 1650, 3780, 1650, 3930};
    platform::Line Line126{*this, "Line126", 1770, 3780, 1770, 3960};
    platform::Line Line127{*this, "Line127", 1890, 3780, 1890, 3930};
    platform::Line Line128{*this, "Line128", 2010, 3780, 2010, 3960};
    platform::Line Line129{*this, "Line129", 2130, 3780, 2130, 3930};
    platform::Line Line130{*this, "Line130", 2250, 3780, 2250, 3960};
    platform::Line Line131{*this, "Line131", 2370, 3780, 2370, 3930};
    platform::Line Line132{*this, "Line132", 2490, 3780, 2490, 3960};
    platform::Line Line133{*this, "Line133", 2610, 3780, 2610, 3930};
    platform::Line Line134{*this, "Line134", 2730, 3780, 2730, 3960};
    platform::Line Line135{*this, "Line135", 1200, 2580, 2970, 2580};
    platform::Line Line136{*this, "Line136", 1410, 2400, 3000, 2400};
    platform::Line Line137{*this, "Line137", 1410, 2400, 1410, 2580};
    platform::Line Line138{*this, "Line138", 1530, 2400, 1530, 2550};
    platform::Line Line139{*this, "Line139", 1650, 2400, 1650, 2580};
    platform::Line Line140{*this, "Line140", 1770, 2400, 1770, 2550};
    platform::Line Line141{*this, "Line141", 1890, 2400, 1890, 2580};
    platform::Line Line142{*this, "Line142", 2010, 2400, 2010, 2550};
    platform::Line Line143{*this, "Line143", 2130, 2400, 2130, 2580};
    platform::Line Line144{*this, "Line144", 2250, 2400, 2250, 2550};
    platform::Line Line145{*this, "Line145", 2370, 2400, 2370, 2580};
    platform::Line Line146{*this, "Line146", 2490, 2400, 2490, 2550};
    platform::Line Line147{*this, "Line147", 2610, 2400, 2610, 2580};
    platform::Line Line148{*this, "Line148", 2730, 2400, 2730, 2550};
    platform::Line Line149{*this, "Line149", 2850, 2400, 2850, 2580};
    platform::Line Line150{*this, "Line150", 960, 2340, 960, 4860};
    platform::Line Line151{*this, "Line151", 960, 2340, 2580, 2340};
    platform::Line Line152{*this, "Line152", 960, 4860, 1800, 4860};

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
    // Report pages 2 and 3 on the report's output object: the chapter head and wall drawing, the self
    // weight and surcharges, the earth pressure, the load summary.
    void KEIJYOU(platform::Surface& Pri_Obj);
    void JIJYUU(platform::Surface& Pri_Obj);
    void Doatu(platform::Surface& Pri_Obj);
    void Doatu2(platform::Surface& Pri_Obj);
    // Report page 4, the stability checks, from the results of the last engine run.
    void KENTOU(platform::Surface& Pri_Obj);

protected:
    void Form_QueryUnload(bool& cancel) override;

private:
    EngineChoices engineChoices();
    report::WallPageChoices wallPageChoices();
    report::EarthPressurePageChoices earthPressurePageChoices();
    std::array<platform::Label*, 20> verdictLabels();

    app::Program& prog_;
};

} // namespace stability
