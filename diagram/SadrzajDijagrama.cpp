// SPDX-License-Identifier: GPL-3.0-or-later
#include "SadrzajDijagrama.h"

#include <cmath>
#include <cstdint>

#include "FormatBroja.h"
#include "Prosireno.h"
#include "Zaokruzivanje.h"

namespace {

class TCrtac {
public:
    TCrtac(TPlatno& platno, const TOkvirDijagrama& o, const TVoz& voz, char sep)
        : c(platno), o(o), voz(voz), sep(sep) {}

    int px(double X) const { return o.Kolona(X); }
    int yM(double X) const { return ZaokruziParno(Prosireno{voz.ExtM(X)} * o.kM + o.y0); }
    int yMax(double X) const { return ZaokruziParno(Prosireno{voz.MaxT(X)} * o.kT + o.y1); }
    int yMin(double X) const { return ZaokruziParno(Prosireno{voz.MinT(X)} * o.kT + o.y1); }

    // One sample per device column; the last one can pass the span by
    // rounding alone and is then taken at the span's end, where the
    // calculator would otherwise answer 0 for a section off the beam.
    template <class Ordinata>
    void Kriva(int yPocetak, Ordinata y) {
        c.PomeriNa(o.x0, yPocetak);
        for (std::int64_t i = 0; i <= o.Sirina(); ++i)
            c.LinijaDo(static_cast<int>(o.x0 + i), (this->*y)(o.Uzorak(i)));
    }

    void Linija(int xa, int ya, int xb, int yb) {
        c.PomeriNa(xa, ya);
        c.LinijaDo(xb, yb);
    }

    void Natpis(int x, int y, double vrednost) { c.Tekst(x, y, FormatFiksno(vrednost, 3, sep)); }

    void Krive(const std::function<void(int)>& napredak) {
        Kriva(o.y0, &TCrtac::yM);
        napredak(10);
        Kriva(yMax(0), &TCrtac::yMax);
        napredak(20);
        Kriva(o.y1, &TCrtac::yMin);
        napredak(30);
    }

    // At the zone boundaries Lambda_k in ascending order, at the maxT jumps
    // measured from the right support with the train's first spacings (the
    // farthest first) and at the minT jumps from the left support with its
    // last ones.
    void TankeOrdinate() {
        const std::int32_t n = voz.BrojSila();
        for (std::int32_t k = 1; k <= n - 1; ++k) {
            const double X = static_cast<double>(voz.ZbirLambdi(k));
            Linija(px(X), o.y0, px(X), yM(X));
        }
        for (std::int32_t k = n - 1; k >= 1; --k) {
            const double X = voz.SkokMaxT(k);
            Linija(px(X), o.y1, px(X), yMax(X));
        }
        for (std::int32_t m = 1; m <= n - 1; ++m) {
            const double X = voz.SkokMinT(m);
            Linija(px(X), o.y1, px(X), yMin(X));
        }
    }

    void Vrednosti() {
        const Prosireno sz = c.VelicinaFonta();
        const Prosireno iznad = o.toff - sz;  // labels above their point
        const Prosireno ispod = o.toff;       // labels below it
        const TJednacinaSile& gov = voz.Jednacina(voz.ZonaMaksimuma());
        const double Mgov = gov.MaxM;
        const double xgov = gov.Teme;
        const int yGov = ZaokruziParno(Mgov * o.kM + o.y0);
        Natpis(px(xgov), ZaokruziParno(Mgov * o.kM + o.y0 + ispod), Mgov);
        Natpis(px(xgov), ZaokruziParno(o.y0 - iznad), xgov);
        Linija(px(xgov), o.y0, px(xgov), yGov);

        const auto visinaT = [&](double V) { return std::fabs(V * o.kT); };
        const double A = voz.MaxT(0);
        Natpis(o.x0, ZaokruziParno(o.y1 - visinaT(A) - iznad), std::fabs(A));
        Linija(o.x0, o.y1, o.x0, ZaokruziParno(A * o.kT + o.y1));
        for (std::int32_t k = voz.BrojSila() - 1; k >= 1; --k) {
            const double J = voz.SkokMaxT(k);
            const double V = voz.MaxT(J);
            Natpis(px(J), ZaokruziParno(o.y1 - visinaT(V) - iznad), std::fabs(V));
        }

        const double B = voz.MinT(voz.Raspon());
        const int xL = px(voz.Raspon());
        Natpis(xL, ZaokruziParno(visinaT(B) + o.y1 + ispod), std::fabs(B));
        Linija(xL, o.y1, xL, ZaokruziParno(visinaT(B) + o.y1));
        for (std::int32_t m = 1; m <= voz.BrojSila() - 1; ++m) {
            const double E = voz.SkokMinT(m);
            const double V = voz.MinT(E);
            Natpis(ZaokruziParno(E / static_cast<Prosireno>(o.s) + o.x0 - o.ds),
                   ZaokruziParno(visinaT(V) + o.y1 + ispod), std::fabs(V));
        }
    }

private:
    TPlatno& c;
    const TOkvirDijagrama& o;
    const TVoz& voz;
    const char sep;
};

}  // namespace

void NacrtajSadrzaj(TPlatno& platno, const TOkvirDijagrama& okvir, const TVoz& voz,
                    char decimalniSeparator, const std::function<void(int)>& napredak) {
    TCrtac crtac(platno, okvir, voz, decimalniSeparator);
    crtac.Krive(napredak);

    platno.Olovka().Boja = kCrvena;
    if (voz.BrojSila() >= 2) {
        platno.Olovka().Sirina = okvir.stampa ? 4 : 1;
        crtac.TankeOrdinate();
    }
    platno.Olovka().Sirina = okvir.stampa ? 6 : 2;
    crtac.Vrednosti();
    napredak(40);
}
