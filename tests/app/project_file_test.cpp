#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "app/program.h"
#include "app/project_file.h"
#include "platform/line_file.h"
#include "stability/stability_fixture.h"
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
    const fs::path p = saveAs("lines.tvl");
    EXPECT_EQ(rawLines(bytesOf(p))[2], *platform::toCp932("一行目  二行目 "));

    prog.Form4().txt2.setText("擁壁€");
    const auto shown = services.messages.size();
    const fs::path q = dir / "euro.tvl";
    services.savePaths.push_back(q.string());
    main().Men_FSav_Click();
    ASSERT_EQ(services.messages.size(), shown + 1);
    EXPECT_NE(services.lastMessage().text.find("擁壁の記号"), std::string::npos)
        << services.lastMessage().text;
    EXPECT_FALSE(fs::exists(q));
    EXPECT_EQ(main().fileName, p.string());
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
    EXPECT_EQ(main().fileName, p.string());
    EXPECT_EQ(prog.Form3().caption(), p.string());

    // The disk is full: the file size limit stops the write part-way.
    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tiny = old;
    tiny.rlim_cur = 512;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    services.answers.push_back(Answer::Ok);
    shown = services.messages.size();
    main().FileUpdate();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(services.messages.size(), shown + 2); // the question, then the failure
    EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
    EXPECT_EQ(bytesOf(p), bytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1); // no stray file

    // A read-only folder (root writes anywhere, so only for other users).
    if (::geteuid() != 0) {
        fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
        services.answers.push_back(Answer::Ok);
        main().FileUpdate();
        EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
        fs::permissions(dir, fs::perms::owner_all);
        EXPECT_EQ(bytesOf(p), bytes);
    }
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
