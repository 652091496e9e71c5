#include "app/program.h"
#include "platform/layout.h"
#include "stability/form21.h"

namespace stability {

void Form21::layOut() {
    setCaption("Tarvelo(Mirenda版)");
    setClientSize(7200, 7200);
    setFont(std::string(platform::kGothic), 9);
    auto in = [this](platform::Frame& f, const char* text, int left, int top, int width) {
        platform::caption(*this, text, left, top, width, 255, platform::Alignment::Left, &f);
    };
    lblTitle.move(240, 120, 6720, 300);
    lblTitle.setFontSize(11.25);
    lblTitle.setAlignment(platform::Alignment::Center);

    Frame1.move(240, 540, 6720, 1320);
    opt1.setContainer(Frame1);
    opt2.setContainer(Frame1);
    opt1.move(240, 270, 6240, 285);
    opt2.move(240, 600, 6240, 285);
    in(Frame1, "ｅ：偏心距離", 480, 960, 2400);
    in(Frame1, "Ｂ：擁壁の底版幅", 2880, 960, 2400);

    Frame2.move(240, 1980, 6720, 1080);
    in(Frame2, "σmax≦feによる", 240, 300, 6240);
    in(Frame2, "σmax：最大接地圧", 480, 600, 2400);
    in(Frame2, "fe：地盤の許容応力度（短期）", 2880, 600, 3600);

    Frame3.move(240, 3180, 6720, 2520);
    opt5.setContainer(Frame3);
    opt6.setContainer(Frame3);
    opt5.move(240, 270, 3240, 285);
    opt6.move(240, 600, 3240, 285);
    in(Frame3, "（突起を設ける場合は F≧1.0）", 3600, 630, 3000);
    Frame4.move(120, 960, 6480, 1440);
    Frame4.setBorder(true);
    lbl1.move(120, 240, 6240, 255);
    opt7.move(360, 600, 6000, 285);
    opt8.move(360, 960, 6000, 285);

    chk1.move(240, 5880, 3600, 300);
    lbl2.move(480, 6270, 2400, 255);
    txt1.move(2880, 6240, 900, 300);
    lbl3.move(3840, 6270, 300, 255);
    txt1.setInputMode(platform::InputMode::Off);

    cmd1.move(3720, 6660, 1500, 405);
    cmd2.move(5400, 6660, 1500, 405);
    cmd1.isDefault = true;
    cmd2.isCancel = true;
}

} // namespace stability
