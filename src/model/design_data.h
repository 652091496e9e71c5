#pragma once

#include <string>

// The program-wide design values. The screens fill them, the calculations and the report read them;
// they live for the whole run and are cleared only where New, Close and Open say so. The names are the
// program's own. Numbers are single precision: evaluate in double, round to float where stored.
namespace model {

struct DesignData {
    // Program state.
    int ScreenNo = 0;       // current input screen: 0 none, 1 Form3, 2 Form4, 3 Form7
    int SectCheck_Done = 0; // 1 while the member checks have run for the present inputs

    // Design conditions copied from Form3 (stresses N/mm2, bearing kN/m2, unit weights kN/m3, angles deg).
    std::string SiteName;
    float Sigma28 = 0; // concrete design strength σ28
    float Sigma_sa_Long = 0;
    float Sigma_sa_Short = 0;
    float Fe_Long = 0; // allowable bearing capacity fe
    float GammaS = 0;  // soil
    float GammaC = 0;  // reinforced concrete
    std::string SoilType_Back;
    std::string SoilType_Base;
    float C_Base = 0;   // cohesion of the bearing ground, kN/m2
    float Phi_Back = 0; // friction angle φ of the backfill
    float Phi_Base = 0; // friction angle φB of the bearing ground
    float Mu_Base = 0;  // friction coefficient μ between base and ground
    float Delta = 0;    // wall friction angle δ
    float Beta = 0;     // slope β of the ground behind the wall; always 0

    // Allowable stresses derived from the design conditions, long and short term (N/mm2, bearing kN/m2).
    float Sigma_ca_Long = 0;
    float Sigma_ca_Short = 0;
    float Tau_ca_Long = 0;
    float Tau_ca_Short = 0;
    float Tau_0a_Long = 0; // bond
    float Tau_0a_Short = 0;
    float Fe_Short = 0;

    // Allowables in use for the load case (N/mm2, bearing kN/m2).
    float Sigma_ca = 0;
    float Tau_ca = 0;
    float Sigma_sa = 0; // also reset per member by the bar-size rule of the section design
    float Tau_0a = 0;
    float Fe = 0;

    // Seismic coefficients (dimensionless).
    float Kh = 0;
    float Kv = 0;

    // Wall dimensions and surcharges copied from Form4 and Form19 (m, surcharges kN/m2).
    std::string SectionNo;  // report chapter number
    std::string WallSymbol; // wall symbol
    float H3 = 0;           // front wall top above the front ground
    float H4 = 0;           // base underside to the front ground
    float H1 = 0;           // base underside to the back ground
    float H2 = 0;           // rear wall top above the back ground
    float T_WallFrontTop = 0;
    float Batter_FrontIn = 0;
    float T_WallBackTop = 0;
    float Batter_BackIn = 0;
    float B_Toe = 0; // 0: no toe
    float T_WallFront = 0;
    float B_Span = 0; // clear span between the walls at the slab top
    float T_WallBack = 0;
    float B_Heel = 0; // 0: no heel
    float T_Slab = 0;
    float T_ToeTip = 0;
    float T_HeelTip = 0;
    float H_CenterSoil = 0; // depth of the fill between the walls
    float q_Back = 0;
    float q_Center = 0;
    float q_Front = 0;
    float H0_Key = 0; // shear-key height; 0: no key
    float B1_Key = 0; // shear-key position from the front end
    float D_Key = 0;  // shear-key width

    // Geometry derived from the dimensions (m, angles deg).
    float H_EarthPressure = 0;
    float B = 0;            // base width
    float B_HeelBatter = 0; // heel end to the rear wall's outer face at its top
    float B_SpanTop = 0;    // clear width between the wall tops
    float Batter_FrontOut = 0;
    float Batter_BackOut = 0;
    float Taper_Toe = 0;   // drop of the toe's top towards its tip
    float Taper_Heel = 0;  // drop of the heel's top towards its tip
    float H_FrontSoil = 0; // above the slab top
    float H_BackSoil = 0;  // above the slab top
    float Theta = 0;       // inclination θ of the rear wall's earth face from the vertical

    // Earth-pressure coefficient and its terms (angles deg unless named _Rad).
    float KA = 0; // read from its box at every copy of the dimensions; computed by KEISAN
    float ThetaK_Rad = 0;
    float ThetaK = 0; // seismic angle θk
    float KA_Numer = 0;
    float Cos2Theta = 0;
    float CosThetaDelta = 0;
    float SinPhiDelta = 0;
    float SinPhiBeta = 0;
    float CosDeltaTheta = 0;
    float CosThetaBeta = 0;
    float CosThetaK = 0;

    // Earth-pressure resultants and their components (kN/m).
    float PA = 0;
    float PAX = 0;
    float PAY = 0;
    float DPA = 0; // from the back surcharge
    float DPAX = 0;
    float DPAY = 0;

    // Areas of the eight parts of the section (m2 per m of wall).
    float A_FrontWall = 0; // with the slab strip under it
    float A_BackWall = 0;  // with the slab strip under it
    float A_Slab = 0;      // between the walls
    float A_Heel = 0;
    float A_Toe = 0;
    float A_CenterSoil = 0;
    float A_BackSoil = 0;
    float A_FrontSoil = 0;

    // Surcharge loads (kN/m) and weight sums (kN/m, moments kN·m/m).
    float W_QBack = 0;
    float W_QCenter = 0;
    float W_QFront = 0;
    float SumW = 0; // self weight of the eight parts
    float SumV = 0; // total vertical load
    float SumWx = 0;
    float SumWy = 0; // inertia methods only

    // Pieces of the parts: area (m2/m), x from the part's reference point (m), y above the base underside
    // (m, inertia methods only).
    // Front wall, x from its outer bottom edge.
    float A_FrontWall_Rect = 0, X_FrontWall_Rect = 0, Y_FrontWall_Rect = 0;
    float A_FrontWall_TriIn = 0, X_FrontWall_TriIn = 0, Y_FrontWall_TriIn = 0;
    float A_FrontWall_TriOut = 0, X_FrontWall_TriOut = 0, Y_FrontWall_TriOut = 0;
    float A_FrontWall_Slab = 0, X_FrontWall_Slab = 0, Y_FrontWall_Slab = 0;
    // Rear wall, x from its inner bottom edge.
    float A_BackWall_Rect = 0, X_BackWall_Rect = 0, Y_BackWall_Rect = 0;
    float A_BackWall_TriIn = 0, X_BackWall_TriIn = 0, Y_BackWall_TriIn = 0;
    float A_BackWall_TriOut = 0, X_BackWall_TriOut = 0, Y_BackWall_TriOut = 0;
    float A_BackWall_Slab = 0, X_BackWall_Slab = 0, Y_BackWall_Slab = 0;
    // Base slab between the walls, x from the front wall's inner bottom edge.
    float A_Slab_Rect = 0, X_Slab_Rect = 0, Y_Slab_Rect = 0;
    // Heel, x from the heel end towards the front.
    float A_Heel_Rect = 0, X_Heel_Rect = 0, Y_Heel_Rect = 0;
    float A_Heel_Tri = 0, X_Heel_Tri = 0, Y_Heel_Tri = 0;
    // Toe, x from the front end.
    float A_Toe_Rect = 0, X_Toe_Rect = 0, Y_Toe_Rect = 0;
    float A_Toe_Tri = 0, X_Toe_Tri = 0, Y_Toe_Tri = 0;
    // Fill between the walls, x from the front wall's inner bottom edge.
    float A_CenterSoil_Rect = 0, X_CenterSoil_Rect = 0, Y_CenterSoil_Rect = 0;
    float A_CenterSoil_TriFront = 0, X_CenterSoil_TriFront = 0, Y_CenterSoil_TriFront = 0;
    float A_CenterSoil_TriBack = 0, X_CenterSoil_TriBack = 0, Y_CenterSoil_TriBack = 0;
    // Back soil, x from the heel end towards the front; its two other pieces are not kept.
    float A_BackSoil_Rect = 0, X_BackSoil_Rect = 0, Y_BackSoil_Rect = 0;
    // Front soil, x from the front end.
    float A_FrontSoil_Rect = 0, X_FrontSoil_Rect = 0, Y_FrontSoil_Rect = 0;
    float A_FrontSoil_TriToe = 0, X_FrontSoil_TriToe = 0, Y_FrontSoil_TriToe = 0;
    float A_FrontSoil_TriWall = 0, X_FrontSoil_TriWall = 0, Y_FrontSoil_TriWall = 0;

    // Lever arms from the front end (m).
    float X_FrontWall = 0;
    float X_BackWall = 0;
    float X_Slab = 0;
    float X_Heel = 0;
    float X_Toe = 0;
    float X_CenterSoil = 0;
    float X_BackSoil = 0;
    float X_FrontSoil = 0;
    float X_QBack = 0;
    float X_QCenter = 0;
    float X_QFront = 0;
    float X_PAY = 0;  // where PAY acts on the rear wall's earth face; report only
    float X_DPAY = 0; // where DPAY acts; report only

    // Centroid heights of the parts above the base underside (m, inertia methods only).
    float Y_FrontWall = 0;
    float Y_BackWall = 0;
    float Y_Slab = 0;
    float Y_Heel = 0;
    float Y_Toe = 0;
    float Y_CenterSoil = 0;
    float Y_BackSoil = 0;
    float Y_FrontSoil = 0;

    // Overturning, resultant and contact pressure (moments kN·m/m, lengths m, pressures kN/m2).
    float Mr = 0; // resisting moment about the front end
    float Mo = 0; // overturning moment
    float F_Overturn = 0;
    float d = 0;         // resultant from the front end
    float e = 0;         // eccentricity B/2 − d; positive towards the toe
    float Sigma_max = 0; // 0 while no valid stability result exists
    float Sigma_min = 0;
    float Xn = 0; // from the edge of largest pressure to the point of zero pressure

    // Sliding and shear key (forces kN/m, lengths m, pressures kN/m2).
    float SumH = 0;
    float A_Eff = 0; // effective base width B − 2|e|
    float RH = 0;    // sliding resistance without the key
    float F_Slide = 0;
    float L_Key = 0;   // length of the passive wedge in front of the key
    float Sigma_1 = 0; // at the front end of the wedge
    float Sigma_2 = 0; // at the key
    float Sigma_0 = 0; // mean of Sigma_1 and Sigma_2
    float P_Key = 0;   // passive resistance intensity on the key
    float W1_Key = 0;  // ground reaction outside the wedge zone
    double Hk = 0;     // shear resistance split at the key; kept in double precision
    float F_SlideKey = 0;

    // Seismic stability method: height of the back surcharge's inertia force above the base underside (m).
    float Y_QBack = 0;

    // Section design (angles deg, lengths m).
    float Theta_Rear = 0; // inclination of the rear wall's earth face
    float KA_Sect = 0;    // the section screen's own coefficient; enters no member force
    float Y3_Surch = 0;   // height of the surcharge's inertia force above the base underside

    // Bar values per member (area cm2, perimeter cm, cover mm, CoverC = cover + bar-centre addition mm).
    float BarArea_r1 = 0, BarPeri_r1 = 0, Cover_r1 = 0, CoverC_r1 = 0;
    float BarArea_r2 = 0, BarPeri_r2 = 0, Cover_r2 = 0, CoverC_r2 = 0;
    float BarArea_r5 = 0, BarPeri_r5 = 0, Cover_r5 = 0, CoverC_r5 = 0;
    float BarArea_r6 = 0, BarPeri_r6 = 0, Cover_r6 = 0, CoverC_r6 = 0;
    float BarArea_r7 = 0, BarPeri_r7 = 0, Cover_r7 = 0, CoverC_r7 = 0;
    float BarArea_r8 = 0, BarPeri_r8 = 0, Cover_r8 = 0, CoverC_r8 = 0;
    float BarArea_r9 = 0, BarPeri_r9 = 0, Cover_r9 = 0, CoverC_r9 = 0;
    float BarArea_r10 = 0, BarPeri_r10 = 0, Cover_r10 = 0, CoverC_r10 = 0;

    // Ground reactions (kN/m2) at the toe tip, toe root, span front end, span middle, span rear end, heel
    // root and heel tip; downward loads (kN/m2) on the span, at the heel root and tip, the toe root and tip.
    float VP = 0, V1 = 0, V2 = 0, V3 = 0, V4 = 0, V5 = 0, VR = 0, W1 = 0, W2 = 0, W3 = 0, W4 = 0, W5 = 0;
    // Rear wall's inclination in radians (Theta_Rear in degrees).
    float Theta_Rad = 0;
    // Walls, members A and B: earth-pressure components (kN), wall weight (kN) and lever arms (m), backfill
    // area above section A (m2).
    float PAX_r1 = 0, DPAX_r1 = 0, W_r1 = 0, Y1_r1 = 0, A_Back_r1 = 0, Y2_r1 = 0, PAX_r2 = 0, DPAX_r2 = 0,
          W_r2 = 0, Y_r2 = 0, Y2_r2 = 0;
    // Base slab, members C, D, E: fixed-end moments (kN·m) and the load and reaction parts (kN·m, kN).
    float C1 = 0, C21 = 0, C22 = 0, C2 = 0, M1_r5 = 0, M2_r5 = 0, M1_r6 = 0, M2_r6 = 0, S1_r6 = 0, S2_r6 = 0,
          M1_r7 = 0, M2_r7 = 0, S1_r7 = 0, S2_r7 = 0;
    // Heel and toe, members F and G: load and reaction parts at the root (kN·m, kN).
    float M1_r8 = 0, S1_r8 = 0, M2_r8 = 0, S2_r8 = 0, M1_r9 = 0, S1_r9 = 0, M2_r9 = 0, S2_r9 = 0;
    // Per member: design moment (N·cm) and shear (N; C has none), thickness, effective depth and lever arm
    // (cm), required steel (cm2) and perimeter (cm), bars per metre, largest spacing and design spacing (mm),
    // and the check's p, k, j and stresses (N/mm2).
    float M_r1 = 0, S_r1 = 0, D_r1 = 0, Deff_r1 = 0, J_r1 = 0, At_r1 = 0, Phi_r1 = 0, NbarAt_r1 = 0,
          NbarPhi_r1 = 0, Nbar_r1 = 0, PitchReq_r1 = 0, Pitch_r1 = 0, P_r1 = 0, K_r1 = 0, Jc_r1 = 0,
          SigmaC_r1 = 0, SigmaS_r1 = 0, TauC_r1 = 0;
    float M_r2 = 0, S_r2 = 0, D_r2 = 0, Deff_r2 = 0, J_r2 = 0, At_r2 = 0, Phi_r2 = 0, NbarAt_r2 = 0,
          NbarPhi_r2 = 0, Nbar_r2 = 0, PitchReq_r2 = 0, Pitch_r2 = 0, P_r2 = 0, K_r2 = 0, Jc_r2 = 0,
          SigmaC_r2 = 0, SigmaS_r2 = 0, TauC_r2 = 0;
    float M_r5 = 0, D_r5 = 0, Deff_r5 = 0, J_r5 = 0, At_r5 = 0, NbarAt_r5 = 0, Nbar_r5 = 0, PitchReq_r5 = 0,
          Pitch_r5 = 0, P_r5 = 0, K_r5 = 0, Jc_r5 = 0, SigmaC_r5 = 0, SigmaS_r5 = 0;
    float M_r6 = 0, S_r6 = 0, D_r6 = 0, Deff_r6 = 0, J_r6 = 0, At_r6 = 0, Phi_r6 = 0, NbarAt_r6 = 0,
          NbarPhi_r6 = 0, Nbar_r6 = 0, PitchReq_r6 = 0, Pitch_r6 = 0, P_r6 = 0, K_r6 = 0, Jc_r6 = 0,
          SigmaC_r6 = 0, SigmaS_r6 = 0, TauC_r6 = 0;
    float M_r7 = 0, S_r7 = 0, D_r7 = 0, Deff_r7 = 0, J_r7 = 0, At_r7 = 0, Phi_r7 = 0, NbarAt_r7 = 0,
          NbarPhi_r7 = 0, Nbar_r7 = 0, PitchReq_r7 = 0, Pitch_r7 = 0, P_r7 = 0, K_r7 = 0, Jc_r7 = 0,
          SigmaC_r7 = 0, SigmaS_r7 = 0, TauC_r7 = 0;
    float M_r8 = 0, S_r8 = 0, D_r8 = 0, Deff_r8 = 0, J_r8 = 0, At_r8 = 0, Phi_r8 = 0, NbarAt_r8 = 0,
          NbarPhi_r8 = 0, Nbar_r8 = 0, PitchReq_r8 = 0, Pitch_r8 = 0, P_r8 = 0, K_r8 = 0, Jc_r8 = 0,
          SigmaC_r8 = 0, SigmaS_r8 = 0, TauC_r8 = 0;
    float M_r9 = 0, S_r9 = 0, D_r9 = 0, Deff_r9 = 0, J_r9 = 0, At_r9 = 0, Phi_r9 = 0, NbarAt_r9 = 0,
          NbarPhi_r9 = 0, Nbar_r9 = 0, PitchReq_r9 = 0, Pitch_r9 = 0, P_r9 = 0, K_r9 = 0, Jc_r9 = 0,
          SigmaC_r9 = 0, SigmaS_r9 = 0, TauC_r9 = 0;
    float M_r10 = 0, S_r10 = 0, D_r10 = 0, Deff_r10 = 0, J_r10 = 0, At_r10 = 0, Phi_r10 = 0, NbarAt_r10 = 0,
          NbarPhi_r10 = 0, Nbar_r10 = 0, PitchReq_r10 = 0, Pitch_r10 = 0, P_r10 = 0, K_r10 = 0, Jc_r10 = 0,
          SigmaC_r10 = 0, SigmaS_r10 = 0, TauC_r10 = 0;
    // Stored names of the chosen bar arrangements.
    std::string Bar_r1, Bar_r2, Bar_r5, Bar_r6, Bar_r7, Bar_r8, Bar_r9, Bar_r10;

    // Report writers.
    float Loop_I = 0; // shared loop counter; carries nothing between loops

    bool operator==(const DesignData&) const = default;
};

} // namespace model
