// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ApsolutniMaksimum.h"
#include "TabelaRaspona.h"

namespace {

TModelOpterecenja Model(const std::string& s) { return ProcitajModel("naziv=M\n" + s); }

TEST(Rasponi, ReachTheEndOfTheRangeThroughRounding) {
    EXPECT_EQ(Rasponi({5, 50, 1}).size(), 46u);
    const std::vector<double> L = Rasponi({0.1, 0.7, 0.1});
    ASSERT_EQ(L.size(), 7u);
    EXPECT_EQ(L.back(), 0.7);
    EXPECT_EQ(L[2], 0.1 + 2 * 0.1);
    EXPECT_EQ(Rasponi({5, 5, 1}), std::vector<double>{5});
    EXPECT_EQ(Rasponi({5, 7.5, 1}), (std::vector<double>{5, 6, 7}));
}

TEST(GreskaOpsega, NamesWhatIsWrong) {
    const TModelOpterecenja m = Model("sile=100\n");
    EXPECT_EQ(GreskaOpsega(m, {5, 50, 1}, {}), "");
    EXPECT_NE(GreskaOpsega(m, {0, 50, 1}, {}), "");
    EXPECT_NE(GreskaOpsega(m, {5, 4, 1}, {}), "");
    EXPECT_NE(GreskaOpsega(m, {5, 50, 0}, {}), "");
    EXPECT_NE(GreskaOpsega(m, {5, 50, -1}, {}), "");
    EXPECT_NE(GreskaOpsega(m, {5, std::nan(""), 1}, {}), "");
    EXPECT_NE(GreskaOpsega(m, {1, 1e6, 1}, {}).find("previse"), std::string::npos);
    EXPECT_EQ(GreskaOpsega(Model("sile=1e300\n"), {1e10, 1e10, 1}, {}), kPorukaDejstava);
}

// One force P: the largest moment P L / 4 at midspan, the reaction P; the
// classical method is exact.
TEST(TabelaRaspona, OneForceGivesTheTextbookValues) {
    const TModelOpterecenja m = Model("sile=400\ngama-q=1.35\n");
    for (const TRedRaspona& r : TabelaRaspona(m, {2, 12, 2.5}, {}, TSmerVoza::Napred)) {
        EXPECT_DOUBLE_EQ(r.Merodavno.Karakteristicne.Mmax.Vrednost, 400 * r.L / 4);
        EXPECT_DOUBLE_EQ(r.Merodavno.Karakteristicne.Mmax.x, r.L / 2);
        EXPECT_DOUBLE_EQ(r.Merodavno.Karakteristicne.Amax.Vrednost, 400);
        EXPECT_DOUBLE_EQ(r.Merodavno.Proracunske.Mmax.Vrednost, 1.35 * 400 * r.L / 4);
        ASSERT_TRUE(r.ManjakM);
        EXPECT_EQ(*r.ManjakM, 0.0);
    }
}

// Each row is the governing values of the model's train on that span with
// its dynamic factor at that span, and the classical shortfall is Mgov's
// against the train's own absolute maximum; a train longer than the span
// has none.
TEST(TabelaRaspona, EveryRowIsThatSpansOwnCalculation) {
    const TModelOpterecenja m = Model(
        "sile=60 120 120 80 80 40\nrazmaci=3 1.4 6 1.4 1.4\nq=9\nq-raspored=uz-voz\nrazmak=0.8\n"
        "fi=koren 1.44 0.2 0.82 1 1.67\nfi-q=da\ngama-q=1.45\n");
    TProracunskaDejstva osnova;
    osnova.g = 30;
    osnova.GamaG = 1.35;
    for (const TSmerVoza smer : {TSmerVoza::Napred, TSmerVoza::Oba}) {
        const std::vector<TRedRaspona> t = TabelaRaspona(m, {4, 40, 0.75}, osnova, smer);
        ASSERT_EQ(t.size(), 49u);
        for (const TRedRaspona& r : t) {
            SCOPED_TRACE(r.L);
            const TVoz voz(6, m.P, m.Ls, r.L);
            TProracunskaDejstva d = osnova;
            d.q = 9;
            d.Raspored = TRasporedQ::IspredIIzaVoza;
            d.c = 0.8;
            d.Fi = std::clamp(1.44 / (std::sqrt(r.L) - 0.2) + 0.82, 1.0, 1.67);
            d.FiNaQ = true;
            d.GamaQ = 1.45;
            const TMerodavno ocekivano = Merodavno(voz, d, smer);
            EXPECT_EQ(r.Merodavno.Karakteristicne.Mmax.Vrednost,
                      ocekivano.Karakteristicne.Mmax.Vrednost);
            EXPECT_EQ(r.Merodavno.Karakteristicne.Mmax.x, ocekivano.Karakteristicne.Mmax.x);
            EXPECT_EQ(r.Merodavno.Karakteristicne.Amax.Vrednost,
                      ocekivano.Karakteristicne.Amax.Vrednost);
            EXPECT_EQ(r.Merodavno.Proracunske.Mmax.Vrednost, ocekivano.Proracunske.Mmax.Vrednost);
            EXPECT_EQ(r.Merodavno.Proracunske.Amax.Vrednost, ocekivano.Proracunske.Amax.Vrednost);
            EXPECT_EQ(r.Merodavno.Proracunske.Tmax.Vrednost, ocekivano.Proracunske.Amax.Vrednost);
            if (r.L < 13.2) {
                EXPECT_FALSE(r.ManjakM);
                continue;
            }
            ASSERT_TRUE(r.ManjakM);
            const double tacno = ApsolutniMaksimum(voz, smer).M;
            const double mgov = voz.Jednacina(voz.ZonaMaksimuma()).MaxM;
            EXPECT_NEAR(*r.ManjakM, 100 * (tacno - mgov) / tacno, 1e-9);
            EXPECT_GE(*r.ManjakM, 0.0);
        }
    }
}

}  // namespace
