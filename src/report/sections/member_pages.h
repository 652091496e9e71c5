#pragma once

#include <functional>
#include <string>

#include "model/design_data.h"
#include "platform/surface.h"
#include "sections/members.h"

namespace report {

// The options of the screens that the member pages read.
struct MemberPageChoices {
    sections::MemberChoices member; // load case, design basis, seismic method, ground shape
    int surchargeDeduction = 0;     // Form4.chk1: 1 shows q − 5 kN/m2; other than 0 and 1 no surcharge line
    int surchargeInertia = 0;       // Form7.chk_1: 1 adds the backfill's and the surcharge's inertia
};

// The member checks of the member-section chapter, one writer a member of the section screen (A … H),
// each from the current position: its empty lines and heading, its own force lines and the check block.
// An exceeded stress is drawn in light magenta and followed by one call of `beep`. They store nothing:
// the steel stress allowed for the member's bar is worked out on the way.
using Beep = std::function<void()>;
void writeMemberA(platform::Surface& s, const model::DesignData& d, const MemberPageChoices& c,
                  const Beep& beep);
void writeMemberB(platform::Surface& s, const model::DesignData& d, const MemberPageChoices& c,
                  const Beep& beep);
void writeMemberC(platform::Surface& s, const model::DesignData& d, const MemberPageChoices& c,
                  const Beep& beep);
void writeMemberD(platform::Surface& s, const model::DesignData& d, const MemberPageChoices& c,
                  const Beep& beep);
void writeMemberE(platform::Surface& s, const model::DesignData& d, const MemberPageChoices& c,
                  const Beep& beep);
void writeMemberF(platform::Surface& s, const model::DesignData& d, const MemberPageChoices& c,
                  const Beep& beep);
void writeMemberG(platform::Surface& s, const model::DesignData& d, const MemberPageChoices& c,
                  const Beep& beep);
void writeMemberH(platform::Surface& s, const model::DesignData& d, const MemberPageChoices& c,
                  const Beep& beep);

namespace member_pages {

// "0.000", the form of most numbers of the member pages.
std::string n3(double v);

// The loaded length of a triangular reaction that ends on a member: "a=Xn" when the contact reaches the
// member's end from the edge of largest pressure, else "a=Xn－(first＋second)" (or "－" for `plus` false)
// less the distance to the loaded end; a contact that ends before the member gives a = 0.
void loadedLength(platform::Surface& s, const char* indent, const sections::PartialContact& c);
void loadedLength(platform::Surface& s, const char* indent, const model::DesignData& d,
                  const sections::PartialContact& c, float first, bool plus, float second);

// The block every member check ends with: thicknesses, required steel, the bars, p, k, j and the three
// stress checks (member C has no shear). A zero design spacing prints "―" for what depends on it and
// no verdict.
void checkBlock(platform::Surface& s, const model::DesignData& d, model::Member m, const MemberPageChoices& c,
                const Beep& beep);

} // namespace member_pages

} // namespace report
