#pragma once

#include "app/screen_header.h"

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/menu.h"

namespace app {
struct Program;
}

namespace report {

// One page of the report preview: the page canvas at paper size inside a scrolled viewport, and the
// menus that turn, print and close the preview. The nine pages are this one class under the names
// Form1, Form2, Form5, Form18, Form6, Form8, Form16, Form17 and Form20.
class PreviewPage : public platform::Form {
public:
    // `page`: the report page shown, 1 to 9.
    PreviewPage(app::Program& program, int page);

    int page() const { return page_; }

    platform::PictureBox Picture1{*this, "Picture1"}; // the viewport
    platform::PictureBox Picture2{*this, "Picture2"}; // the page canvas, the output object while shown
    platform::ScrollBar VScroll1{*this, "VScroll1", platform::ScrollBar::Orientation::Vertical};
    platform::ScrollBar HScroll1{*this, "HScroll1", platform::ScrollBar::Orientation::Horizontal};

    // Page 1 has no previous page, page 9 no next one: those items are hidden.
    platform::MenuItem Men_Pre{*this, "Men_Pre", "前のﾍﾟｰｼﾞ(&F)"};
    platform::MenuItem Men_Nex{*this, "Men_Nex", "次のﾍﾟｰｼﾞ(&N)"};
    platform::MenuItem Men_Prn{*this, "Men_Prn", "印刷(&P)"};
    platform::MenuItem Men_Cls{*this, "Men_Cls", "閉じる(&C)"};

    void VScroll1_Change();
    void HScroll1_Change();
    void Men_Pre_Click();
    void Men_Nex_Click();
    void Men_Prn_Click();
    void Men_Cls_Click();

protected:
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel) override;
    void Form_Unload() override;

private:
    void layOut();
    // Unloads the nine page windows, each once.
    void unloadPages();

    app::Program& prog_;
    int page_;
};

// The window of report page 1 … 9.
PreviewPage& previewPage(app::Program& program, int page);
platform::FormSlot<PreviewPage>& previewSlot(app::Program& program, int page);

} // namespace report
