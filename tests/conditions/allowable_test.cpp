#include <gtest/gtest.h>

#include "conditions/allowable.h"

namespace {

using model::LoadCase;

model::DesignData typed(float sigma28, float feLong, float kh) {
    model::DesignData d;
    d.Sigma28 = sigma28;
    d.Sigma_sa_Long = 200;
    d.Sigma_sa_Short = 300;
    d.Fe_Long = feLong;
    d.Kh = kh;
    return d;
}

TEST(Allowable, StressesOfTheLoadCaseInForce) {
    model::DesignData d = typed(24, 150, 0.2f);
    ASSERT_TRUE(conditions::computeAllowable(d, LoadCase::Seismic));
    EXPECT_FLOAT_EQ(d.Sigma_ca_Long, 8);   // 24 / 3
    EXPECT_FLOAT_EQ(d.Tau_ca_Long, 0.73f); // min(24 / 30, 0.49 + 24 / 100)
    EXPECT_FLOAT_EQ(d.Tau_0a_Long, 1.54f); // min(24 / 15, 0.9 + 2 / 75 × 24)
    EXPECT_FLOAT_EQ(d.Fe_Short, 300);      // Kh < 0.25: 2 × 150
    EXPECT_FLOAT_EQ(d.Sigma_ca, 16);       // short term: 2 × 8
    EXPECT_FLOAT_EQ(d.Tau_ca, 1.095f);     // 1.5 × 0.73
    EXPECT_FLOAT_EQ(d.Tau_0a, 2.31f);      // 1.5 × 1.54
    EXPECT_FLOAT_EQ(d.Sigma_sa, 300);
    EXPECT_FLOAT_EQ(d.Fe, 300);

    // No load case chosen: the set in force stays.
    model::DesignData none = typed(30, 150, 0.25f);
    none.Sigma_ca = 7;
    ASSERT_TRUE(conditions::computeAllowable(none, LoadCase::None));
    EXPECT_FLOAT_EQ(none.Fe_Short, 450); // Kh ≥ 0.25: 3 × 150
    EXPECT_EQ(none.Sigma_ca, 7);
}

TEST(Allowable, AValueBeyondTheSingleRangeIsAFault) {
    model::DesignData d = typed(24, 3e38f, 0.25f); // 3 × 3E+38 is beyond the single range
    const platform::Status s = conditions::computeAllowable(d, LoadCase::Normal);
    ASSERT_FALSE(s);
    EXPECT_EQ(s.fault().message, "許容地耐力度（短期） の値が大きすぎます。");
}

} // namespace
