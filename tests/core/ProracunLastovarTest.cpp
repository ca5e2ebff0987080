// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

#include "ProracunLastovar.h"

namespace {

// A train of n forces; forces and spacings beyond it are 0.0.
struct Voz {
    int n;
    double L;
    std::array<double, 6> P{};
    std::array<double, 5> Ls{};

    double ExtM(double x) const {
        return TProracun::ExtM(n, x, L, P[0], P[1], P[2], P[3], P[4], P[5], Ls[0], Ls[1], Ls[2],
                               Ls[3], Ls[4]);
    }
    double MaxT(double x) const {
        return TProracun::MaxT(n, x, L, P[0], P[1], P[2], P[3], P[4], P[5], Ls[0], Ls[1], Ls[2],
                               Ls[3], Ls[4]);
    }
    double MinT(double x) const {
        return TProracun::MinT(n, x, L, P[0], P[1], P[2], P[3], P[4], P[5], Ls[0], Ls[1], Ls[2],
                               Ls[3], Ls[4]);
    }
    double Zona(int k) const {
        return TProracun::ZonaVazenja(k, L, P[0], P[1], P[2], P[3], P[4], P[5], Ls[0], Ls[1], Ls[2],
                                      Ls[3], Ls[4]);
    }
    // Distance of force i (1-based) from P1.
    double s(int i) const {
        double v = 0;
        for (int k = 1; k < i; ++k) v += Ls[k - 1];
        return v;
    }
};

Voz Jedna() { return Voz{1, 4.0, {10}, {}}; }
Voz Dve() { return Voz{2, 10.0, {10, 10}, {2}}; }

TEST(Proracun, SingleForceExamples) {
    const Voz v = Jedna();
    EXPECT_DOUBLE_EQ(v.ExtM(2), 10.0);
    EXPECT_DOUBLE_EQ(v.MaxT(1), -7.5);
    EXPECT_DOUBLE_EQ(v.MinT(1), 2.5);
    for (double x : {-0.1, 4.1}) {
        EXPECT_EQ(v.MaxT(x), 0.0) << x;
        EXPECT_EQ(v.MinT(x), 0.0) << x;
    }
}

TEST(Proracun, TwoForcesZonesMeetAtLambda1) {
    const Voz v = Dve();
    EXPECT_DOUBLE_EQ(v.ExtM(5), 40.0);
    const double desno = std::nextafter(5.0, 6.0);
    EXPECT_NEAR(v.ExtM(desno), 2 * 11 * desno - 2 * desno * desno - 20, 1e-12);
    EXPECT_NEAR(v.ExtM(desno), 40.0, 1e-12);
    EXPECT_EQ(v.ExtM(10), 0.0);
    EXPECT_EQ(v.ExtM(10.5), 0.0);
    EXPECT_EQ(v.ExtM(-0.5), 0.0);
}

TEST(Proracun, MaxTAgreesAtTheBoundOfTheSecondForce) {
    const Voz v = Dve();
    const double x = v.L - v.Ls[0];
    const double jedna = (v.P[0] / v.L) * x - v.P[0];
    const double obe = ((v.P[0] + v.P[1]) / v.L) * x - v.P[0] - (1 - v.Ls[0] / v.L) * v.P[1];
    EXPECT_DOUBLE_EQ(v.MaxT(x), obe);
    EXPECT_NEAR(jedna, obe, 1e-12);
}

TEST(Proracun, SingleEquationQuantities) {
    double R = -1, xR = -1;
    TProracun::Rezultanta(R, xR, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(R, 7.0);
    EXPECT_EQ(xR, 0.0);
    EXPECT_DOUBLE_EQ(TProracun::Teme(8, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), 4.0);
    EXPECT_DOUBLE_EQ(TProracun::MaxM(8, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), 14.0);
    double x1 = -1, x2 = -1;
    TProracun::Nule(x1, x2, 8, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_DOUBLE_EQ(x1, 0.0);
    EXPECT_DOUBLE_EQ(x2, 8.0);
    const Voz v = Dve();
    EXPECT_EQ(v.Zona(0), 0.0);
    EXPECT_EQ(v.Zona(7), 0.0);
    EXPECT_DOUBLE_EQ(v.Zona(1), 5.0);
    // Last force of the two-force train: a2 = -1, Mlevo2 = 20, zeros 1 and 10.
    EXPECT_DOUBLE_EQ(TProracun::Mlevo(10, 10, 0, 0, 0, 0, 2, 0, 0, 0, 0), 20.0);
    EXPECT_DOUBLE_EQ(TProracun::RastojanjeA(1, 2, 0, 0, 0, 0), -1.0);
    TProracun::Nule(x1, x2, 10, 10, 10, 0, 0, 0, 0, 2, 0, 0, 0, 0);
    EXPECT_DOUBLE_EQ(x1, 1.0);
    EXPECT_DOUBLE_EQ(x2, 10.0);
}

TEST(Proracun, ForceCountOutsideRangeGivesZero) {
    Voz v = Dve();
    for (int n : {0, 7, -1}) {
        v.n = n;
        EXPECT_EQ(v.ExtM(3), 0.0);
        EXPECT_EQ(v.MaxT(3), 0.0);
        EXPECT_EQ(v.MinT(3), 0.0);
    }
}

TEST(Proracun, IgnoresForcesAndSpacingsBeyondTheTrain) {
    const Voz cist{3, 12.0, {30, 20, 10}, {2, 3}};
    Voz prljav = cist;
    prljav.P = {30, 20, 10, 99, 98, 97};
    prljav.Ls = {2, 3, 50, 60, 70};
    for (double x = 0; x <= 12.0; x += 0.37) {
        EXPECT_EQ(cist.ExtM(x), prljav.ExtM(x)) << x;
        EXPECT_EQ(cist.MaxT(x), prljav.MaxT(x)) << x;
        EXPECT_EQ(cist.MinT(x), prljav.MinT(x)) << x;
    }
}

// Independent statics: reactions and moments of forces standing at given abscissae.
double LevaReakcija(const Voz& v, const std::array<double, 6>& polozaj,
                    const std::array<bool, 6>& naRasponu) {
    double A = 0;
    for (int i = 0; i < v.n; ++i)
        if (naRasponu[i]) A += v.P[i] * (v.L - polozaj[i]) / v.L;
    return A;
}

double DesnaReakcija(const Voz& v, const std::array<double, 6>& polozaj,
                     const std::array<bool, 6>& naRasponu) {
    double B = 0;
    for (int i = 0; i < v.n; ++i)
        if (naRasponu[i]) B += v.P[i] * polozaj[i] / v.L;
    return B;
}

Voz SlucajanVoz(std::mt19937_64& gen) {
    std::uniform_int_distribution<int> brojSila(1, 6);
    std::uniform_real_distribution<double> sila(0.5, 300.0), razmak(0.2, 6.0), rezerva(0.0, 20.0);
    Voz v{brojSila(gen), 0.0};
    double duzina = 0;
    for (int i = 0; i < v.n; ++i) v.P[i] = sila(gen);
    for (int i = 0; i < v.n - 1; ++i) duzina += (v.Ls[i] = razmak(gen));
    v.L = duzina + rezerva(gen) + 0.1;
    return v;
}

TEST(Proracun, AgreesWithStaticsOnRandomTrains) {
    std::mt19937_64 gen(20261210);
    for (int slucaj = 0; slucaj < 400; ++slucaj) {
        const Voz v = SlucajanVoz(gen);
        SCOPED_TRACE(testing::Message() << "case " << slucaj << " n=" << v.n << " L=" << v.L);
        double R = 0;
        for (int i = 0; i < v.n; ++i) R += v.P[i];
        const double skala = R * v.L * 1e-12;

        double zbirZona = 0;
        for (int k = 1; k <= v.n; ++k) zbirZona += v.Zona(k);
        EXPECT_NEAR(zbirZona, v.L, v.L * 1e-12);

        std::uniform_real_distribution<double> presek(0.0, v.L);
        for (int t = 0; t < 50; ++t) {
            const double x = presek(gen);
            // extM: force k of the governing zone on the section, every force counted.
            double granica = 0;
            int k = v.n;
            for (int i = 1; i < v.n; ++i) {
                granica += v.Zona(i);
                if (x <= granica) {
                    k = i;
                    break;
                }
            }
            if (std::fabs(x - granica) < 1e-9) continue;
            std::array<double, 6> polozaj{};
            std::array<bool, 6> svi{};
            for (int i = 0; i < v.n; ++i) {
                polozaj[i] = x + v.s(i + 1) - v.s(k);
                svi[i] = true;
            }
            double M = LevaReakcija(v, polozaj, svi) * x;
            for (int i = 0; i < k - 1; ++i) M -= v.P[i] * (x - polozaj[i]);
            EXPECT_NEAR(v.ExtM(x), M, skala) << "extM at " << x;

            // maxT: P1 on the section, the forces beyond the right support left out.
            std::array<bool, 6> desno{};
            for (int i = 0; i < v.n; ++i) {
                polozaj[i] = x + v.s(i + 1);
                desno[i] = polozaj[i] <= v.L;
            }
            EXPECT_NEAR(v.MaxT(x), -LevaReakcija(v, polozaj, desno), R * 1e-12) << "maxT at " << x;

            // minT: Pn on the section, the forces beyond the left support left out.
            std::array<bool, 6> levo{};
            for (int i = 0; i < v.n; ++i) {
                polozaj[i] = x - (v.s(v.n) - v.s(i + 1));
                levo[i] = polozaj[i] >= 0;
            }
            EXPECT_NEAR(v.MinT(x), DesnaReakcija(v, polozaj, levo), R * 1e-12) << "minT at " << x;
        }

        // Continuity of the envelope at zone boundaries and of the shear at its bounds.
        double granica = 0;
        for (int i = 1; i < v.n; ++i) {
            granica += v.Zona(i);
            EXPECT_NEAR(v.ExtM(granica), v.ExtM(std::nextafter(granica, v.L)), skala);
        }
        for (int j = 2; j <= v.n; ++j) {
            const double b = v.L - v.s(j);
            EXPECT_NEAR(v.MaxT(b), v.MaxT(std::nextafter(b, v.L)), R * 1e-12);
            const double t = v.s(v.n) - v.s(v.n - j + 1);
            EXPECT_NEAR(v.MinT(t), v.MinT(std::nextafter(t, v.L)), R * 1e-12);
        }
    }
}

}  // namespace
