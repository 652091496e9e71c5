#pragma once

#include "app/screen_header.h"

#include "model/choices.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace app {
struct Program;
}

namespace conditions {

// The ground-shape screen. GroundShape lives in its two options; neither is selected at first.
class Form23 : public platform::Form {
public:
    explicit Form23(app::Program& program);

    platform::Label lblTitle{*this, "lblTitle", "地盤の形状の選択"};
    platform::Label lblAsk{*this, "lblAsk", "地盤の形状(１)又は(２)を選択してください。"};
    platform::Frame Frame1{*this, "Frame1"};                        // the two shapes
    platform::OptionButton opt1{*this, "opt1", "(１)片側土圧"};     // one-sided earth pressure
    platform::OptionButton opt2{*this, "opt2", "(２)両側対象土圧"}; // symmetric earth pressure
    platform::CommandButton cmd1{*this, "cmd1", "寸法の入力 >"};
    platform::CommandButton cmd2{*this, "cmd2", "< 設計条件"};

    // The ground shape as chosen on the screen.
    model::GroundShape shape() const;
    void opt1_Click();
    void opt2_Click();
    void cmd1_Click();
    void cmd2_Click();

protected:
    void Form_QueryUnload(bool& cancel) override;

private:
    void layOut();
    void drawPlan();
    void drawSection(int left, bool bothSides);
    void shapeChosen();
    // Shows and hides the dimensions screen's controls for the chosen shape.
    void layOutDimensions(bool oneSided);
    // The symmetric shape carries the back surcharge to the front.
    void copyFrontSurcharge();

    app::Program& prog_;
};

} // namespace conditions
