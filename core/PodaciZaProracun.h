// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

// One load case: the train's forces and spacings, the span, the arbitrary
// section and the number of tabulated sections, in the order every reader
// and writer of the fields walks them.
class TPodaci {
public:
    TPodaci(double p1, double p2, double p3, double p4, double p5, double p6, double proizvoljnoX,
            double rastojanje1, double rastojanje2, double rastojanje3, double rastojanje4,
            double rastojanje5, double raspon)
        : fP1(p1),
          fP2(p2),
          fP3(p3),
          fP4(p4),
          fP5(p5),
          fP6(p6),
          fProizvoljnoX(proizvoljnoX),
          fRastojanje1(rastojanje1),
          fRastojanje2(rastojanje2),
          fRastojanje3(rastojanje3),
          fRastojanje4(rastojanje4),
          fRastojanje5(rastojanje5),
          fRaspon(raspon) {}

    double P1() const { return fP1; }
    void setP1(double v) { fP1 = v; }
    double P2() const { return fP2; }
    void setP2(double v) { fP2 = v; }
    double P3() const { return fP3; }
    void setP3(double v) { fP3 = v; }
    double P4() const { return fP4; }
    void setP4(double v) { fP4 = v; }
    double P5() const { return fP5; }
    void setP5(double v) { fP5 = v; }
    double P6() const { return fP6; }
    void setP6(double v) { fP6 = v; }
    double ProizvoljnoX() const { return fProizvoljnoX; }
    void setProizvoljnoX(double v) { fProizvoljnoX = v; }
    double Rastojanje1() const { return fRastojanje1; }
    void setRastojanje1(double v) { fRastojanje1 = v; }
    double Rastojanje2() const { return fRastojanje2; }
    void setRastojanje2(double v) { fRastojanje2 = v; }
    double Rastojanje3() const { return fRastojanje3; }
    void setRastojanje3(double v) { fRastojanje3 = v; }
    double Rastojanje4() const { return fRastojanje4; }
    void setRastojanje4(double v) { fRastojanje4 = v; }
    double Rastojanje5() const { return fRastojanje5; }
    void setRastojanje5(double v) { fRastojanje5 = v; }
    double Raspon() const { return fRaspon; }
    void setRaspon(double v) { fRaspon = v; }
    std::int32_t BrojPreseka() const { return fBrojPreseka; }
    void setBrojPreseka(std::int32_t v) { fBrojPreseka = v; }

private:
    double fP1;
    double fP2;
    double fP3;
    double fP4;
    double fP5;
    double fP6;
    double fProizvoljnoX;
    double fRastojanje1;
    double fRastojanje2;
    double fRastojanje3;
    double fRastojanje4;
    double fRastojanje5;
    double fRaspon;
    std::int32_t fBrojPreseka = 0;
};

/// The record's forces P1..P6, in order.
inline std::array<double, 6> Sile(const TPodaci& z) {
    return {z.P1(), z.P2(), z.P3(), z.P4(), z.P5(), z.P6()};
}

/// The record's spacings L1..L5, in order.
inline std::array<double, 5> Razmaci(const TPodaci& z) {
    return {z.Rastojanje1(), z.Rastojanje2(), z.Rastojanje3(), z.Rastojanje4(), z.Rastojanje5()};
}
