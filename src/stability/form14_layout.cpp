#include "app/program.h"
#include "platform/layout.h"
#include "stability/form14.h"

namespace stability {

void Form14::layOut() {
    setCaption("Tarvelo(Mirenda版)");
    setClientSize(7200, 5640);
    setFont(std::string(platform::kGothic), 9);
    auto in = [this](platform::Frame& f, const char* text, int left, int top, int width) {
        platform::caption(*this, text, left, top, width, 255, platform::Alignment::Left, &f);
    };
    lblTitle.move(240, 120, 6720, 300);
    lblTitle.setFontSize(11.25);
    lblTitle.setAlignment(platform::Alignment::Center);

    Frame1.move(240, 540, 6720, 1080);
    in(Frame1, "転倒安全率 Ｆ≧1.5 ( ｅ≦Ｂ/6 ) による", 240, 300, 6240);
    in(Frame1, "ｅ：偏心距離", 480, 600, 2400);
    in(Frame1, "Ｂ：擁壁の底版幅", 2880, 600, 2400);

    Frame2.move(240, 1740, 6720, 1080);
    in(Frame2, "σmax≦ｑaによる", 240, 300, 6240);
    in(Frame2, "σmax：最大接地圧", 480, 600, 2400);
    in(Frame2, "ｑa：地盤の許容応力度", 2880, 600, 3600);

    Frame3.move(240, 2940, 6720, 1980);
    in(Frame3, "滑動安全率 F≧1.5 による", 240, 300, 2880);
    in(Frame3, "（突起を設ける場合は F≧1.0）", 3120, 300, 3360);
    for (platform::Control* c :
         {static_cast<platform::Control*>(&lbl1), static_cast<platform::Control*>(&opt4),
          static_cast<platform::Control*>(&opt5)})
        c->setContainer(Frame3);
    lbl1.move(240, 720, 6240, 255);
    opt4.move(480, 1050, 6000, 285);
    opt5.move(480, 1410, 6000, 285);

    cmd1.move(3720, 5100, 1500, 405);
    cmd2.move(5400, 5100, 1500, 405);
    cmd1.isDefault = true;
    cmd2.isCancel = true;
}

} // namespace stability
