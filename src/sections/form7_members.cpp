#include <utility>

#include "app/program.h"
#include "model/calc.h"
#include "model/on_copy.h"
#include "platform/runtime.h"
#include "platform/services.h"
#include "platform/wiring.h"
#include "sections/form7.h"
#include "sections/members.h"
#include "stability/faults.h"

namespace sections {

using model::Member;

namespace {

// Position of a member in the rows of the screen (A … H).
std::size_t rowOf(Member m) {
    for (std::size_t i = 0; i < model::allMembers.size(); ++i)
        if (model::allMembers[i] == m) return i;
    return 0;
}

// A changed section design is neither saved over the file nor previewed before it is checked again.
void disableSaveAndPreview(app::Program& p) {
    p.MDIForm1().Toolbar1.setButtonEnabled(app::MDIForm1::kButtonOverwrite, false);
    p.MDIForm1().Toolbar1.setButtonEnabled(app::MDIForm1::kButtonImage, false);
}

} // namespace

void Form7::connectMembers() {
    platform::wire(*this, {{&cbo1.onClick, &Form7::cbo1_Click},
                           {&cbo2.onClick, &Form7::cbo2_Click},
                           {&cbo5.onClick, &Form7::cbo5_Click},
                           {&cbo6.onClick, &Form7::cbo6_Click},
                           {&cbo7.onClick, &Form7::cbo7_Click},
                           {&cbo8.onClick, &Form7::cbo8_Click},
                           {&cbo9.onClick, &Form7::cbo9_Click},
                           {&cbo10.onClick, &Form7::cbo10_Click},
                           {&cmd4.onClick, &Form7::cmd4_Click},
                           {&cmd5.onClick, &Form7::cmd5_Click},
                           {&txt_ka.onChange, &Form7::txt_ka_Change}});
}

MemberChoices Form7::memberChoices() {
    MemberChoices c;
    static_cast<model::ScreenChoices&>(c) = prog_.Form4().screenChoices();
    c.surchargeInertia = chk_1.value() == 1;
    return c;
}

platform::Status Form7::TEKKIN() {
    const MemberChoices c = memberChoices();
    return model::computeOnCopy(prog_.d, [&](model::DesignData& w) { return groundReactions(w, c); });
}

platform::Status Form7::recomputeMember(int k) {
    const auto i = static_cast<std::size_t>(k & 7);
    const Member m = model::allMembers[i];
    MemberRow row;
    row.listIndex = barLists()[i]->listIndex();
    row.coverCaption = coverLabels()[i]->caption();
    row.surchargeText = txt_1.text();
    model::DesignData w = prog_.d;
    std::string spacing;
    if (projectBeingRead) {
        if (auto taken = takeBar(w, m, row); !taken) {
            voidMember(k);
            return taken.fault();
        }
    } else if (row.listIndex < 0) {
        // No bar, nothing to compute: the values of a bar chosen before belong to no choice shown.
        voidMember(k);
        return {};
    } else {
        // Forces of stability results that are void would belong to other inputs.
        auto designed = prog_.d.Sigma_max == 0
                            ? platform::Result<std::string>(platform::Fault{stability::kNoStabilityResults})
                            : designMember(w, m, memberChoices(), row);
        if (!designed) {
            voidMember(k);
            return designed.fault();
        }
        spacing = std::move(*designed);
    }
    prog_.d = std::move(w);
    spacingLabels()[i]->setCaption(spacing);
    for (auto* l : resultLabels(k))
        l->setCaption("");
    disableSaveAndPreview(prog_);
    return {};
}

platform::Status Form7::runMember(Member m) {
    auto status = recomputeMember(static_cast<int>(rowOf(m)));
    if (!status) platform::errorMessage(status.fault().message);
    return status;
}

platform::Status Form7::cmd_r1() {
    return runMember(Member::A);
}
platform::Status Form7::cmd_r2() {
    return runMember(Member::B);
}
platform::Status Form7::cmd_r5() {
    return runMember(Member::C);
}
platform::Status Form7::cmd_r6() {
    return runMember(Member::D);
}
platform::Status Form7::cmd_r7() {
    return runMember(Member::E);
}
platform::Status Form7::cmd_r8() {
    return runMember(Member::F);
}
platform::Status Form7::cmd_r9() {
    return runMember(Member::G);
}
platform::Status Form7::cmd_r10() {
    return runMember(Member::H);
}

// A fault has been shown by the command; the handlers have nothing to add.
void Form7::cbo1_Click() {
    (void)cmd_r1();
}
void Form7::cbo2_Click() {
    (void)cmd_r2();
}
void Form7::cbo5_Click() {
    (void)cmd_r5();
}
void Form7::cbo6_Click() {
    (void)cmd_r6();
}
void Form7::cbo7_Click() {
    (void)cmd_r7();
}
void Form7::cbo8_Click() {
    (void)cmd_r8();
}
void Form7::cbo9_Click() {
    (void)cmd_r9();
}
void Form7::cbo10_Click() {
    (void)cmd_r10();
}

platform::Status Form7::Doatu() {
    const MemberChoices c = memberChoices();
    auto s = model::computeOnCopy(prog_.d, [&](model::DesignData& w) { return sectionKa(w, c); });
    if (!s) {
        platform::errorMessage(s.fault().message);
        return s;
    }
    // Without a border before the text is set, so that the computed text is not taken for a typed one.
    txt_ka.setBorder(false);
    txt_ka.setText(platform::format(prog_.d.KA_Sect, "0.000"));
    return {};
}

void Form7::voidSection() {
    for (auto* list : barLists())
        list->setText("");
    for (auto* l : spacingLabels())
        l->setCaption("");
    for (auto* box : spacingBoxes())
        box->setText("");
    for (int k = 0; k < 8; ++k)
        for (auto* l : resultLabels(k))
            l->setCaption("");
}

void Form7::cmd5_Click() {
    // The coefficient takes the rear wall's inclination of the present stability results.
    if (prog_.d.Sigma_max == 0) {
        platform::errorMessage(stability::kNoStabilityResults);
        return;
    }
    if (auto s = TEKKIN(); !s) {
        platform::errorMessage(s.fault().message);
        return;
    }
    if (!Doatu()) return;
    opt2.setValue(true);
    voidSection();
    prog_.d.SectCheck_Done = 0;
    disableSaveAndPreview(prog_);
}

void Form7::cmd4_Click() {
    txt_ka.setFocus();
    txt_ka.selectAll();
    txt_ka.setBorder(true);
    opt1.setValue(true);
    voidSection();
    prog_.d.SectCheck_Done = 0;
    disableSaveAndPreview(prog_);
}

platform::Status Form7::Ouryoku(Member m) {
    constexpr platform::Color kOver{255, 0, 255}; // palette colour 13, light magenta
    constexpr platform::Color kWithin = platform::kBlack;
    const std::size_t k = rowOf(m);
    // The bar values of a row without a choice belong to a bar no longer shown.
    if (barLists()[k]->listIndex() < 0) return platform::Fault{"鉄筋の種類を選択してください。"};
    model::DesignData w = prog_.d;
    auto r = checkStresses(w, m, memberChoices(), spacingBoxes()[k]->text());
    if (!r) return r.fault();
    prog_.d = std::move(w);
    auto labels = resultLabels(static_cast<int>(k));
    labels[0]->setForeColor(r->overC ? kOver : kWithin);
    labels[0]->setCaption(r->textC);
    labels[1]->setForeColor(r->overS ? kOver : kWithin);
    labels[1]->setCaption(r->textS);
    if (m != Member::C) labels[2]->setForeColor(r->overTau ? kOver : kWithin);
    labels[2]->setCaption(r->textTau);
    labels[3]->setForeColor(r->ng() ? kOver : kWithin);
    labels[3]->setCaption(r->ng() ? "NG" : "O.K");
    if (r->ng()) platform::beep();
    return {};
}

platform::Status Form7::Ouryoku_1() {
    return Ouryoku(Member::A);
}
platform::Status Form7::Ouryoku_2() {
    return Ouryoku(Member::B);
}
platform::Status Form7::Ouryoku_5() {
    return Ouryoku(Member::C);
}
platform::Status Form7::Ouryoku_6() {
    return Ouryoku(Member::D);
}
platform::Status Form7::Ouryoku_7() {
    return Ouryoku(Member::E);
}
platform::Status Form7::Ouryoku_8() {
    return Ouryoku(Member::F);
}
platform::Status Form7::Ouryoku_9() {
    return Ouryoku(Member::G);
}
platform::Status Form7::Ouryoku_10() {
    return Ouryoku(Member::H);
}

// A coefficient typed after "直接入力" is kept as a number, so that the report prints what was typed.
// A number beyond the single range is not kept; the report page reads the box again and refuses it.
void Form7::txt_ka_Change() {
    if (!opt1.value() || !txt_ka.border() || txt_ka.text().empty()) return;
    auto ka = model::readSingle(txt_ka.text(), kTypedKa);
    if (!ka) {
        platform::errorMessage(ka.fault().message);
        return;
    }
    prog_.d.KA_Sect = *ka;
}

} // namespace sections
