#include <array>
#include <cmath>
#include <iterator>
#include <optional>
#include <string>

#include "app/program.h"
#include "model/calc.h"
#include "platform/runtime.h"
#include "platform/services.h"
#include "stability/faults.h"
#include "stability/form4.h"

namespace stability {

namespace {

using platform::kBlack;
using platform::kLightMagenta;

// A verdict row: colour, title, value, verdict text, and a beep after a failing text.
struct Row {
    std::initializer_list<platform::Label*> colored;
    platform::Label* title;
    platform::Label* value;
    platform::Label* verdict;
};

void writeRow(const Row& r, bool pass, const char* title, float value, const std::string& text, bool beep) {
    for (platform::Label* l : r.colored)
        l->setForeColor(pass ? kBlack : kLightMagenta);
    r.title->setCaption(title);
    r.value->setCaption(platform::format(value, "0.000"));
    r.verdict->setCaption(text);
    if (beep) platform::beep();
}

// "> 1.5∴O.K" / "< 1.5∴NG" for a factor; the sliding texts have a blank before "∴".
std::string limitText(bool pass, const char* limit, bool blank) {
    return std::string(pass ? "> " : "< ") + limit + (blank ? " " : "") + (pass ? "∴O.K" : "∴NG");
}

// "< B/6∴O.K" / "> B/6∴NG": the eccentricity passes below its limit.
std::string eccentricityText(bool pass, const char* limit) {
    return std::string(pass ? "< " : "> ") + limit + (pass ? "∴O.K" : "∴NG");
}

} // namespace

// "安定性の検討": the ordered checks, the missing choices, then the run.
void Form4::cmd3_Click() {
    auto fail = [](platform::TextBox& focus, const std::string& message) {
        platform::errorMessage(message);
        focus.setFocus();
        focus.setSelStart(0);
    };
    auto& d = prog_.d;
    using model::DesignData;
    const struct {
        platform::TextBox& box;
        float DesignData::*value;
        const char* name;
    } stored[] = {{txt3, &DesignData::H3, "H3"},
                  {txt4, &DesignData::H4, "H4"},
                  {txt5, &DesignData::H1, "H1"},
                  {txt6, &DesignData::H2, "H2"},
                  {txt12, &DesignData::B_Toe, "つま先版の長さ"},
                  {txt16, &DesignData::B_Heel, "かかと版の長さ"},
                  {txt18, &DesignData::T_ToeTip, "つま先版先端の厚さ"},
                  {txt19, &DesignData::T_HeelTip, "かかと版先端の厚さ"},
                  {txt20, &DesignData::H_CenterSoil, "中央土の深さ"},
                  {txt21, &DesignData::q_Back, "背面の上載荷重"}};
    // These are stored before the checks; a number beyond the single range stops the command first.
    std::array<float, std::size(stored)> read{};
    for (std::size_t i = 0; i < read.size(); ++i) {
        auto v = model::readSingle(stored[i].box.text(), stored[i].name);
        if (!v) return fail(stored[i].box, v.fault().message);
        read[i] = *v;
    }
    for (std::size_t i = 0; i < read.size(); ++i)
        d.*stored[i].value = read[i];
    lbl33.setCaption(platform::numText(d.q_Back));

    const bool oneSided = prog_.Form23().opt1.value();
    constexpr const char* kSize = "寸法を入力してください。";
    struct Check {
        int box;
        const char* message;
        int focus;
    };
    static constexpr Check kEmpty[] = {
        {1, "§番号を入力してください。", 1},
        {2, "擁壁の記号を入力してください。", 2},
        {3, kSize, 3},
        {4, kSize, 4},
        {5, kSize, 5},
        {6, kSize, 6},
        {7, kSize, 7},
        {8, kSize, 8},
        {9, kSize, 9},
        {10, kSize, 10},
        {12, kSize, 12},
        {13, kSize, 13},
        {14, kSize, 14},
        {15, kSize, 15},
        {17, kSize, 17},
        {21, "上載荷重を入力してください。", 21},
        {22, "上載荷重を入力してください。", 22},
        {11, "主働土圧係数を計算又は入力してください。", 22},
    };
    for (const Check& c : kEmpty) {
        if ((c.box == 3 || c.box == 4) && !oneSided) continue;
        if (box(c.box).text().empty()) return fail(box(c.focus), c.message);
    }
    auto absent = [](const platform::TextBox& b) { return b.text().empty() || b.text() == "0"; };
    if (d.B_Heel != 0 || d.T_HeelTip != 0) {
        if (absent(txt16)) return fail(txt16, kSize);
        if (absent(txt19)) return fail(txt19, kSize);
    }
    if (d.B_Toe != 0 || d.T_ToeTip != 0) {
        if (absent(txt12)) return fail(txt12, kSize);
        if (absent(txt18)) return fail(txt18, kSize);
    }

    if (Frame2.visible() && !opt3.value() && !opt4.value()) {
        platform::errorMessage(kNoFrontSoilChoice);
        return;
    }
    auto& f3 = prog_.Form3();
    if (f3.opt3.value() && d.C_Base != 0) {
        auto& f14 = prog_.Form14();
        if (!f14.opt4.value() && !f14.opt5.value()) {
            platform::errorMessage(kNoEffectiveArea);
            f14.lbl1.setEnabled(true);
            f14.opt4.setEnabled(true);
            f14.opt5.setEnabled(true);
            f14.showModal();
            return;
        }
    }
    if (f3.opt4.value()) {
        // Without a seismic method the run would rest on the values of an earlier one.
        auto& f25 = prog_.Form25();
        if (!f25.opt_K1.value() && !f25.opt_K2.value() && !f25.opt_D1.value()) {
            platform::errorMessage(kNoSeismicMethod);
            f25.showModal();
            return;
        }
        auto& f21 = prog_.Form21();
        if (!f21.opt1.value() && !f21.opt2.value()) {
            platform::errorMessage("転倒に対する検討方法を選択してください。");
            f21.showModal();
            return;
        }
        if (!f21.opt5.value() && !f21.opt6.value()) {
            platform::errorMessage("滑動に対する検討方法を選択してください。");
            f21.showModal();
            return;
        }
        if (d.C_Base != 0 && !f21.opt7.value() && !f21.opt8.value()) {
            platform::errorMessage(kNoEffectiveArea);
            f21.lbl1.setEnabled(true);
            f21.opt7.setEnabled(true);
            f21.opt8.setEnabled(true);
            f21.showModal();
            return;
        }
    }
    if (opt6.value() && prog_.Form19().txt1.text().empty()) {
        platform::errorMessage("突起の計算をしてください。");
        keyGuides();
        openKeyDialog();
        return;
    }
    (void)GamenHyouji();
    cmd1.setFocus();
}

void Form4::keyGuides() {
    auto& f19 = prog_.Form19();
    const float b = prog_.d.B;
    f19.lbl1.setCaption(platform::format(b, "0.000"));
    f19.lbl2.setCaption(platform::format(0.1 * b, "0.000"));
    f19.lbl3.setCaption(platform::format(0.15 * b, "0.000"));
    f19.lbl4.setCaption(platform::format(platform::toSingle(b / 2.0 - b / 6.0), "0.000"));
    f19.lbl5.setCaption(platform::format(platform::toSingle(b / 2.0 + b / 6.0), "0.000"));
}

void Form4::openKeyDialog() {
    auto& f19 = prog_.Form19();
    f19.cls();
    Ouryoku();
    f19.showModal();
}

// "突起の計算": the engine again on the design values as last copied, the guides and the sketch.
void Form4::cmd5_Click() {
    // The recomputed pressures belong to the last copy, which may be stale: the results marker
    // stays as it was.
    const float marker = prog_.d.Sigma_max;
    if (auto s = DANMEM_1(); !s) {
        platform::errorMessage(s.fault().message);
        return;
    }
    prog_.d.Sigma_max = marker;
    keyGuides();
    openKeyDialog();
}

bool Form4::GamenHyouji() {
    auto& d = prog_.d;
    auto& f3 = prog_.Form3();
    auto& f23 = prog_.Form23();
    auto& mdi = prog_.MDIForm1();

    // The design conditions as their screen shows them: the seismic dialog and the screen's options
    // change them without "地盤の形状 >", which copies them otherwise.
    if (auto s = f3.HENSUU(); !s) {
        platform::errorMessage(s.fault().message);
        return false;
    }
    if (auto s = HENSUU(); !s) {
        platform::errorMessage(s.fault().message);
        return false;
    }
    if (auto s = DANMEM_1(); !s) {
        platform::errorMessage(s.fault().message);
        return false;
    }
    // The output buttons come back only with results to output.
    mdi.Toolbar1.setButtonEnabled(app::MDIForm1::kButtonImage, true);
    mdi.Toolbar1.setButtonEnabled(app::MDIForm1::kButtonPrint, true);
    if (!mdi.fileName.empty()) mdi.Toolbar1.setButtonEnabled(app::MDIForm1::kButtonOverwrite, true);
    if (prog_.Form7().lbl6.caption().empty())
        mdi.Toolbar1.setButtonEnabled(app::MDIForm1::kButtonOverwrite, false);

    const bool oneSided = f23.opt1.value();
    const bool normal = f3.opt3.value();
    const bool seismic = f3.opt4.value();
    const Row eccRow{{&lbl71, &lbl72, &lbl73}, &lbl71, &lbl72, &lbl73};
    const Row overRow{{&lbl52, &lbl53, &lbl54}, &lbl52, &lbl53, &lbl54};
    const Row slideRow{{&lbl64, &lbl65, &lbl66}, &lbl64, &lbl65, &lbl66};
    const Row noKeyRow{{&lbl68, &lbl69, &lbl70}, &lbl68, &lbl69, &lbl70};
    const float absE = std::fabs(d.e);

    if (oneSided) {
        struct Limits {
            float ecc;
            const char* eccText;
            float over;
            const char* overText;
        };
        std::optional<Limits> lim;
        auto& f21 = prog_.Form21;
        if (normal)
            lim = Limits{platform::toSingle(d.B / 6.0), "B/6", 1.5f, "1.5"};
        else if (seismic && f21().opt1.value())
            lim = Limits{platform::toSingle(d.B / 2.0), "B/2", 1.0f, "1.0"};
        else if (seismic && f21().opt2.value())
            lim = Limits{platform::toSingle(d.B / 3.0), "B/3", 1.2f, "1.2"};
        if (lim) {
            const bool eccPass = absE <= lim->ecc;
            writeRow(eccRow, eccPass, "e(m)=", absE, eccentricityText(eccPass, lim->eccText), !eccPass);
            const bool overPass = d.F_Overturn >= lim->over;
            writeRow(overRow, overPass, "F =", d.F_Overturn, limitText(overPass, lim->overText, false),
                     !overPass);
        }
    }

    const bool bearingPass = d.Sigma_max <= d.Fe;
    for (auto* l : {&lbl56, &lbl57, &lbl58, &lbl59, &lbl60, &lbl61, &lbl62})
        l->setForeColor(bearingPass ? kBlack : kLightMagenta);
    lbl56.setCaption("σmax=");
    lbl57.setCaption(platform::format(d.Sigma_max, "0.000"));
    lbl58.setCaption("kN/m2");
    lbl59.setCaption(bearingPass ? "<" : ">");
    lbl60.setCaption(platform::format(d.Fe, "0.0"));
    lbl61.setCaption("kN/m2");
    lbl62.setCaption(bearingPass ? "∴O.K" : "∴NG");

    if (oneSided) {
        // The sliding limit of the load case; none in the seismic case without a choice.
        auto slideLimit = [&]() -> std::optional<std::pair<float, const char*>> {
            if (normal) return std::pair{1.5f, "1.5"};
            if (seismic && prog_.Form21().opt5.value()) return std::pair{1.0f, "1.0"};
            if (seismic && prog_.Form21().opt6.value()) return std::pair{1.2f, "1.2"};
            return std::nullopt;
        };
        if (auto lim = slideLimit()) {
            const bool pass = d.F_Slide >= lim->first;
            bool beep = !pass;
            std::string text = limitText(pass, lim->second, true);
            // With a key chosen the failing text waits for the key's own verdict below.
            if (normal && !pass && !opt5.value()) {
                text = lbl66.caption();
                beep = false;
            }
            if (seismic && lim->first == 1.2f && !pass) beep = d.H_CenterSoil == 0 && d.F_Slide >= 1.0f;
            writeRow(slideRow, pass, "F =", d.F_Slide, text, beep);
        }

        if (opt6.value() && prog_.Form19().txt1.text().empty()) {
            platform::errorMessage("突起の計算をしてください。");
            keyGuides();
            openKeyDialog();
            return false;
        }
        if (opt6.value()) {
            if (f3.opt_T.value()) {
                const bool pass = d.F_Slide >= 1.0f;
                writeRow(noKeyRow, pass, "F =", d.F_Slide, limitText(pass, "1.0", true), !pass);
                for (auto* l : {&lbl67, &lbl68, &lbl69, &lbl70})
                    l->setVisible(true);
            }
            if (auto lim = slideLimit()) {
                const bool pass = d.F_SlideKey >= lim->first;
                writeRow(slideRow, pass, "F =", d.F_SlideKey, limitText(pass, lim->second, true), !pass);
            }
        }
        for (auto* l : {&lbl52, &lbl53, &lbl54, &lbl64, &lbl65, &lbl66, &lbl71, &lbl72, &lbl73})
            l->setVisible(true);
    }
    for (auto* l : {&lbl56, &lbl57, &lbl58, &lbl59, &lbl60, &lbl61, &lbl62})
        l->setVisible(true);
    cls();
    if (f23.opt2.value()) symmetricNotes();
    return true;
}

// The contact pressure under the base, schematic: a trapezoid while the resultant stays in the
// middle third, else a triangle, its largest ordinate at the end the resultant leans to.
void Form4::Ouryoku() {
    const auto& d = prog_.d;
    auto& s = prog_.Form19().surface();
    // A zero base width (nothing copied yet) draws the centred trapezoid.
    const float r = d.B != 0 ? platform::toSingle(std::fabs(d.e) / static_cast<double>(d.B)) : 0.0f;
    const bool trapezoid = r < platform::toSingle(1.0 / 6.0);
    const bool front = d.e >= 0;
    auto text = [&s](double x, double y, const char* t) {
        s.setCurrentX(x);
        s.setCurrentY(y);
        s.print({t});
    };
    if (trapezoid) {
        const int f = front ? 4000 : 3700, b = front ? 3700 : 4000;
        s.line(1560, 3420, 1560, f);
        s.line(3600, 3420, 3600, b);
        s.line(1560, f, 3600, b);
        s.line(2160, 3420, 2160, front ? 3930 : 3800);
        s.line(2580, 3420, 2580, front ? 3870 : 3860);
        text(front ? 1000 : 3650, 3600, "σmax");
        text(front ? 3650 : 1000, 3500, "σmin");
        text(1860, front ? 3600 : 3500, "σ1");
        text(2630, 3550, "σ2");
        s.line(1560, 4500, 3600, 4500);
        text(1800, 4300, "L1");
        text(3000, 4300, "L2");
    } else if (front) {
        s.line(1560, 3420, 1560, 3800);
        s.line(1560, 3800, 3400, 3420);
        s.line(2160, 3420, 2160, 3670);
        s.line(2580, 3420, 2580, 3600);
        text(1000, 3500, "σmax");
        text(1860, 3500, "σ1");
        text(2630, 3550, "σ2");
        s.line(1560, 4500, 3400, 4500);
        s.line(3400, 4500, 3400, 4140);
        text(1800, 4300, "L1");
        text(2900, 4300, "L2");
    } else {
        s.line(3600, 3420, 3600, 3800);
        s.line(1760, 3420, 3600, 3800);
        s.line(2160, 3420, 2160, 3500);
        s.line(2580, 3420, 2580, 3600);
        text(3650, 3500, "σmax");
        text(1860, 3500, "σ1");
        text(2630, 3430, "σ2");
        s.line(1760, 4500, 3600, 4500);
        s.line(1760, 4500, 1760, 4140);
        text(1900, 4300, "L1");
        text(3000, 4300, "L2");
    }
}

} // namespace stability
