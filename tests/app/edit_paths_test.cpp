#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "checked_project.h"
#include "platform/controls.h"

// Every way an input changes after the stress check has passed, on every screen that shows results:
// the results in view afterwards are voided or recomputed, and whatever the user does next, a check
// that passes shows the results a fresh program shows for the saved project.

namespace {

using namespace checked_project;
using testing_support::RecordingServices;

// Runs `inside` while the dialog that `open` shows is up; the usual answers otherwise.
void inDialog(app::Program& p, RecordingServices& s, platform::Form& (*dialog)(app::Program&),
              const std::function<void(app::Program&)>& inside, const std::function<void()>& open) {
    s.onModal = [&p, dialog, inside](platform::Form& f) {
        if (&f == &dialog(p))
            inside(p);
        else
            answerDialog(p, f);
    };
    open();
    answerDialogs(p, s);
}

// "名前を付けて保存" and "開く" on the same file.
void saveAndOpen(app::Program& p, RecordingServices& s) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("tarvelo-edit-paths-" + std::to_string(::getpid()) + ".tvl");
    s.savePaths.push_back(path.string());
    p.MDIForm1().Men_FSav.click();
    s.openPaths.push_back(path.string());
    p.MDIForm1().Men_FOpn.click();
    std::filesystem::remove(path);
}

platform::Form& keyDialog(app::Program& p) {
    return p.Form19();
}
platform::Form& coverDialog(app::Program& p) {
    return p.Form22();
}
platform::Form& normalMethods(app::Program& p) {
    return p.Form14();
}
platform::Form& seismicMethods(app::Program& p) {
    return p.Form21();
}

struct EditPath {
    const char* name;
    Base base;
    std::function<void(app::Program&, RecordingServices&)> edit;
};

const std::vector<EditPath>& editPaths() {
    static const std::vector<EditPath> paths = {
        {"H1 typed", Base::NormalWithKey,
         [](app::Program& p, RecordingServices&) { typeOver(p.Form4().txt5, "3"); }},
        {"H1 Backspace", Base::NormalWithKey,
         [](app::Program& p, RecordingServices&) { backspaceAtEnd(p.Form4().txt5); }},
        {"H1 Delete: 2.5 to .5", Base::NormalWithKey,
         [](app::Program& p, RecordingServices&) { deleteAt(p.Form4().txt5, 0); }},
        {"rear wall thickness cut", Base::Normal,
         [](app::Program& p, RecordingServices&) { cutAll(p.Form4().txt15); }},
        {"back surcharge pasted", Base::Normal,
         [](app::Program& p, RecordingServices&) { pasteOver(p.Form4().txt21, "20"); }},
        {"rear wall of 45 m: \"計算する\" fails, the typed coefficient stays", Base::Normal,
         [](app::Program& p, RecordingServices&) {
             typeOver(p.Form4().txt15, "045");
             p.Form4().cmd7.click();
         }},
        {"typed coefficient pasted", Base::Normal,
         [](app::Program& p, RecordingServices&) { pasteOver(p.Form4().txt11, "0.4"); }},
        {"front wall top width by the context menu's Delete", Base::Normal,
         [](app::Program& p, RecordingServices&) { deleteAt(p.Form4().txt7, 1); }},
        {"σ28 pasted", Base::Normal,
         [](app::Program& p, RecordingServices&) { pasteOver(p.Form3().txt2, "30"); }},
        {"key height typed, keyboard only", Base::NormalWithKey,
         [](app::Program& p, RecordingServices& s) {
             inDialog(
                 p, s, keyDialog,
                 [](app::Program& q) {
                     typeOver(q.Form19().txt1, "0.6");
                     q.Form19().cmd1.click();
                 },
                 [&p] { p.Form4().cmd5.click(); });
         }},
        {"key height pasted, then the dialog cancelled", Base::NormalWithKey,
         [](app::Program& p, RecordingServices& s) {
             inDialog(
                 p, s, keyDialog,
                 [](app::Program& q) {
                     pasteOver(q.Form19().txt1, "0.6");
                     q.Form19().cmd2.click();
                 },
                 [&p] { p.Form4().cmd5.click(); });
         }},
        {"section screen's surcharge height typed", Base::SeismicWithKey,
         [](app::Program& p, RecordingServices&) { typeOver(p.Form7().txt_1, "9"); }},
        {"section screen's surcharge height Delete", Base::SeismicWithKey,
         [](app::Program& p, RecordingServices&) { deleteAt(p.Form7().txt_1, 0); }},
        {"dialog's surcharge height cut and typed", Base::SeismicWithKey,
         [](app::Program& p, RecordingServices& s) {
             inDialog(
                 p, s, seismicMethods,
                 [](app::Program& q) {
                     cutAll(q.Form21().txt1);
                     typeOver(q.Form21().txt1, "3");
                     q.Form21().cmd1.click();
                 },
                 [&p] { p.Form4().cmd4.click(); });
         }},
        {"design spacing Delete", Base::Normal,
         [](app::Program& p, RecordingServices&) { deleteAt(p.Form7().txt1, 0); }},
        {"bar name typed into the list", Base::Normal,
         [](app::Program& p, RecordingServices&) { typeOver(p.Form7().cbo1, "D41"); }},
        {"bar list's text typed to no bar", Base::Normal,
         [](app::Program& p, RecordingServices&) { typeOver(p.Form7().cbo2, "D99"); }},
        {"wall cover changed, coefficient box empty", Base::Normal,
         [](app::Program& p, RecordingServices& s) {
             inDialog(
                 p, s, coverDialog,
                 [](app::Program& q) {
                     pasteOver(q.Form22().txt1, "100");
                     q.Form22().cmd1.click();
                 },
                 [&p] { p.Form7().cmd6.click(); });
         }},
        {"wall cover leaving no effective depth, coefficient computed", Base::Normal,
         [](app::Program& p, RecordingServices& s) {
             p.Form7().cmd5.click(); // "計算する" voids the rows: chosen again and checked
             fillRows(p);
             ASSERT_TRUE(check(p, s)) << s.lastMessage().text;
             inDialog(
                 p, s, coverDialog,
                 [](app::Program& q) {
                     pasteOver(q.Form22().txt1, "400");
                     q.Form22().cmd1.click();
                 },
                 [&p] { p.Form7().cmd6.click(); });
         }},
        {"σ28 typed as 0: every bar choice fails", Base::Normal,
         [](app::Program& p, RecordingServices&) { typeOver(p.Form3().txt2, "0"); }},
        {"shear key chosen", Base::Normal,
         [](app::Program& p, RecordingServices&) { p.Form4().opt6.click(); }},
        {"shear key dropped", Base::NormalWithKey,
         [](app::Program& p, RecordingServices&) { p.Form4().opt5.click(); }},
        {"rear wall typed behind the section screen", Base::NormalWithKey,
         [](app::Program& p, RecordingServices&) { typeOver(p.Form4().txt15, "0.5"); }},
        {"normal-case stability methods cancelled", Base::Normal,
         [](app::Program& p, RecordingServices& s) {
             inDialog(
                 p, s, normalMethods, [](app::Program& q) { q.Form14().cmd2.click(); },
                 [&p] { p.Form4().cmd4.click(); });
         }},
        {"seismic coefficient changed in its dialog, the earth pressure computed again", Base::SeismicWithKey,
         [](app::Program& p, RecordingServices& s) {
             inDialog(
                 p, s, [](app::Program& q) -> platform::Form& { return q.Form25(); },
                 [](app::Program& q) {
                     typeOver(q.Form25().Text1, "0.3");
                     q.Form25().cmd1.click();
                 },
                 [&p] { p.Form3().cmd4.click(); });
             ASSERT_FLOAT_EQ(p.d.Kh, 0.3f);
             p.Form4().cmd7.click(); // the coefficient the dialog emptied, computed again
         }},
        {"seismic stability methods cancelled", Base::SeismicWithKey,
         [](app::Program& p, RecordingServices& s) {
             inDialog(
                 p, s, seismicMethods, [](app::Program& q) { q.Form21().cmd2.click(); },
                 [&p] { p.Form4().cmd4.click(); });
         }},
        {"surcharge deduction ticked", Base::Normal,
         [](app::Program& p, RecordingServices&) { p.Form4().chk1.click(); }},
        {"saved and opened again", Base::SeismicWithKey,
         [](app::Program& p, RecordingServices& s) {
             saveAndOpen(p, s);
             ASSERT_EQ(p.d.SectCheck_Done, 1) << s.lastMessage().text;
         }},
        {"toe removed, saved and opened again", Base::Normal,
         [](app::Program& p, RecordingServices& s) {
             typeOver(p.Form4().txt12, "0");
             typeOver(p.Form4().txt18, "0");
             forward(p, true);
             fillRows(p);
             ASSERT_TRUE(check(p, s)) << s.lastMessage().text;
             saveAndOpen(p, s);
         }},
        {"road basis chosen after a run with the key", Base::NormalWithKey,
         [](app::Program& p, RecordingServices&) { p.Form3().opt_D.click(); }},
    };
    return paths;
}

enum class Then { CheckAsItIs, FillHereAndCheck, RerunAndCheck, RerunFillAndCheck };

const char* name(Then t) {
    switch (t) {
    case Then::CheckAsItIs:
        return "then checked as it is";
    case Then::FillHereAndCheck:
        return "then bars and spacings given again and checked";
    case Then::RerunAndCheck:
        return "then the stability check and the stress check";
    default:
        return "then the stability check, bars and spacings given again and the stress check";
    }
}

TEST(EditPaths, EveryEditVoidsOrRecomputesTheResultsAndNoCheckPassesOnOthers) {
    for (const EditPath& path : editPaths()) {
        for (Then then :
             {Then::CheckAsItIs, Then::FillHereAndCheck, Then::RerunAndCheck, Then::RerunFillAndCheck}) {
            SCOPED_TRACE(std::string(path.name) + " (" + name(path.base) + "), " + name(then));
            RecordingServices s;
            app::Program p;
            build(p, s, path.base);
            if (::testing::Test::HasFatalFailure()) return;
            path.edit(p, s);
            if (::testing::Test::HasFatalFailure()) return;
            expectResultsOfTheInputs(p, s, false);

            const bool rerun = then == Then::RerunAndCheck || then == Then::RerunFillAndCheck;
            forward(p, rerun);
            if (then == Then::FillHereAndCheck || then == Then::RerunFillAndCheck) fillRows(p);
            const bool passed = p.Form7().visible() && check(p, s);
            expectResultsOfTheInputs(p, s, passed);
        }
    }
}

} // namespace
