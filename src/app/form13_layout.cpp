#include <string>

#include "app/form13.h"

namespace app {

void Form13::layOut() {
    setCaption("Tarvelo(Mirenda版)");
    setClientSize(6255, 1845);
    setFont(std::string(platform::kGothic), 9);
    Picture1.move(240, 240, 480, 480);
    lbl1.move(960, 240, 5100, 300);
    lbl1.setFont(std::string(platform::kGothic), 12);
    lbl2.move(960, 660, 5100, 255);
    lbl2.setFontSize(9.75);
    cmd1.move(2430, 1200, 1395, 405);
    cmd1.isDefault = true;
    cmd1.isCancel = true;
}

} // namespace app
