#pragma once

#include "app/screen_header.h"

#include <array>
#include <memory>
#include <vector>

#include "model/choices.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/result.h"
#include "platform/surface.h"
#include "report/sections/member_pages.h"
#include "sections/members.h"

namespace app {
struct Program;
}

namespace sections {

// What messages call the coefficient typed on this screen.
inline constexpr const char* kTypedKa = "断面計算の主働土圧係数 KA";

// The section-design screen: one row per member with its bars, cover, spacings and check results.
class Form7 : public platform::Form {
public:
    explicit Form7(app::Program& program);

    platform::Label lblTitle{*this, "lblTitle", "断 面 計 算"}; // the screen's title

    platform::CheckBox chk_1{*this, "chk_1", "上載荷重の慣性力を算入する"}; // count the surcharge's inertia
    platform::Label lbl_1{*this, "lbl_1", "作用位置：底盤下端より"};        // caption of txt_1
    platform::TextBox txt_1{*this, "txt_1"};                                // its height above the base (m)
    platform::Label lbl_2{*this, "lbl_2", "m"};                             // unit of txt_1

    platform::Frame Frame1{*this, "Frame1"};                   // the section's own coefficient
    platform::Label Label28{*this, "Label28", "主働土圧係数"}; // its caption
    platform::Label Label81{*this, "Label81", "KA="};          // caption of txt_ka
    platform::TextBox txt_ka{*this, "txt_ka"};                 // the coefficient KA of the sections
    platform::OptionButton opt1{*this, "opt1"};                // KA typed
    platform::CommandButton cmd4{*this, "cmd4", "直接入力"};   // type KA
    platform::OptionButton opt2{*this, "opt2"};                // KA computed
    platform::CommandButton cmd5{*this, "cmd5", "計算する"};   // compute KA

    platform::Label lblNote{*this, "lblNote", "たて壁は、背面土の土圧で計算"}; // note on the walls' load

    // Group and row captions.
    platform::Label Label63{*this, "Label63", "たて壁"};
    platform::Label Label76{*this, "Label76", "底　版"};
    platform::Label Label14{*this, "Label14", "かかと版"};
    platform::Label Label19{*this, "Label19", "つま先版"};
    platform::Label Label13{*this, "Label13", "突　起"};
    platform::Label Label1{*this, "Label1", "Ａ 中央部"};
    platform::Label Label2{*this, "Label2", "Ｂ 固定部"};
    platform::Label Label5{*this, "Label5", "Ｃ 中央部"};
    platform::Label Label6{*this, "Label6", "Ｄ前固定部"};
    platform::Label Label7{*this, "Label7", "Ｅ後固定部"};
    platform::Label Label8{*this, "Label8", "Ｆ 固定部"};
    platform::Label Label9{*this, "Label9", "Ｇ 固定部"};
    platform::Label Label10{*this, "Label10", "Ｈ 固定部"};

    // Bar lists, members A, B, C, D, E, F, G, H.
    platform::ComboBox cbo1{*this, "cbo1"}, cbo2{*this, "cbo2"}, cbo5{*this, "cbo5"}, cbo6{*this, "cbo6"},
        cbo7{*this, "cbo7"}, cbo8{*this, "cbo8"}, cbo9{*this, "cbo9"}, cbo10{*this, "cbo10"};
    // Cover labels (mm).
    platform::Label lbl_r1{*this, "lbl_r1", "60"}, lbl_r2{*this, "lbl_r2", "60"},
        lbl_r5{*this, "lbl_r5", "60"}, lbl_r6{*this, "lbl_r6", "60"}, lbl_r7{*this, "lbl_r7", "60"},
        lbl_r8{*this, "lbl_r8", "60"}, lbl_r9{*this, "lbl_r9", "60"}, lbl_r10{*this, "lbl_r10", "60"};
    // Calculated largest spacings (mm).
    platform::Label lbl_ra{*this, "lbl_ra"}, lbl_rb{*this, "lbl_rb"}, lbl_re{*this, "lbl_re"},
        lbl_rf{*this, "lbl_rf"}, lbl_rg{*this, "lbl_rg"}, lbl_rh{*this, "lbl_rh"}, lbl_ri{*this, "lbl_ri"},
        lbl_rj{*this, "lbl_rj"};
    // Design spacings (mm).
    platform::TextBox txt1{*this, "txt1"}, txt2{*this, "txt2"}, txt5{*this, "txt5"}, txt6{*this, "txt6"},
        txt7{*this, "txt7"}, txt8{*this, "txt8"}, txt9{*this, "txt9"}, txt10{*this, "txt10"};

    platform::CommandButton cmd6{*this, "cmd6", "変更"};         // opens the cover dialog
    platform::CommandButton cmd1{*this, "cmd1", "応力度計算"};   // checks the members' stresses
    platform::CommandButton cmd3{*this, "cmd3", "< 寸法の変更"}; // back to the dimensions screen

    // Front side of the wall sketch, shown by the ground shape.
    platform::Line Line100{*this, "Line100", 4800, 5640, 5910, 5640}; // front ground surface
    platform::Line Line101{*this, "Line101", 4800, 4740, 5940, 4740}; // front ground of the symmetric shape
    platform::Line Line102{*this, "Line102"}, Line103{*this, "Line103"}, Line104{*this, "Line104"},
        Line105{*this, "Line105"}, Line106{*this, "Line106"}, Line107{*this, "Line107"},
        Line108{*this, "Line108"}, Line109{*this, "Line109"};
    platform::Label Label100{*this, "Label100", "ΔPA"}; // front-side surcharge pressure mark
    platform::Label Label101{*this, "Label101", "PA"};  // front-side earth pressure mark
    platform::Label Label102{*this, "Label102", "δ"};   // front-side wall friction mark

    // Results σc, σs, τc and verdict, four a member: lbl1 … lbl8 (A, B), lbl17 … lbl40 (C … H).
    platform::Label lbl1{*this, "lbl1"}, lbl2{*this, "lbl2"}, lbl3{*this, "lbl3"}, lbl4{*this, "lbl4"},
        lbl5{*this, "lbl5"}, lbl6{*this, "lbl6"}, lbl7{*this, "lbl7"}, lbl8{*this, "lbl8"},
        lbl17{*this, "lbl17"}, lbl18{*this, "lbl18"}, lbl19{*this, "lbl19"}, lbl20{*this, "lbl20"},
        lbl21{*this, "lbl21"}, lbl22{*this, "lbl22"}, lbl23{*this, "lbl23"}, lbl24{*this, "lbl24"},
        lbl25{*this, "lbl25"}, lbl26{*this, "lbl26"}, lbl27{*this, "lbl27"}, lbl28{*this, "lbl28"},
        lbl29{*this, "lbl29"}, lbl30{*this, "lbl30"}, lbl31{*this, "lbl31"}, lbl32{*this, "lbl32"},
        lbl33{*this, "lbl33"}, lbl34{*this, "lbl34"}, lbl35{*this, "lbl35"}, lbl36{*this, "lbl36"},
        lbl37{*this, "lbl37"}, lbl38{*this, "lbl38"}, lbl39{*this, "lbl39"}, lbl40{*this, "lbl40"};

    // The four result labels of member k (0 … 7 in the order A … H).
    std::array<platform::Label*, 4> resultLabels(int k);

    // The bar lists, cover labels, spacing labels and spacing boxes in member order A … H.
    std::array<platform::ComboBox*, 8> barLists();
    std::array<platform::Label*, 8> coverLabels();
    std::array<platform::Label*, 8> spacingLabels();
    std::array<platform::TextBox*, 8> spacingBoxes();

    // Voids the member section design: bars, spacings, results and the coefficient box.
    void Hihyouji_3();

    // Set while a project's lines are being read: a bar chosen by the file then only takes its bar's
    // values, since the forces follow once the opened project's results are computed again.
    bool projectBeingRead = false;
    // Computes member k (0 … 7 in the order A … H) again, as choosing its bar does, but without a
    // message: a member without a bar, or one that cannot be computed, loses its bar and results.
    // Returns the fault.
    platform::Status recomputeMember(int k);
    // Computes again the rows given whose bar is chosen, after an input of theirs changed; rows
    // without a bar lose their results. Without stability results the chosen rows are voided, after
    // one message.
    void recomputeRows(const std::vector<int>& rows);

    void cmd1_Click();
    // The messages of "応力度計算".
    void Er_Syurui();
    void Er_Kankaku1();
    void Er_Kankaku2();
    void cmd3_Click();
    void cmd4_Click();
    void cmd5_Click();
    void cmd6_Click();

    // Member calculations. TEKKIN shows nothing; the others show their fault in a message box.
    platform::Status TEKKIN();
    platform::Status Doatu();
    platform::Status cmd_r1();
    platform::Status cmd_r2();
    platform::Status cmd_r5();
    platform::Status cmd_r6();
    platform::Status cmd_r7();
    platform::Status cmd_r8();
    platform::Status cmd_r9();
    platform::Status cmd_r10();
    void cbo1_Click();
    void cbo2_Click();
    void cbo5_Click();
    void cbo6_Click();
    void cbo7_Click();
    void cbo8_Click();
    void cbo9_Click();
    void cbo10_Click();
    void txt_ka_Change();
    // Editing of the design spacing box of member k (0 … 7 in the order A … H): a click, a key or an
    // edit voids the row's results and the mark that the checks were run; Enter moves to the next
    // existing row, after the last one to "応力度計算".
    void spacing_Click(int k);
    void spacing_KeyPress(int k, int& KeyAscii);
    void spacing_UserEdit(int k);
    void txt_1_Change();
    void chk_1_Click();
    // Allowable-stress checks at the typed design spacings; a refused input is returned, not shown.
    platform::Status Ouryoku_1();
    platform::Status Ouryoku_2();
    platform::Status Ouryoku_5();
    platform::Status Ouryoku_6();
    platform::Status Ouryoku_7();
    platform::Status Ouryoku_8();
    platform::Status Ouryoku_9();
    platform::Status Ouryoku_10();
    // Report writers on the output object: the member-section chapter's head (page 5) and the
    // members A, B, E, F, G, H (heel), I (toe) and J (shear key). HAIKIN first stores the typed
    // spacings and coefficient; one beyond the single range refuses the page.
    platform::Status HAIKIN(platform::Surface& Pri_Obj);
    void HAIKIN_A(platform::Surface& Pri_Obj);
    void HAIKIN_B(platform::Surface& Pri_Obj);
    void HAIKIN_E(platform::Surface& Pri_Obj);
    void HAIKIN_F(platform::Surface& Pri_Obj);
    void HAIKIN_G(platform::Surface& Pri_Obj);
    void HAIKIN_H(platform::Surface& Pri_Obj);
    void HAIKIN_I(platform::Surface& Pri_Obj);
    void HAIKIN_J(platform::Surface& Pri_Obj);

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void layOut();
    void connectMembers();
    void connectEditing();
    // Whether member k exists (A … E always; F, G, H with a heel, toe or shear key).
    bool memberExists(int k) const;
    // Empties the row's results, clears the checks' mark and withholds saving over and previewing.
    void voidRow(int k);
    // The same, and the row's bar and calculated spacing: the row counts as not chosen.
    void voidMember(int k);
    // A text typed into the bar list of member k: the bar it names is chosen, as from the list, or
    // else the row counts as not chosen.
    void barList_UserEdit(int k);
    MemberChoices memberChoices();
    // What the member pages read of the screens.
    report::MemberPageChoices memberPageChoices();
    platform::Status runMember(model::Member m);
    platform::Status Ouryoku(model::Member m);
    // Empties the bars, spacings and results of every member.
    void voidSection();
    // Stores the design spacings typed in rows `first` … 7 (A … H). A number beyond the single range in
    // a shown row stores none of them: the fault names that row's spacing, and `refused` is its box. A
    // hidden row (a member that does not exist) is not used; with such a number it keeps its spacing.
    platform::Status storeSpacings(std::size_t first, platform::TextBox*& refused);

    app::Program& prog_;
};

} // namespace sections
