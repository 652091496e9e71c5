#include "app/program.h"

namespace app {
namespace {
template <class T> auto factory(Program& p) {
    return [&p] { return std::make_unique<T>(p); };
}
auto previewPage(Program& p, int page) {
    return [&p, page] { return std::make_unique<report::PreviewPage>(p, page); };
}
} // namespace

Program::Program()
    : MDIForm1(factory<app::MDIForm1>(*this)), Form10(factory<app::Form10>(*this)),
      Form13(factory<app::Form13>(*this)), Form3(factory<conditions::Form3>(*this)),
      Form23(factory<conditions::Form23>(*this)), Form25(factory<conditions::Form25>(*this)),
      Form4(factory<stability::Form4>(*this)), Form14(factory<stability::Form14>(*this)),
      Form19(factory<stability::Form19>(*this)), Form21(factory<stability::Form21>(*this)),
      Form26(factory<stability::Form26>(*this)), Form7(factory<sections::Form7>(*this)),
      Form22(factory<sections::Form22>(*this)), Form15(factory<report::Form15>(*this)),
      Form1(previewPage(*this, 1)), Form2(previewPage(*this, 2)), Form5(previewPage(*this, 3)),
      Form18(previewPage(*this, 4)), Form6(previewPage(*this, 5)), Form8(previewPage(*this, 6)),
      Form16(previewPage(*this, 7)), Form17(previewPage(*this, 8)), Form20(previewPage(*this, 9)) {}

// The slots discard their forms in reverse order, the main window last, without running handlers.
Program::~Program() = default;

} // namespace app
