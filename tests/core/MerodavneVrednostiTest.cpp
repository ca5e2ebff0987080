// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>

#include "MerodavneVrednosti.h"
#include "ProracunskaStatika.h"
#include "SlucajanVoz.h"

namespace {

// The reactions are the best of a fine sweep of the train's positions; no
// section of a fine row has a larger or a smaller shear than the governing
// ones; the absolute maximum is the design one; the characteristic block
// is the design one of the train and q alone.
TEST(MerodavneVrednosti, AreTheExtremesOfTheSweepsAndRows) {
    std::mt19937_64 gen(2121);
    std::uniform_real_distribution<double> q(0.5, 60), c(0, 2), g(0, 40);
    for (int redni = 0; redni < 18; ++redni) {
        VozTesta v = SlucajanVoz(gen, 1 + redni % 6, redni, 0.2);
        if (redni % 3 == 2 && v.n > 1) v.L = v.s(v.n) / 2;
        TProracunskaDejstva d;
        d.q = q(gen);
        d.Raspored = redni % 2 ? TRasporedQ::IspredIIzaVoza : TRasporedQ::BiloGde;
        d.c = c(gen);
        d.g = g(gen);
        d.Fi = 1.3;
        d.FiNaQ = redni % 4 == 0;
        d.GamaG = 1.3;
        d.GamaQ = 1.4;
        SCOPED_TRACE(testing::Message() << "train " << redni << " L=" << v.L);
        const TKoeficijentiDejstava k = Koeficijenti(d);
        const double skala = k.T * v.R() + (k.Q + k.G) * v.L;
        const TSmerVoza smer = redni % 5 == 0 ? TSmerVoza::Oba : TSmerVoza::Napred;
        const TMerodavno m = Merodavno(v.Model(), d, smer);
        const TMerodavneVrednosti& p = m.Proracunske;

        const double h = (v.L + v.s(v.n) + 2 * d.c + 2) / 3000;
        double A = statika::Korak(v, d, 0, false, h).TLevo,
               B = -statika::Korak(v, d, v.L, false, h).TDesno;
        if (smer == TSmerVoza::Oba) {
            A = std::max(A, statika::Korak(v, d, 0, true, h).TLevo);
            B = std::max(B, -statika::Korak(v, d, v.L, true, h).TDesno);
        }
        EXPECT_GE(p.Amax.Vrednost, A - 1e-12 * skala);
        EXPECT_LE(p.Amax.Vrednost, A + 4 * h * skala / v.L);
        EXPECT_GE(p.Bmax.Vrednost, B - 1e-12 * skala);
        EXPECT_LE(p.Bmax.Vrednost, B + 4 * h * skala / v.L);
        EXPECT_EQ(p.Tmax.Vrednost, p.Amax.Vrednost);
        EXPECT_EQ(p.Tmax.x, 0.0);
        EXPECT_EQ(p.Tmin.Vrednost, -p.Bmax.Vrednost);
        EXPECT_EQ(p.Tmin.x, v.L);

        const TProracunskaAnvelopa anvelopa(v.Model(), d);
        for (int i = 0; i <= 500; ++i) {
            const TVrednostiAnvelope w = anvelopa.Vrednosti(v.L * i / 500, smer);
            EXPECT_LE(w.MaxT, p.Tmax.Vrednost + 1e-12 * skala);
            EXPECT_GE(w.MinT, p.Tmin.Vrednost - 1e-12 * skala);
        }
        EXPECT_EQ(p.Mmax.Vrednost, ApsolutniMaksimum(v.Model(), smer, d).M);
        const TMerodavneVrednosti k0 = MerodavneVrednosti(v.Model(), d.Karakteristicna(), smer);
        EXPECT_EQ(m.Karakteristicne.Mmax.Vrednost, k0.Mmax.Vrednost);
        EXPECT_EQ(m.Karakteristicne.Amax.Vrednost, k0.Amax.Vrednost);
        EXPECT_LT(m.Karakteristicne.Mmax.Vrednost, p.Mmax.Vrednost);
    }
}

TEST(MerodavneVrednosti, CharacteristicActionsKeepQAloneWithFactorsOne) {
    TProracunskaDejstva d;
    d.q = 9;
    d.Raspored = TRasporedQ::IspredIIzaVoza;
    d.c = 1.5;
    d.g = 7;
    d.Fi = 1.4;
    d.FiNaQ = true;
    d.GamaG = 1.3;
    d.GamaQ = 1.4;
    TProracunskaDejstva k;
    k.q = 9;
    k.Raspored = TRasporedQ::IspredIIzaVoza;
    k.c = 1.5;
    EXPECT_EQ(d.Karakteristicna(), k);
    EXPECT_FALSE(d.Pocetna());
    EXPECT_TRUE(TProracunskaDejstva{}.Pocetna());
}

}  // namespace
