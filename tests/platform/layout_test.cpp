#include <gtest/gtest.h>

#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/layout.h"
#include "platform/wiring.h"

using namespace platform;

namespace {

struct Screen : Form {
    Screen() : Form("Screen", FormKind::MdiChild) {
        wire(*this, {{&cmd1.onClick, &Screen::cmd1_Click}, {&txt1.onChange, &Screen::txt1_Change}});
    }
    CommandButton cmd1{*this, "cmd1"};
    TextBox txt1{*this, "txt1"};
    Label lblName{*this, "lblName"};
    Label lblUnit{*this, "lblUnit"};
    std::vector<const char*> log;
    void cmd1_Click() { log.push_back("cmd1"); }
    void txt1_Change() { log.push_back("txt1"); }
};

TEST(Layout, WiredHandlersRunOnTheirOwnEvents) {
    Screen s;
    s.cmd1.click();
    s.txt1.setText("1");
    EXPECT_EQ(s.log, (std::vector<const char*>{"cmd1", "txt1"}));
}

TEST(Layout, ALabelledRowLinesUpCaptionBoxAndUnit) {
    Screen s;
    const RowColumns columns{960, 1080, 2160, 735, 300, 2970, 360};
    labelledRow(columns, 1500, &s.lblName, s.txt1, &s.lblUnit);
    EXPECT_EQ(s.lblName.top(), 1530); // the text sits 30 twips lower than the box
    EXPECT_EQ(s.lblName.width(), 1080);
    EXPECT_EQ(s.txt1.left(), 2160);
    EXPECT_EQ(s.txt1.height(), 300);
    EXPECT_EQ(s.lblUnit.left(), 2970);
    EXPECT_EQ(s.lblUnit.height(), 255);
}

TEST(Layout, AGridRulesItsEdgesAndPlacesCellsInsideThem) {
    Screen s;
    const Grid grid(480, 720, {1800, 2400}, {300, 600});
    EXPECT_EQ(grid.x(2), 480 + 4200);
    EXPECT_EQ(grid.y(1), 1020);
    const std::size_t before = s.controls().size();
    grid.rule(s);
    EXPECT_EQ(s.controls().size() - before, 3u + 3u); // three row rules, three column rules
    Label& cell = grid.cell(s, 1, 1, "18", Alignment::Center);
    EXPECT_EQ(cell.left(), 480 + 1800 + 45);
    EXPECT_EQ(cell.top(), 1020 + 45);
    EXPECT_EQ(cell.width(), 2400 - 90);
    EXPECT_EQ(cell.height(), 600 - 60);
}

} // namespace
