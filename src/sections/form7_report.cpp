#include "app/program.h"
#include "report/sections/member_pages.h"
#include "sections/form7.h"

namespace sections {

report::MemberPageChoices Form7::memberPageChoices() {
    report::MemberPageChoices c;
    c.member = memberChoices();
    c.surchargeDeduction = prog_.Form4().chk1.value();
    c.surchargeInertia = chk_1.value();
    return c;
}

void Form7::HAIKIN_A(platform::Surface& Pri_Obj) {
    report::writeMemberA(Pri_Obj, prog_.d, memberPageChoices(), [] { platform::beep(); });
}

void Form7::HAIKIN_B(platform::Surface& Pri_Obj) {
    report::writeMemberB(Pri_Obj, prog_.d, memberPageChoices(), [] { platform::beep(); });
}

void Form7::HAIKIN_E(platform::Surface& Pri_Obj) {
    report::writeMemberC(Pri_Obj, prog_.d, memberPageChoices(), [] { platform::beep(); });
}

void Form7::HAIKIN_F(platform::Surface& Pri_Obj) {
    report::writeMemberD(Pri_Obj, prog_.d, memberPageChoices(), [] { platform::beep(); });
}

void Form7::HAIKIN_G(platform::Surface& Pri_Obj) {
    report::writeMemberE(Pri_Obj, prog_.d, memberPageChoices(), [] { platform::beep(); });
}

void Form7::HAIKIN_H(platform::Surface& Pri_Obj) {
    report::writeMemberF(Pri_Obj, prog_.d, memberPageChoices(), [] { platform::beep(); });
}

void Form7::HAIKIN_I(platform::Surface& Pri_Obj) {
    report::writeMemberG(Pri_Obj, prog_.d, memberPageChoices(), [] { platform::beep(); });
}

void Form7::HAIKIN_J(platform::Surface& Pri_Obj) {
    report::writeMemberH(Pri_Obj, prog_.d, memberPageChoices(), [] { platform::beep(); });
}

} // namespace sections
