#include "report/output/form15.h"

#include <string>

namespace report {

void Form15::layOut() {
    setCaption("Tarvelo(Mirenda版)");
    setClientSize(3810, 3960);
    setFont(std::string(platform::kGothic), 9);

    Frame1.move(180, 120, 3435, 2235);
    int tab = 0;
    for (auto* o : {&opt1, &opt2, &opt3, &opt4, &opt5}) {
        o->setContainer(Frame1);
        o->setTabIndex(tab++);
    }
    opt1.move(240, 360, 1995, 195);
    opt2.move(240, 720, 1995, 195);
    opt3.move(240, 1080, 1995, 195);
    opt4.move(240, 1440, 2415, 195);
    opt5.move(240, 1800, 3075, 195); // as tall as the others, so that its caption fits
    chk_P.move(720, 2520, 2295, 240);
    chk_P.setTabIndex(5);
    txt_P.move(2520, 3000, 555, 270);
    txt_P.setTabIndex(6);
    txt_P.setEnabled(false);
    txt_P.setInputMode(platform::InputMode::Off);
    cmd1.move(660, 3480, 1215, 375);
    cmd1.setTabIndex(7);
    cmd2.move(1980, 3480, 1215, 375);
    cmd2.setTabIndex(8);
    Frame1.setTabIndex(9);
    lbl2.move(960, 3120, 1515, 195);
    lbl2.setTabIndex(10);
    lbl2.setEnabled(false);
    lbl1.move(960, 2880, 1515, 195);
    lbl1.setTabIndex(11);
    lbl1.setEnabled(false);
}

} // namespace report
