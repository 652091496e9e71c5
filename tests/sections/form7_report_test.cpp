#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "sections/sections_fixture.h"

namespace {

using stability_test::Method;

struct Case {
    const char* name;
    bool seismic;
    Method method;
    int inertia;         // Form7.chk_1
    const char* spacing; // every member's design spacing
    const char* marker;  // a line the wall pages print in this case
};

// The coloured texts of a page, and whether a line with `text` was drawn.
std::vector<std::string> coloured(const platform::Page& page) {
    std::vector<std::string> out;
    for (const auto& op : page)
        if (const auto* t = std::get_if<platform::TextOp>(&op); t && t->color == platform::kLightMagenta)
            out.push_back(t->text);
    return out;
}

bool drawn(const platform::Page& page, const std::string& text) {
    for (const auto& op : page)
        if (const auto* t = std::get_if<platform::TextOp>(&op); t && t->text.find(text) != std::string::npos)
            return true;
    return false;
}

// The typical wall with a key: the section screen checks every member at one spacing, then the member
// pages are drawn through Form7's operations. Each page's verdicts are the screen's: a stress the screen
// shows in light magenta is drawn so, with one beep, and the printed stress is the one on the screen.
TEST(Form7Report, MemberPagesCarryTheScreensVerdicts) {
    const std::vector<Case> cases{
        {"normal", false, Method::K1, 0, "200", "                  M=PAX･n＋△PAX･n={"},
        {"normal, wide spacing", false, Method::K1, 0, "1000", "                  M=PAX･n＋△PAX･n={"},
        {"K1", true, Method::K1, 0, "250", "                  M=PAX･n＋△PAX･n={"},
        {"K2", true, Method::K2, 0, "250", "                 たて壁重量 W="},
        {"D1 with surcharge inertia", true, Method::D1, 1, "900", "                 たて壁重量 W1="},
    };
    int failing = 0, passing = 0;
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        testing_support::RecordingServices services;
        app::Program prog;
        sections_test::typicalWallWithKey(prog);
        prog.Form3().txt13.setText("300"); // σsa, short term
        if (k.seismic) stability_test::seismic(prog, k.method, "0.2");
        ASSERT_TRUE(stability_test::run(prog));
        auto& f7 = prog.Form7();
        f7.chk_1.setValue(k.inertia);
        f7.txt_1.setText("3.5");
        sections_test::checkMembers(
            prog, [](std::size_t) { return 4; }, // D16
            [&](std::size_t) { return std::string(k.spacing); });
        ASSERT_TRUE(services.messages.empty()) << services.lastMessage().text;

        using Op = void (sections::Form7::*)(platform::Surface&);
        const std::vector<Op> writers{&sections::Form7::HAIKIN_A, &sections::Form7::HAIKIN_B,
                                      &sections::Form7::HAIKIN_E, &sections::Form7::HAIKIN_F,
                                      &sections::Form7::HAIKIN_G, &sections::Form7::HAIKIN_H,
                                      &sections::Form7::HAIKIN_I, &sections::Form7::HAIKIN_J};
        for (std::size_t i = 0; i < writers.size(); ++i) {
            SCOPED_TRACE(i);
            platform::RecordingSurface page;
            page.setFontSize(11);
            const int before = services.beeps;
            (f7.*writers[i])(page);
            const auto labels = f7.resultLabels(static_cast<int>(i));
            const char* headings[] = {"・コンクリートの曲げ圧縮応力度", "・鉄筋の引張応力度",
                                      "・コンクリートのせん断応力度"};
            int over = 0;
            const auto red = coloured(page.page());
            for (std::size_t c = 0; c < (i == 2 ? 2u : 3u); ++c) {
                const bool screenOver = labels[c]->foreColor() == platform::kLightMagenta;
                bool pageOver = false;
                for (const auto& t : red)
                    pageOver = pageOver || t.find(headings[c]) != std::string::npos;
                EXPECT_EQ(pageOver, screenOver) << c;
                over += screenOver;
                EXPECT_TRUE(drawn(page.page(), ")=" + labels[c]->caption() + "N/mm2"))
                    << labels[c]->caption();
            }
            EXPECT_EQ(services.beeps - before, over);
            EXPECT_EQ(page.foreColor(), platform::kBlack);
            (over ? failing : passing)++;
            if (i < 2) {
                EXPECT_TRUE(drawn(page.page(), k.marker));
            }
        }
    }
    EXPECT_GT(failing, 0);
    EXPECT_GT(passing, 0);
}

} // namespace

namespace {

// Page 5 prints the section coefficient while the coefficient box shows it; once an edit voided the
// section design, box and all, the value kept belongs to other inputs and is not printed.
TEST(Form7Report, TheSectionCoefficientIsPrintedOnlyWhileItsBoxShowsIt) {
    testing_support::RecordingServices services;
    app::Program prog;
    ASSERT_NO_FATAL_FAILURE(sections_test::typicalWallLoads(prog));
    auto& f7 = prog.Form7();
    f7.cmd5.click(); // "計算する"
    ASSERT_FALSE(f7.txt_ka.text().empty());
    const std::string ka = "=" + f7.txt_ka.text();
    platform::RecordingSurface shown;
    ASSERT_TRUE(f7.HAIKIN(shown));
    EXPECT_TRUE(drawn(shown.page(), ka));
    f7.Hihyouji_3();
    ASSERT_TRUE(f7.opt2.value()); // the mark stays
    platform::RecordingSurface voided;
    ASSERT_TRUE(f7.HAIKIN(voided));
    EXPECT_FALSE(drawn(voided.page(), "主働土圧係数"));
    EXPECT_FALSE(drawn(voided.page(), ka));
}

} // namespace
