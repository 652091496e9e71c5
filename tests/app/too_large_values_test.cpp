#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "app/program.h"
#include "report/output/preview_page.h"
#include "support/recording_services.h"

namespace fs = std::filesystem;

namespace {

const std::string kTypical = std::string(TARVELO_SOURCE_DIR) + "/tests/app/fixtures/typical.tvl";

// The typical project opened through the file menu, with its verdicts on the screens.
void openTypical(app::Program& prog, testing_support::RecordingServices& services) {
    prog.MDIForm1().show();
    services.openPaths.push_back(kTypical);
    prog.MDIForm1().Men_FOpn.click();
    ASSERT_TRUE(services.messages.empty()) << services.lastMessage().text;
    ASSERT_EQ(prog.d.SectCheck_Done, 1);
}

// Every text and caption of the screens that show inputs and results.
std::map<std::string, std::string> screens(app::Program& prog) {
    std::map<std::string, std::string> out;
    for (platform::Form* f :
         std::initializer_list<platform::Form*>{&prog.Form3(), &prog.Form4(), &prog.Form7()})
        for (platform::Control* c : f->controls()) {
            const std::string key = f->name() + "." + c->name();
            if (auto* box = dynamic_cast<platform::EditBox*>(c)) out[key] = box->text();
            if (auto* label = dynamic_cast<platform::Label*>(c)) out[key] = label->caption();
        }
    return out;
}

// The typical project with one line replaced, in a file of the test's own.
std::string projectWithLine(int line, const std::string& text) {
    std::ifstream in(kTypical, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::size_t at = 0;
    for (int n = 1; n < line; ++n)
        at = bytes.find("\r\n", at) + 2;
    bytes.replace(at, bytes.find("\r\n", at) - at, text);
    const fs::path p =
        fs::temp_directory_path() / ("tarvelo-too-large-" + std::to_string(::getpid()) + ".tvl");
    std::ofstream(p, std::ios::binary) << bytes;
    return p.string();
}

void retype(platform::TextBox& box, const char* text) {
    box.setFocus();
    box.selectAll();
    box.type(text);
}

// "断面計算 >" from the dimensions screen.
void toSections(app::Program& p) {
    p.Form4().show();
    p.Form4().cmd1.click();
}

// A number that single precision cannot hold, typed, read from a file or computed on a report page, is
// a fault of the command that meets it: one message naming it as too large, and the design values, the
// screens and the report canvas as they were before the command.
TEST(TooLargeValues, TheCommandThatMeetsOneStopsWithAMessageAndChangesNothing) {
    using P = app::Program;
    using Services = testing_support::RecordingServices;
    const std::string file = projectWithLine(29, "1e39");
    struct Case {
        const char* what;
        std::function<void(P&)> before; // the user's inputs up to the command
        std::function<void(P&, Services&)> command;
        std::string message;
        std::string typedInto = {};                       // a box the command itself types into
        std::function<platform::TextBox&(P&)> focus = {}; // where the message sends the user
        int page = 0;                                     // a report page that must stay empty
    };
    const Case cases[] = {
        {"the surcharge box left on a two-sided wall",
         [](P& p) {
             p.Form23().opt2.click();
             retype(p.Form4().txt21, "1e39");
         },
         [](P& p, Services&) { p.Form4().txt22.setFocus(); }, "背面の上載荷重 の値が大きすぎます。"},
        {"a height at 安定性の検討",
         [](P& p) {
             p.Form4().show();
             retype(p.Form4().txt5, "1e39");
         },
         [](P& p, Services&) { p.Form4().cmd3.click(); },
         "H1 の値が大きすぎます。",
         {},
         [](P& p) -> platform::TextBox& { return p.Form4().txt5; }},
        {"a cover in the cover dialog",
         toSections,
         [](P& p, Services& s) {
             s.onModal = [&p](platform::Form&) {
                 retype(p.Form22().txt1, "3.5e38"); // above the largest single, 3.4028235e38
                 p.Form22().cmd1.click();
             };
             p.Form7().cmd6.click();
         },
         "たて壁のかぶり厚さ の値が大きすぎます。",
         {},
         [](P& p) -> platform::TextBox& { return p.Form22().txt1; }},
        {"the inertia force's height in its dialog",
         [](P& p) {
             auto& f21 = p.Form21();
             f21.opt1.click();
             f21.opt5.click();
             f21.chk1.setEnabled(true); // as a seismic method with the wall's inertia leaves it
             f21.chk1.click();
             retype(f21.txt1, "-1e39");
         },
         [](P& p, Services&) { p.Form21().cmd1.click(); },
         "上載荷重の慣性力の作用位置 の値が大きすぎます。",
         {},
         [](P& p) -> platform::TextBox& { return p.Form21().txt1; }},
        {"a key dimension in its dialog",
         [](P& p) {
             auto& f19 = p.Form19();
             retype(f19.txt1, "0.3");
             retype(f19.txt2, "1e39");
             retype(f19.txt3, "0.3");
         },
         [](P& p, Services&) { p.Form19().cmd1.click(); },
         "突起の位置 の値が大きすぎます。",
         {},
         [](P& p) -> platform::TextBox& { return p.Form19().txt2; }},
        {"a design spacing at 応力度計算",
         [](P& p) {
             toSections(p);
             retype(p.Form7().txt5, "102E+273");
         },
         [](P& p, Services&) { p.Form7().cmd1.click(); },
         "部材Ｃの設計上の鉄筋の間隔 の値が大きすぎます。",
         {},
         [](P& p) -> platform::TextBox& { return p.Form7().txt5; }},
        {"a design spacing at the preview",
         [](P& p) {
             toSections(p);
             retype(p.Form7().txt5, "102E+273");
         },
         [](P& p, Services&) { p.MDIForm1().Men_FImg.click(); },
         "部材Ｃの設計上の鉄筋の間隔 の値が大きすぎます。",
         {},
         {},
         5},
        {"a design spacing at printing",
         [](P& p) {
             toSections(p);
             retype(p.Form7().txt6, "-1e300");
         },
         [](P& p, Services& s) {
             s.onModal = [&p](platform::Form&) {
                 p.Form15().opt3.click(); // the member sheets, pages 5 to 9
                 p.Form15().cmd1.click();
             };
             p.MDIForm1().Men_FPrn.click();
             EXPECT_TRUE(s.printed.empty());
         },
         "部材Ｄの設計上の鉄筋の間隔 の値が大きすぎます。"},
        {"the typed coefficient's last digit",
         [](P& p) {
             toSections(p);
             p.Form7().cmd4.click(); // "直接入力"
             p.Form7().txt_ka.type("1e3");
         },
         [](P& p, Services&) { p.Form7().txt_ka.type("9"); },
         "断面計算の主働土圧係数 KA の値が大きすぎます。", "Form7.txt_ka"},
        {"a height that puts page 5's figure beyond any position",
         [](P& p) {
             p.Form4().show();
             retype(p.Form4().txt3, "-7.6e30"); // H3, the front wall's height above the soil
             p.Form4().cmd3.click();
             toSections(p);
         },
         [](P& p, Services&) { p.MDIForm1().Men_FImg.click(); },
         "計算書を作成できません（図の位置が大きすぎます）。",
         {},
         {},
         5},
        {"a height read from a project file", [](P&) {},
         [&file](P& p, Services& s) {
             s.openPaths.push_back(file);
             p.MDIForm1().Men_FOpn.click();
             EXPECT_EQ(p.Form3().caption(), kTypical);
         },
         "プロジェクトファイルを開けません。\n「" + file + "」\n29行目の「H1」の値「1e39」が大きすぎます。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Services services;
        P prog;
        openTypical(prog, services);
        c.before(prog);
        services.messages.clear();
        const model::DesignData data = prog.d;
        const auto shown = screens(prog);
        c.command(prog, services);

        std::string all;
        for (const auto& m : services.messages)
            all += "[" + m.text + "]";
        ASSERT_EQ(services.messages.size(), 1u) << all;
        EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
        EXPECT_EQ(services.lastMessage().text, c.message);
        EXPECT_TRUE(prog.d == data);
        auto now = screens(prog);
        if (!c.typedInto.empty()) now[c.typedInto] = shown.at(c.typedInto);
        EXPECT_EQ(now, shown);
        if (c.focus) {
            platform::TextBox& box = c.focus(prog);
            EXPECT_EQ(box.form().activeControl(), &box);
            EXPECT_EQ(box.selStart(), 0);
        }
        if (c.page) {
            EXPECT_TRUE(report::previewPage(prog, c.page).Picture2.surface().page().empty());
        }
    }
    fs::remove(file);
}

// The largest single is a number like any other: shown and stored as it is.
TEST(TooLargeValues, TheLargestSingleIsShownAsItIs) {
    testing_support::RecordingServices services;
    app::Program prog;
    openTypical(prog, services);
    toSections(prog);
    services.onModal = [&prog](platform::Form&) {
        retype(prog.Form22().txt1, "3.4e38");
        prog.Form22().cmd1.click();
    };
    prog.Form7().cmd6.click();
    EXPECT_EQ(prog.Form7().lbl_r1.caption(), "3.4E+38");
    EXPECT_EQ(prog.d.Cover_r1, 3.4e38f);
    // The walls' members are then refused by their own calculation: no effective depth is left.
    EXPECT_EQ(services.lastMessage().text, "鉄筋量を計算できません（有効高さ d が 0 以下です）。");

    services.messages.clear();
    prog.Form23().opt2.click();
    retype(prog.Form4().txt21, "3.4028235e38");
    prog.Form4().txt22.setFocus();
    EXPECT_EQ(prog.Form4().lbl33.caption(), "3.402823E+38");
    EXPECT_EQ(prog.d.q_Front, 3.4028235e38f);
    EXPECT_TRUE(services.messages.empty()) << services.lastMessage().text;
}

} // namespace
