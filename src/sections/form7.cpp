#include "sections/form7.h"

#include <optional>
#include <string>

#include "app/program.h"
#include "model/calc.h"
#include "platform/runtime.h"
#include "platform/services.h"
#include "platform/wiring.h"
#include "sections/bar_table.h"
#include "sections/form22.h"
#include "stability/faults.h"

namespace sections {
using model::DesignData;
using platform::Label;

namespace {

// The design and the calculated spacings of the members, in the order A … H.
constexpr std::array<float DesignData::*, 8> kPitch{
    &DesignData::Pitch_r1, &DesignData::Pitch_r2, &DesignData::Pitch_r5, &DesignData::Pitch_r6,
    &DesignData::Pitch_r7, &DesignData::Pitch_r8, &DesignData::Pitch_r9, &DesignData::Pitch_r10};
constexpr std::array<float DesignData::*, 8> kPitchReq{
    &DesignData::PitchReq_r1, &DesignData::PitchReq_r2, &DesignData::PitchReq_r5, &DesignData::PitchReq_r6,
    &DesignData::PitchReq_r7, &DesignData::PitchReq_r8, &DesignData::PitchReq_r9, &DesignData::PitchReq_r10};

// The spacing of a row, as a message names it.
std::string spacingName(std::size_t k) {
    static constexpr std::array<const char*, 8> letters{"Ａ", "Ｂ", "Ｃ", "Ｄ", "Ｅ", "Ｆ", "Ｇ", "Ｈ"};
    return std::string("部材") + letters[k & 7] + "の設計上の鉄筋の間隔";
}

// The bar-table row whose stored name ("D13", "D13,D16") a typed text gives, blanks and the letters'
// case aside; −1 for none.
int barRowNamed(std::string_view text) {
    std::string key;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ' || text[i] == '\t') continue;
        if (text.substr(i, 3) == "\u3000") {
            i += 2;
            continue;
        }
        key += static_cast<char>(text[i] >= 'a' && text[i] <= 'z' ? text[i] - 'a' + 'A' : text[i]);
    }
    for (std::size_t r = 0; r < BarTable.size(); ++r)
        if (BarTable[r].name == key) return static_cast<int>(r);
    return -1;
}

} // namespace

Form7::Form7(app::Program& program) : Form("Form7", platform::FormKind::MdiChild), prog_(program) {
    layOut();
    platform::wire(*this, {{&cmd1.onClick, &Form7::cmd1_Click},
                           {&cmd3.onClick, &Form7::cmd3_Click},
                           {&cmd6.onClick, &Form7::cmd6_Click}});
    connectMembers();
    connectEditing();
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

void Form7::Er_Syurui() {
    platform::msgBox("鉄筋の種類を選択してください。", platform::mb::OkOnly, "エラーメッセージ");
}

void Form7::Er_Kankaku1() {
    platform::msgBox(kNoDesignSpacing, platform::mb::OkOnly, "エラーメッセージ");
}

void Form7::Er_Kankaku2() {
    platform::msgBox("設計の鉄筋の間隔を計算値よりも小さくしてください。", platform::mb::OkOnly,
                     "エラーメッセージ");
}

// "応力度計算": every stage runs over the shown rows before the next one; the first fault ends the
// command with the focus on the control to correct.
void Form7::cmd1_Click() {
    auto& d = prog_.d;
    // Member forces of stability results that are void would belong to other inputs.
    if (d.Sigma_max == 0) {
        platform::errorMessage(stability::kNoStabilityResults);
        return;
    }
    const auto lists = barLists();
    const auto boxes = spacingBoxes();
    const auto calculated = spacingLabels();
    platform::TextBox* refused = nullptr;
    if (auto stored = storeSpacings(0, refused); !stored) {
        platform::errorMessage(stored.fault().message);
        refused->setFocus();
        refused->setSelStart(0);
        return;
    }

    // A text that names no bar of the list is no choice.
    for (auto* list : lists)
        if (list->visible() && list->listIndex() < 0) {
            Er_Syurui();
            list->setFocus();
            return;
        }
    const auto refuse = [this](platform::TextBox& box, void (Form7::*message)()) {
        (this->*message)();
        box.setFocus();
        box.setSelStart(0);
    };
    // A spacing that reads as zero or less counts as missing: the checks divide by it.
    for (std::size_t k = 0; k < 8; ++k)
        if (boxes[k]->visible() && (boxes[k]->text().empty() || !(d.*kPitch[k] > 0)))
            return refuse(*boxes[k], &Form7::Er_Kankaku1);
    for (std::size_t k = 0; k < 8; ++k)
        if (boxes[k]->visible() && !calculated[k]->caption().empty() && d.*kPitchReq[k] < d.*kPitch[k])
            return refuse(*boxes[k], &Form7::Er_Kankaku2);

    d.SectCheck_Done = 0;
    for (int k = 0; k < 8; ++k) {
        if (!memberExists(k)) continue;
        if (auto s = Ouryoku(model::allMembers[static_cast<std::size_t>(k)]); !s) {
            platform::errorMessage(s.fault().message);
            return;
        }
    }
    d.SectCheck_Done = 1;
    auto& bar = prog_.MDIForm1().Toolbar1;
    if (!prog_.MDIForm1().fileName.empty()) bar.setButtonEnabled(app::MDIForm1::kButtonOverwrite, true);
    bar.setButtonEnabled(app::MDIForm1::kButtonImage, true);
}

platform::Status Form7::storeSpacings(std::size_t first, platform::TextBox*& refused) {
    const auto boxes = spacingBoxes();
    std::array<std::optional<float>, 8> read{};
    for (std::size_t k = first; k < 8; ++k) {
        auto v = model::readSingle(boxes[k]->text(), spacingName(k));
        if (v) {
            read[k] = *v;
        } else if (boxes[k]->visible()) {
            refused = boxes[k];
            return v.fault();
        }
    }
    for (std::size_t k = first; k < 8; ++k)
        if (read[k]) prog_.d.*kPitch[k] = *read[k];
    return {};
}

// "変更": the cover dialog with the rows of the members that exist, filled with their covers.
void Form7::cmd6_Click() {
    auto& f = prog_.Form22();
    struct Optional {
        bool exists;
        platform::TextBox& box;
        Label& name;
        Label& unit;
        const Label& cover;
    };
    const Optional rows[] = {{prog_.d.B_Heel != 0, f.txt4, f.lbl11, f.lbl12, lbl_r8},
                             {prog_.d.B_Toe != 0, f.txt5, f.lbl13, f.lbl14, lbl_r9},
                             {prog_.d.H0_Key != 0, f.txt6, f.lbl15, f.lbl16, lbl_r10}};
    f.txt1.setText(lbl_r1.caption());
    f.txt3.setText(lbl_r5.caption());
    for (const Optional& r : rows) {
        r.box.setVisible(r.exists);
        r.name.setEnabled(r.exists);
        r.unit.setVisible(r.exists);
        if (r.exists) r.box.setText(r.cover.caption());
    }
    f.showModal();
}

void Form7::cmd3_Click() {
    hide();
    auto& form4 = prog_.Form4();
    form4.move(0, 0);
    form4.show();
    form4.txt12.setFocus();
    form4.txt12.selectAll();
}

void Form7::connectEditing() {
    const auto boxes = spacingBoxes();
    for (int k = 0; k < 8; ++k) {
        auto* box = boxes[static_cast<std::size_t>(k)];
        box->onClick = [this, k] { spacing_Click(k); };
        box->onKeyPress = [this, k](int& key) { spacing_KeyPress(k, key); };
        box->onUserEdit = [this, k] { spacing_UserEdit(k); };
        barLists()[static_cast<std::size_t>(k)]->onUserEdit = [this, k] { barList_UserEdit(k); };
    }
    platform::wire(*this, {{&txt_1.onChange, &Form7::txt_1_Change}, {&chk_1.onClick, &Form7::chk_1_Click}});
}

bool Form7::memberExists(int k) const {
    switch (k) {
    case 5:
        return prog_.d.B_Heel != 0;
    case 6:
        return prog_.d.B_Toe != 0;
    case 7:
        return prog_.d.H0_Key != 0;
    default:
        return k >= 0 && k < 5;
    }
}

void Form7::voidMember(int k) {
    barLists()[static_cast<std::size_t>(k & 7)]->setText("");
    spacingLabels()[static_cast<std::size_t>(k & 7)]->setCaption("");
    voidRow(k);
}

void Form7::voidRow(int k) {
    for (auto* l : resultLabels(k))
        l->setCaption("");
    prog_.d.SectCheck_Done = 0;
    prog_.MDIForm1().Toolbar1.setButtonEnabled(app::MDIForm1::kButtonOverwrite, false);
    prog_.MDIForm1().Toolbar1.setButtonEnabled(app::MDIForm1::kButtonImage, false);
}

// The box selects its whole text by its own habit; the click voids the row even with nothing typed.
void Form7::spacing_Click(int k) {
    voidRow(k);
}

void Form7::spacing_KeyPress(int k, int& KeyAscii) {
    if (KeyAscii == 13) {
        KeyAscii = 0;
        const auto boxes = spacingBoxes();
        platform::Control* next = &cmd1;
        for (int j = k + 1; j < 8; ++j)
            if (memberExists(j) && boxes[static_cast<std::size_t>(j)]->reachable()) {
                next = boxes[static_cast<std::size_t>(j)];
                break;
            }
        next->setFocus();
    }
    voidRow(k);
}

// Delete, cut and paste change the spacing without a character key.
void Form7::spacing_UserEdit(int k) {
    voidRow(k);
}

// The walls' loads depend on the surcharge's height: the wall rows are computed with the new one.
void Form7::txt_1_Change() {
    if (projectBeingRead) {
        for (int k : {0, 1})
            voidRow(k);
        return;
    }
    recomputeRows({0, 1});
    prog_.d.SectCheck_Done = 0;
}

void Form7::recomputeRows(const std::vector<int>& rows) {
    std::vector<int> chosen;
    for (int k : rows) {
        if (!memberExists(k)) continue;
        if (barLists()[static_cast<std::size_t>(k & 7)]->listIndex() >= 0)
            chosen.push_back(k);
        else
            voidRow(k);
    }
    if (chosen.empty()) return;
    if (prog_.d.Sigma_max == 0) {
        platform::errorMessage(stability::kNoStabilityResults);
        for (int k : chosen)
            voidMember(k);
        return;
    }
    // A fault of one member is shown by its command; the others are still computed.
    for (int k : chosen)
        if (auto s = recomputeMember(k); !s) platform::errorMessage(s.fault().message);
}

void Form7::barList_UserEdit(int k) {
    auto* list = barLists()[static_cast<std::size_t>(k & 7)];
    const int row = barRowNamed(list->text());
    if (row < 0) {
        spacingLabels()[static_cast<std::size_t>(k & 7)]->setCaption("");
        voidRow(k);
        return;
    }
    list->choose(row);
    // Typing goes on after the bar's full name.
    list->setSelStart(platform::charCount(list->text()));
}

void Form7::chk_1_Click() {
    const bool on = chk_1.value() == 1;
    if (!on) txt_1.setText("");
    for (platform::Control* c : std::initializer_list<platform::Control*>{&txt_1, &lbl_1, &lbl_2})
        c->setEnabled(on);
    for (auto* list : {&cbo1, &cbo2})
        list->setText("");
    for (auto* l : {&lbl_ra, &lbl_rb})
        l->setCaption("");
    for (auto* box : {&txt1, &txt2})
        box->setText("");
    for (int k : {0, 1})
        voidRow(k);
}

} // namespace sections
