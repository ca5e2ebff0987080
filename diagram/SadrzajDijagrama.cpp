// SPDX-License-Identifier: GPL-3.0-or-later
#include "SadrzajDijagrama.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "FormatBroja.h"
#include "RazmeraDijagrama.h"
#include "Zaokruzivanje.h"
#include "ZoneVoza.h"

namespace {

using Prosireno = long double;

// The special abscissae in ascending order: the moment zone boundaries,
// the maxT jumps measured from the right support with the train's first
// spacings, and the minT jumps from the left support with its last ones.
struct TPosebneTacke {
    std::vector<double> granice;
    std::vector<double> skokoviMax;
    std::vector<double> skokoviMin;

    TPosebneTacke(const TVozNaGredi& v, const TZoneVoza& z) {
        Prosireno granica = 0;
        for (std::int32_t k = 1; k <= v.n - 1; ++k) {
            granica += z.lambda[k - 1];
            granice.push_back(static_cast<double>(granica));
        }
        // J_k = L - L1 - ... - Lk, for k = n-1 down to 1
        for (std::int32_t k = v.n - 1; k >= 1; --k) {
            Prosireno J = v.L;
            for (std::int32_t i = 0; i < k; ++i) J -= v.Ls[i];
            skokoviMax.push_back(static_cast<double>(J));
        }
        // E_m = L(n-1) + ... + L(n-m), for m = 1..n-1
        Prosireno E = 0;
        for (std::int32_t m = 1; m <= v.n - 1; ++m) {
            E += v.Ls[v.n - m - 1];
            skokoviMin.push_back(static_cast<double>(E));
        }
    }
};

class TCrtac {
public:
    TCrtac(TPlatno& platno, const TOkvirDijagrama& o, const TVozNaGredi& voz, char sep)
        : c(platno),
          o(o),
          voz(voz),
          zone(voz),
          tacke(voz, zone),
          sep(sep),
          kM(RazmeraDijagrama(o.H, zone.Mgov())),
          kT(RazmeraDijagrama(o.H, zone.R)) {}

    int px(double X) const { return ZaokruziParno(static_cast<Prosireno>(X) / o.s + o.x0); }
    int yM(double X) const { return ZaokruziParno(Prosireno{voz.ExtM(X)} * kM + o.y0); }
    int yMax(double X) const { return ZaokruziParno(Prosireno{voz.MaxT(X)} * kT + o.y1); }
    int yMin(double X) const { return ZaokruziParno(Prosireno{voz.MinT(X)} * kT + o.y1); }

    // One sample per device column at X = i * s; the last one can pass the
    // span by rounding alone and is then taken at the span's end, where the
    // calculator would otherwise answer 0 for a section off the beam.
    template <class Ordinata>
    void Kriva(int yPocetak, Ordinata y) {
        c.PomeriNa(o.x0, yPocetak);
        for (std::int64_t i = 0; i <= o.Sirina(); ++i) {
            double X = static_cast<double>(i) * o.s;
            if (X > voz.L) X = voz.L;
            c.LinijaDo(static_cast<int>(o.x0 + i), (this->*y)(X));
        }
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

    void TankeOrdinate() {
        for (const double X : tacke.granice) Linija(px(X), o.y0, px(X), yM(X));
        for (const double X : tacke.skokoviMax) Linija(px(X), o.y1, px(X), yMax(X));
        for (const double X : tacke.skokoviMin) Linija(px(X), o.y1, px(X), yMin(X));
    }

    void Vrednosti() {
        const Prosireno sz = c.VelicinaFonta();
        const Prosireno iznad = o.toff - sz;  // labels above their point
        const Prosireno ispod = o.toff;       // labels below it
        const double Mgov = zone.Mgov();
        const double xgov = zone.xgov();
        const int yGov = ZaokruziParno(Mgov * kM + o.y0);
        Natpis(px(xgov), ZaokruziParno(Mgov * kM + o.y0 + ispod), Mgov);
        Natpis(px(xgov), ZaokruziParno(o.y0 - iznad), xgov);
        Linija(px(xgov), o.y0, px(xgov), yGov);

        const auto visinaT = [&](double V) { return std::fabs(V * kT); };
        const double A = voz.MaxT(0);
        Natpis(o.x0, ZaokruziParno(o.y1 - visinaT(A) - iznad), std::fabs(A));
        Linija(o.x0, o.y1, o.x0, ZaokruziParno(A * kT + o.y1));
        for (const double J : tacke.skokoviMax) {
            const double V = voz.MaxT(J);
            Natpis(px(J), ZaokruziParno(o.y1 - visinaT(V) - iznad), std::fabs(V));
        }

        const double B = voz.MinT(voz.L);
        const int xL = px(voz.L);
        Natpis(xL, ZaokruziParno(visinaT(B) + o.y1 + ispod), std::fabs(B));
        Linija(xL, o.y1, xL, ZaokruziParno(visinaT(B) + o.y1));
        for (const double E : tacke.skokoviMin) {
            const double V = voz.MinT(E);
            Natpis(ZaokruziParno(E / static_cast<Prosireno>(o.s) + o.x0 - o.ds),
                   ZaokruziParno(visinaT(V) + o.y1 + ispod), std::fabs(V));
        }
    }

private:
    TPlatno& c;
    const TOkvirDijagrama& o;
    const TVozNaGredi& voz;
    const TZoneVoza zone;
    const TPosebneTacke tacke;
    const char sep;
    const Prosireno kM;
    const Prosireno kT;
};

}  // namespace

void NacrtajSadrzaj(TPlatno& platno, const TOkvirDijagrama& okvir, const TVozNaGredi& voz,
                    char decimalniSeparator, const std::function<void(int)>& napredak) {
    TCrtac crtac(platno, okvir, voz, decimalniSeparator);
    crtac.Krive(napredak);

    platno.Olovka().Boja = kCrvena;
    if (voz.n >= 2) {
        platno.Olovka().Sirina = okvir.stampa ? 4 : 1;
        crtac.TankeOrdinate();
    }
    platno.Olovka().Sirina = okvir.stampa ? 6 : 2;
    crtac.Vrednosti();
    napredak(40);
}
