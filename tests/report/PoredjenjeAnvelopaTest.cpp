// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "FormatBroja.h"
#include "PoredjenjeAnvelopa.h"

namespace {

TPodaci Dve(double P1, double P2, double L1, double L) {
    return TPodaci(P1, P2, 0, 0, 0, 0, 0.0, L1, 0, 0, 0, 0, L);
}

// The table at the report's sections of the run for n forces.
TTabelaPoredjenja Tabela(TPodaci d, std::int32_t n, std::int32_t preseka, TSmerVoza smer) {
    d.setBrojPreseka(preseka);
    return TPoredjenjeAnvelopa::Tabela(TProracunIzvestaja::Izracunaj(d, n), smer);
}

TEST(PoredjenjeAnvelopa, DefaultsAreShortAtMidspan) {
    const TTabelaPoredjenja t = Tabela(Dve(206, 208, 5, 9), 2, 10, TSmerVoza::Napred);
    ASSERT_EQ(t.Redovi.size(), 11u);
    const TRedPoredjenja& sredina = t.Redovi[5];
    EXPECT_DOUBLE_EQ(sredina.x, 4.5);
    EXPECT_DOUBLE_EQ(sredina.ExtM.Klasicno, 416.5);
    EXPECT_DOUBLE_EQ(sredina.ExtM.Tacno.Vrednost, 468.0);
    EXPECT_DOUBLE_EQ(sredina.ExtM.ManjakProcenat, 100 * (468 - 416.5) / 468);
    // The report's first maxT and last minT lines.
    EXPECT_DOUBLE_EQ(t.Redovi.front().MaxT.Klasicno, 298.444444444444444);
    EXPECT_DOUBLE_EQ(t.Redovi.back().MinT.Klasicno, -299.555555555555556);
    ASSERT_TRUE(t.ExtM.has_value());
    EXPECT_GE(t.ExtM->Procenat, sredina.ExtM.ManjakProcenat);
}

// Either way, from x = 4.5 on P2 alone gives maxT where the classical puts
// P1: the same 2/208 short at every section, found at the first of them.
TEST(PoredjenjeAnvelopa, APlateauOfShortfallsIsFoundAtItsStart) {
    const TTabelaPoredjenja t = Tabela(Dve(206, 208, 5, 9), 2, 10, TSmerVoza::Oba);
    for (int i = 5; i < 10; ++i)
        EXPECT_NEAR(t.Redovi[i].MaxT.ManjakProcenat, 100 * 2 / 208.0, 1e-12) << i;
    ASSERT_TRUE(t.MaxT.has_value());
    EXPECT_EQ(t.MaxT->Presek, 5);
}

// A train exactly as long as the span: the classical moment drops to 0 at λ1.
TEST(PoredjenjeAnvelopa, FindsTheWholeShortfallOfATrainAsLongAsTheSpan) {
    const TTabelaPoredjenja t = Tabela(Dve(10, 10, 10, 10), 2, 2, TSmerVoza::Napred);
    ASSERT_EQ(t.Redovi.size(), 3u);
    EXPECT_EQ(t.Redovi[1].ExtM.Klasicno, 0.0);
    EXPECT_DOUBLE_EQ(t.Redovi[1].ExtM.Tacno.Vrednost, 25.0);
    EXPECT_DOUBLE_EQ(t.Redovi[1].ExtM.ManjakProcenat, 100.0);
    ASSERT_TRUE(t.ExtM.has_value());
    EXPECT_DOUBLE_EQ(t.ExtM->Procenat, 100.0);
    EXPECT_EQ(t.ExtM->Presek, 1);
    // Zeros at the supports are no shortfall, and neither shear is short.
    EXPECT_EQ(t.Redovi[0].ExtM.ManjakProcenat, 0.0);
    EXPECT_EQ(t.Redovi[2].ExtM.ManjakProcenat, 0.0);
    EXPECT_FALSE(t.MaxT.has_value());
    EXPECT_FALSE(t.MinT.has_value());
}

// P2 = 100 behind P1 = 1: P2, not P1, governs maxT.
TEST(PoredjenjeAnvelopa, ShearShortfallAndTheSafeSide) {
    const TPodaci d = Dve(1, 100, 1, 10);
    const TTabelaPoredjenja napred = Tabela(d, 2, 2, TSmerVoza::Napred);
    ASSERT_EQ(napred.Redovi.size(), 3u);
    EXPECT_NEAR(napred.Redovi[0].MaxT.ManjakProcenat, 100 * (100 - 91) / 100.0, 1e-12);
    EXPECT_NEAR(napred.Redovi[1].MaxT.ManjakProcenat, 100 * (49.6 - 40.5) / 49.6, 1e-12);
    ASSERT_TRUE(napred.MaxT.has_value());
    EXPECT_EQ(napred.MaxT->Presek, 1);
    EXPECT_FALSE(napred.ExtM.has_value());
    EXPECT_FALSE(napred.MinT.has_value());

    // Crossing the other way the classical minT is on the safe side.
    const TTabelaPoredjenja nazad = Tabela(d, 2, 2, TSmerVoza::Nazad);
    EXPECT_NEAR(nazad.Redovi[1].MinT.ManjakProcenat, 100 * (-49.6 + 50.4) / -49.6, 1e-12);
    EXPECT_TRUE(nazad.Redovi[1].MinT.Tacno.Polozaj.Obrnut);
    EXPECT_FALSE(nazad.MinT.has_value());
    EXPECT_NEAR(nazad.Redovi[1].MaxT.Tacno.Vrednost, 50.4, 1e-12);
}

// A short train of two equal forces, for which the classical method is exact
// everywhere: the two formulas differ in the last bits at a few of these
// sections, which must not show as a shortfall.
TEST(PoredjenjeAnvelopa, RoundingIsNoShortfall) {
    const TTabelaPoredjenja t = Tabela(Dve(150, 150, 1.7, 11.9), 2, 99, TSmerVoza::Oba);
    ASSERT_EQ(t.Redovi.size(), 100u);
    for (const TRedPoredjenja& r : t.Redovi) {
        EXPECT_EQ(r.ExtM.ManjakProcenat, 0.0) << r.x;
        EXPECT_EQ(r.MaxT.ManjakProcenat, 0.0) << r.x;
        EXPECT_EQ(r.MinT.ManjakProcenat, 0.0) << r.x;
    }
    EXPECT_FALSE(t.ExtM.has_value());
    EXPECT_FALSE(t.MaxT.has_value());
    EXPECT_FALSE(t.MinT.has_value());
}

// With L = 0.9 and 7 sections, 7 * (L/7) lies above L; the report prints it
// as 0.9 and reads it at the support, where P1 gives minT = -P1, and so is
// the exact envelope read.
TEST(PoredjenjeAnvelopa, TheLastSectionIsTheSupport) {
    const TPodaci d(10, 0, 0, 0, 0, 0, 0.0, 0, 0, 0, 0, 0, 0.9);
    const TTabelaPoredjenja t = Tabela(d, 1, 7, TSmerVoza::Napred);
    ASSERT_EQ(t.Redovi.size(), 8u);
    EXPECT_GT(t.Redovi.back().x, 0.9L);
    EXPECT_EQ(FormatBroja(t.Redovi.back().x, '.'), "0.9");
    EXPECT_DOUBLE_EQ(t.Redovi.back().MinT.Klasicno, -10.0);
    EXPECT_DOUBLE_EQ(t.Redovi.back().MinT.Tacno.Vrednost, -10.0);
}

// On a span of 4.4e12 m, 3 * (L/3) lies more than the report's tolerance
// past L, so the report writes no extM line for it; the calculator at the
// support stands in.
TEST(PoredjenjeAnvelopa, ALastSectionWithoutAnExtMLineIsReadAtTheSupport) {
    TPodaci d = Dve(10, 10, 1, 4.4e12);
    d.setBrojPreseka(3);
    const TProracunIzvestaja p = TProracunIzvestaja::Izracunaj(d, 2);
    ASSERT_EQ(p.Preseci.size(), 4u);
    ASSERT_TRUE(p.Preseci.back().ExtM.empty());
    const TTabelaPoredjenja t = TPoredjenjeAnvelopa::Tabela(p, TSmerVoza::Napred);
    ASSERT_EQ(t.Redovi.size(), 4u);
    EXPECT_EQ(t.Redovi.back().ExtM.Klasicno, p.Voz.ExtM(4.4e12));
    EXPECT_EQ(t.Redovi.back().MinT.Klasicno, p.Preseci.back().MinT);
}

TEST(PoredjenjeAnvelopa, NoSectionsNoRows) {
    const TTabelaPoredjenja t = Tabela(Dve(206, 208, 5, 9), 2, 0, TSmerVoza::Napred);
    EXPECT_TRUE(t.Redovi.empty());
    EXPECT_FALSE(t.ExtM.has_value());
}

}  // namespace
