#include "report/output/page_chain.h"

#include <type_traits>
#include <utility>

#include "app/program.h"
#include "model/calc.h"
#include "platform/runtime.h"
#include "platform/services.h"
#include "report/output/preview_page.h"

namespace report {
namespace {

std::function<void(const std::string&)>& stepObserver() {
    static std::function<void(const std::string&)> observer;
    return observer;
}

template <class F> PageStep step(std::string name, F run) {
    return {std::move(name), std::move(run)};
}

// A writer draws on the output object, which the preview or printing has set before. A number that
// overflows in the page's own arithmetic (from huge but finite stored values) reaches the formats or the
// surface as infinity, and the page is refused as a whole, with what its writer stored undone.
template <class Draw> PageStep writer(app::Program& p, std::string name, Draw draw) {
    return {std::move(name), [&p, draw]() -> platform::Status {
                if (!p.Pri_Obj) return platform::Fault{"印刷先がありません。"};
                const model::DesignData before = p.d;
                platform::FiniteCheck check;
                platform::Status done;
                if constexpr (std::is_void_v<decltype(draw(p, *p.Pri_Obj))>)
                    draw(p, *p.Pri_Obj);
                else
                    done = draw(p, *p.Pri_Obj);
                if (done && check.failed())
                    done = platform::Fault{"計算書を作成できません（" + check.what() + "が大きすぎます）。",
                                           model::CalcFault::TooLarge};
                if (!done) p.d = before;
                return done;
            }};
}

PageStep memberWriter(app::Program& p, MemberReport m) {
    switch (m) {
    case MemberReport::G:
        return writer(p, "Form7.HAIKIN_G",
                      [](app::Program& p, platform::Surface& s) { p.Form7().HAIKIN_G(s); });
    case MemberReport::H:
        return writer(p, "Form7.HAIKIN_H",
                      [](app::Program& p, platform::Surface& s) { p.Form7().HAIKIN_H(s); });
    case MemberReport::I:
        return writer(p, "Form7.HAIKIN_I",
                      [](app::Program& p, platform::Surface& s) { p.Form7().HAIKIN_I(s); });
    case MemberReport::J:
        break;
    }
    return writer(p, "Form7.HAIKIN_J", [](app::Program& p, platform::Surface& s) { p.Form7().HAIKIN_J(s); });
}

PageSteps memberWriters(app::Program& p, const std::vector<MemberReport>& members) {
    PageSteps steps;
    for (MemberReport m : members)
        steps.push_back(memberWriter(p, m));
    return steps;
}

} // namespace

void setStepObserver(std::function<void(const std::string&)> observer) {
    stepObserver() = std::move(observer);
}

platform::Status runSteps(const PageSteps& steps) {
    for (const PageStep& s : steps) {
        if (stepObserver()) stepObserver()(s.name);
        if (auto r = s.run(); !r) return r;
    }
    return {};
}

OptionalMembers optionalMembers(const model::DesignData& d) {
    return {d.B_Heel != 0, d.B_Toe != 0, d.H0_Key != 0};
}

std::vector<MemberReport> page8Members(OptionalMembers m) {
    std::vector<MemberReport> out{MemberReport::G};
    if (m.heel)
        out.push_back(MemberReport::H);
    else if (m.toe)
        out.push_back(MemberReport::I);
    else if (m.key)
        out.push_back(MemberReport::J);
    return out;
}

std::vector<MemberReport> page9Members(OptionalMembers m) {
    if (m.count() < 2) return {};
    if (m.toe && !m.key) return {MemberReport::I};
    if (!m.toe && m.key) return {MemberReport::J};
    if (m.heel) return {MemberReport::I, MemberReport::J};
    return {MemberReport::J};
}

PageStep stepForm4HENSUU(app::Program& p) {
    return step("Form4.HENSUU", [&p] { return p.Form4().HENSUU(); });
}
PageStep stepForm4DANMEM_1(app::Program& p) {
    return step("Form4.DANMEM_1", [&p] { return p.Form4().DANMEM_1(); });
}
PageStep stepForm3HENSUU(app::Program& p) {
    return step("Form3.HENSUU", [&p] { return p.Form3().HENSUU(); });
}

PageSteps pageWriters(app::Program& p, int page) {
    switch (page) {
    case 1:
        return {writer(p, "Form3.Ippan", [](app::Program& p, platform::Surface& s) { p.Form3().Ippan(s); })};
    case 2:
        return {
            writer(p, "Form4.KEIJYOU", [](app::Program& p, platform::Surface& s) { p.Form4().KEIJYOU(s); }),
            writer(p, "Form4.JIJYUU", [](app::Program& p, platform::Surface& s) { p.Form4().JIJYUU(s); })};
    case 3:
        return {
            writer(p, "Form4.Doatu", [](app::Program& p, platform::Surface& s) { p.Form4().Doatu(s); }),
            writer(p, "Form4.Doatu2", [](app::Program& p, platform::Surface& s) { p.Form4().Doatu2(s); })};
    case 4:
        return {
            writer(p, "Form4.KENTOU", [](app::Program& p, platform::Surface& s) { p.Form4().KENTOU(s); })};
    case 5:
        return {writer(p, "Form7.HAIKIN",
                       [](app::Program& p, platform::Surface& s) { return p.Form7().HAIKIN(s); })};
    case 6:
        return {
            writer(p, "Form7.HAIKIN_A", [](app::Program& p, platform::Surface& s) { p.Form7().HAIKIN_A(s); }),
            writer(p, "Form7.HAIKIN_B",
                   [](app::Program& p, platform::Surface& s) { p.Form7().HAIKIN_B(s); })};
    case 7:
        return {
            writer(p, "Form7.HAIKIN_E", [](app::Program& p, platform::Surface& s) { p.Form7().HAIKIN_E(s); }),
            writer(p, "Form7.HAIKIN_F",
                   [](app::Program& p, platform::Surface& s) { p.Form7().HAIKIN_F(s); })};
    case 8:
        return memberWriters(p, page8Members(optionalMembers(p.d)));
    case 9:
        return memberWriters(p, page9Members(optionalMembers(p.d)));
    default:
        return {};
    }
}

void turnTo(app::Program& p, PreviewPage* from, int page, const PageSteps& before) {
    PreviewPage& target = previewPage(p, page);
    p.Pri_Obj = &target.Picture2.surface();
    if (from && from != &target) from->hide();
    target.move(0, 0);
    target.show();
    target.Picture2.cls();
    platform::Status done = runSteps(before);
    if (done) done = runSteps(pageWriters(p, page));
    if (!done) {
        // A half-drawn page would pass for the report.
        target.Picture2.cls();
        platform::errorMessage(done.fault().message);
    }
}

// The page turns. Each names its own neighbour and what must be recomputed first.
void PreviewPage::Men_Nex_Click() {
    auto& p = prog_;
    switch (page_) {
    case 1:
        turnTo(p, this, 2, {stepForm4DANMEM_1(p)});
        break;
    case 3:
        p.Form7().hide();
        p.Form2().hide();
        turnTo(p, this, 4, {stepForm4DANMEM_1(p)});
        break;
    case 4:
        if (p.Form7().txt2.text().empty()) {
            platform::errorMessage("断面の計算をしてください。");
            return;
        }
        p.Form7().hide();
        p.Form2().hide();
        turnTo(p, this, 5, {});
        break;
    case 7:
        // Page 9 exists only with two or more optional members; the item stays off until the
        // preview closes.
        if (optionalMembers(p.d).count() <= 1) p.Form17().Men_Nex.setEnabled(false);
        turnTo(p, this, 8, {});
        break;
    case 9:
        break;
    default:
        turnTo(p, this, page_ + 1, {});
        break;
    }
}

void PreviewPage::Men_Pre_Click() {
    auto& p = prog_;
    switch (page_) {
    case 1:
        break;
    case 2:
        turnTo(p, this, 1, {stepForm3HENSUU(p)});
        break;
    case 5:
        turnTo(p, this, 4, {stepForm4DANMEM_1(p)});
        break;
    default:
        turnTo(p, this, page_ - 1, {});
        break;
    }
}

} // namespace report
