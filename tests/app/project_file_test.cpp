#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "app/program.h"
#include "app/project_file.h"
#include "platform/line_file.h"
#include "platform/runtime.h"
#include "stability/stability_fixture.h"
#include "support/file_faults.h"
#include "support/recording_services.h"

namespace fs = std::filesystem;
using platform::Answer;

namespace {

std::string bytesOf(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

// The file's lines as written: CR LF ends every line.
std::vector<std::string> rawLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
        if (bytes[i] == '\r' && bytes[i + 1] == '\n') {
            lines.push_back(bytes.substr(start, i - start));
            start = i + 2;
        }
    return lines;
}

class ProjectFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("tarvelo-project-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        main().show();
        main().FileNew();
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, ec);
        fs::remove_all(dir, ec);
    }

    app::MDIForm1& main() { return prog.MDIForm1(); }

    // A project away from every initial value: the typical wall, a shear key, the seismic case,
    // the stability dialogs' choices and the member screen's bars.
    void fillProject() {
        stability_test::typicalWall(prog);
        auto& f3 = prog.Form3();
        f3.txt1.setText("第１工区　Ｕ型擁壁");
        f3.cbo1.setText("砂質土");
        f3.cbo2.setText("砂礫");
        auto& f4 = prog.Form4();
        f4.opt7.setValue(true);
        f4.chk1.setValue(1);
        f4.opt6.setValue(true);
        stability_test::type(
            {{&prog.Form19().txt1, "0.5"}, {&prog.Form19().txt2, "0.8"}, {&prog.Form19().txt3, "0.4"}});
        prog.Form14().opt5.setValue(true);
        prog.Form21().opt2.setValue(true);
        prog.Form21().opt6.setValue(true);
        stability_test::type({{&prog.Form22().txt1, "70"}, {&prog.Form22().txt3, "75"}});
        auto& f7 = prog.Form7();
        f7.txt1.setText("250");
        f7.lbl1.setCaption("1.23");
        prog.d.BarArea_r1 = 0.7133f;
        prog.d.Cover_r1 = 60;
        prog.d.CoverC_r10 = -1.5f;
    }

    fs::path saveAs(const std::string& name) {
        const fs::path p = dir / name;
        services.savePaths.push_back(p.string());
        main().Men_FSav_Click();
        return p;
    }

    testing_support::RecordingServices services;
    app::Program prog;
    fs::path dir;
};

// Every line reaches a control of the kind its values need, or a design value.
TEST_F(ProjectFile, EveryLineHasItsDestination) {
    int line = 0;
    for (const auto& l : app::projectLines()) {
        ++line;
        if (l.kind == app::LineKind::Real) {
            EXPECT_NE(l.value, nullptr) << line;
            continue;
        }
        platform::Control* c = app::projectControl(prog, l);
        ASSERT_NE(c, nullptr) << "line " << line << ": " << l.form << "." << l.control;
        const auto k = c->kind();
        using K = platform::ControlKind;
        switch (l.kind) {
        case app::LineKind::Choice:
            EXPECT_EQ(k, K::OptionButton) << line;
            break;
        case app::LineKind::Check:
            EXPECT_EQ(k, K::CheckBox) << line;
            break;
        case app::LineKind::List:
            EXPECT_EQ(k, K::ComboBox) << line;
            break;
        default:
            EXPECT_TRUE(k == K::TextBox || k == K::Label || k == K::ComboBox) << line;
        }
    }
    EXPECT_EQ(line, 199);
}

TEST_F(ProjectFile, WritesTheLinesInTheirForms) {
    fillProject();
    const fs::path p = saveAs("a.tvl");
    const std::string bytes = bytesOf(p);
    const auto lines = rawLines(bytes);
    ASSERT_EQ(lines.size(), 199u);
    // Nothing after the last CR LF, and no line end other than CR LF.
    EXPECT_EQ(bytes.size(), [&] {
        std::size_t n = 0;
        for (auto& l : lines)
            n += l.size() + 2;
        return n;
    }());
    auto line = [&](int n) { return lines[static_cast<std::size_t>(n - 1)]; };
    EXPECT_EQ(line(1), "True"); // 建築基準法 chosen
    EXPECT_EQ(line(2), "False");
    EXPECT_EQ(line(3), *platform::toCp932("第１工区　Ｕ型擁壁"));
    EXPECT_EQ(line(75), " 1 "); // chk1 ticked
    EXPECT_EQ(line(104), " .7133 ");
    EXPECT_EQ(line(106), " 60 ");
    EXPECT_EQ(line(108), " 0 ");
    EXPECT_EQ(line(135), "-1.5 ");
    EXPECT_EQ(line(136), "-1 "); // no bar chosen
    EXPECT_EQ(line(160), "250");
    EXPECT_EQ(line(168), "1.23");
    EXPECT_EQ(main().fileName, p.string());
    EXPECT_EQ(prog.Form3().caption(), p.string());
    // The dialog: its title, the filter, and no question of its own about existing files.
    ASSERT_EQ(services.saveDialogs.size(), 1u);
    EXPECT_EQ(services.saveDialogs[0].title, "Tarvelo(Mirenda版)の保存");
    EXPECT_EQ(services.saveDialogs[0].filter, "Tarvelo(Mirenda版)(.tvl)|*.tvl");
    EXPECT_FALSE(services.saveDialogs[0].overwritePrompt);

    // Overwrite-save from the same state writes the same bytes.
    services.answers.push_back(Answer::Ok);
    fs::remove(p);
    main().FileUpdate();
    EXPECT_EQ(bytesOf(p), bytes);
    EXPECT_EQ(services.lastMessage().text, "上書き保存してもよろしいですか？");
}

TEST_F(ProjectFile, OpenRestoresEveryLine) {
    fillProject();
    // A whole project as the screens leave it: the stability run and its verdicts, then every
    // member's bar, spacing and check on the section screen.
    ASSERT_TRUE(prog.Form25().Jisin());
    ASSERT_TRUE(prog.Form3().HENSUU());
    ASSERT_TRUE(prog.Form4().HENSUU());
    ASSERT_TRUE(prog.Form4().DANMEM_1());
    prog.Form4().GamenHyouji();
    auto& f7 = prog.Form7();
    ASSERT_TRUE(f7.TEKKIN());
    using Check = platform::Status (sections::Form7::*)();
    const std::tuple<platform::ComboBox*, platform::TextBox*, Check, int> members[] = {
        {&f7.cbo1, &f7.txt1, &sections::Form7::Ouryoku_1, 4},
        {&f7.cbo2, &f7.txt2, &sections::Form7::Ouryoku_2, 6},
        {&f7.cbo5, &f7.txt5, &sections::Form7::Ouryoku_5, 5},
        {&f7.cbo6, &f7.txt6, &sections::Form7::Ouryoku_6, 5},
        {&f7.cbo7, &f7.txt7, &sections::Form7::Ouryoku_7, 5},
        {&f7.cbo8, &f7.txt8, &sections::Form7::Ouryoku_8, 3},
        {&f7.cbo9, &f7.txt9, &sections::Form7::Ouryoku_9, 3},
        {&f7.cbo10, &f7.txt10, &sections::Form7::Ouryoku_10, 2}};
    for (auto [list, spacing, check, bar] : members) {
        list->choose(bar);
        spacing->setText("200");
        ASSERT_TRUE((f7.*check)()) << list->name();
    }
    prog.d.SectCheck_Done = 1;
    const auto before = app::gatherProject(prog);
    ASSERT_TRUE(before);
    ASSERT_NE((*before)[170], ""); // member A's verdict
    const fs::path p = saveAs("round.tvl");

    main().FileNew();
    services.messages.clear();
    services.openPaths.push_back(p.string());
    main().FileOpen();

    EXPECT_TRUE(services.messages.empty()) << services.lastMessage().text;
    const auto after = app::gatherProject(prog);
    ASSERT_TRUE(after);
    for (int n = 1; n <= app::kProjectLines; ++n)
        EXPECT_EQ((*after)[n - 1], (*before)[n - 1]) << "line " << n;
    EXPECT_EQ(main().fileName, p.string());
    EXPECT_EQ(prog.Form3().caption(), p.string());
    EXPECT_TRUE(prog.Form3().visible());
    EXPECT_EQ(prog.Form3().activeControl(), &prog.Form3().txt1);
    EXPECT_FALSE(prog.Form4().visible());
    EXPECT_FALSE(prog.Form7().visible());
    EXPECT_EQ(prog.d.ScreenNo, 1);
    EXPECT_EQ(prog.d.SectCheck_Done, 1);
    EXPECT_TRUE(main().Toolbar1.buttonEnabled(app::MDIForm1::kButtonOverwrite));
    EXPECT_TRUE(prog.Form4().lbl54.visible());
    EXPECT_TRUE(prog.Form4().lbl56.visible());
}

// The front-soil choice counts in the loads only while its frame shows: an opened project shows it on
// the dimensions screen as typing the project shows it, with the file's choice selected.
TEST_F(ProjectFile, OpenShowsTheFrontSoilChoiceWhereItCounts) {
    struct Case {
        const char* name;
        const char* toe; // つま先版の長さ
        bool symmetric;  // 地盤の形状（2）
        bool counted;    // "計算に含む" chosen, else "計算に含まない"
        bool shown;      // the frame on the dimensions screen after Open
    } cases[] = {
        {"one-sided with a toe, counted", "0.6", false, true, true},
        {"one-sided with a toe, not counted", "0.6", false, false, true},
        {"one-sided without a toe", "0", false, true, false},
        {"symmetric with a toe", "0.6", true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app::Program typed;
        typed.MDIForm1().show();
        typed.MDIForm1().FileNew();
        stability_test::typicalWall(typed);
        auto& f4 = typed.Form4();
        stability_test::type({{&f4.txt12, c.toe}});
        if (c.symmetric) typed.Form23().opt2.setValue(true);
        (c.counted ? f4.opt3 : f4.opt4).setValue(true);
        const fs::path p = dir / "front-soil.tvl";
        services.savePaths.push_back(p.string());
        typed.MDIForm1().Men_FSav_Click();
        ASSERT_TRUE(fs::exists(p));

        app::Program fresh;
        fresh.MDIForm1().show();
        services.openPaths.push_back(p.string());
        fresh.MDIForm1().FileOpen();
        fresh.Form3().cmd3.click();  // "地盤の形状 >"
        fresh.Form23().cmd1.click(); // "寸法の入力 >"
        auto& g4 = fresh.Form4();
        ASSERT_TRUE(g4.visible());
        EXPECT_EQ(g4.Frame2.visible(), c.shown);
        EXPECT_EQ(g4.opt3.value(), c.shown && c.counted);
        EXPECT_EQ(g4.opt4.value(), c.shown && !c.counted);
        fs::remove(p);
    }
}

TEST_F(ProjectFile, ReadsTheAcceptedSpellings) {
    fillProject();
    const fs::path p = saveAs("spell.tvl");
    auto lines = rawLines(bytesOf(p));
    lines[16] = "TRUE";   // line 17, opt3
    lines[17] = "false";  // line 18, opt4
    lines[74] = "1.0";    // line 75, a check state with a fraction
    lines[78] = " 0";     // line 79
    lines[135] = " 2.5 "; // line 136: a half to the even neighbour
    lines[103] = "7.133E-01";
    std::string bytes;
    for (auto& l : lines)
        bytes += l + "\r\n";
    bytes += "after the last line\r\nand more\r\n";
    writeBytes(p, bytes);

    auto image = app::readProject(p.string());
    ASSERT_TRUE(image) << image.fault().message;
    main().FileNew();
    services.openPaths.push_back(p.string());
    main().FileOpen();
    EXPECT_TRUE(prog.Form3().opt3.value());
    EXPECT_FALSE(prog.Form3().opt4.value());
    EXPECT_EQ(prog.Form4().chk1.value(), 1);
    EXPECT_EQ(prog.Form7().cbo1.listIndex(), 2);
    EXPECT_EQ(prog.d.BarArea_r1, 1.267f); // the list position's handler takes the row's area, "  D13"
}

// A file that cannot be a project is refused before anything changes, with a message naming it.
TEST_F(ProjectFile, RefusesFilesThatAreNoProject) {
    fillProject();
    const fs::path good = saveAs("good.tvl");
    const auto lines = rawLines(bytesOf(good));
    auto withLine = [&](int n, const std::string& text) {
        std::string bytes;
        for (std::size_t i = 0; i < lines.size(); ++i)
            bytes += (static_cast<int>(i) + 1 == n ? text : lines[i]) + "\r\n";
        return bytes;
    };
    auto firstLines = [&](std::size_t count) {
        std::string bytes;
        for (std::size_t i = 0; i < count; ++i)
            bytes += lines[i] + "\r\n";
        return bytes;
    };
    struct Case {
        const char* name;
        std::string bytes; // empty: no file at all
        const char* says;  // a piece of the message
    };
    const Case cases[] = {
        {"missing.tvl", "", "missing.tvl"},
        {"short.tvl", firstLines(198), "198行"},
        {"empty.tvl", std::string(), "missing"},
        {"sjis.tvl", withLine(3, "\x81"), "3行目"},
        {"choice.tvl", withLine(17, "yes"), "17行目"},
        {"check.tvl", withLine(75, "3"), "75行目"},
        {"list.tvl", withLine(136, "21"), "136行目"},
        {"real.tvl", withLine(104, "abc"), "104行目"},
        {"huge.tvl", withLine(105, "1E+39"), "105行目"},
        // A NUL inside a line: σ28 is no " 2", the site name holds no NUL.
        {"nul-number.tvl", withLine(4, std::string(" 2\0 4 ", 6)), "4行目の3バイト目"},
        {"nul-text.tvl", withLine(3, std::string("site\0name", 9)), "3行目の5バイト目"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path p = dir / c.name;
        if (!c.bytes.empty()) writeBytes(p, c.bytes);
        if (std::string(c.name) == "empty.tvl") writeBytes(p, "");
        const auto shown = services.messages.size();
        main().fileName = good.string();
        services.openPaths.push_back(p.string());
        main().FileOpen();
        ASSERT_EQ(services.messages.size(), shown + 1);
        EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
        EXPECT_NE(services.lastMessage().text.find(c.name), std::string::npos) << services.lastMessage().text;
        if (std::string(c.says) != "missing") {
            EXPECT_NE(services.lastMessage().text.find(c.says), std::string::npos)
                << services.lastMessage().text;
        }
        EXPECT_EQ(prog.Form3().txt1.text(), "第１工区　Ｕ型擁壁");
        EXPECT_EQ(prog.Form7().txt1.text(), "250");
        EXPECT_EQ(main().fileName, good.string());
    }
}

TEST_F(ProjectFile, CancelAndNoLeaveThePathAsItWas) {
    fillProject();
    const fs::path p = saveAs("kept.tvl");
    const std::string bytes = bytesOf(p);

    services.savePaths.push_back(std::nullopt); // save as cancelled
    main().Men_FSav_Click();
    EXPECT_EQ(main().fileName, p.string());

    prog.Form3().txt1.setText("changed");
    services.savePaths.push_back(p.string());
    services.answers.push_back(Answer::No); // "同名ファイルがあります。上書き保存しますか？"
    main().Men_FSav_Click();
    EXPECT_EQ(services.lastMessage().title, "上書き保存の確認");
    EXPECT_EQ(services.lastMessage().style,
              platform::mb::YesNo + platform::mb::Critical + platform::mb::DefaultButton2);
    EXPECT_EQ(bytesOf(p), bytes);
    EXPECT_EQ(main().fileName, p.string());

    services.openPaths.push_back(std::nullopt); // open cancelled
    main().FileOpen();
    EXPECT_EQ(main().fileName, p.string());
    EXPECT_EQ(prog.Form3().txt1.text(), "changed");

    // Overwrite-save with no path is save as.
    main().fileName.clear();
    const fs::path q = dir / "fresh.tvl";
    services.savePaths.push_back(q.string());
    main().FileUpdate();
    EXPECT_TRUE(fs::exists(q));
    EXPECT_EQ(main().fileName, q.string());
}

TEST_F(ProjectFile, TextsAreSavedOnOneLineAndInTheCodePage) {
    fillProject();
    prog.Form3().txt1.setText("一行目\r\n二行目\n");
    prog.Form3().cbo1.setText(std::string("砂質土") + '\0');
    const fs::path p = saveAs("lines.tvl");
    ASSERT_TRUE(services.messages.empty()) << services.lastMessage().text;
    EXPECT_EQ(rawLines(bytesOf(p))[2], *platform::toCp932("一行目  二行目 "));
    EXPECT_EQ(rawLines(bytesOf(p))[14], *platform::toCp932("砂質土 "));
    const auto opened = app::readProject(p.string());
    EXPECT_TRUE(opened) << opened.fault().message;

    // A text the code page cannot hold: the box is named as its screen shows it.
    auto& f3 = prog.Form3();
    f3.opt_D.setValue(true); // the friction angles' captions become "せん断抵抗角：φ="
    const std::pair<platform::EditBox*, const char*> boxes[] = {
        {&prog.Form4().txt2, "「擁壁の記号」"},     {&f3.txt1, "「築造地」"},
        {&f3.txt4, "「許容地耐力度（長期）：fe」"}, {&f3.txt8, "「背面土のせん断抵抗角：φ」"},
        {&f3.cbo2, "「支持地盤の土質」"},           {&prog.Form7().txt5, "「Ｃ 中央部の鉄筋の間隔（設計）」"},
    };
    const fs::path q = dir / "euro.tvl";
    for (auto [box, name] : boxes) {
        const std::string before = box->text();
        box->setText("擁壁€");
        const auto shown = services.messages.size();
        services.savePaths.push_back(q.string());
        main().Men_FSav_Click();
        box->setText(before);
        ASSERT_EQ(services.messages.size(), shown + 1) << name;
        EXPECT_EQ(services.lastMessage().text,
                  std::string(name) +
                      "に保存できない文字があります。\n「€」（3文字目）はファイルに保存できない文字です。");
        EXPECT_FALSE(fs::exists(q));
        EXPECT_EQ(main().fileName, p.string());
    }
}

// The words of a caption a box's name may be made of: the caption without its blanks, a leading "・"
// and the "=" before the box, and its beginning up to a "：" or "（".
std::vector<std::string> captionWords(const platform::Form& form) {
    std::vector<std::string> words;
    for (const auto* c : form.controls()) {
        std::string text;
        if (auto* l = dynamic_cast<const platform::Label*>(c)) text = l->caption();
        if (auto* f = dynamic_cast<const platform::Frame*>(c)) text = f->caption();
        if (auto* o = dynamic_cast<const platform::OptionButton*>(c)) text = o->caption();
        if (auto* k = dynamic_cast<const platform::CheckBox*>(c)) text = k->caption();
        std::string squeezed;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == ' ') continue;
            if (text.compare(i, 3, "　") == 0 || (squeezed.empty() && text.compare(i, 3, "・") == 0)) {
                i += 2;
                continue;
            }
            squeezed += text[i];
        }
        while (!squeezed.empty() && squeezed.back() == '=')
            squeezed.pop_back();
        if (squeezed.empty()) continue;
        words.push_back(squeezed);
        for (const char* cut : {"：", "（"})
            for (auto at = squeezed.find(cut); at != std::string::npos; at = squeezed.find(cut, at + 1))
                if (at > 0) words.push_back(squeezed.substr(0, at));
    }
    return words;
}

// Whether `name` (without blanks) is a row of caption words joined by "の" or set in "（…）".
bool madeOfCaptions(std::string name, const std::vector<std::string>& words) {
    for (const char* blank : {" ", "　"})
        for (auto at = name.find(blank); at != std::string::npos; at = name.find(blank))
            name.erase(at, std::string(blank).size());
    std::vector<bool> reached(name.size() + 1, false);
    reached[0] = true;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (!reached[i]) continue;
        for (const std::string& w : words)
            if (name.compare(i, w.size(), w) == 0) reached[i + w.size()] = true;
        for (const char* joint : {"の", "（", "）"})
            if (i > 0 && name.compare(i, 3, joint) == 0) reached[i + 3] = true;
    }
    return reached[name.size()];
}

// Every box that a message names is named by the captions of its screen. The wall's drawing gives
// its boxes no caption ("§" stands before the chapter number); those keep the names of the parts.
TEST_F(ProjectFile, BoxNamesAreTheScreensCaptions) {
    const std::set<std::string> uncaptioned = {"Form4.txt1",  "Form4.txt7",  "Form4.txt8",  "Form4.txt9",
                                               "Form4.txt10", "Form4.txt12", "Form4.txt13", "Form4.txt14",
                                               "Form4.txt15", "Form4.txt16", "Form4.txt17", "Form4.txt18",
                                               "Form4.txt19", "Form4.txt20", "Form4.txt22"};
    int named = 0;
    for (const auto& line : app::projectLines()) {
        auto* box = dynamic_cast<platform::EditBox*>(app::projectControl(prog, line));
        if ((line.kind != app::LineKind::Text && line.kind != app::LineKind::Number) || !box) continue;
        const std::string id = std::string(line.form) + "." + std::string(line.control);
        const std::string before = box->text();
        box->setText("€");
        const auto gathered = app::gatherProject(prog);
        box->setText(before);
        ASSERT_FALSE(gathered) << id;
        const std::string& message = gathered.fault().message;
        const auto end = message.find("」に保存できない文字があります。");
        ASSERT_TRUE(message.starts_with("「") && end != std::string::npos) << message;
        const std::string name = message.substr(3, end - 3);
        ++named;
        if (uncaptioned.count(id)) continue;
        EXPECT_TRUE(madeOfCaptions(name, captionWords(box->form()))) << id << ": " << name;
    }
    EXPECT_EQ(named, 57); // every box of the file
}

TEST_F(ProjectFile, FailedWritesKeepTheOldFileAndSayWhy) {
    fillProject();
    const fs::path p = saveAs("old.tvl");
    const std::string bytes = bytesOf(p);
    prog.Form3().txt1.setText("新しい内容");

    // The folder is gone.
    const fs::path gone = dir / "gone" / "x.tvl";
    services.savePaths.push_back(gone.string());
    auto shown = services.messages.size();
    main().Men_FSav_Click();
    EXPECT_EQ(services.messages.size(), shown + 1);
    EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
    EXPECT_EQ(services.lastMessage().text,
              "「" + gone.string() + "」に保存できません。フォルダが見つかりません。");
    EXPECT_EQ(main().fileName, p.string());
    EXPECT_EQ(prog.Form3().caption(), p.string());

    // The disk is full: the file size limit stops the write part-way.
    services.answers.push_back(Answer::Ok);
    shown = services.messages.size();
    {
        testing_support::FileSizeLimit limit(512);
        main().FileUpdate();
    }
    EXPECT_EQ(services.messages.size(), shown + 2); // the question, then the failure
    EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
    EXPECT_EQ(services.lastMessage().text,
              "「" + p.string() + "」に保存できません。ファイルの大きさが上限を超えます。");
    EXPECT_EQ(bytesOf(p), bytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1); // no stray file

    // A read-only file in a read-only folder (root writes anywhere, so only for other users).
    if (::geteuid() != 0) {
        fs::permissions(p, fs::perms::owner_read);
        fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
        services.answers.push_back(Answer::Ok);
        main().FileUpdate();
        EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
        EXPECT_EQ(services.lastMessage().text,
                  "「" + p.string() + "」に保存できません。書き込みが許可されていません。");
        fs::permissions(dir, fs::perms::owner_all);
        EXPECT_EQ(bytesOf(p), bytes);
    }
}

// A shared folder where the project file may be changed but no file created: overwrite-save
// rewrites the file where it stands, save-as to a new name there is refused.
TEST_F(ProjectFile, OverwriteSaveInAFolderThatRefusesNewFiles) {
    fillProject();
    const fs::path p = saveAs("shared.tvl");
    testing_support::RefusingFolder refusing(dir, p);
    if (!refusing.ok()) GTEST_SKIP() << "no folder that refuses new files: " << refusing.why();

    prog.Form3().txt1.setText("第２工区");
    const auto expected = app::gatherProject(prog);
    ASSERT_TRUE(expected);
    services.answers.push_back(Answer::Ok);
    const auto shown = services.messages.size();
    main().FileUpdate();
    EXPECT_EQ(services.messages.size(), shown + 1) << services.lastMessage().text; // the question only
    const auto lines = rawLines(bytesOf(p));
    ASSERT_EQ(lines.size(), 199u);
    EXPECT_EQ(lines[2], *platform::toCp932("第２工区"));
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], *platform::toCp932((*expected)[i])) << "line " << i + 1;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

    const fs::path fresh = dir / "fresh.tvl";
    services.savePaths.push_back(fresh.string());
    main().Men_FSav_Click();
    EXPECT_EQ(services.lastMessage().text,
              "「" + fresh.string() + "」に保存できません。書き込みが許可されていません。");
    EXPECT_EQ(main().fileName, p.string());
    EXPECT_FALSE(fs::exists(fresh));
}

// A file written by hand, line by line as the format gives it: the typical wall, one-sided, normal
// case, KA typed, bar row 3 and 250 mm for every member. It opens with its verdicts and no message.
TEST_F(ProjectFile, AHandWrittenFileOpensWithItsVerdicts) {
    const std::string path = std::string(TARVELO_SOURCE_DIR) + "/tests/app/fixtures/typical.tvl";
    services.openPaths.push_back(path);
    main().FileOpen();
    EXPECT_TRUE(services.messages.empty()) << services.lastMessage().text;
    auto& f3 = prog.Form3();
    auto& f4 = prog.Form4();
    auto& f7 = prog.Form7();
    EXPECT_EQ(f3.caption(), path);
    EXPECT_EQ(f3.txt1.text(), "第１工区　Ｕ型擁壁");
    EXPECT_FALSE(f3.txt13.visible()); // the normal case's empty short-term row
    EXPECT_EQ(prog.d.SectCheck_Done, 1);
    EXPECT_TRUE(f4.opt3.value()); // with a toe, the front-soil choice as read
    const std::pair<platform::Label*, const char*> verdicts[] = {
        {&f4.lbl54, "> 1.5∴O.K"}, {&f4.lbl62, "∴O.K"}, {&f4.lbl66, "> 1.5 ∴O.K"}, {&f4.lbl73, "< B/6∴O.K"},
        {&f7.lbl4, "O.K"},        {&f7.lbl8, "O.K"},   {&f7.lbl20, "O.K"},        {&f7.lbl36, "O.K"}};
    for (auto [label, text] : verdicts) {
        EXPECT_EQ(label->caption(), text) << label->name();
        EXPECT_TRUE(label->visible() || label->form().name() == "Form7") << label->name();
    }
    EXPECT_EQ(f7.lbl37.caption(), ""); // no shear key: member H stays as read
    EXPECT_NE(prog.d.Sigma_max, 0);
}

} // namespace

namespace {

std::string typicalPath() {
    return std::string(TARVELO_SOURCE_DIR) + "/tests/app/fixtures/typical.tvl";
}

// The texts of the report page in view after "印刷ｲﾒｰｼﾞ" and "次のﾍﾟｰｼﾞ" to page `n`.
std::vector<std::string> previewTexts(app::Program& prog, int n) {
    prog.MDIForm1().Toolbar1.click(app::MDIForm1::kButtonImage);
    for (int page = 1; page < n; ++page)
        report::previewPage(prog, page).Men_Nex.click();
    std::vector<std::string> out;
    for (const auto& op : report::previewPage(prog, n).Picture2.surface().page())
        if (const auto* t = std::get_if<platform::TextOp>(&op)) out.push_back(t->text);
    report::previewPage(prog, n).Men_Cls.click();
    return out;
}

} // namespace

// The section coefficient of an opened file is that of its own wall, whatever was open before, and it
// counts as computed, so that page 5 prints it. typical.tvl: θ = atan((0.45 − 0.25 − 0.05) /
// (2.5 − 0.45 + 0.3)) = 3.652°, and Coulomb with φ 30°, δ 20°, β 0 gives
// cos²26.348° / (cos²3.652° · cos23.652° · (1 + √(sin50° · sin30° / (cos23.652° · cos3.652°)))²)
// = 0.80305 / (0.99594 · 0.91600 · 1.64730²) = 0.3244 (θ taken as 0 would give 0.297).
TEST_F(ProjectFile, TheSectionCoefficientOfAnOpenedFileIsItsOwn) {
    std::optional<model::DesignData> first;
    for (const char* when : {"opened first", "opened again", "opened after another project"}) {
        SCOPED_TRACE(when);
        if (std::string(when) == "opened after another project") {
            fillProject();
            stability_test::seismic(prog, stability_test::Method::K2, "0.3");
            ASSERT_TRUE(stability_test::run(prog));
            ASSERT_TRUE(prog.Form7().TEKKIN());
        }
        services.openPaths.push_back(typicalPath());
        main().FileOpen();
        ASSERT_TRUE(services.messages.empty()) << services.lastMessage().text;
        // Nothing of what was open before stays in the opened project's design values.
        if (!first)
            first = prog.d;
        else
            EXPECT_TRUE(prog.d == *first);
        auto& f7 = prog.Form7();
        EXPECT_EQ(f7.txt_ka.text(), "0.324");
        EXPECT_TRUE(f7.opt2.value());
        const auto page5 = previewTexts(prog, 5);
        EXPECT_NE(std::find(page5.begin(), page5.end(), "=0.324"), page5.end());
        f7.cmd5.click(); // "計算する" on the opened project agrees
        EXPECT_EQ(f7.txt_ka.text(), "0.324");
    }
}

// The row of sliding without the key is a verdict of the building code's basis only: Open shows it
// there and, under the road basis, leaves it hidden with whatever texts the file holds.
TEST_F(ProjectFile, OpenShowsTheRowWithoutTheKeyOnlyWhereTheVerdictsWouldShowIt) {
    auto lines = platform::readLines(typicalPath());
    ASSERT_TRUE(lines);
    auto& l = *lines;
    l[49] = "False"; // line 50, opt5: no key
    l[50] = "True";  // line 51, opt6: a key
    l[75] = "0.3", l[76] = "1.0", l[77] = "0.3";
    l[65] = "突起の無い状態で", l[66] = "F =", l[67] = "0.594", l[68] = "< 1.0 ∴NG"; // lines 67 to 70
    for (bool road : {false, true}) {
        SCOPED_TRACE(road ? "road basis" : "building basis");
        l[0] = road ? "False" : "True";
        l[1] = road ? "True" : "False";
        const std::string path = (dir / "key.tvl").string();
        ASSERT_TRUE(platform::writeLines(path, l));
        services.openPaths.push_back(path);
        main().FileOpen();
        auto& f4 = prog.Form4();
        EXPECT_TRUE(f4.lbl66.visible());
        for (auto* label : {&f4.lbl67, &f4.lbl68, &f4.lbl69, &f4.lbl70})
            EXPECT_EQ(label->visible(), !road) << label->name();
        if (!road) {
            EXPECT_NE(f4.lbl70.caption(), "< 1.0 ∴NG"); // written by the verdicts
        }
    }
}

// A shear key beyond the compressed zone of the base: the contact pressure there, and so the key's passive
// pressure, moment and shear, are negative, and each stress is judged by its size. Typed, checked and
// saved (the old verdict "O.K" in the file), the project opens with the key's row "NG" and the report's
// key check says so.
TEST_F(ProjectFile, AKeyBeyondTheCompressedZoneOpensWithItsStressesJudgedByTheirSize) {
    stability_test::typicalWall(prog);
    auto& f4 = prog.Form4();
    // KA 0.94 on a 4 m wall without a toe: the resultant near the front end, contact over 0.6 m of 2.8 m.
    stability_test::type({{&f4.txt3, "3"},
                          {&f4.txt5, "4"},
                          {&f4.txt11, "0.94"},
                          {&f4.txt14, "1.5"},
                          {&f4.txt12, "0"},
                          {&f4.txt18, "0"}});
    f4.opt6.setValue(true);
    stability_test::type(
        {{&prog.Form19().txt1, "0.3"}, {&prog.Form19().txt2, "2.2"}, {&prog.Form19().txt3, "0.3"}});
    ASSERT_TRUE(prog.Form3().HENSUU());
    f4.show();
    f4.cmd3.click(); // "安定性の検討"
    ASSERT_NE(prog.d.Sigma_max, 0) << services.lastMessage().text;
    ASSERT_GT(prog.d.B1_Key, std::fabs(prog.d.Xn)); // the key beyond the contact
    ASSERT_LT(prog.d.P_Key, 0);
    f4.cmd1.click(); // "断面計算 >"
    auto& f7 = prog.Form7();
    for (std::size_t k = 0; k < 8; ++k) {
        if (!f7.barLists()[k]->visible()) continue;
        f7.barLists()[k]->choose(4);
        // 200 mm or the largest spacing the member allows; the key's negative force requires none.
        const float most = platform::valSingle(f7.spacingLabels()[k]->caption());
        const int spacing = most > 0 ? static_cast<int>(std::min(200.0f, std::floor(most / 10) * 10)) : 200;
        f7.spacingBoxes()[k]->setText(std::to_string(spacing));
    }
    f7.cmd1.click(); // "応力度計算"
    ASSERT_EQ(prog.d.SectCheck_Done, 1) << services.lastMessage().text;
    ASSERT_LT(prog.d.SigmaS_r10, 0);
    EXPECT_EQ(f7.lbl40.caption(), "NG");
    const fs::path p = saveAs("key-beyond.tvl");

    app::Program fresh;
    fresh.MDIForm1().show();
    services.openPaths.push_back(p.string());
    fresh.MDIForm1().FileOpen();
    auto& g7 = fresh.Form7();
    EXPECT_EQ(g7.lbl40.caption(), "NG");
    EXPECT_EQ(g7.lbl40.foreColor(), (platform::Color{255, 0, 255}));
    const auto& d = fresh.d;
    // Each stress of the key against its allowable, by size: the report's comparison follows.
    const std::pair<bool, std::string> comparisons[] = {
        {std::fabs(d.SigmaC_r10) > d.Sigma_ca, "σca="},
        {std::fabs(d.SigmaS_r10) > d.Sigma_sa, "σsa="},
        {std::fabs(d.TauC_r10) > d.Tau_ca, "τca="},
    };
    ASSERT_TRUE(std::any_of(std::begin(comparisons), std::end(comparisons), [](auto& c) { return c.first; }));
    const auto texts = previewTexts(fresh, 9);
    const auto from = std::find_if(texts.begin(), texts.end(), [](const std::string& t) {
        return t.find("８）突起部") != std::string::npos;
    });
    ASSERT_NE(from, texts.end());
    std::string keyPage;
    for (auto t = from; t != texts.end(); ++t)
        keyPage += *t + "\n";
    for (const auto& [exceeded, allowable] : comparisons) {
        EXPECT_EQ(keyPage.find((exceeded ? ">" : "<") + allowable) != std::string::npos, true) << allowable;
        EXPECT_EQ(keyPage.find((exceeded ? "<" : ">") + allowable), std::string::npos) << allowable;
    }
}

// A row without a bar in the file (list position −1 beside the bar values of lines 104 to 107) shows no
// results of those values: its check asks for a bar, and every other row is checked all the same.
TEST_F(ProjectFile, ARowWithoutABarOpensWithoutResults) {
    auto lines = platform::readLines(typicalPath());
    ASSERT_TRUE(lines);
    (*lines)[135] = "-1"; // line 136, member A's list
    const std::string path = (dir / "no-bar.tvl").string();
    ASSERT_TRUE(platform::writeLines(path, *lines));
    services.openPaths.push_back(path);
    main().FileOpen();
    EXPECT_EQ(services.lastMessage().text, "鉄筋の種類を選択してください。");
    auto& f7 = prog.Form7();
    EXPECT_EQ(f7.lbl_ra.caption(), "");
    for (auto* l : f7.resultLabels(0))
        EXPECT_EQ(l->caption(), "") << l->name();
    EXPECT_EQ(f7.lbl8.caption(), "O.K");  // member B
    EXPECT_EQ(f7.lbl36.caption(), "O.K"); // member G
    EXPECT_EQ(prog.d.SectCheck_Done, 0);
}
