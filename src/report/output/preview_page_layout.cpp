#include "report/output/preview_page.h"

#include <string>

namespace report {

void PreviewPage::layOut() {
    setTitleBar(false);
    setBackColor(platform::kWhite);
    setClientSize(10920, 7350);

    Picture1.move(0, 0, 10665, 7095);
    Picture2.setContainer(Picture1);
    Picture2.move(0, 0, 10665, 7095);
    Picture2.setBorder(false);
    Picture2.setBackColor(platform::kWhite);
    Picture2.setFont(std::string(platform::kMincho), 11.25);
    Picture2.surface().setFontName(std::string(platform::kMincho));
    Picture2.surface().setFontSize(11.25);
    VScroll1.move(10680, 0, 255, 7095);
    HScroll1.move(0, 7110, 10665, 255);

    Men_Pre.setVisible(page_ != 1);
    Men_Nex.setVisible(page_ != 9);
}

} // namespace report
