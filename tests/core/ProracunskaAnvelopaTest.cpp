// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "ProracunskaAnvelopa.h"
#include "ProracunskaStatika.h"
#include "SlucajanVoz.h"

namespace {

using statika::Velicina;

// Actions of every kind, q in either arrangement.
TProracunskaDejstva SlucajnaDejstva(std::mt19937_64& gen, TRasporedQ raspored) {
    std::uniform_real_distribution<double> q(0.5, 80), c(0, 3), g(0, 50), fi(1, 1.6), gamaG(1, 1.3),
        gamaQ(1, 1.5);
    TProracunskaDejstva d;
    d.q = q(gen);
    d.Raspored = raspored;
    d.c = c(gen);
    d.g = g(gen);
    d.Fi = fi(gen);
    d.FiNaQ = gen() % 2 == 0;
    d.GamaG = gamaG(gen);
    d.GamaQ = gamaQ(gen);
    return d;
}

// A train that fits its span, or every third one as much as five times
// longer than it.
VozTesta Voz(std::mt19937_64& gen, int n, int redni) {
    VozTesta v = SlucajanVoz(gen, n, redni, 0.15);
    if (redni % 3 == 1 && n > 1)
        v.L = v.s(v.n) * std::uniform_real_distribution<double>(0.2, 0.9)(gen);
    return v;
}

// The value the statics give with the train and q where the envelope says
// they stand.
double Reprodukuj(const VozTesta& v, const TProracunskaDejstva& d, double x,
                  const TProracunskiEkstrem& e, Velicina vel) {
    const bool obrnut = e.Polozaj.Obrnut;
    const double levi = e.Polozaj.PolozajP1 - (obrnut ? v.s(v.n) : 0.0);
    std::vector<double> xi = statika::Sile(v, levi, obrnut);
    // The force the envelope puts on the section stands exactly on it.
    if (e.Polozaj.Sila > 0) xi[std::size_t(e.Polozaj.Sila - 1)] = x;
    double q = 0;
    for (int i = 0; i < e.Q.Broj; ++i)
        q += statika::Integral(v.L, x, e.Q.Deonice[std::size_t(i)].Od,
                               e.Q.Deonice[std::size_t(i)].Do, vel);
    return statika::Proracunska(d, statika::Voz(v, xi, x, vel), q,
                                statika::Integral(v.L, x, 0, v.L, vel));
}

// Where q may stand with the train's leftmost force at `levi`: every
// stretch q loads lies in front of or behind the train by the clearance.
bool QDozvoljen(const VozTesta& v, const TProracunskaDejstva& d, const TProracunskiEkstrem& e) {
    if (d.Raspored == TRasporedQ::BiloGde) return true;
    const bool obrnut = e.Polozaj.Obrnut;
    const double levi = e.Polozaj.PolozajP1 - (obrnut ? v.s(v.n) : 0.0);
    const double a = levi - d.c, b = levi + v.s(v.n) + d.c, tol = 1e-9 * (v.L + b - a);
    for (int i = 0; i < e.Q.Broj; ++i) {
        const TDeonica& s = e.Q.Deonice[std::size_t(i)];
        if (!(s.Do <= a + tol || s.Od >= b - tol)) return false;
    }
    return true;
}

class ProracunskaAnvelopaPoBrojuSila : public testing::TestWithParam<int> {};

// Never below the best of the positions a fine sweep tries, nor above it by
// more than the sweep's step explains; the position and the stretches of q
// it names give its value by plain statics, and q stands only where it may.
// Its values in double agree with the extended ones.
TEST_P(ProracunskaAnvelopaPoBrojuSila, MatchesAFineSweepOfEveryPositionAndCutOfQ) {
    const int n = GetParam();
    std::mt19937_64 gen(4242 + n);
    for (int redni = 0; redni < 9; ++redni) {
        const VozTesta v = Voz(gen, n, redni);
        for (const TRasporedQ raspored : {TRasporedQ::BiloGde, TRasporedQ::IspredIIzaVoza}) {
            const TProracunskaDejstva d = SlucajnaDejstva(gen, raspored);
            SCOPED_TRACE(testing::Message()
                         << "train " << redni << " L=" << v.L << " q=" << d.q << " c=" << d.c
                         << " raspored " << static_cast<int>(raspored));
            const TProracunskaAnvelopa anvelopa(v.Model(), d);
            const TKoeficijentiDejstava k = Koeficijenti(d);
            const double R = v.R(), L = v.L;
            const double skalaM = k.T * R * L + (k.Q + k.G) * L * L,
                         skalaT = k.T * R + (k.Q + k.G) * L;
            const double h = (L + v.s(v.n) + 2 * d.c + 2) / 1500;
            for (int i = 0; i <= 6; ++i) {
                const double x = i == 6 ? L : L * i / 6;
                SCOPED_TRACE(testing::Message() << "x=" << x);
                const statika::Zahvat napred = statika::Korak(v, d, x, false, h),
                                      nazad = statika::Korak(v, d, x, true, h);
                for (const TSmerVoza smer : {TSmerVoza::Napred, TSmerVoza::Nazad, TSmerVoza::Oba}) {
                    const statika::Zahvat z =
                        smer == TSmerVoza::Napred ? napred
                        : smer == TSmerVoza::Nazad
                            ? nazad
                            : statika::Zahvat{std::max(napred.M, nazad.M),
                                              std::max(napred.TLevo, nazad.TLevo),
                                              std::min(napred.TDesno, nazad.TDesno)};
                    const TProracunskiPresek p = anvelopa.UPreseku(x, smer);
                    EXPECT_GE(p.M.Vrednost, z.M - 1e-12 * skalaM);
                    EXPECT_LE(p.M.Vrednost, z.M + 2 * h * skalaM / L);
                    EXPECT_GE(p.MaxT.Vrednost, z.TLevo - 1e-12 * skalaT);
                    EXPECT_LE(p.MaxT.Vrednost, z.TLevo + 4 * h * skalaT / L);
                    EXPECT_LE(p.MinT.Vrednost, z.TDesno + 1e-12 * skalaT);
                    EXPECT_GE(p.MinT.Vrednost, z.TDesno - 4 * h * skalaT / L);

                    EXPECT_NEAR(Reprodukuj(v, d, x, p.M, Velicina::M), p.M.Vrednost,
                                1e-11 * skalaM);
                    EXPECT_NEAR(Reprodukuj(v, d, x, p.MaxT, Velicina::TLevo), p.MaxT.Vrednost,
                                1e-11 * skalaT);
                    EXPECT_NEAR(Reprodukuj(v, d, x, p.MinT, Velicina::TDesno), p.MinT.Vrednost,
                                1e-11 * skalaT);
                    EXPECT_TRUE(QDozvoljen(v, d, p.M));
                    EXPECT_TRUE(QDozvoljen(v, d, p.MaxT));
                    EXPECT_TRUE(QDozvoljen(v, d, p.MinT));
                    if (smer != TSmerVoza::Oba) {
                        EXPECT_EQ(p.M.Polozaj.Obrnut, smer == TSmerVoza::Nazad);
                        EXPECT_EQ(p.MinT.Polozaj.Obrnut, smer == TSmerVoza::Nazad);
                    }

                    const TVrednostiAnvelope w = anvelopa.Vrednosti(x, smer);
                    EXPECT_NEAR(w.ExtM, p.M.Vrednost, 1e-13 * skalaM);
                    EXPECT_NEAR(w.MaxT, p.MaxT.Vrednost, 1e-13 * skalaT);
                    EXPECT_NEAR(w.MinT, p.MinT.Vrednost, 1e-13 * skalaT);
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SveSile, ProracunskaAnvelopaPoBrojuSila, testing::Range(1, 7));

// With every action at its start value the design envelope is the exact
// one, number for number and position for position, long trains too.
TEST(ProracunskaAnvelopa, AtTheStartValuesIsTheExactEnvelope) {
    std::mt19937_64 gen(1701);
    for (int redni = 0; redni < 60; ++redni) {
        const VozTesta v = Voz(gen, 1 + redni % 6, redni);
        const TTacnaAnvelopa tacna(v.Model());
        const TProracunskaAnvelopa proracunska(v.Model(), TProracunskaDejstva{});
        for (int i = 0; i <= 40; ++i) {
            const double x = i == 40 ? v.L : v.L * i / 40;
            for (const TSmerVoza smer : {TSmerVoza::Napred, TSmerVoza::Nazad, TSmerVoza::Oba}) {
                const TTacnaAnvelopaUPreseku t = tacna.UPreseku(x, smer);
                const TProracunskiPresek p = proracunska.UPreseku(x, smer);
                for (const auto& [e, q] : {std::pair{&t.ExtM, &p.M}, std::pair{&t.MaxT, &p.MaxT},
                                           std::pair{&t.MinT, &p.MinT}}) {
                    EXPECT_EQ(q->Vrednost, e->Vrednost);
                    EXPECT_EQ(q->Polozaj.PolozajP1, e->Polozaj.PolozajP1);
                    EXPECT_EQ(q->Polozaj.Sila, e->Polozaj.Sila);
                    EXPECT_EQ(q->Polozaj.Obrnut, e->Polozaj.Obrnut);
                    EXPECT_EQ(q->Q.Broj, 0);
                }
                const TVrednostiAnvelope a = tacna.Vrednosti(x, smer),
                                         b = proracunska.Vrednosti(x, smer);
                EXPECT_EQ(a.ExtM, b.ExtM);
                EXPECT_EQ(a.MaxT, b.MaxT);
                EXPECT_EQ(a.MinT, b.MinT);
            }
        }
    }
}

// q anywhere and g only add their own closed forms, gamma_Q phi the train's
// envelope, and the train keeps its critical positions: q loads all the
// span for M, (x, L] for the largest shear, [0, x) for the smallest.
TEST(ProracunskaAnvelopa, QAnywhereAndGAddTheirClosedFormsToTheScaledTrain) {
    std::mt19937_64 gen(77);
    for (int redni = 0; redni < 24; ++redni) {
        const VozTesta v = Voz(gen, 1 + redni % 6, redni);
        const TProracunskaDejstva d = SlucajnaDejstva(gen, TRasporedQ::BiloGde);
        const TTacnaAnvelopa tacna(v.Model());
        const TProracunskaAnvelopa proracunska(v.Model(), d);
        const double L = v.L, fiQ = d.FiNaQ ? d.Fi : 1.0;
        const double skala = (d.GamaQ * (d.Fi * v.R() + fiQ * d.q * L) + d.GamaG * d.g * L) * L;
        for (int i = 0; i <= 12; ++i) {
            const double x = i == 12 ? L : L * i / 12;
            const TTacnaAnvelopaUPreseku t = tacna.UPreseku(x, TSmerVoza::Napred);
            const TProracunskiPresek p = proracunska.UPreseku(x, TSmerVoza::Napred);
            const double qM = x * (L - x) / 2, qMax = (L - x) * (L - x) / (2 * L),
                         qMin = -x * x / (2 * L), gT = L / 2 - x;
            EXPECT_NEAR(p.M.Vrednost,
                        d.GamaQ * (d.Fi * t.ExtM.Vrednost + fiQ * d.q * qM) + d.GamaG * d.g * qM,
                        1e-13 * skala);
            EXPECT_NEAR(p.MaxT.Vrednost,
                        d.GamaQ * (d.Fi * t.MaxT.Vrednost + fiQ * d.q * qMax) + d.GamaG * d.g * gT,
                        1e-13 * skala / L);
            EXPECT_NEAR(p.MinT.Vrednost,
                        d.GamaQ * (d.Fi * t.MinT.Vrednost + fiQ * d.q * qMin) + d.GamaG * d.g * gT,
                        1e-13 * skala / L);
            EXPECT_EQ(p.M.Polozaj.Sila, t.ExtM.Polozaj.Sila);
            EXPECT_EQ(p.MaxT.Polozaj.Sila, t.MaxT.Polozaj.Sila);
            EXPECT_EQ(p.MinT.Polozaj.Sila, t.MinT.Polozaj.Sila);
            ASSERT_EQ(p.M.Q.Broj, 1);
            EXPECT_EQ(p.M.Q.Deonice[0].Od, 0.0);
            EXPECT_EQ(p.M.Q.Deonice[0].Do, L);
            if (x < L) {
                ASSERT_EQ(p.MaxT.Q.Broj, 1);
                EXPECT_EQ(p.MaxT.Q.Deonice[0].Od, x);
                EXPECT_EQ(p.MaxT.Q.Deonice[0].Do, L);
            }
            if (x > 0) {
                ASSERT_EQ(p.MinT.Q.Broj, 1);
                EXPECT_EQ(p.MinT.Q.Deonice[0].Od, 0.0);
                EXPECT_EQ(p.MinT.Q.Deonice[0].Do, x);
            }
        }
    }
}

// A force too light to matter: q in front of and behind it loads the span as
// it would alone, the train standing off the span: M = q x (L - x)/2, the
// largest shear with q on (x, L] only, q (L - x)^2/(2L), the smallest with
// q on [0, x), -q x^2/(2L).
TEST(ProracunskaAnvelopa, QInFrontAndBehindALightTrainGivesQAlone) {
    const VozTesta v{2, 10.0, {1e-9, 1e-9}, {2.0}};
    TProracunskaDejstva d;
    d.q = 20;
    d.Raspored = TRasporedQ::IspredIIzaVoza;
    d.c = 1.5;
    const TProracunskaAnvelopa a(v.Model(), d);
    for (const double x : {0.0, 1.0, 2.5, 5.0, 7.25, 10.0}) {
        const TProracunskiPresek p = a.UPreseku(x, TSmerVoza::Napred);
        EXPECT_NEAR(p.M.Vrednost, 20 * x * (10 - x) / 2, 1e-8);
        EXPECT_NEAR(p.MaxT.Vrednost, 20 * (10 - x) * (10 - x) / 20, 1e-8);
        EXPECT_NEAR(p.MinT.Vrednost, -20 * x * x / 20, 1e-8);
        if (x > 0 && x < 10) {
            EXPECT_EQ(p.M.Polozaj.Sila, 0);
            ASSERT_EQ(p.M.Q.Broj, 1);
            EXPECT_EQ(p.M.Q.Deonice[0].Od, 0.0);
            EXPECT_EQ(p.M.Q.Deonice[0].Do, 10.0);
        }
    }
}

// A long train on a short span: six axles of 100 kN at 1.5 m on 5 m. At
// midspan the worst moment has an axle on it and one each side at 1.5 m,
// 100 (0.5 + 1.25 + 0.5) = 225 kNm; the largest shear has three axles on
// the span from the section rightwards.
TEST(ProracunskaAnvelopa, TakesATrainLongerThanTheSpan) {
    const VozTesta v{6, 5.0, {100, 100, 100, 100, 100, 100}, {1.5, 1.5, 1.5, 1.5, 1.5}};
    const TProracunskaAnvelopa a(v.Model(), TProracunskaDejstva{});
    const TProracunskiPresek p = a.UPreseku(2.5, TSmerVoza::Napred);
    EXPECT_NEAR(p.M.Vrednost, 225, 1e-12);
    EXPECT_NEAR(a.UPreseku(0, TSmerVoza::Napred).MaxT.Vrednost,
                100 * (1 + 3.5 / 5 + 2 / 5.0 + 0.5 / 5), 1e-12);
}

}  // namespace
