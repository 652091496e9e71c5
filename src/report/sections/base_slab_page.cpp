#include <string>

#include "platform/runtime.h"
#include "report/page_format.h"
#include "report/sections/member_pages.h"

namespace report {

using model::Member;
using platform::format;
using sections::SlabReaction;

using member_pages::n3;

namespace {

// A fixed-end moment of the trapezoidal reaction, at its heavier end (C21) or its lighter end (C22). The
// formula writes the difference with "-", the numbers with "－".
void coefficient(platform::Surface& s, const model::DesignData& d, bool frontHeavy, bool c21) {
    const char* formula = frontHeavy ? (c21 ? "                 C21=(V4･B^2/12)＋{(V2-V4)･B^2/20}"
                                            : "                 C22=(V4･B^2/12)＋{(V2-V4)･B^2/30}")
                                     : (c21 ? "                 C21=(V2･B^2/12)＋{(V4-V2)･B^2/20}"
                                            : "                 C22=(V2･B^2/12)＋{(V4-V2)･B^2/30}");
    const float lo = frontHeavy ? d.V4 : d.V2, hi = frontHeavy ? d.V2 : d.V4;
    s.print({formula});
    s.print({"                    =(", n3(lo), "×", n3(d.B_Span), "^2)/12＋{(", n3(hi), "－", n3(lo), ")×",
             n3(d.B_Span), c21 ? "^2)/20}=" : "^2)/30}=", n3(c21 ? d.C21 : d.C22), "kNm/m"});
}

void c1Line(platform::Surface& s, const model::DesignData& d) {
    s.print(
        {"                  C1=(W1･B^2)/12=(", n3(d.W1), "×", n3(d.B_Span), "^2)/12=", n3(d.C1), "kNm/m"});
}

// The reaction the calculation took where the contact does not cover the span: a triangle from V2 at the
// front end (V4 at the rear end) falling to zero at a inside the span. The formulas are those of the
// trapezoid's with the lighter ordinate zero and the span B shortened to the loaded length a: the
// fixed-end moments and end shears of a fixed beam, and the largest moment of the simple beam.
struct SpanTriangle {
    std::string V, v, a, L; // the ordinate's name and the printed numbers
};

SpanTriangle spanTriangle(platform::Surface& s, const model::DesignData& d,
                          const sections::PartialContact& c) {
    if (c.fromFar)
        member_pages::loadedLength(s, "                  ", d, c, d.B_Heel, true, d.T_WallBack);
    else
        member_pages::loadedLength(s, "                  ", d, c, d.B_Toe, true, d.T_WallFront);
    return {c.fromFar ? "V4" : "V2", n3(c.peak), n3(c.length), n3(d.B_Span)};
}

// The fixed-end moment at the loaded end (C21) or at the other end (C22), symbols and numbers.
std::string heavierMoment(const SpanTriangle& t) {
    return t.V + "･a^2･(10-10･a/B＋3･(a/B)^2)/60";
}
std::string heavierMomentValues(const SpanTriangle& t) {
    return t.v + "×" + t.a + "^2×(10－10×" + t.a + "/" + t.L + "＋3×(" + t.a + "/" + t.L + ")^2)/60";
}
std::string lighterMoment(const SpanTriangle& t) {
    return t.V + "･a^3･(5-3･a/B)/(60･B)";
}
std::string lighterMomentValues(const SpanTriangle& t) {
    return t.v + "×" + t.a + "^3×(5－3×" + t.a + "/" + t.L + ")/(60×" + t.L + ")";
}

void c2Line(platform::Surface& s, const model::DesignData& d) {
    s.print({"                  C2=(V･B^2)/12=(", n3(d.Sigma_max), "×", n3(d.B_Span), "^2)/12=", n3(d.C2),
             "kNm/m"});
}

// The form of the reaction under the span as printed. Equal ordinates at both ends with the span covered
// (possible only when both are zero) print as the trapezoid they are.
SlabReaction reaction(const model::DesignData& d) {
    const SlabReaction r = sections::slabReaction(d);
    if (r == SlabReaction::None && !sections::partialContact(d, Member::C)) return SlabReaction::FrontHeavy;
    return r;
}

// Members D and E, the span's two fixed ends.
struct FixedEnd {
    Member member;
    int emptyLines;
    const char* heading;
    bool front;
    float M1, M2, M, S1, S2, S;
};

void writeFixedEnd(platform::Surface& s, const model::DesignData& d, const MemberPageChoices& c,
                   const Beep& beep, const FixedEnd& f) {
    emptyLines(s, f.emptyLines);
    s.print({f.heading});
    c1Line(s, d);
    s.print({"                  M1=C1=", n3(f.M1), "kNm/m"});
    s.print({"                  S1=(W1･B)/2=(", n3(d.W1), "×", n3(d.B_Span), ")/2=", n3(f.S1), "kN/m"});
    const SlabReaction r = reaction(d);
    if (const auto partial = sections::partialContact(d, f.member)) {
        const SpanTriangle t = spanTriangle(s, d, *partial);
        if (f.front != partial->fromFar) {
            s.print({"                  M2=C21=", heavierMoment(t)});
            s.print({"                    =", heavierMomentValues(t), "=", n3(f.M2), "kNm/m"});
            s.print({"                  S2=", t.V, "･a･(3-a/B)/6=", t.v, "×", t.a, "×(3－", t.a, "/", t.L,
                     ")/6=", n3(f.S2), "kN/m"});
        } else {
            s.print({"                  M2=C22=", lighterMoment(t)});
            s.print({"                    =", lighterMomentValues(t), "=", n3(f.M2), "kNm/m"});
            s.print({"                  S2=", t.V, "･a^2/(6･B)=", t.v, "×", t.a, "^2/(6×", t.L,
                     ")=", n3(f.S2), "kN/m"});
        }
    } else if (r == SlabReaction::FrontHeavy || r == SlabReaction::RearHeavy) {
        const bool frontHeavy = r == SlabReaction::FrontHeavy;
        // Each end takes the /20 moment and the /3 shear when it is the heavier end.
        const bool heavyEnd = f.front == frontHeavy;
        coefficient(s, d, frontHeavy, heavyEnd);
        s.print({heavyEnd ? "                  M2=C21=" : "                  M2=C22=", n3(f.M2), "kNm/m"});
        const float lo = frontHeavy ? d.V4 : d.V2, hi = frontHeavy ? d.V2 : d.V4;
        const std::string label = frontHeavy ? (heavyEnd ? "                  S2=(V4･B)/2＋(V2－V4)･B/3=("
                                                         : "                  S2=(V4･B)/2＋(V2－V4)･B/6=(")
                                             : (heavyEnd ? "                  S2=(V2･B)/2＋(V4－V2)･B/3=("
                                                         : "                  S2=(V2･B)/2＋(V4－V2)･B/6=(");
        s.print({label, n3(lo), "×", n3(d.B_Span), ")/2＋(", n3(hi), "－", n3(lo), ")×", n3(d.B_Span),
                 heavyEnd ? "/3=" : "/6=", n3(f.S2), "kN/m"});
    } else if (r == SlabReaction::Uniform) {
        c2Line(s, d);
        s.print({"                  M2=C2=", n3(f.M2), "kNm/m"});
        s.print(
            {"                  S2=(V･B)/2=(", n3(d.Sigma_max), "×", n3(d.B_Span), ")/2=", n3(f.S2), "kN/m"});
    }
    s.print({"                  M=|M1-M2|=|", n3(f.M1), "-", n3(f.M2), "|×10^5=", format(f.M, "0"), "Ncm/m"});
    s.print({"                  S=|S1-S2|=|", n3(f.S1), "-", n3(f.S2), "|×10^3=", format(f.S, "0"), "N/m"});
    s.print();
    member_pages::checkBlock(s, d, f.member, c, beep);
}

} // namespace

void writeMemberC(platform::Surface& s, const model::DesignData& d, const MemberPageChoices& c,
                  const Beep& beep) {
    emptyLines(s, 5);
    s.print({"              ３）底版（中央部）"});
    c1Line(s, d);
    s.print({"                  M1=(W1･B^2)/8－C1=(", n3(d.W1), "×", n3(d.B_Span), "^2)/8－", n3(d.C1), "=",
             n3(d.M1_r5), "kNm/m"});
    const SlabReaction r = reaction(d);
    if (const auto partial = sections::partialContact(d, Member::C)) {
        const SpanTriangle t = spanTriangle(s, d, *partial);
        s.print({"                 C21=", heavierMoment(t), "  C22=", lighterMoment(t)});
        s.print({"                    C21=", heavierMomentValues(t), "=", n3(d.C21), "kNm/m"});
        s.print({"                    C22=", lighterMomentValues(t), "=", n3(d.C22), "kNm/m"});
        s.print({"                  M2=", t.V, "･a^2･{1-a/B＋2･(a/(3･B))^1.5}/6－(C21＋C22)/2"});
        s.print({"                    =", t.v, "×", t.a, "^2×{1－", t.a, "/", t.L, "＋2×(", t.a, "/(3×", t.L,
                 "))^1.5}/6"});
        s.print({"                    －(", n3(d.C21), "＋", n3(d.C22), ")/2=", n3(d.M2_r5), "kNm/m"});
    } else if (r == SlabReaction::FrontHeavy || r == SlabReaction::RearHeavy) {
        const bool frontHeavy = r == SlabReaction::FrontHeavy;
        const float lo = frontHeavy ? d.V4 : d.V2, hi = frontHeavy ? d.V2 : d.V4;
        coefficient(s, d, frontHeavy, true);
        coefficient(s, d, frontHeavy, false);
        s.print({frontHeavy ? "                  M2=(V4･B^2/8)＋(V2-V4)･B^2/(9･Sqr(3))－(C21＋C22)/2"
                            : "                  M2=(V2･B^2/8)＋(V4-V2)･B^2/(9･Sqr(3))－(C21＋C22)/2"});
        s.print({"                    =(", n3(lo), "×", n3(d.B_Span), "^2)/8＋(", n3(hi), "－", n3(lo), ")×",
                 n3(d.B_Span), "^2/(9×Sqr(3))"});
        s.print({"                    －(", n3(d.C21), "＋", n3(d.C22), ")/2=", n3(d.M2_r5), "kNm/m"});
    } else if (r == SlabReaction::Uniform) {
        c2Line(s, d);
        s.print({"                  M2=(V･B^2)/8－C2=(", n3(d.Sigma_max), "×", n3(d.B_Span), "^2)/8－",
                 n3(d.C2), "=", n3(d.M2_r5), "kNm/m"});
    }
    s.print({"                   M=|M1-M2|=|", n3(d.M1_r5), "-", n3(d.M2_r5), "|×10^5=", format(d.M_r5, "0"),
             "Ncm/m"});
    s.print();
    member_pages::checkBlock(s, d, Member::C, c, beep);
}

void writeMemberD(platform::Surface& s, const model::DesignData& d, const MemberPageChoices& c,
                  const Beep& beep) {
    writeFixedEnd(s, d, c, beep,
                  {Member::D, 2, "              ４）底版（前面固定部）", true, d.M1_r6, d.M2_r6, d.M_r6,
                   d.S1_r6, d.S2_r6, d.S_r6});
}

void writeMemberE(platform::Surface& s, const model::DesignData& d, const MemberPageChoices& c,
                  const Beep& beep) {
    writeFixedEnd(s, d, c, beep,
                  {Member::E, 5, "              ５）底版（後面固定部）", false, d.M1_r7, d.M2_r7, d.M_r7,
                   d.S1_r7, d.S2_r7, d.S_r7});
}

} // namespace report
