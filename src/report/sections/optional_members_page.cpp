#include <string>

#include "platform/runtime.h"
#include "report/page_format.h"
#include "report/sections/member_pages.h"

namespace report {

using model::Member;
using platform::format;
using platform::toSingle;
using sections::HeelReaction;

using member_pages::n3;

namespace {

// The load part of a cantilever: a uniform load when root and tip load are equal to the last bit.
struct LoadLabels {
    const char *uniformM, *uniformS, *trapezoidM, *trapezoidS;
};

void loadPart(platform::Surface& s, const LoadLabels& l, float root, float tip, float length, float m1,
              float s1) {
    if (root == tip) {
        s.print({l.uniformM, n3(root), "×", n3(length), "^2)/2=", n3(m1), "kNm/m"});
        s.print({l.uniformS, n3(root), "×", n3(length), "=", n3(s1), "kN/m"});
    } else {
        s.print({l.trapezoidM, n3(root), "＋2×", n3(tip), ")×", n3(length), "^2/6=", n3(m1), "kNm/m"});
        s.print({l.trapezoidS, n3(root), "＋", n3(tip), ")×", n3(length), "/2=", n3(s1), "kN/m"});
    }
}

// The reaction the calculation took where the contact ends on a heel or toe: a triangle over the loaded
// length a, from `peak` at the tip (its resultant a/3 from the tip) or at the root.
void partialReaction(platform::Surface& s, const model::DesignData& d, const sections::PartialContact& c,
                     const char* peak, float length, float m2, float s2) {
    const std::string v = n3(c.peak), a = n3(c.length);
    if (c.fromFar) {
        member_pages::loadedLength(s, "                 ", c);
        s.print({"                 M2=", peak, "･a/2･(B-a/3)=", v, "×", a, "/2×(", n3(length), "－", a,
                 "/3)=", n3(m2), "kNm/m"});
    } else {
        // From the heel tip the contact ends on the toe: the root is the loaded end.
        member_pages::loadedLength(s, "                 ", d, c, d.B, false, length);
        s.print({"                 M2=", peak, "･a^2/6=", v, "×", a, "^2/6=", n3(m2), "kNm/m"});
    }
    s.print({"                 S2=", peak, "･a/2=", v, "×", a, "/2=", n3(s2), "kN/m"});
}

} // namespace

void writeMemberF(platform::Surface& s, const model::DesignData& d, const MemberPageChoices& c,
                  const Beep& beep) {
    emptyLines(s, 2);
    s.print({"              ６）かかと版（固定部）"});
    loadPart(s,
             {"                 M1=(W2･B^2)/2=(", "                 S1=W2･B=",
              "                 M1=(W2＋2･W3)･B^2/6=(", "                 S1=(W2＋W3)･B/2=("},
             d.W2, d.W3, d.B_Heel, d.M1_r8, d.S1_r8);
    // The reaction form is the one the heel's moment was computed with.
    const HeelReaction r = sections::heelReaction(d);
    if (const auto partial = sections::partialContact(d, Member::F)) {
        partialReaction(s, d, *partial, "VR", d.B_Heel, d.M2_r8, d.S2_r8);
    } else if (r == HeelReaction::Trapezoid) {
        s.print({"                 M2=(V5＋2･VR)･B^2/6=(", n3(d.V5), "＋2×", n3(d.VR), ")×", n3(d.B_Heel),
                 "^2/6=", n3(d.M2_r8), "KNm/m"});
        s.print({"                 S2=(V5＋VR)･B/2=(", n3(d.V5), "＋", n3(d.VR), ")×", n3(d.B_Heel),
                 "/2=", n3(d.S2_r8), "KN/m"});
    } else if (r == HeelReaction::Triangle) {
        const std::string L = n3(toSingle(sections::heelTriangleLength(d)));
        s.print({"                 M2=V5･B^2/6=", n3(d.V5), "×", L, "^2/6=", n3(d.M2_r8), "kNm/m"});
        s.print({"                 S2=V5･B/2=", n3(d.V5), "×", L, "/2=", n3(d.S2_r8), "kN/m"});
    }
    s.print({"                  M=|M1-M2|=|", n3(d.M1_r8), "-", n3(d.M2_r8), "|×10^5=", format(d.M_r8, "0"),
             "Ncm/m"});
    s.print({"                  S=|S1-S2|=|", n3(d.S1_r8), "-", n3(d.S2_r8), "|×10^3=", format(d.S_r8, "0"),
             "N/m"});
    s.print();
    member_pages::checkBlock(s, d, Member::F, c, beep);
    emptyLines(s, 2);
}

void writeMemberG(platform::Surface& s, const model::DesignData& d, const MemberPageChoices& c,
                  const Beep& beep) {
    // With a heel the toe opens the next page.
    emptyLines(s, d.B_Heel != 0 ? 5 : 2);
    s.print({"              ７）つま先版（固定部）"});
    loadPart(s,
             {"                 M1=(W4･B^2)/2=(", "                 S1=W4･B=",
              "                 M1=(W4＋2･W5)･B^2/6=(", "                 S1=(W4＋W5)･B/2=("},
             d.W4, d.W5, d.B_Toe, d.M1_r9, d.S1_r9);
    if (const auto partial = sections::partialContact(d, Member::G)) {
        partialReaction(s, d, *partial, partial->fromFar ? "VP" : "V1", d.B_Toe, d.M2_r9, d.S2_r9);
    } else {
        s.print({"                 M2=(V1＋2･VP)･B^2/6=(", n3(d.V1), "＋2×", n3(d.VP), ")×", n3(d.B_Toe),
                 "^2/6=", n3(d.M2_r9), "kNm/m"});
        s.print({"                 S2=(V1＋VP)･B/2=(", n3(d.V1), "＋", n3(d.VP), ")×", n3(d.B_Toe),
                 "/2=", n3(d.S2_r9), "kN/m"});
    }
    s.print({"                  M=|M1-M2|=|", n3(d.M1_r9), "-", n3(d.M2_r9), "|×10^5=", format(d.M_r9, "0"),
             "Ncm/m"});
    s.print({"                  S=|Q1-Q2|=|", n3(d.S1_r9), "-", n3(d.S2_r9), "|×10^3=", format(d.S_r9, "0"),
             "N/m"});
    s.print();
    member_pages::checkBlock(s, d, Member::G, c, beep);
}

void writeMemberH(platform::Surface& s, const model::DesignData& d, const MemberPageChoices& c,
                  const Beep& beep) {
    // The key opens the next page when exactly one of heel and toe exists.
    emptyLines(s, (d.B_Heel != 0) != (d.B_Toe != 0) ? 5 : 2);
    s.print({"              ８）突起部"});
    s.print({"                  P=", n3(d.P_Key), "kN/m"});
    s.print({"                  M=P･H0^2/2=(", n3(d.P_Key), "×", n3(d.H0_Key),
             "^2/2)×10^5=", format(d.M_r10, "0"), "Ncm/m"});
    s.print({"                  S=P･H0=(", n3(d.P_Key), "×", n3(d.H0_Key), ")×10^3=", format(d.S_r10, "0"),
             "N/m"});
    s.print();
    member_pages::checkBlock(s, d, Member::H, c, beep);
}

} // namespace report
