#include "app/mdi_form1.h"

namespace app {

void MDIForm1::layOut() {
    setCaption("Tarvelo(Mirenda版)");
    using Style = platform::ToolbarButton::Style;
    Toolbar1.addButton("新規作成", "[ファイル]-[新規作成]", 1);
    Toolbar1.addButton("開く", "[ファイル]-[開く]", 2);
    Toolbar1.addButton("上書き保存", "[ファイル]-[上書き保存]", 3);
    Toolbar1.addButton("", "", 0, Style::Separator);
    Toolbar1.addButton("印刷ｲﾒｰｼﾞ", "[ファイル]-[印刷ｲﾒｰｼﾞ]", 4);
    Toolbar1.addButton("印刷", "[ファイル]-[印刷]", 5);
}

} // namespace app
