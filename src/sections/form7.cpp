#include "sections/form7.h"

#include "app/not_built.h"
#include "app/program.h"
#include "platform/wiring.h"
#include "sections/bar_table.h"

namespace sections {
using platform::Label;

Form7::Form7(app::Program& program) : Form("Form7", platform::FormKind::MdiChild), prog_(program) {
    layOut();
    platform::wire(*this, {{&cmd1.onClick, &Form7::cmd1_Click},
                           {&cmd3.onClick, &Form7::cmd3_Click},
                           {&cmd6.onClick, &Form7::cmd6_Click}});
    connectMembers();
}

std::array<platform::ComboBox*, 8> Form7::barLists() {
    return {&cbo1, &cbo2, &cbo5, &cbo6, &cbo7, &cbo8, &cbo9, &cbo10};
}

std::array<platform::Label*, 8> Form7::coverLabels() {
    return {&lbl_r1, &lbl_r2, &lbl_r5, &lbl_r6, &lbl_r7, &lbl_r8, &lbl_r9, &lbl_r10};
}

std::array<platform::Label*, 8> Form7::spacingLabels() {
    return {&lbl_ra, &lbl_rb, &lbl_re, &lbl_rf, &lbl_rg, &lbl_rh, &lbl_ri, &lbl_rj};
}

std::array<platform::TextBox*, 8> Form7::spacingBoxes() {
    return {&txt1, &txt2, &txt5, &txt6, &txt7, &txt8, &txt9, &txt10};
}

std::array<platform::Label*, 4> Form7::resultLabels(int k) {
    const std::array<std::array<Label*, 4>, 8> rows{{{&lbl1, &lbl2, &lbl3, &lbl4},
                                                     {&lbl5, &lbl6, &lbl7, &lbl8},
                                                     {&lbl17, &lbl18, &lbl19, &lbl20},
                                                     {&lbl21, &lbl22, &lbl23, &lbl24},
                                                     {&lbl25, &lbl26, &lbl27, &lbl28},
                                                     {&lbl29, &lbl30, &lbl31, &lbl32},
                                                     {&lbl33, &lbl34, &lbl35, &lbl36},
                                                     {&lbl37, &lbl38, &lbl39, &lbl40}}};
    return rows[static_cast<std::size_t>(k & 7)];
}

void Form7::Form_Load() {
    prog_.d.ScreenNo = 3;
    for (auto* list : barLists())
        for (const auto& row : BarTable)
            list->addItem(std::string(row.item));
}

void Form7::Form_Activate() {
    prog_.d.ScreenNo = 3;
}

void Form7::Hihyouji_3() {
    voidSection();
    txt_ka.setText("");
    prog_.d.SectCheck_Done = 0;
}

// The stress-check command and the cover dialog come with the member checks.
void Form7::cmd1_Click() {
    app::sayNotBuilt("応力度計算");
}

void Form7::cmd6_Click() {
    app::sayNotBuilt("変更");
}

void Form7::cmd3_Click() {
    hide();
    auto& form4 = prog_.Form4();
    form4.move(0, 0);
    form4.show();
    form4.txt12.setFocus();
    form4.txt12.selectAll();
}

} // namespace sections
