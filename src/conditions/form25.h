#pragma once

#include "app/screen_header.h"

#include "model/choices.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/result.h"

namespace app {
struct Program;
}

namespace conditions {

// The seismic-method dialog: how the horizontal seismic load is computed, and Kh and Kv.
class Form25 : public platform::Form {
public:
    explicit Form25(app::Program& program);

    platform::Label lblTitle{*this, "lblTitle", "地震時水平荷重の計算方法"};
    platform::Label lblA{*this, "lblA", "Ａ 建築基礎構造設計指針"};
    platform::Label lblK1{*this, "lblK1", "①"};
    platform::Label lblK2{*this, "lblK2", "②"};
    platform::Label lblB{*this, "lblB", "Ｂ 道路土工　擁壁工指針"};
    // SeismicMethod: one group, none selected when the dialog is created.
    platform::OptionButton opt_K1{*this, "opt_K1", "地震時土圧による荷重"};
    platform::OptionButton opt_K2{*this, "opt_K2", "擁壁の自重に起因する地震時慣性力＋常時の土圧の荷重"};
    platform::OptionButton opt_D1{*this, "opt_D1", "擁壁の自重に起因する地震時慣性力＋地震時の土圧の荷重"};
    // The note in red: with A, compute both and adopt the larger.
    platform::Label lblNote{*this, "lblNote",
                            "Ａによる場合は、①と②の２通り計算比較し、①又は②の大きいほうを採用してください。"};
    platform::Frame Frame1{*this, "Frame1", "震度の入力"}; // the two coefficient boxes
    platform::TextBox Text1{*this, "Text1"};               // Kh
    platform::TextBox Text2{*this, "Text2"};               // Kv
    platform::CommandButton cmd1{*this, "cmd1", "ＯＫ"};
    platform::CommandButton cmd2{*this, "cmd2", "キャンセル"};

    void cmd1_Click();
    void cmd2_Click();

    // Kh and Kv from the boxes; a number beyond the single range stops it and changes nothing.
    platform::Status Jisin();
    // The seismic method as chosen in the dialog.
    model::SeismicMethod method() const;

protected:
    void Form_QueryUnload(bool& cancel) override;

private:
    void layOut();
    void markAllStale();

    app::Program& prog_;
};

} // namespace conditions
