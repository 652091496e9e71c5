#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "app/program.h"
#include "report/output/form15.h"
#include "report/output/preview_page.h"
#include "support/recording_services.h"

using platform::Answer;

namespace {

class Shell : public ::testing::Test {
protected:
    void SetUp() override { main().show(); }
    app::MDIForm1& main() { return prog.MDIForm1(); }
    bool button(int i) { return main().Toolbar1.buttonEnabled(i); }

    testing_support::RecordingServices services;
    app::Program prog;
};

TEST_F(Shell, StartsWithNoScreenAndTheOutputButtonsDisabled) {
    EXPECT_EQ(main().caption(), "Tarvelo(Mirenda版)");
    EXPECT_EQ(prog.d.ScreenNo, 0);
    EXPECT_EQ((std::vector<bool>{button(1), button(2), button(3), button(5), button(6)}),
              (std::vector<bool>{true, true, false, false, false}));
    EXPECT_EQ(main().Toolbar1.button(4).style, platform::ToolbarButton::Style::Separator);
    EXPECT_FALSE(prog.Form3.loaded());
    main().Men_F.click();
    for (auto* m : {&main().Men_FOvw, &main().Men_FSav, &main().Men_FImg, &main().Men_FPrn})
        EXPECT_FALSE(m->enabled()) << m->name();
    for (auto* m : {&main().Men_FNew, &main().Men_FOpn, &main().Men_FCls, &main().Men_FEnd})
        EXPECT_TRUE(m->enabled()) << m->name();
}

// The File menu's rules; "prior" marks an item that keeps the state it had before the menu opened.
TEST_F(Shell, FileMenuRules) {
    enum State { Off, On, Prior };
    struct Case {
        float sigmaMax, fSlide;
        int sectCheckDone;
        const char* path;
        State sav, ovw, img; // img stands for print image and print
    };
    const Case cases[] = {
        {0, 0, 0, "", Off, Off, Off},          {0, 0, 0, "a.tvl", Off, Off, Off},
        {0, 0, 1, "", On, Off, Off},           {0, 0, 1, "a.tvl", On, On, Off},
        {0, 2.1f, 0, "", Off, Off, On},        {0, 2.1f, 1, "", On, Off, On},
        {0, 2.1f, 1, "a.tvl", On, On, On},     {150, 0, 0, "", Off, Off, Prior},
        {150, 0, 0, "a.tvl", Off, Off, Prior}, {150, 0, 1, "", On, Prior, Prior},
        {150, 0, 1, "a.tvl", On, On, Prior},   {150, 2.1f, 0, "a.tvl", Off, Off, On},
        {150, 2.1f, 1, "", On, Off, On},       {150, 2.1f, 1, "a.tvl", On, On, On},
    };
    auto& m = main();
    for (const auto& c : cases) {
        for (bool prior : {false, true}) {
            for (auto* item : {&m.Men_FSav, &m.Men_FOvw, &m.Men_FImg, &m.Men_FPrn})
                item->setEnabled(prior);
            prog.d.Sigma_max = c.sigmaMax;
            prog.d.F_Slide = c.fSlide;
            prog.d.SectCheck_Done = c.sectCheckDone;
            m.fileName = c.path;
            m.Men_F.click();
            auto expected = [&](State s) { return s == Prior ? prior : s == On; };
            SCOPED_TRACE(testing::Message()
                         << "Sigma_max " << c.sigmaMax << ", F_Slide " << c.fSlide << ", SectCheck_Done "
                         << c.sectCheckDone << ", path '" << c.path << "', prior " << prior);
            EXPECT_EQ(m.Men_FSav.enabled(), expected(c.sav));
            EXPECT_EQ(m.Men_FOvw.enabled(), expected(c.ovw));
            EXPECT_EQ(m.Men_FImg.enabled(), expected(c.img));
            EXPECT_EQ(m.Men_FPrn.enabled(), expected(c.img));
        }
    }
}

TEST_F(Shell, NewStartsAFreshProjectOnTheDesignConditionsScreen) {
    main().Toolbar1.click(1);
    prog.Form3().txt2.setText("24");
    prog.Form4().txt5.setText("3.5");
    prog.Form25().Text1.setText("0.2");
    prog.Form7().lbl_r1.setCaption("40");
    prog.Form22().txt1.setText("40");
    prog.d.Sigma_max = 150;
    prog.d.F_Slide = 1.8f;
    prog.d.SectCheck_Done = 1;
    main().fileName = "/tmp/a.tvl";
    for (int i : {3, 5, 6})
        main().Toolbar1.setButtonEnabled(i, true);

    main().Men_FNew.click();

    auto& form3 = prog.Form3();
    EXPECT_EQ(form3.txt2.text(), "");
    EXPECT_EQ(prog.Form4().txt5.text(), "");
    EXPECT_EQ(prog.Form25().Text1.text(), "");
    EXPECT_EQ(prog.Form7().lbl_r1.caption(), "60");
    EXPECT_EQ(prog.Form22().txt1.text(), "40"); // the cover dialog carries over
    EXPECT_TRUE(form3.visible());
    EXPECT_EQ(form3.left(), 0);
    EXPECT_EQ(form3.top(), 0);
    EXPECT_EQ(form3.activeControl(), &form3.txt1);
    EXPECT_FALSE(prog.Form4().visible());
    EXPECT_FALSE(prog.Form7().visible());
    EXPECT_EQ(prog.d.ScreenNo, 1); // although the activation created the two later screens
    EXPECT_FALSE(form3.txt13.visible());
    EXPECT_FALSE(form3.lbl46.visible());
    EXPECT_FALSE(form3.lbl47.visible());
    EXPECT_EQ((std::vector<bool>{button(3), button(5), button(6)}), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(prog.d.Sigma_max, 0);
    EXPECT_EQ(prog.d.F_Slide, 1.8f); // kept
    EXPECT_EQ(prog.d.SectCheck_Done, 0);
    EXPECT_EQ(main().fileName, "");
    EXPECT_TRUE(services.messages.empty());

    main().Men_F.click(); // the print items follow the kept F_Slide; saving waits for a check
    EXPECT_TRUE(main().Men_FImg.enabled());
    EXPECT_TRUE(main().Men_FPrn.enabled());
    EXPECT_FALSE(main().Men_FSav.enabled());
    EXPECT_FALSE(main().Men_FOvw.enabled());
}

// The texts of a preview page, joined.
std::string pageText(app::Program& prog, int page) {
    std::string all;
    for (const auto& op : report::previewPage(prog, page).Picture2.surface().page())
        if (const auto* t = std::get_if<platform::TextOp>(&op)) all += t->text + "\n";
    return all;
}

// After New and after Close the File menu still offers the preview and printing (the sliding factor of
// the last run stays), but what they show is the new project's, never the one that was closed.
TEST_F(Shell, NewAndCloseLeaveNothingOfTheOldProjectToPreviewOrPrint) {
    const std::string typical = std::string(TARVELO_SOURCE_DIR) + "/tests/app/fixtures/typical.tvl";
    for (bool close : {false, true}) {
        services.openPaths.push_back(typical);
        main().Men_FOpn.click();
        ASSERT_TRUE(services.messages.empty()) << services.lastMessage().text;
        const float slide = prog.d.F_Slide;
        ASSERT_NE(slide, 0);
        main().Men_FImg.click();
        ASSERT_NE(pageText(prog, 1).find("第１工区"), std::string::npos);
        report::previewPage(prog, 1).hide();

        if (close) {
            services.answers.push_back(Answer::Ok);
            main().Men_FCls.click();
        } else {
            main().Men_FNew.click();
        }
        EXPECT_EQ(prog.d.F_Slide, slide);
        main().Men_F.click();
        EXPECT_TRUE(main().Men_FImg.enabled());
        EXPECT_TRUE(main().Men_FPrn.enabled());
        const std::size_t shown = services.messages.size();
        if (!close) {
            main().Men_FImg.click();
            EXPECT_EQ(pageText(prog, 1).find("第１工区"), std::string::npos) << pageText(prog, 1);
            report::previewPage(prog, 1).Men_Nex.click();
            EXPECT_EQ(pageText(prog, 2).find("2,500"), std::string::npos) << pageText(prog, 2);
            report::previewPage(prog, 2).hide();
        }
        // Printing the whole report.
        services.onModal = [](platform::Form& f) {
            if (f.name() != "Form15") return;
            auto& f15 = static_cast<report::Form15&>(f);
            f15.opt5.click();
            f15.cmd1.click();
        };
        main().Men_FPrn.click();
        services.onModal = nullptr;
        // The new project has no wall yet: the stability chapter cannot be computed, and nothing prints.
        ASSERT_GT(services.messages.size(), shown);
        EXPECT_EQ(services.lastMessage().text,
                  "後たて壁背面の傾きθを計算できません（H1－底版の厚さ＋H2 が 0 です）。");
        EXPECT_TRUE(services.printed.empty());
        services.messages.resize(shown);
    }
}

TEST_F(Shell, NewSelectsTheSiteTextAfterScreensWereCreated) {
    main().FileNew();
    prog.Form3().txt1.setText("横浜市");
    prog.Form3().txt2.setFocus();
    main().FileNew();
    EXPECT_EQ(prog.Form3().txt1.selStart(), 0);
    EXPECT_EQ(prog.Form3().txt1.selLength(), 0); // a fresh screen: its site box is empty
    EXPECT_EQ(prog.Form3().activeControl(), &prog.Form3().txt1);
}

TEST_F(Shell, CloseAsksAndClearsTheMarkersWhateverTheAnswer) {
    main().FileNew();
    prog.Form3().txt2.setText("24");
    for (Answer answer : {Answer::Cancel, Answer::Ok}) {
        prog.d.ScreenNo = 1;
        prog.d.Sigma_max = 150;
        prog.d.F_Slide = 1.8f;
        prog.d.SectCheck_Done = 1;
        main().fileName = "/tmp/a.tvl";
        main().Toolbar1.setButtonEnabled(3, true);
        services.answers.push_back(answer);

        main().Men_FCls.click();

        const auto& m = services.lastMessage();
        EXPECT_EQ(m.text, "閉じてもよろしいですか？");
        EXPECT_EQ(m.title, "確認");
        EXPECT_EQ(m.style, 289);
        EXPECT_EQ(prog.d.ScreenNo, 0);
        EXPECT_EQ(prog.d.Sigma_max, 0);
        EXPECT_EQ(prog.d.F_Slide, 1.8f); // kept
        EXPECT_EQ(prog.d.SectCheck_Done, 0);
        if (answer == Answer::Cancel) {
            EXPECT_TRUE(prog.Form3.loaded());
            EXPECT_EQ(prog.Form3().txt2.text(), "24");
            EXPECT_EQ(main().fileName, "/tmp/a.tvl");
            EXPECT_TRUE(button(3));
            // The File menu prints as the toolbar does; saving waits for a new check.
            main().Men_F.click();
            EXPECT_TRUE(main().Men_FImg.enabled());
            EXPECT_TRUE(main().Men_FPrn.enabled());
            EXPECT_FALSE(main().Men_FSav.enabled());
        } else {
            for (bool loaded : {prog.Form3.loaded(), prog.Form4.loaded(), prog.Form7.loaded(),
                                prog.Form23.loaded(), prog.Form25.loaded()})
                EXPECT_FALSE(loaded);
            EXPECT_EQ(main().fileName, "");
            EXPECT_FALSE(button(3));
            EXPECT_FALSE(button(5));
            EXPECT_FALSE(button(6));
        }
    }
}

TEST_F(Shell, ExitFromTheMenuAndFromTheWindowFrame) {
    services.answers = {Answer::No, Answer::Yes};
    main().Men_FEnd.click();
    EXPECT_EQ(services.quits, 0);
    main().Men_FEnd.click();
    EXPECT_EQ(services.quits, 1);
    for (const auto& m : services.messages) {
        EXPECT_EQ(m.text, "終了してもよろしいですか？");
        EXPECT_EQ(m.title, "確認");
        EXPECT_EQ(m.style, 260);
    }

    services.messages.clear();
    services.answers = {Answer::No};
    main().userClose();
    EXPECT_TRUE(prog.MDIForm1.loaded());
    EXPECT_EQ(services.quits, 1);
    services.answers = {Answer::Yes};
    main().userClose();
    EXPECT_EQ(services.quits, 2);
    for (const auto& m : services.messages) {
        EXPECT_EQ(m.text, "終了してもよろしいですか?");
        EXPECT_EQ(m.title, "");
        EXPECT_EQ(m.style, 4);
    }
}

TEST_F(Shell, ToolbarDispatchAndThePreviewWithoutAScreen) {
    main().Toolbar1.click(4); // the separator
    EXPECT_FALSE(prog.Form3.loaded());
    main().Toolbar1.setButtonEnabled(5, true);
    main().Toolbar1.click(5); // no input screen: nothing opens, the toolbar stays
    EXPECT_TRUE(main().Toolbar1.visible());
    main().Men_FImg.click();
    EXPECT_TRUE(main().Toolbar1.visible());
    main().Toolbar1.click(1);
    EXPECT_TRUE(prog.Form3().visible());
}

// "キャンセル" discards the cover dialog.
TEST_F(Shell, CoverDialogCancelDiscardsIt) {
    prog.Form22().cmd2.click();
    EXPECT_FALSE(prog.Form22.loaded());
}

std::multiset<std::string> captionsOf(const platform::Form& form) {
    std::multiset<std::string> captions;
    for (const auto* c : form.controls())
        if (c->kind() == platform::ControlKind::Label)
            captions.insert(static_cast<const platform::Label*>(c)->caption());
    return captions;
}

TEST_F(Shell, TheReferenceWindowTakesTheMenusAndToolbarWhileOpen) {
    for (bool byFrame : {false, true}) {
        main().Toolbar1.setVisible(false); // as an open preview leaves it
        main().Men_S.click();
        auto& form10 = prog.Form10();
        EXPECT_TRUE(form10.visible());
        EXPECT_EQ(form10.left(), 0);
        EXPECT_EQ(form10.top(), 0);
        EXPECT_FALSE(main().Men_F.enabled());
        EXPECT_FALSE(main().Men_S.enabled());
        EXPECT_FALSE(main().Toolbar1.visible());
        EXPECT_TRUE(main().Men_H.enabled());
        if (byFrame)
            form10.userClose();
        else
            form10.cmd1.click();
        EXPECT_FALSE(prog.Form10.loaded());
        EXPECT_TRUE(main().Men_F.enabled());
        EXPECT_TRUE(main().Men_S.enabled());
        EXPECT_TRUE(main().Toolbar1.visible());
    }
}

TEST_F(Shell, TheReferenceWindowShowsItsThreeTables) {
    auto& form10 = prog.Form10();
    EXPECT_EQ(form10.caption(), "Form10");
    EXPECT_EQ(form10.clientWidth(), 10920);
    EXPECT_EQ(form10.clientHeight(), 7350);
    EXPECT_EQ(form10.cmd1.caption(), "閉じる");
    EXPECT_EQ(
        (std::vector<int>{form10.cmd1.left(), form10.cmd1.top(), form10.cmd1.width(), form10.cmd1.height()}),
        (std::vector<int>{9060, 6600, 1410, 375}));
    const std::multiset<std::string> expected{"◎ 宅地造成等規制法",
                                              "土      質",
                                              "単位体積重量(γ)(kN/m3)",
                                              "主動土圧係数(KA)",
                                              "底盤の摩擦係数(μ)",
                                              "岩又は岩屑",
                                              "---",
                                              "---",
                                              "0.5",
                                              "砂利又は砂",
                                              "18",
                                              "0.35",
                                              "0.5",
                                              "砂  質  土",
                                              "17",
                                              "0.40",
                                              "0.4",
                                              "シルト、粘土",
                                              "16",
                                              "0.50",
                                              "0.3",
                                              "◎ 建築基準法(短期は長期の２倍)",
                                              "地　    盤",
                                              "長期許容応力度(kN/m2)",
                                              "岩　    盤",
                                              "1000",
                                              "固結した砂",
                                              " 500",
                                              "土  丹  盤",
                                              " 300",
                                              "密実な礫層",
                                              " 300",
                                              "密実な砂質地盤",
                                              " 200",
                                              "砂 質 地 盤",
                                              "  50",
                                              "堅い粘土質地盤",
                                              " 100",
                                              "粘土質地盤",
                                              "  20",
                                              "堅いローム層",
                                              " 100",
                                              "ロ ー ム 層",
                                              "  50",
                                              "◎ 建築基礎構造設計指針",
                                              "裏 込 土 の 種 類",
                                              "内部摩擦角(φ)(ﾟ)",
                                              "単位体積重量(γ)(kN/m3)",
                                              "きれいな砂又は砂利",
                                              "35",
                                              "18.0",
                                              "シルト又は粘土を含む透水性の低い砂質土 ",
                                              "30",
                                              "18.0",
                                              "粘土を多量に含む砂質土",
                                              "24",
                                              "17.5",
                                              "軟質な有機質シルト又はシルト質粘土",
                                              " 0",
                                              "16.0",
                                              "硬  質  粘  土",
                                              " 0",
                                              "17.0"};
    EXPECT_EQ(captionsOf(form10), expected);
}

TEST_F(Shell, TheAboutBox) {
    services.onModal = [](platform::Form& f) {
        auto& about = static_cast<app::Form13&>(f);
        EXPECT_EQ(about.caption(), "Tarvelo(Mirenda版)");
        EXPECT_EQ(about.lbl1.caption(), "Tarvelo(Mirenda版) Version 1.04");
        EXPECT_EQ(about.lbl1.fontSize(), 12);
        EXPECT_EQ(about.cmd1.caption(), "ＯＫ");
        EXPECT_EQ(about.clientWidth(), 6255);
        EXPECT_EQ(about.clientHeight(), 1845);
        about.cmd1.click();
    };
    main().Men_FVer.click();
    EXPECT_EQ(services.modalForms, (std::vector<std::string>{"Form13"}));
    EXPECT_FALSE(prog.Form13.loaded());
}

// Records the order in which controls report a change of their text or caption.
struct ChangeOrder : platform::ControlObserver {
    std::vector<std::string> names;
    void controlChanged(platform::Control& c, platform::Property what) override {
        if (what == platform::Property::Text || what == platform::Property::Caption)
            names.push_back(c.name());
    }
};

TEST_F(Shell, VoidingTheSectionDesignEmptiesItsControlsInOrder) {
    EXPECT_FALSE(prog.Form7.loaded());
    prog.Form7().Hihyouji_3(); // creates the screen first
    auto& form7 = prog.Form7();
    EXPECT_EQ(form7.cbo1.listCount(), 21);
    EXPECT_EQ(form7.cbo10.list(20), "  D41");
    EXPECT_EQ(form7.cbo2.list(1), "D10,D13");

    std::vector<std::string> filled;
    // Chosen as a project being read chooses them: without stability results.
    form7.projectBeingRead = true;
    for (auto* c : form7.barLists())
        c->setListIndex(3);
    form7.projectBeingRead = false;
    for (auto* c : form7.spacingLabels())
        c->setCaption("250");
    for (auto* c : form7.spacingBoxes())
        c->setText("200");
    for (int k = 0; k < 8; ++k)
        for (auto* l : form7.resultLabels(k))
            l->setCaption("O.K");
    form7.txt_ka.setText("0.297");
    form7.lbl_r5.setCaption("40");
    prog.d.SectCheck_Done = 1;

    ChangeOrder order;
    for (auto* c : form7.controls())
        c->setObserver(&order);
    form7.Hihyouji_3();

    const std::vector<std::string> expected{
        "cbo1",   "cbo2",   "cbo5",   "cbo6",   "cbo7",   "cbo8",   "cbo9",  "cbo10", "lbl_ra", "lbl_rb",
        "lbl_re", "lbl_rf", "lbl_rg", "lbl_rh", "lbl_ri", "lbl_rj", "txt1",  "txt2",  "txt5",   "txt6",
        "txt7",   "txt8",   "txt9",   "txt10",  "lbl1",   "lbl2",   "lbl3",  "lbl4",  "lbl5",   "lbl6",
        "lbl7",   "lbl8",   "lbl17",  "lbl18",  "lbl19",  "lbl20",  "lbl21", "lbl22", "lbl23",  "lbl24",
        "lbl25",  "lbl26",  "lbl27",  "lbl28",  "lbl29",  "lbl30",  "lbl31", "lbl32", "lbl33",  "lbl34",
        "lbl35",  "lbl36",  "lbl37",  "lbl38",  "lbl39",  "lbl40",  "txt_ka"};
    EXPECT_EQ(order.names, expected);
    for (auto* c : form7.barLists())
        EXPECT_EQ(c->listIndex(), -1);
    EXPECT_EQ(form7.lbl_r5.caption(), "40");
    EXPECT_EQ(prog.d.SectCheck_Done, 0);
    for (auto* c : form7.controls())
        c->setObserver(nullptr);
}

TEST_F(Shell, SectionScreenGoesBackToTheDimensions) {
    auto& form7 = prog.Form7();
    form7.show();
    EXPECT_EQ(prog.d.ScreenNo, 3);
    prog.Form4().txt12.setText("0.5");
    form7.cmd3.click();
    EXPECT_FALSE(form7.visible());
    auto& form4 = prog.Form4();
    EXPECT_TRUE(form4.visible());
    EXPECT_EQ(form4.activeControl(), &form4.txt12);
    EXPECT_EQ(form4.txt12.selLength(), 3);
}

} // namespace
