#include "sections/form22.h"

#include <array>
#include <iterator>
#include <string>
#include <vector>

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
    // The rows computed with a cover that changes are computed again; with the coefficient box set
    // every row with a bar is.
    std::vector<int> recompute;
    const bool started = !f7.txt_ka.text().empty();
    int k = 0;
    for (std::size_t i = 0; i < read.size(); ++i) {
        const Row& r = rows[i];
        const int first = k;
        k += static_cast<int>(r.labels.size());
        if (!r.box.visible()) continue;
        const float cover = read[i];
        const std::string caption = platform::numText(cover);
        for (float* c : r.covers)
            *c = cover;
        int j = first;
        for (auto* l : r.labels) {
            if (started || l->caption() != caption) recompute.push_back(j);
            l->setCaption(caption);
            ++j;
        }
    }
    hide();
    // Members without a bar have nothing to compute; absent members are not computed.
    std::vector<int> chosen;
    const auto lists = f7.barLists();
    for (int m : recompute)
        if (lists[static_cast<std::size_t>(m)]->listIndex() >= 0) chosen.push_back(m);
    f7.recomputeRows(chosen);
}

void Form22::cmd2_Click() {
    unload();
}

} // namespace sections
