#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "report/output/form15.h"
#include "report/output/report_fixture.h"

namespace {

using report_test::ReportOutput;
using Steps = std::vector<std::string>;

class Printing : public ReportOutput {
protected:
    // Chooses range 1 … 5 and the numbering in the print-options dialog and presses OK.
    void print(int range, const char* firstNumber = nullptr) {
        auto& f = prog.Form15();
        platform::OptionButton* options[] = {&f.opt1, &f.opt2, &f.opt3, &f.opt4, &f.opt5};
        options[range - 1]->click();
        if (firstNumber) {
            if (f.chk_P.value() != 1) f.chk_P.click();
            f.txt_P.setText(firstNumber);
        } else if (f.chk_P.value() == 1) {
            f.chk_P.click();
        }
        f.cmd1.click();
    }
    // The footer text of every sheet of the last document, "" for a sheet without one.
    std::vector<std::string> footers() {
        std::vector<std::string> out;
        for (const platform::Page& sheet : services.printed.back()) {
            std::string text;
            for (const auto& op : sheet)
                if (auto* t = std::get_if<platform::TextOp>(&op); t && t->x == 5500 && t->y == 15500)
                    text = t->text;
            out.push_back(text);
        }
        return out;
    }
};

// "－ f －" … for n sheets.
std::vector<std::string> numbered(int first, int n) {
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i)
        out.push_back("－ " + std::to_string(first + i) + " －");
    return out;
}

TEST_F(Printing, EachRangePrintsItsSheetsNumberedFromTheFirstNumber) {
    // The typical wall has a heel and a toe and no shear key: page 9 holds the toe.
    ASSERT_NE(prog.d.B_Heel, 0);
    ASSERT_NE(prog.d.B_Toe, 0);
    ASSERT_EQ(prog.d.H0_Key, 0);
    const Steps page1{"Form3.Ippan"};
    const Steps pages2to4{"Form4.HENSUU", "Form4.DANMEM_1", "Form4.KEIJYOU", "Form4.JIJYUU",
                          "Form4.Doatu",  "Form4.Doatu2",   "Form4.KENTOU"};
    const Steps pages5to9{"Form7.HAIKIN",   "Form7.HAIKIN_A", "Form7.HAIKIN_B", "Form7.HAIKIN_E",
                          "Form7.HAIKIN_F", "Form7.HAIKIN_G", "Form7.HAIKIN_H", "Form7.HAIKIN_I"};
    auto join = [](std::initializer_list<Steps> parts) {
        Steps all;
        for (const Steps& p : parts)
            all.insert(all.end(), p.begin(), p.end());
        return all;
    };
    struct Case {
        int range;
        int sheets;
        Steps steps;
    };
    const std::vector<Case> cases{
        {1, 1, page1},
        {2, 3, pages2to4},
        {3, 5, pages5to9},
        {4, 8, join({pages2to4, pages5to9})},
        {5, 9, join({page1, pages2to4, pages5to9})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.range);
        services.printed.clear();
        trace.clear();
        print(c.range, "10");
        ASSERT_EQ(services.printed.size(), 1u);
        EXPECT_EQ(footers(), numbered(10, c.sheets));
        EXPECT_EQ(trace, c.steps);
        EXPECT_EQ(prog.Pri_Obj, &platform::printer());
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(Printing, TheMemberSheetsFollowTheOptionalMembers) {
    struct Case {
        bool heel, toe, key;
        int sheets;
    };
    const std::vector<Case> cases{
        {false, false, false, 4}, {true, false, false, 4}, {false, true, true, 5}, {true, true, true, 5}};
    for (const Case& c : cases) {
        members(c.heel, c.toe, c.key);
        services.printed.clear();
        print(3, "1");
        EXPECT_EQ(footers(), numbered(1, c.sheets));
    }
}

TEST_F(Printing, OneSheetPerPageAndWithoutNumbersTheSameSheetsWithoutFooter) {
    const std::vector<Steps> sheets{{"Form3.Ippan"},
                                    {"Form4.KEIJYOU", "Form4.JIJYUU"},
                                    {"Form4.Doatu", "Form4.Doatu2"},
                                    {"Form4.KENTOU"},
                                    {"Form7.HAIKIN"},
                                    {"Form7.HAIKIN_A", "Form7.HAIKIN_B"},
                                    {"Form7.HAIKIN_E", "Form7.HAIKIN_F"},
                                    {"Form7.HAIKIN_G", "Form7.HAIKIN_H"},
                                    {"Form7.HAIKIN_I"}};
    print(5, "1");
    print(5);
    ASSERT_EQ(services.printed.size(), 2u);
    EXPECT_EQ(footers(), std::vector<std::string>(9, ""));
    for (std::size_t i = 0; i < sheets.size(); ++i) { // the same sheets but for the footer
        platform::Page numbered = services.printed[0][i];
        numbered.pop_back();
        EXPECT_EQ(numbered, services.printed[1][i]) << "sheet " << i + 1;
    }
    for (std::size_t k = 0; k < 2; ++k) {
        const auto& doc = services.printed[k];
        ASSERT_EQ(doc.size(), sheets.size());
        for (std::size_t i = 0; i < sheets.size(); ++i) {
            EXPECT_EQ(texts(doc[i]), sheets[i]) << "sheet " << i + 1;
            // Every sheet starts at the top.
            EXPECT_EQ(std::get<platform::TextOp>(doc[i].front()).y, 0);
        }
    }
}

TEST_F(Printing, AFirstNumberWithAFractionIsRoundedOnEverySheet) {
    // 1.6 → "2"; 2.6 → "3"; 3.6 → "4".
    print(2, "1.6");
    EXPECT_EQ(footers(), (std::vector<std::string>{"－ 2 －", "－ 3 －", "－ 4 －"}));
    // Letters after the number are ignored: sheets from 12.
    services.printed.clear();
    print(1, "12ab");
    EXPECT_EQ(footers(), numbered(12, 1));
}

TEST_F(Printing, CancelInThePrinterDialogEndsSilently) {
    services.printerAnswers = {false};
    print(5, "1");
    EXPECT_EQ(services.printerDialogs, 1);
    EXPECT_TRUE(services.printed.empty());
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(trace.empty());
}

TEST_F(Printing, AnyOtherFailureAbandonsTheJobWithAMessage) {
    // The printing system refuses the document.
    services.printFault = "印刷できませんでした。";
    print(1);
    EXPECT_TRUE(services.printed.empty());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.lastMessage().text, "印刷できませんでした。");
    EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");

    // A calculation of the stability part fails after page 1 was drawn: nothing is handed over.
    services.printFault.reset();
    services.messages.clear();
    prog.Form4().txt3.setText("1e39");
    print(5, "1");
    EXPECT_TRUE(services.printed.empty());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
    EXPECT_EQ(trace.back(), "Form4.HENSUU");

    // The next job starts on a clean document.
    services.messages.clear();
    prog.Form4().txt3.setText("1.5");
    print(1, "1");
    ASSERT_EQ(services.printed.size(), 1u);
    EXPECT_EQ(footers(), numbered(1, 1));
}

TEST_F(Printing, TheFileMenuAndTheToolbarOpenThePrintOptions) {
    auto& main = prog.MDIForm1();
    main.Men_FPrn.click();
    main.Toolbar1.setButtonEnabled(6, true);
    main.Toolbar1.click(6);
    EXPECT_EQ(services.modalForms, (std::vector<std::string>{"Form15", "Form15"}));
    EXPECT_TRUE(services.printed.empty());
}

} // namespace
