#include "app/program.h"
#include "platform/layout.h"
#include "stability/form26.h"

namespace stability {

void Form26::layOut() {
    setCaption("Tarvelo(Mirenda版)");
    setClientSize(6600, 2940);
    setFont(std::string(platform::kGothic), 9);
    lblTitle.move(240, 180, 6120, 300);
    lblTitle.setFontSize(11.25);
    lblTitle.setAlignment(platform::Alignment::Center);
    platform::rule(*this, 240, 720, 6360, 720);
    platform::rule(*this, 6360, 720, 6360, 1920);
    platform::rule(*this, 6360, 1920, 240, 1920);
    platform::rule(*this, 240, 1920, 240, 720);
    platform::caption(*this, "「宅地造成等規制法施行令の別表第二を用いる場合は、", 480, 900, 5760, 255);
    platform::caption(*this, "土圧係数に５KN/m2程度の積載荷重が含まれているこ", 480, 1200, 5760, 255);
    platform::caption(*this, "とに留意する。」", 480, 1500, 5760, 255);
    cmd1.move(5040, 2220, 1320, 405);
    cmd1.isCancel = true;
}

} // namespace stability
