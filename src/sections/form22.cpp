#include "sections/form22.h"

#include <array>
#include <iterator>
#include <string>

#include "app/program.h"
#include "model/calc.h"
#include "platform/runtime.h"
#include "platform/services.h"
#include "platform/wiring.h"
#include "sections/form7.h"

namespace sections {

Form22::Form22(app::Program& program) : Form("Form22", platform::FormKind::Dialog), prog_(program) {
    layOut();
    platform::wire(*this, {{&cmd1.onClick, &Form22::cmd1_Click}, {&cmd2.onClick, &Form22::cmd2_Click}});
    for (auto* box : {&txt1, &txt3, &txt4, &txt5, &txt6}) {
        box->dblClickSelStart = box == &txt1 ? 30 : 10;
        box->onKeyPress = [this, box](int& key) {
            if (key != 13) return;
            key = 0;
            nextAfter(*box).setFocus();
        };
    }
}

platform::Control& Form22::nextAfter(const platform::TextBox& box) {
    platform::TextBox* order[] = {&txt1, &txt3, &txt4, &txt5, &txt6};
    bool past = false;
    for (auto* b : order) {
        if (past && b->visible()) return *b;
        if (b == &box) past = true;
    }
    return cmd1;
}

// "ＯＫ": the shown boxes must hold a cover above zero; the covers of absent members stay as they are.
void Form22::cmd1_Click() {
    auto& d = prog_.d;
    auto& f7 = prog_.Form7();
    struct Row {
        platform::TextBox& box;
        const char* name;
        std::initializer_list<float*> covers;
        std::initializer_list<platform::Label*> labels;
    };
    const Row rows[] = {
        {txt1, "たて壁", {&d.Cover_r1, &d.Cover_r2}, {&f7.lbl_r1, &f7.lbl_r2}},
        {txt3, "底版", {&d.Cover_r5, &d.Cover_r6, &d.Cover_r7}, {&f7.lbl_r5, &f7.lbl_r6, &f7.lbl_r7}},
        {txt4, "かかと版", {&d.Cover_r8}, {&f7.lbl_r8}},
        {txt5, "つま先版", {&d.Cover_r9}, {&f7.lbl_r9}},
        {txt6, "突起", {&d.Cover_r10}, {&f7.lbl_r10}},
    };
    std::array<float, std::size(rows)> read{};
    for (std::size_t i = 0; i < read.size(); ++i) {
        const Row& r = rows[i];
        if (!r.box.visible()) continue;
        auto cover = model::readSingle(r.box.text(), std::string(r.name) + "のかぶり厚さ");
        const bool missing = r.box.text().empty() || (cover && !(*cover > 0));
        if (!cover || missing) {
            platform::errorMessage(cover ? std::string(r.name) + "のかぶり厚さを入力してください。"
                                         : cover.fault().message);
            r.box.setFocus();
            r.box.setSelStart(0);
            return;
        }
        read[i] = *cover;
    }
    for (std::size_t i = 0; i < read.size(); ++i) {
        const Row& r = rows[i];
        if (!r.box.visible()) continue;
        const float cover = read[i];
        for (float* c : r.covers)
            *c = cover;
        for (auto* l : r.labels)
            l->setCaption(platform::numText(cover));
    }
    hide();

    if (f7.txt_ka.text().empty()) return;
    // A fault of one member has been shown by its command; the others are still recomputed.
    const auto lists = f7.barLists();
    for (std::size_t k = 0; k < 8; ++k) {
        if (lists[k]->text().empty()) continue;
        switch (k) {
        case 0:
            (void)f7.cmd_r1();
            break;
        case 1:
            (void)f7.cmd_r2();
            break;
        case 2:
            (void)f7.cmd_r5();
            break;
        case 3:
            (void)f7.cmd_r6();
            break;
        case 4:
            (void)f7.cmd_r7();
            break;
        case 5:
            if (d.B_Heel != 0) (void)f7.cmd_r8();
            break;
        case 6:
            if (d.B_Toe != 0) (void)f7.cmd_r9();
            break;
        default:
            if (d.H0_Key != 0) (void)f7.cmd_r10();
            break;
        }
    }
}

void Form22::cmd2_Click() {
    unload();
}

} // namespace sections
