#include <gtest/gtest.h>

#include <string>

#include "app/program.h"
#include "platform/runtime.h"
#include "support/recording_services.h"

namespace {

class Form3ValuesTest : public ::testing::Test {
protected:
    testing_support::RecordingServices services;
    app::Program prog;
    conditions::Form3& f3() { return prog.Form3(); }
};

struct Allowables {
    const char* sigma28;
    float caLong, caShort, tauLong, tauShort, bondLong, bondShort;
};

TEST_F(Form3ValuesTest, AllowableStressesFollowTheSmallerCandidate) {
    const Allowables table[] = {
        {"18", 6, 12, 0.6f, 0.9f, 1.2f, 1.8f},            // 18/30 < 0.67; 18/15 < 1.38
        {"21", 7, 14, 0.7f, 1.05f, 1.4f, 2.1f},           // 21/30 = 0.49 + 0.21 = 0.7
        {"22.5", 7.5f, 15, 0.715f, 1.0725f, 1.5f, 2.25f}, // 0.49 + 0.225 < 0.75; bond 1.5 both
        {"24", 8, 16, 0.73f, 1.095f, 1.54f, 2.31f},       // 0.49 + 0.24 < 0.8; 0.9 + 0.64 < 1.6
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.sigma28);
        f3().txt2.setText(row.sigma28);
        ASSERT_TRUE(f3().HENSUU());
        EXPECT_FLOAT_EQ(prog.d.Sigma_ca_Long, row.caLong);
        EXPECT_FLOAT_EQ(prog.d.Sigma_ca_Short, row.caShort);
        EXPECT_FLOAT_EQ(prog.d.Tau_ca_Long, row.tauLong);
        EXPECT_FLOAT_EQ(prog.d.Tau_ca_Short, row.tauShort);
        EXPECT_FLOAT_EQ(prog.d.Tau_0a_Long, row.bondLong);
        EXPECT_FLOAT_EQ(prog.d.Tau_0a_Short, row.bondShort);
        EXPECT_EQ(prog.d.Beta, 0);
    }
}

TEST_F(Form3ValuesTest, ShortTermBearingIsTwiceOrThreeTimesByKh) {
    f3().txt4.setText("150");
    for (auto [kh, fe] : {std::pair{0.2f, 300.0f}, {0.25f, 450.0f}, {0.0f, 300.0f}}) {
        prog.d.Kh = kh;
        ASSERT_TRUE(f3().HENSUU());
        EXPECT_EQ(prog.d.Fe_Short, fe) << kh;
    }
}

TEST_F(Form3ValuesTest, TheLoadCaseChoosesTheAllowablesInUse) {
    f3().txt2.setText("24");
    f3().txt3.setText("200");
    f3().txt13.setText("300");
    f3().txt4.setText("150");
    prog.d.Kh = 0.25f;
    ASSERT_TRUE(f3().HENSUU()); // the normal case is selected at first
    EXPECT_EQ(prog.d.Sigma_sa, 200);
    EXPECT_EQ(prog.d.Fe, 150);
    EXPECT_FLOAT_EQ(prog.d.Tau_ca, 0.73f);

    f3().opt4.setValue(true);
    ASSERT_TRUE(f3().HENSUU());
    EXPECT_EQ(prog.d.Sigma_sa, 300); // the typed short-term value, not a multiple
    EXPECT_EQ(prog.d.Fe, 450);
    EXPECT_EQ(prog.d.Sigma_ca, 16);
    EXPECT_FLOAT_EQ(prog.d.Tau_0a, 2.31f);

    // Neither case (only a project file can do this): the values in use stay.
    f3().opt4.setValue(false);
    f3().txt3.setText("180");
    f3().txt13.setText("");
    ASSERT_TRUE(f3().HENSUU());
    EXPECT_EQ(prog.d.Sigma_sa, 300);
    EXPECT_EQ(prog.d.Sigma_sa_Long, 180);
    EXPECT_EQ(prog.d.Sigma_sa_Short, 0);
}

TEST_F(Form3ValuesTest, BoxesAreReadByTheirLeadingNumber) {
    f3().txt1.setText(" 築造地 ");
    f3().txt5.setText("12abc");
    f3().txt6.setText(" 3.5");
    f3().txt8.setText("abc");
    f3().txt10.setText("-15");
    f3().cbo1.setText("砂質土");
    ASSERT_TRUE(f3().HENSUU());
    EXPECT_EQ(prog.d.SiteName, " 築造地 ");
    EXPECT_EQ(prog.d.GammaS, 12);
    EXPECT_EQ(prog.d.GammaC, 3.5f);
    EXPECT_EQ(prog.d.Phi_Back, 0);
    EXPECT_EQ(prog.d.Delta, -15);
    EXPECT_EQ(prog.d.SoilType_Back, "砂質土");
}

TEST_F(Form3ValuesTest, FrictionCoefficientIsTanPhiBAsDisplayed) {
    struct Row {
        const char* phiB;
        float mu;
        const char* shown;
    };
    for (const Row& row :
         {Row{"30", 0.5773497f, "0.577"}, Row{"45", 0.9999987f, "1.00"}, Row{"0", 0, "0.00"}}) {
        f3().txt11.setText(row.phiB);
        ASSERT_TRUE(f3().Masatu());
        EXPECT_FLOAT_EQ(prog.d.Mu_Base, row.mu) << row.phiB; // π taken as 3.14159
        EXPECT_EQ(platform::format(prog.d.Mu_Base, "0.00#"), row.shown);
        EXPECT_EQ(prog.d.Phi_Base, platform::valSingle(row.phiB));
        // The caller shows the coefficient; the next copy reads it as shown.
        f3().txt9.setText(platform::format(prog.d.Mu_Base, "0.00#"));
        ASSERT_TRUE(f3().HENSUU());
        EXPECT_EQ(prog.d.Mu_Base, platform::valSingle(row.shown)) << row.phiB;
    }
    // The caller shows the coefficient; the next copy reads it as displayed.
    f3().txt11.setText("30");
    f3().txt9.setText("0.577");
    ASSERT_TRUE(f3().HENSUU());
    EXPECT_EQ(prog.d.Mu_Base, 0.577f);
}

TEST_F(Form3ValuesTest, ANumberBeyondTheSingleRangeStopsTheCopyAndChangesNothing) {
    f3().txt2.setText("24");
    ASSERT_TRUE(f3().HENSUU());
    const model::DesignData before = prog.d;

    f3().txt2.setText("30");
    f3().txt5.setText("1e40");
    auto status = f3().HENSUU();
    ASSERT_FALSE(status);
    EXPECT_EQ(status.fault().message, "土の単位体積重量 の値が大きすぎます。");
    EXPECT_TRUE(prog.d == before);

    // Within the range, but its short-term multiple is not.
    f3().txt5.setText("18");
    f3().txt4.setText("3e38");
    status = f3().HENSUU();
    ASSERT_FALSE(status);
    EXPECT_EQ(status.fault().message, "許容地耐力度（短期） の値が大きすぎます。");
    EXPECT_TRUE(prog.d == before);

    f3().txt11.setText("-1e39");
    EXPECT_FALSE(f3().Masatu());
    EXPECT_TRUE(prog.d == before);
}

TEST_F(Form3ValuesTest, JisinReadsTheSeismicCoefficients) {
    auto& f25 = prog.Form25();
    f25.Text1.setText("0.25");
    f25.Text2.setText("abc");
    ASSERT_TRUE(f25.Jisin());
    EXPECT_EQ(prog.d.Kh, 0.25f);
    EXPECT_EQ(prog.d.Kv, 0);

    f25.Text2.setText("1e39");
    auto status = f25.Jisin();
    ASSERT_FALSE(status);
    EXPECT_EQ(status.fault().message, "設計鉛直震度 Kv の値が大きすぎます。");
    EXPECT_EQ(prog.d.Kh, 0.25f);
}

} // namespace
