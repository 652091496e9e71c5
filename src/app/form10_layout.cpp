#include <initializer_list>
#include <string>

#include "app/form10.h"
#include "platform/layout.h"

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

void Form10::layOut() {
    setCaption("Form10");
    setClientSize(10920, 7350);
    setFont(std::string(platform::kGothic), 9);
    cmd1.move(9060, 6600, 1410, 375);

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
        platform::caption(*this, t.title, t.left, t.top, 4000, 255);
        const platform::Grid grid(t.left, t.top + kRow, t.columns, t.rowHeights);
        int r = 0;
        for (const auto& row : t.rows) {
            int c = 0;
            for (const char* text : row) {
                // Values sit centred in a smaller type; titles, heads and soil names use the window's font.
                const bool header = r == 0, first = c == 0;
                auto& cell =
                    grid.cell(*this, r, c, text,
                              !first || header ? platform::Alignment::Center : platform::Alignment::Left);
                if (!header && !first) cell.setFontSize(9.75);
                ++c;
            }
            ++r;
        }
        grid.rule(*this);
    }
}

} // namespace app
