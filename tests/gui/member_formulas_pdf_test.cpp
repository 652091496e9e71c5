#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "pdf_pages.h"
#include "report/contact_walls.h"
#include "report/output/form15.h"

namespace {

// Pages 5 to 9 of a wall of every reaction form, printed through the print options and then into a PDF.
// When MEMBER_FORMULAS_PDF_DIR names a folder, each wall's PDF is kept there as wall-N.pdf (N from 1, in the
// order of the table) for looking at.
TEST(MemberFormulasPdf, EveryReactionFormPrintsIntoAPdf) {
    const char* folder = std::getenv("MEMBER_FORMULAS_PDF_DIR");
    int n = 0;
    for (const auto& wall : report_test::contactWalls()) {
        SCOPED_TRACE(wall.name);
        ++n;
        testing_support::RecordingServices services;
        app::Program prog;
        prog.MDIForm1().show();
        ASSERT_TRUE(report_test::designWall(prog, wall));
        auto& f15 = prog.Form15();
        f15.opt3.click();
        if (f15.chk_P.value() != 1) f15.chk_P.click();
        f15.txt_P.setText("5");
        f15.cmd1.click();
        ASSERT_EQ(services.printed.size(), 1u);
        const auto& sheets = services.printed.back();
        if (folder) {
            const std::string path = std::string(folder) + "/wall-" + std::to_string(n) + ".pdf";
            ASSERT_EQ(setenv("MEMBER_FORMULAS_PDF", path.c_str(), 1), 0);
        }
        EXPECT_EQ(gui_test::printToPdf(sheets, folder ? "MEMBER_FORMULAS_PDF" : "MEMBER_FORMULAS_PDF_UNSET"),
                  static_cast<int>(sheets.size()));
    }
}

} // namespace
