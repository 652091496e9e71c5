#pragma once

#include "app/screen_header.h"

#include "platform/controls.h"
#include "platform/form.h"

namespace app {
struct Program;
}

namespace stability {

// The stability-method dialog of the normal case: how the cohesion of the bearing ground enters the
// sliding resistance.
class Form14 : public platform::Form {
public:
    explicit Form14(app::Program& program);

    platform::Label lbl1{*this, "lbl1", "底版の有効載荷面積（基礎地盤の土の粘着力を考慮する場合）"};
    platform::OptionButton opt4{*this, "opt4", "偏心の控除をする　　A'=底盤巾-(2×偏心距離)"};
    platform::OptionButton opt5{*this, "opt5", "偏心の控除をしない   B=底盤巾(浮き上がりが生じる部分を控除)"};

private:
    app::Program& prog_;
};

} // namespace stability
