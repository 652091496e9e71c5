#include <QDir>
#include <QPrinter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <optional>
#include <variant>

#include "gui/qt_services.h"
#include "page_layout.h"
#include "platform/runtime.h"
#include "report/output/page_chain.h"
#include "sections/sections_fixture.h"

namespace {

using stability_test::Method;
using stability_test::type;

// The recording services; with REPORT_LAYOUT_DIR set, each document also goes into a PDF file there
// through the program's own printing, for looking at.
class LayoutServices : public testing_support::RecordingServices {
public:
    std::string pdfPath;
    platform::Status printDocument(const std::vector<platform::Page>& pages) override {
        if (!pdfPath.empty()) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setOutputFileName(QString::fromStdString(pdfPath));
            if (!gui::printPages(printer, pages)) return platform::Fault{"印刷できませんでした。"};
        }
        return RecordingServices::printDocument(pages);
    }
};

struct Wall {
    const char* name;
    std::function<void(app::Program&)> dimensions;
    int inertia = 0;        // the section screen's surcharge inertia
    bool computeKa = false; // "計算する" for the coefficient, else the typed one
    // What makes the case, true of the stability results.
    std::function<bool(const model::DesignData&)> holds = [](const model::DesignData&) { return true; };
};

// Where the contact under the base ends, from its front end (m): the resultant behind the centre and
// beyond the middle third leaves a triangle 3 × (B/2 − |e|) long from the heel's end.
double contactEnd(const model::DesignData& d) {
    return double(d.B) - 3.0 * (d.B / 2.0 - std::fabs(double(d.e)));
}

// Where the contact ends from the toe's tip (m): short of the base when the resultant lies before the
// centre and beyond the middle third.
double contactFromToe(const model::DesignData& d) {
    return d.e > 0 ? 3.0 * (d.B / 2.0 - double(d.e)) : double(d.B);
}

void road(app::Program& p) {
    p.Form3().opt_D.setValue(true);
}

void seismic(app::Program& p, Method m) {
    p.Form3().txt13.setText("300"); // σsa, short term
    stability_test::seismic(p, m, "0.2");
    p.Form21().opt1.setValue(true); // overturning F ≥ 1.0
    p.Form21().opt5.setValue(true); // sliding F ≥ 1.0
}

// The typical wall with its rear wall's earth face leaning a hair forward: 0.45 − 0.25 − 0.2 in single
// precision is −1.5e-8 m, so that θ prints "-0.00" in every substituted formula.
void signedTheta(app::Program& p) {
    stability_test::typicalWall(p);
    type({{&p.Form4().txt9, "0.25"}, {&p.Form4().txt10, "0.2"}, {&p.Form4().txt15, "0.45"}});
}

void spanOfHalfAMetre(app::Program& p) {
    stability_test::typicalWall(p);
    type({{&p.Form4().txt3, "3.5"},
          {&p.Form4().txt4, "1.0"},
          {&p.Form4().txt5, "4.6"},
          {&p.Form4().txt6, "0.4"},
          {&p.Form4().txt14, "0.5"},
          {&p.Form4().txt12, "1.0"},
          {&p.Form4().txt16, "1.5"},
          {&p.Form4().txt17, "0.5"},
          {&p.Form4().txt18, "0.4"},
          {&p.Form4().txt19, "0.4"}});
}

bool thetaSigned(const model::DesignData& d) {
    return platform::format(d.Theta, "0.00") == "-0.00";
}

const std::vector<Wall>& walls() {
    static const std::vector<Wall> all{
        {"typical wall", [](app::Program& p) { stability_test::typicalWall(p); }},
        {"K1, building", [](app::Program& p) { stability_test::typicalWall(p), seismic(p, Method::K1); }, 0,
         true},
        {"K1, road", [](app::Program& p) { stability_test::typicalWall(p), road(p), seismic(p, Method::K1); },
         0, true},
        {"K2, building", [](app::Program& p) { stability_test::typicalWall(p), seismic(p, Method::K2); }, 0,
         true},
        {"K2, road", [](app::Program& p) { stability_test::typicalWall(p), road(p), seismic(p, Method::K2); },
         0, true},
        {"D1, building", [](app::Program& p) { stability_test::typicalWall(p), seismic(p, Method::D1); }, 0,
         true},
        {"D1, road", [](app::Program& p) { stability_test::typicalWall(p), road(p), seismic(p, Method::D1); },
         0, true},
        {"heel, toe and key", [](app::Program& p) { sections_test::typicalWallWithKey(p); }},
        {"no heel, toe or key",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form4().txt12, "0"},
                   {&p.Form4().txt18, "0"},
                   {&p.Form4().txt16, "0"},
                   {&p.Form4().txt19, "0"}});
         }},
        {"heel only",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form4().txt12, "0"}, {&p.Form4().txt18, "0"}});
         }},
        {"toe and key",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form4().txt16, "0"}, {&p.Form4().txt19, "0"}});
             sections_test::key(p);
         }},
        {"surcharge inertia, D1",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             seismic(p, Method::D1);
             p.Form21().chk1.setValue(1);
             type({{&p.Form21().txt1, "3.5"}});
             p.Form21().cmd1.click(); // "ＯＫ": the height counts
         },
         1, true},
        {"three surcharges, K2",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form4().txt21, "20"}, {&p.Form4().txt22, "15"}, {&p.Form4().txt23, "12.5"}});
             seismic(p, Method::K2);
         },
         0, true},
        {"low wide wall",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form4().txt3, "0.7"},
                   {&p.Form4().txt4, "0.5"},
                   {&p.Form4().txt5, "1.0"},
                   {&p.Form4().txt6, "0.2"},
                   {&p.Form4().txt14, "3.5"}});
         }},
        {"tall narrow wall",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form4().txt3, "2.5"},
                   {&p.Form4().txt4, "2.0"},
                   {&p.Form4().txt5, "4.5"},
                   {&p.Form4().txt20, "0.5"},
                   {&p.Form4().txt6, "0.5"},
                   {&p.Form4().txt13, "0.5"},
                   {&p.Form4().txt15, "0.5"},
                   {&p.Form4().txt14, "1.5"}});
         }},
        // A large wall, whose loads and moments run past 10 000.
        {"large wall",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form4().txt3, "8.5"},
                   {&p.Form4().txt4, "1.5"},
                   {&p.Form4().txt5, "10"},
                   {&p.Form4().txt6, "0.5"},
                   {&p.Form4().txt7, "0.5"},
                   {&p.Form4().txt9, "0.5"},
                   {&p.Form4().txt13, "1.2"},
                   {&p.Form4().txt15, "1.2"},
                   {&p.Form4().txt14, "6.0"},
                   {&p.Form4().txt12, "3.0"},
                   {&p.Form4().txt16, "3.0"},
                   {&p.Form4().txt17, "1.2"},
                   {&p.Form4().txt18, "0.8"},
                   {&p.Form4().txt19, "0.8"},
                   {&p.Form4().txt20, "1.0"},
                   {&p.Form4().txt21, "20"}});
         },
         0, false, [](const model::DesignData& d) { return d.SumWx > 10000; }},
        // KA 0.94 on a tall wall without a toe: the resultant near the base's front end, σmax 1439 kN/m2.
        {"σmax above 1000",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form4().txt3, "3"},
                   {&p.Form4().txt5, "4"},
                   {&p.Form4().txt11, "0.94"},
                   {&p.Form4().txt14, "1.5"},
                   {&p.Form4().txt12, "0"},
                   {&p.Form4().txt18, "0"}});
         },
         0, false, [](const model::DesignData& d) { return d.Sigma_max > 1000; }},
        // A long heel under heavy back soil and surcharge, hardly any earth pressure: the resultant lies
        // behind the centre and beyond the middle third, the contact ending under the front wall.
        {"resultant behind the middle third",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form3().txt5, "20"},
                   {&p.Form4().txt5, "5"},
                   {&p.Form4().txt12, "0"},
                   {&p.Form4().txt18, "0"},
                   {&p.Form4().txt16, "3.0"},
                   {&p.Form4().txt11, "0.01"},
                   {&p.Form4().txt21, "80"},
                   {&p.Form4().txt22, "0"}});
         },
         0, false,
         [](const model::DesignData& d) { return d.e < 0 && -d.e / d.B > 1 / 6.0 && contactEnd(d) > 0; }},
        // The same kind of wall with a toe, whose contact ends inside the toe.
        {"toe partly in contact",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form3().txt5, "20"},
                   {&p.Form4().txt5, "4"},
                   {&p.Form4().txt16, "2.5"},
                   {&p.Form4().txt11, "0.01"},
                   {&p.Form4().txt21, "60"},
                   {&p.Form4().txt22, "0"}});
         },
         0, false, [](const model::DesignData& d) { return contactEnd(d) > 0 && contactEnd(d) < d.B_Toe; }},
        // Load rows that the totals count, member B's floored △PAX, and a heel the contact does not reach.
        {"front soil not counted under a front surcharge",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             p.Form4().opt4.setValue(true);
         },
         0, false, [](const model::DesignData& d) { return d.A_FrontSoil == 0 && d.W_QFront != 0; }},
        {"surcharge inertia, K2, front soil not counted",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             p.Form4().opt4.setValue(true);
             seismic(p, Method::K2);
             p.Form21().chk1.setValue(1);
             type({{&p.Form21().txt1, "3.5"}});
             p.Form21().cmd1.click(); // "ＯＫ": the height counts
         },
         1, true, [](const model::DesignData& d) { return d.A_FrontSoil == 0 && d.W_QFront != 0; }},
        {"deduction with q below 5",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form4().txt21, "3"}});
             p.Form4().chk1.setValue(1);
         },
         0, false, [](const model::DesignData& d) { return d.q_Back < 5 && d.DPA < 0; }},
        // The same under the surcharges' inertia (the deduction goes with a typed coefficient): page 6 at
        // its longest, the floor on a line of its own.
        {"deduction with q below 5, surcharge inertia, D1",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form4().txt21, "3"}});
             p.Form4().chk1.setValue(1);
             seismic(p, Method::D1);
             p.Form21().chk1.setValue(1);
             type({{&p.Form21().txt1, "3.5"}});
             p.Form21().cmd1.click(); // "ＯＫ": the height counts
         },
         1, false, [](const model::DesignData& d) { return d.q_Back < 5 && d.DPA < 0; }},
        // e = 1.465: the contact from the toe ends at Xn = 3 × (B/2 − e) = 4.680, in the span, before the
        // heel's root at 5.1.
        {"contact ending before the heel's root",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form4().txt12, "2.5"},
                   {&p.Form4().txt16, "0.5"},
                   {&p.Form4().txt11, "0.8"},
                   {&p.Form4().txt5, "6"}});
         },
         0, false,
         [](const model::DesignData& d) {
             return d.e > 0 && 3.0 * (d.B / 2.0 - d.e) < double(d.B) - d.B_Heel;
         }},
        // Each seismic method with θ printed "-0.00"; σmax above 1000 with the contact ending in the toe.
        {"K1, θ -0.00", [](app::Program& p) { signedTheta(p), seismic(p, Method::K1); }, 0, true,
         thetaSigned},
        {"K2, θ -0.00", [](app::Program& p) { signedTheta(p), road(p), seismic(p, Method::K2); }, 0, true,
         thetaSigned},
        {"D1, θ -0.00", [](app::Program& p) { signedTheta(p), road(p), seismic(p, Method::D1); }, 0, true,
         thetaSigned},
        {"σmax above 1000, contact ending inside the toe",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form4().txt3, "3"},
                   {&p.Form4().txt5, "4"},
                   {&p.Form4().txt11, "1.44"},
                   {&p.Form4().txt14, "1.5"},
                   {&p.Form4().txt12, "0.8"}});
         },
         0, false,
         [](const model::DesignData& d) { return d.Sigma_max > 1000 && contactFromToe(d) < d.B_Toe; }},
        // Drawings whose dimension numbers, labels and part numbers have little room.
        {"narrow span under tall walls",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form4().txt3, "4.5"},
                   {&p.Form4().txt4, "1.5"},
                   {&p.Form4().txt5, "5.6"},
                   {&p.Form4().txt6, "0.4"},
                   {&p.Form4().txt14, "0.6"},
                   {&p.Form4().txt12, "1.0"},
                   {&p.Form4().txt16, "1.5"},
                   {&p.Form4().txt17, "0.5"},
                   {&p.Form4().txt18, "0.4"},
                   {&p.Form4().txt19, "0.4"},
                   {&p.Form4().txt20, "0.2"}});
         }},
        {"span of 1.4 m under walls of 3.5 m",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form4().txt3, "2.5"},
                   {&p.Form4().txt4, "1.0"},
                   {&p.Form4().txt5, "3.2"},
                   {&p.Form4().txt6, "0.3"},
                   {&p.Form4().txt14, "1.4"},
                   {&p.Form4().txt17, "0.35"},
                   {&p.Form4().txt20, "0.5"}});
         }},
        // B = 0.3 + 0.35 + 0.6 + 0.35 + 0.3 = 1.9.
        {"base of 1.9 m with 350 mm walls",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form4().txt13, "0.35"},
                   {&p.Form4().txt15, "0.35"},
                   {&p.Form4().txt12, "0.3"},
                   {&p.Form4().txt16, "0.3"},
                   {&p.Form4().txt14, "0.6"},
                   {&p.Form4().txt18, "0.25"},
                   {&p.Form4().txt19, "0.25"},
                   {&p.Form4().txt17, "0.3"}});
         }},
        // A 5 m wall on a base of 2.45 m: every part is narrower than its number at the drawing's scale.
        {"narrow base, crowded numbers",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form4().txt3, "4.0"},
                   {&p.Form4().txt4, "1.0"},
                   {&p.Form4().txt5, "4.6"},
                   {&p.Form4().txt6, "0.4"},
                   {&p.Form4().txt12, "0.3"},
                   {&p.Form4().txt16, "0.55"},
                   {&p.Form4().txt14, "0.8"},
                   {&p.Form4().txt17, "0.3"},
                   {&p.Form4().txt18, "0.25"},
                   {&p.Form4().txt19, "0.25"},
                   {&p.Form4().txt20, "0.1"}});
         }},
        // Crowded drawings whose numbers and labels need leaders: a 0.5 m span between walls of 4.5 and 5 m.
        {"span of 0.5 m under walls of 5 m", spanOfHalfAMetre},
        // A 300 mm slab, its toe's and heel's tips thinner still, under walls of 4.6 m; the back wall 200 mm
        // above the ground.
        {"slab of 300 mm under walls of 4.6 m",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form4().txt3, "3.6"},
                   {&p.Form4().txt4, "1.0"},
                   {&p.Form4().txt5, "4.4"},
                   {&p.Form4().txt6, "0.2"},
                   {&p.Form4().txt12, "0.6"},
                   {&p.Form4().txt16, "0.8"},
                   {&p.Form4().txt17, "0.3"},
                   {&p.Form4().txt18, "0.2"},
                   {&p.Form4().txt19, "0.2"}});
         }},
        // A fill of 150 mm across a span of 4 m.
        {"thin fill in a wide span",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form4().txt14, "4.0"}, {&p.Form4().txt20, "0.15"}});
         }},
        // The central surcharge's block and label between walls of 4.5 m 0.8 m apart.
        {"central surcharge in a narrow span",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form4().txt3, "3.2"},
                   {&p.Form4().txt4, "1.0"},
                   {&p.Form4().txt5, "4.0"},
                   {&p.Form4().txt6, "0.5"},
                   {&p.Form4().txt14, "0.8"},
                   {&p.Form4().txt22, "5"}});
         }},
        // The row above the walls reads 100 200 550 150 200: every segment narrower than its number.
        {"five narrow segments above the walls",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form4().txt3, "3.5"},
                   {&p.Form4().txt4, "1.0"},
                   {&p.Form4().txt5, "4.2"},
                   {&p.Form4().txt6, "0.3"},
                   {&p.Form4().txt7, "0.2"},
                   {&p.Form4().txt8, "0.05"},
                   {&p.Form4().txt13, "0.35"},
                   {&p.Form4().txt9, "0.15"},
                   {&p.Form4().txt10, "0.05"},
                   {&p.Form4().txt15, "0.4"},
                   {&p.Form4().txt14, "0.45"}});
         },
         0, false, [](const model::DesignData& d) { return std::fabs(d.B_SpanTop - 0.55) < 1e-6; }},
        // The 0.5 m span with the ground on both sides at the back ground's level.
        {"span of 0.5 m, symmetric ground",
         [](app::Program& p) {
             spanOfHalfAMetre(p);
             p.Form23().opt2.setValue(true);
         },
         0, false, [](const model::DesignData& d) { return d.H4 == d.H1; }},
        // The back wall's outer batter 0.45 − 0.4 − 0.05 is −1.9E−8 in single precision: zero to the mm.
        {"batter zero up to rounding",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&p.Form4().txt7, "0.2"},
                   {&p.Form4().txt9, "0.4"},
                   {&p.Form4().txt10, "0.05"},
                   {&p.Form4().txt15, "0.45"},
                   {&p.Form4().txt14, "1.15"}});
         },
         0, false,
         [](const model::DesignData& d) {
             return d.Batter_BackOut != 0 && std::fabs(d.Batter_BackOut) < 5e-7;
         }},
    };
    return all;
}

// The wall built as a user builds it (the conditions and dimensions typed, the coefficient and the
// stability run from the dimensions screen, the section screen's coefficient, D16 bars and the stress
// check), then every page printed through the print-options dialog with page numbers from 1, one sheet a
// page. With `keep` each document also goes into a PDF there; with `design` the design values are kept.
void printWall(const Wall& wall, const char* keep, LayoutServices& services,
               model::DesignData* design = nullptr) {
    if (keep) services.pdfPath = QDir(keep).filePath(QString(wall.name) + ".pdf").toStdString();
    app::Program prog;
    prog.MDIForm1().show();
    wall.dimensions(prog);
    ASSERT_TRUE(prog.Form3().HENSUU());
    auto& f4 = prog.Form4();
    if (wall.computeKa) f4.cmd7.click();
    f4.cmd3.click();
    ASSERT_NE(prog.d.Sigma_max, 0) << services.lastMessage().text;
    ASSERT_TRUE(wall.holds(prog.d));
    f4.cmd1.click();
    auto& f7 = prog.Form7();
    f7.cmd5.click();
    f7.chk_1.setValue(wall.inertia);
    if (wall.inertia) f7.txt_1.setText("3.5");
    // D16 for every member, at 200 mm or the largest spacing the member allows.
    const auto lists = f7.barLists();
    const auto boxes = f7.spacingBoxes();
    const auto allowed = f7.spacingLabels();
    for (std::size_t k = 0; k < 8; ++k) {
        if (!lists[k]->visible()) continue;
        lists[k]->choose(4);
        const float most = platform::valSingle(allowed[k]->caption());
        boxes[k]->setText(std::to_string(static_cast<int>(std::min(200.0f, std::floor(most / 10) * 10))));
    }
    f7.cmd1.click();
    ASSERT_EQ(prog.d.SectCheck_Done, 1) << services.lastMessage().text;

    const std::size_t messages = services.messages.size();
    auto& f15 = prog.Form15();
    f15.opt5.click();
    f15.chk_P.click();
    f15.txt_P.setText("1");
    f15.cmd1.click();
    for (std::size_t i = messages; i < services.messages.size(); ++i)
        ADD_FAILURE() << services.messages[i].text;
    ASSERT_EQ(services.printed.size(), 1u);
    // One sheet a page, the page number "－ n －" at the foot of each.
    ASSERT_EQ(services.printed.back().size(),
              report::page9Members(report::optionalMembers(prog.d)).empty() ? 8u : 9u);
    if (design) *design = prog.d;
}

// Every wall of the table printed and measured as the printer sets it. REPORT_LAYOUT_DIR names a folder
// to keep the PDFs in for looking at.
TEST(ReportLayout, EveryPageOfEveryWallPrintsClearOfTheFooterTheEdgeAndItself) {
    gui::QtServices qt;
    gui_test::SheetLayout layout;
    const char* keep = std::getenv("REPORT_LAYOUT_DIR");
    std::string faults;
    int count = 0;
    for (const Wall& wall : walls()) {
        SCOPED_TRACE(wall.name);
        LayoutServices services;
        model::DesignData d;
        printWall(wall, keep, services, &d);
        if (HasFatalFailure()) return;
        const auto& sheets = services.printed.back();
        for (std::size_t i = 0; i < sheets.size(); ++i)
            for (const auto& f : layout.check(sheets[i], static_cast<int>(i) + 1)) {
                ++count;
                faults += f.message(wall.name) + "\n";
            }
        // Page 5 draws the wall of the section screen, whose design data the report's pages share.
        for (int page : {2, 5}) {
            auto found = layout.checkDimensions(sheets[page - 1], page, d);
            for (auto& f : layout.checkLeaders(sheets[page - 1], page, d))
                found.push_back(std::move(f));
            for (const auto& f : found) {
                ++count;
                faults += f.message(wall.name) + "\n";
            }
        }
    }
    EXPECT_EQ(count, 0) << faults;
}

// The leader check finds what misleads: the typical wall's drawings with one leader added from beside a
// text (on the side facing its tip) to the middle of another text's ink, or moved on from there, each
// fault found; and a part number set over another part.
TEST(ReportLayout, AMisleadingLeaderOrPartNumberIsFound) {
    gui::QtServices qt;
    gui_test::SheetLayout layout;
    LayoutServices services;
    model::DesignData d;
    printWall(walls().front(), nullptr, services, &d);
    if (HasFatalFailure()) return;
    const auto& sheets = services.printed.back();
    auto ink = [&](const platform::Page& sheet, const std::string& text) -> std::optional<QRectF> {
        for (const auto& item : layout.items(sheet))
            if (item.text && item.what.rfind("「" + text + "」", 0) == 0) return item.box;
        return std::nullopt;
    };
    struct Case {
        int page;
        const char* from;
        const char* to;
        QPointF moved;
        std::vector<const char*> faults;
    };
    const Case cases[] = {
        {2, "①", "⑧", {}, {"ends outside part ①", "crosses 「⑧」"}},
        {2, "①", "⑥", {}, {"lines (", "though a place at"}},
        {2, "1,200", "600", {}, {"ends off the segment"}},
        {2, "10.0kN/m2", "⑦", {-300, 0}, {"ends off the hatched block"}},
        {2, "⑦", "⑦", {300, 150}, {"too near level or upright"}},
        {5, "W1", "W4", {0, -200}, {"names nothing"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " to " + c.to);
        platform::Page sheet = sheets[c.page - 1];
        const auto from = ink(sheet, c.from), to = ink(sheet, c.to);
        ASSERT_TRUE(from && to);
        const QPointF tip = to->center() + c.moved;
        const QRectF beside = from->adjusted(-20, -20, 20, 20);
        const QPointF start(std::clamp(tip.x(), beside.left(), beside.right()),
                            std::clamp(tip.y(), beside.top(), beside.bottom()));
        sheet.push_back(platform::LineOp{start.x(), start.y(), tip.x(), tip.y(), {}});
        const auto faults = layout.checkLeaders(sheet, c.page, d);
        for (const char* fault : c.faults)
            EXPECT_TRUE(std::any_of(faults.begin(), faults.end(), [&](const gui_test::LayoutFault& f) {
                return f.first.rfind(std::string("「") + c.from + "」", 0) == 0 &&
                       f.second.find(fault) != std::string::npos;
            })) << fault;
    }
    // ⑤ where ⑧ stands.
    platform::Page sheet = sheets[1];
    for (const auto& op : sheets[1])
        if (const auto* t = std::get_if<platform::TextOp>(&op); t && t->text == "⑧") {
            platform::TextOp five = *t;
            five.text = "⑤";
            sheet.push_back(five);
        }
    const auto faults = layout.checkLeaders(sheet, 2, d);
    for (const char* fault : {"neither inside its part nor led into it", "over part ⑧"})
        EXPECT_TRUE(std::any_of(faults.begin(), faults.end(), [&](const gui_test::LayoutFault& f) {
            return f.first.rfind("「⑤」", 0) == 0 && f.second == fault;
        })) << fault;
}

// The load table of page 3 as printed: each row's numbers in the columns V, H, V·x and H·y (a dash or an
// empty cell is no number), by the row's label.
struct LoadRow {
    std::array<std::optional<double>, 4> cells;
};
std::map<std::string, LoadRow> loadTable(const platform::Page& page) {
    constexpr std::array<std::pair<double, double>, 4> columns{
        {{3100, 4400}, {4400, 5700}, {8300, 9600}, {9600, 10900}}};
    std::map<double, std::string> labels;
    for (const auto& op : page)
        if (const auto* t = std::get_if<platform::TextOp>(&op); t && t->x < 3100) labels[t->y] = t->text;
    std::map<std::string, LoadRow> rows;
    for (const auto& op : page) {
        const auto* t = std::get_if<platform::TextOp>(&op);
        if (!t || !labels.count(t->y)) continue;
        char* end = nullptr;
        const double v = std::strtod(t->text.c_str(), &end);
        if (t->text.empty() || *end != '\0') continue;
        for (std::size_t c = 0; c < columns.size(); ++c)
            if (t->x >= columns[c].first && t->x < columns[c].second) rows[labels[t->y]].cells[c] = v;
    }
    return rows;
}

// The load table adds up: in each of the columns V, H, V·x and H·y its rows sum to the printed total (ΣV,
// ΣH, Mr and Mo), within the rounding of the printed four decimals and of the single-precision totals.
// With the front soil not counted the front surcharge still weighs (0.6 + 0.033) m × 3 kN/m2 = 1.900 kN/m
// in ΣV and 1.900 × 0.317 = 0.602 kN·m/m in ΣV·x; with the surcharges' inertia ticked it adds
// 0.2 × 1.900 = 0.380 kN/m to ΣH. A wall without a toe whose front wall leans out carries a front
// surcharge too (0.033 m × 3 kN/m2 = 0.100 kN/m).
TEST(ReportLayout, TheLoadTableRowsAddUpToTheirTotals) {
    const std::array<const char*, 6> parts{"自 重(W)",     "土圧(PA)",     "土圧(△PA)",
                                           "背面上載荷重", "中央上載荷重", "前面上載荷重"};
    const std::array<const char*, 4> names{"ΣV", "ΣH", "ΣV·x", "ΣH·y"};
    for (const Wall& wall : walls()) {
        SCOPED_TRACE(wall.name);
        LayoutServices services;
        printWall(wall, nullptr, services);
        if (HasFatalFailure()) return;
        auto table = loadTable(services.printed.back().at(2));
        ASSERT_TRUE(table.count("合 計 Σ"));
        const LoadRow total = table["合 計 Σ"];
        ASSERT_TRUE(total.cells[0]);
        for (std::size_t c = 0; c < names.size(); ++c) {
            if (!total.cells[c]) continue;
            double sum = 0;
            for (const char* part : parts)
                sum += table[part].cells[c].value_or(0);
            const double slack = 0.00005 * (parts.size() + 1) + 1e-6 * std::fabs(*total.cells[c]);
            EXPECT_NEAR(sum, *total.cells[c], slack) << names[c];
        }
    }
}
} // namespace
