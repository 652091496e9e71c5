#include "app/form10.h"

#include <initializer_list>
#include <string>

#include "app/program.h"

namespace app {
namespace {

constexpr int kRow = 300;

struct Table {
    int left, top; // of the title
    const char* title;
    std::initializer_list<int> columns;                             // widths, twips
    std::initializer_list<int> rowHeights;                          // header first
    std::initializer_list<std::initializer_list<const char*>> rows; // header first
};

} // namespace

Form10::Form10(Program& program) : Form("Form10", platform::FormKind::MdiChild), prog_(program) {
    setCaption("Form10");
    setClientSize(10920, 7350);
    setFont(std::string(platform::kGothic), 9);
    cmd1.move(9060, 6600, 1410, 375);
    cmd1.onClick = [this] { cmd1_Click(); };

    const Table tables[] = {
        {480,
         420,
         "◎ 宅地造成等規制法",
         {1800, 2400, 1800, 1920},
         {kRow, kRow, kRow, kRow, kRow},
         {{"土      質", "単位体積重量(γ)(kN/m3)", "主動土圧係数(KA)", "底盤の摩擦係数(μ)"},
          {"岩又は岩屑", "---", "---", "0.5"},
          {"砂利又は砂", "18", "0.35", "0.5"},
          {"砂  質  土", "17", "0.40", "0.4"},
          {"シルト、粘土", "16", "0.50", "0.3"}}},
        {480,
         2820,
         "◎ 建築基準法(短期は長期の２倍)",
         {1800, 2040},
         {kRow, kRow, kRow, kRow, kRow, kRow, kRow, kRow, kRow, kRow, kRow},
         {{"地　    盤", "長期許容応力度(kN/m2)"},
          {"岩　    盤", "1000"},
          {"固結した砂", " 500"},
          {"土  丹  盤", " 300"},
          {"密実な礫層", " 300"},
          {"密実な砂質地盤", " 200"},
          {"砂 質 地 盤", "  50"},
          {"堅い粘土質地盤", " 100"},
          {"粘土質地盤", "  20"},
          {"堅いローム層", " 100"},
          {"ロ ー ム 層", "  50"}}},
        {4500,
         2820,
         "◎ 建築基礎構造設計指針",
         {2340, 1740, 2160},
         {kRow, kRow, 2 * kRow, kRow, 2 * kRow, kRow},
         {{"裏 込 土 の 種 類", "内部摩擦角(φ)(ﾟ)", "単位体積重量(γ)(kN/m3)"},
          {"きれいな砂又は砂利", "35", "18.0"},
          {"シルト又は粘土を含む透水性の低い砂質土 ", "30", "18.0"},
          {"粘土を多量に含む砂質土", "24", "17.5"},
          {"軟質な有機質シルト又はシルト質粘土", " 0", "16.0"},
          {"硬  質  粘  土", " 0", "17.0"}}},
    };

    for (const auto& t : tables) {
        addLabel(t.title, t.left, t.top, 4000, 255);
        int width = 0;
        for (int w : t.columns)
            width += w;
        int y = t.top + kRow;
        auto height = t.rowHeights.begin();
        bool header = true;
        for (const auto& row : t.rows) {
            int h = *height++;
            int x = t.left;
            auto w = t.columns.begin();
            bool first = true;
            for (const char* text : row) {
                auto& cell = addLabel(text, x + 45, y + 45, *w - 90, h - 60);
                // Values sit centred in a smaller type; titles, heads and soil names use the window's font.
                if (!first || header) cell.setAlignment(platform::Alignment::Center);
                if (!header && !first) cell.setFontSize(9.75);
                x += *w++;
                first = false;
            }
            addLine(t.left, y, t.left + width, y);
            y += h;
            header = false;
        }
        addLine(t.left, y, t.left + width, y);
        int x = t.left;
        addLine(x, t.top + kRow, x, y);
        for (int w : t.columns) {
            x += w;
            addLine(x, t.top + kRow, x, y);
        }
    }
}

void Form10::cmd1_Click() {
    unload();
}

// Closing by "閉じる" or by the window frame gives the File and Reference menus and the toolbar back.
void Form10::Form_Unload() {
    auto& main = prog_.MDIForm1();
    main.Men_F.setEnabled(true);
    main.Men_S.setEnabled(true);
    main.Toolbar1.setVisible(true);
}

} // namespace app
