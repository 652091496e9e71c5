#pragma once

// A project taken through the screens to a passed stress check, the user's ways forward from an edit,
// and the results a fresh program shows for the same project once saved and opened again.

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/program.h"
#include "app/project_file.h"
#include "platform/runtime.h"
#include "platform/surface.h"
#include "report/output/page_chain.h"
#include "sections/bar_table.h"
#include "stability/stability_fixture.h"
#include "support/recording_services.h"

namespace checked_project {

enum class Base {
    Normal,         // the typical wall: heel and toe, no shear key, normal case, KA typed
    NormalWithKey,  // the same with a shear key of 0.3 × 1.0 × 0.3
    SeismicWithKey, // with the key, seismic method ② (Kh 0.2), both surcharge inertias counted
};

inline const char* name(Base b) {
    return b == Base::Normal ? "normal" : b == Base::NormalWithKey ? "normal with key" : "seismic with key";
}

// The dialogs answered as the user of these tests does: the method and its coefficients, the stability
// methods with the surcharge's inertia at 1.5 m, the shear key 0.3 × 1.0 × 0.3; the cover dialog keeps
// what it holds.
inline void answerDialog(app::Program& p, platform::Form& f) {
    {
        if (&f == p.Form25.get()) {
            auto& d = p.Form25();
            d.opt_K2.click();
            d.Text1.setText("0.2");
            d.Text2.setText("0");
            d.cmd1.click();
        } else if (&f == p.Form21.get()) {
            auto& d = p.Form21();
            d.opt1.click();
            d.opt5.click();
            if (d.chk1.enabled() && d.chk1.value() == 0) d.chk1.click();
            if (d.txt1.text().empty()) d.txt1.setText("1.5");
            d.cmd1.click();
        } else if (&f == p.Form14.get()) {
            auto& d = p.Form14();
            if (d.opt4.enabled()) d.opt5.click();
            d.cmd1.click();
        } else if (&f == p.Form19.get()) {
            auto& d = p.Form19();
            if (d.txt1.text().empty())
                stability_test::type({{&d.txt1, "0.3"}, {&d.txt2, "1.0"}, {&d.txt3, "0.3"}});
            d.cmd1.click();
        } else if (&f == p.Form22.get()) {
            p.Form22().cmd1.click();
        } else {
            f.hide();
        }
    }
}

inline void answerDialogs(app::Program& p, testing_support::RecordingServices& s) {
    s.onModal = [&p](platform::Form& f) { answerDialog(p, f); };
}

// The user's ways of changing a box. The caret and selection are the user's: a box reached by Tab
// holds its whole text selected.
inline void typeOver(platform::EditBox& box, const char* text) {
    box.setFocus();
    box.selectAll();
    box.type(text);
}

inline void backspaceAtEnd(platform::EditBox& box) {
    box.setFocus();
    box.setSelStart(platform::charCount(box.text()));
    box.type("\b");
}

// Delete (the key or the context menu's item) at the caret, taking one character.
inline void deleteAt(platform::EditBox& box, int at) {
    box.setFocus();
    box.userEdit(platform::charSlice(box.text(), 0, at) + platform::charSlice(box.text(), at + 1), at);
}

inline void cutAll(platform::EditBox& box) {
    box.setFocus();
    box.selectAll();
    box.userEdit("", 0);
}

inline void pasteOver(platform::EditBox& box, const std::string& text) {
    box.setFocus();
    box.selectAll();
    box.userEdit(text, platform::charCount(text));
}

inline std::size_t messagesSince(const testing_support::RecordingServices& s, std::size_t mark) {
    return s.messages.size() - mark;
}

// Every shown row without a bar gets "  D16", and every shown row without a design spacing the
// calculated one, at most 250 mm (250 mm where none is shown).
inline void fillRows(app::Program& p) {
    auto& f7 = p.Form7();
    for (std::size_t k = 0; k < 8; ++k) {
        auto* list = f7.barLists()[k];
        if (!list->visible()) continue;
        if (list->listIndex() < 0) list->choose(4);
        auto* box = f7.spacingBoxes()[k];
        const std::string calculated = f7.spacingLabels()[k]->caption();
        if (box->text().empty())
            box->setText(platform::numText(
                calculated.empty() ? 250.0f : std::min(platform::valSingle(calculated), 250.0f)));
    }
}

// "応力度計算"; true when it passed.
inline bool check(app::Program& p, testing_support::RecordingServices& s) {
    const std::size_t mark = s.messages.size();
    p.Form7().cmd1.click();
    return messagesSince(s, mark) == 0 && p.d.SectCheck_Done == 1;
}

// From the screen in view on to the section screen: "地盤の形状 >" and "寸法の入力 >" when the
// design conditions are in view, "< 寸法の変更" from the section screen when the stability check is to
// run again, "安定性の検討" when asked, then "断面計算 >".
inline void forward(app::Program& p, bool rerun) {
    if (p.Form7().visible() && !rerun) return;
    if (p.Form7().visible()) p.Form7().cmd3.click();
    if (!p.Form4().visible()) {
        p.Form3().cmd3.click();
        if (!p.Form23().visible()) return;
        p.Form23().cmd1.click();
    }
    if (rerun) {
        p.Form4().cmd3.click();
        // A dialog that asked for a missing choice has been answered: the check again.
        if (!p.Form4().lbl62.visible()) p.Form4().cmd3.click();
    }
    p.Form4().cmd1.click();
}

// The project of `base` typed into the screens and taken to a passed stress check.
inline void build(app::Program& p, testing_support::RecordingServices& s, Base base) {
    answerDialogs(p, s);
    p.MDIForm1().show();
    p.MDIForm1().FileNew();
    stability_test::typicalWall(p);
    auto& f3 = p.Form3();
    f3.txt1.setText("site");
    f3.cbo1.setText("砂質土");
    f3.cbo2.setText("砂質土");
    if (base == Base::SeismicWithKey) {
        f3.opt4.click();
        f3.txt13.setText("300");
        f3.cmd4.click();
        ASSERT_TRUE(p.Form25().opt_K2.value());
    }
    f3.cmd3.click();
    ASSERT_TRUE(p.Form23().visible()) << s.lastMessage().text;
    p.Form23().opt1.click();
    p.Form23().cmd1.click();
    auto& f4 = p.Form4();
    if (base != Base::SeismicWithKey) {
        f4.cmd6.click(); // "直接入力": the coefficient as typed
    } else {
        f4.cmd7.click();
        f4.cmd4.click(); // the stability methods, with the surcharge's inertia
    }
    if (base != Base::Normal) {
        f4.opt6.click();
        auto& key = p.Form19();
        stability_test::type({{&key.txt1, "0.3"}, {&key.txt2, "1.0"}, {&key.txt3, "0.3"}});
    }
    const std::size_t mark = s.messages.size();
    f4.cmd3.click();
    ASSERT_TRUE(f4.lbl62.visible()) << s.lastMessage().text;
    f4.cmd1.click();
    auto& f7 = p.Form7();
    ASSERT_TRUE(f7.visible()) << s.lastMessage().text;
    if (base == Base::SeismicWithKey) {
        f7.chk_1.click();
        f7.txt_1.setText("2");
    }
    fillRows(p);
    ASSERT_TRUE(check(p, s)) << s.lastMessage().text;
    ASSERT_EQ(messagesSince(s, mark), 0u) << s.lastMessage().text;
    s.messages.clear();
}

inline std::string colourOf(const platform::Control& c) {
    const platform::Color k = c.foreColor();
    char buf[16];
    std::snprintf(buf, sizeof buf, " #%02x%02x%02x", k.r, k.g, k.b);
    return buf;
}

// What the screens show as results: the dimensions screen's verdict labels in view; for each member
// that exists its calculated spacing and its four results, with the bar and the design spacing shown
// beside them; the section coefficient when computed. Empty texts are results voided and are left out.
inline std::map<std::string, std::string> shownResults(app::Program& p) {
    std::map<std::string, std::string> r;
    for (platform::Label* l : p.Form4().verdictLabels())
        if (l->visible() && !l->caption().empty()) r["Form4." + l->name()] = l->caption() + colourOf(*l);
    auto& f7 = p.Form7();
    const bool exists[] = {true, true, true, true, true, p.d.B_Heel != 0, p.d.B_Toe != 0, p.d.H0_Key != 0};
    for (int k = 0; k < 8; ++k) {
        if (!exists[k]) continue;
        const auto i = static_cast<std::size_t>(k);
        const auto* spacing = f7.spacingLabels()[i];
        bool any = false;
        if (!spacing->caption().empty()) r["Form7." + spacing->name()] = spacing->caption(), any = true;
        for (const auto* l : f7.resultLabels(k))
            if (!l->caption().empty()) r["Form7." + l->name()] = l->caption() + colourOf(*l), any = true;
        if (!any) continue;
        r["Form7." + f7.barLists()[i]->name()] = f7.barLists()[i]->text();
        r["Form7." + f7.spacingBoxes()[i]->name()] = f7.spacingBoxes()[i]->text();
    }
    if (f7.opt2.value() && !f7.txt_ka.text().empty()) r["Form7.txt_ka"] = f7.txt_ka.text();
    return r;
}

// Results beside a bar list with no choice belong to no bar shown.
inline void expectNoResultsWithoutABar(app::Program& p, const char* which) {
    auto& f7 = p.Form7();
    for (int k = 0; k < 8; ++k) {
        const auto i = static_cast<std::size_t>(k);
        bool any = !f7.spacingLabels()[i]->caption().empty();
        for (const auto* l : f7.resultLabels(k))
            any = any || !l->caption().empty();
        EXPECT_FALSE(any && f7.barLists()[i]->listIndex() < 0)
            << which << ": results beside " << f7.barLists()[i]->name() << " \"" << f7.barLists()[i]->text()
            << "\", which holds no bar";
    }
}

// The texts of the nine report pages as their writers draw them. The file keeps no section coefficient
// and Open computes it: without a coefficient computed on the screen, page 5 is taken up to the rear
// wall's angle, after which the coefficient closes the page.
inline std::vector<std::string> reportTexts(app::Program& p, bool coefficient) {
    std::vector<std::string> out;
    for (int page = 1; page <= 9; ++page) {
        platform::RecordingSurface surface;
        p.Pri_Obj = &surface;
        const auto written = report::runSteps(report::pageWriters(p, page));
        p.Pri_Obj = nullptr;
        out.push_back("page " + std::to_string(page) + (written ? "" : ": " + written.fault().message));
        for (const auto& op : surface.page())
            if (const auto* t = std::get_if<platform::TextOp>(&op)) {
                out.push_back(t->text);
                const std::string_view text = t->text;
                const auto start = text.find_first_not_of(' ');
                if (page == 5 && !coefficient && start != text.npos &&
                    text.substr(start).starts_with("後壁背面と鉛直面とのなす角度"))
                    break;
            }
    }
    return out;
}

inline bool coefficientComputed(app::Program& p) {
    return p.Form7().opt2.value() && !p.Form7().txt_ka.text().empty();
}

struct Reopened {
    std::map<std::string, std::string> results;
    bool checked = false;            // the opened project's member checks all ran
    std::vector<std::string> report; // when checked
};

// Saves the project as it stands and opens it in a fresh program.
inline Reopened reopen(app::Program& p, testing_support::RecordingServices& s) {
    static int counter = 0;
    const auto path =
        std::filesystem::temp_directory_path() /
        ("tarvelo-reopen-" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".tvl");
    Reopened out;
    if (auto saved = app::saveProject(p, path.string()); !saved) {
        ADD_FAILURE() << saved.fault().message;
        return out;
    }
    auto modal = s.onModal;
    const std::size_t mark = s.messages.size();
    // The fresh program's dialogs are only looked at and closed.
    s.onModal = [](platform::Form& f) { f.hide(); };
    {
        app::Program fresh;
        fresh.MDIForm1().show();
        s.openPaths.push_back(path.string());
        fresh.MDIForm1().FileOpen();
        out.results = shownResults(fresh);
        expectNoResultsWithoutABar(fresh, "the project opened afresh");
        out.checked = fresh.d.SectCheck_Done == 1;
        if (out.checked) out.report = reportTexts(fresh, coefficientComputed(p));
    }
    s.messages.resize(mark);
    s.onModal = modal;
    std::filesystem::remove(path);
    return out;
}

// Each result on the screens is what a fresh program shows for the saved project; after a passed
// check both show the same results, none missing, and print the same report.
inline void expectResultsOfTheInputs(app::Program& p, testing_support::RecordingServices& s, bool passed) {
    const auto shown = shownResults(p);
    expectNoResultsWithoutABar(p, "the screens");
    const Reopened again = reopen(p, s);
    for (const auto& [key, value] : shown) {
        auto it = again.results.find(key);
        EXPECT_TRUE(it != again.results.end() && it->second == value)
            << key << " shows \"" << value << "\", the project opened afresh "
            << (it == again.results.end() ? std::string("none") : "\"" + it->second + "\"");
    }
    if (!passed) return;
    EXPECT_TRUE(again.checked) << "the stress check passed, the project opened afresh is not checked";
    if (again.checked) {
        const auto report = reportTexts(p, coefficientComputed(p));
        const auto differ =
            std::mismatch(report.begin(), report.end(), again.report.begin(), again.report.end());
        EXPECT_TRUE(differ.first == report.end() && differ.second == again.report.end())
            << "the report prints \"" << (differ.first == report.end() ? "" : *differ.first)
            << "\", the project opened afresh \""
            << (differ.second == again.report.end() ? "" : *differ.second) << "\"";
    }
    // Open computes the section coefficient whether or not it was shown: the file does not keep it.
    for (const auto& [key, value] : again.results)
        EXPECT_TRUE(shown.count(key) || key == "Form7.txt_ka")
            << key << " is \"" << value << "\" in the project opened afresh only";
}

} // namespace checked_project
