// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatnoNatpisa.h"

#include <algorithm>
#include <cmath>

namespace {

// A cell of 32 units, larger on a picture so large that the grid would pass
// 512 cells a side.
int VelicinaCelije(const TOkvir& slika) {
    const long najvise = std::max<long>(slika.Sirina(), slika.Visina());
    return static_cast<int>(std::max<long>(32, (najvise + 511) / 512));
}

}  // namespace

std::vector<int> RasporediURed(const std::vector<int>& sirine, const std::vector<int>& sidra,
                               int razmak, int levo, int desno) {
    struct TGrupa {
        std::size_t od, doKraja;  // labels od..doKraja - 1
        double levo, sirina;
    };
    const std::size_t n = sirine.size();
    // A label's centre from its run's left edge.
    std::vector<double> pomak(n);
    std::vector<TGrupa> grupe;
    const auto postavi = [&](TGrupa& g) {
        double zbir = 0, x = 0;
        for (std::size_t j = g.od; j < g.doKraja; ++j) {
            pomak[j] = x + sirine[j] / 2.0;
            zbir += sidra[j] - pomak[j];
            x += sirine[j] + razmak;
        }
        g.sirina = x - razmak;
        g.levo = std::max<double>(
            levo, std::min(zbir / static_cast<double>(g.doKraja - g.od), desno - g.sirina));
    };
    for (std::size_t i = 0; i < n; ++i) {
        grupe.push_back({i, i + 1, 0, 0});
        postavi(grupe.back());
        while (grupe.size() > 1) {
            TGrupa& pre = grupe[grupe.size() - 2];
            const TGrupa& ova = grupe.back();
            if (pre.levo + pre.sirina + razmak <= ova.levo) break;
            pre.doKraja = ova.doKraja;
            grupe.pop_back();
            postavi(grupe.back());
        }
    }
    std::vector<int> levi(n);
    for (const TGrupa& g : grupe)
        for (std::size_t j = g.od; j < g.doKraja; ++j)
            levi[j] = static_cast<int>(std::lround(g.levo + pomak[j] - sirine[j] / 2.0));
    return levi;
}

// Liang and Barsky: the part of the segment within each pair of edges.
bool DuzSeceOkvir(int x1, int y1, int x2, int y2, const TOkvir& o) {
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    const auto ivica = [&](double p, double q) {
        if (p == 0) return q >= 0;
        const double t = q / p;
        if (p < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
        return true;
    };
    return ivica(-dx, x1 - o.levo) && ivica(dx, o.desno - 1 - x1) && ivica(-dy, y1 - o.gore) &&
           ivica(dy, o.dole - 1 - y1);
}

TPlatnoNatpisa::TPlatnoNatpisa(TPlatno& platno, TOkvir slika)
    : TPlatno(platno.TacakaPoIncu(), platno.Font()),
      fPlatno(platno),
      fSlika(slika),
      fCelija(VelicinaCelije(slika)),
      fKolona(std::max(1, Cel(slika.desno) - Cel(slika.levo) + 1)),
      fRedova(std::max(1, Cel(slika.dole) - Cel(slika.gore) + 1)),
      fMreza(static_cast<std::size_t>(fKolona) * static_cast<std::size_t>(fRedova)) {}

int TPlatnoNatpisa::Cel(int v) const {
    return v >= 0 ? v / fCelija : -((-v + fCelija - 1) / fCelija);
}

std::size_t TPlatnoNatpisa::Celija(int cx, int cy) const {
    const int k = std::clamp(cx - Cel(fSlika.levo), 0, fKolona - 1);
    const int r = std::clamp(cy - Cel(fSlika.gore), 0, fRedova - 1);
    return static_cast<std::size_t>(r) * static_cast<std::size_t>(fKolona) +
           static_cast<std::size_t>(k);
}

void TPlatnoNatpisa::PopuniPozadinu(int levo, int gore, int desno, int dole) {
    fPlatno.PopuniPozadinu(levo, gore, desno, dole);
}

void TPlatnoNatpisa::PomeriNa(int x, int y) {
    fX = x;
    fY = y;
    fPlatno.PomeriNa(x, y);
}

void TPlatnoNatpisa::LinijaDo(int x, int y) {
    fPlatno.Olovka() = Olovka();
    fPlatno.LinijaDo(x, y);
    const std::size_t i = fDuzi.size();
    fDuzi.push_back({fX, fY, x, y, Olovka().Sirina, Vlasnik});
    // Only the cells of the picture: a label never stands beyond it.
    const int d = Olovka().Sirina;
    const int c0 = Cel(std::max(std::min(fX, x) - d, fSlika.levo));
    const int c1 = Cel(std::min(std::max(fX, x) + d, fSlika.desno));
    const int r0 = Cel(std::max(std::min(fY, y) - d, fSlika.gore));
    const int r1 = Cel(std::min(std::max(fY, y) + d, fSlika.dole));
    for (int cx = c0; cx <= c1; ++cx)
        for (int cy = r0; cy <= r1; ++cy) fMreza[Celija(cx, cy)].push_back(i);
    fProvera.push_back(0);
    fX = x;
    fY = y;
}

void TPlatnoNatpisa::Tekst(int x, int y, const std::string& tekst) {
    fTekstovi.push_back(Okvir(x, y, tekst));
    fPlatno.Font() = Font();
    fPlatno.Tekst(x, y, tekst);
}

void TPlatnoNatpisa::PopuniPoligon(const std::vector<TTacka>& temena, TBoja boja) {
    fPlatno.PopuniPoligon(temena, boja);
}

TVelicinaTeksta TPlatnoNatpisa::VelicinaTeksta(const std::string& tekst) {
    fPlatno.Font() = Font();
    return fPlatno.VelicinaTeksta(tekst);
}

TOkvir TPlatnoNatpisa::Okvir(int x, int y, const std::string& tekst) {
    const TVelicinaTeksta v = VelicinaTeksta(tekst);
    return {x, y, x + v.sirina, y + v.visina};
}

bool TPlatnoNatpisa::Slobodno(const TOkvir& okvir, const TOkvir& granice, int vlasnik) const {
    if (!granice.Sadrzi(okvir) || !fSlika.Sadrzi(okvir)) return false;
    // Side by side a third of a letter apart: two numbers closer read as one.
    const int bocno = std::max(kRazmak, okvir.Visina() / 3);
    const TOkvir sa{okvir.levo - bocno, okvir.gore - kRazmak, okvir.desno + bocno,
                    okvir.dole + kRazmak};
    for (const TOkvir& t : fTekstovi)
        if (sa.Sece(t)) return false;
    for (const TOkvir& z : fZauzeto)
        if (sa.Sece(z)) return false;
    const std::uint32_t provera = ++fBrojProvere;
    // Each line is kept in every cell its box and half its width touch.
    for (int cx = Cel(sa.levo); cx <= Cel(sa.desno); ++cx)
        for (int cy = Cel(sa.gore); cy <= Cel(sa.dole); ++cy)
            for (const std::size_t i : fMreza[Celija(cx, cy)]) {
                const TDuz& d = fDuzi[i];
                if ((vlasnik != 0 && d.vlasnik == vlasnik) || fProvera[i] == provera) continue;
                fProvera[i] = provera;
                if (DuzSeceOkvir(d.x1, d.y1, d.x2, d.y2, okvir.Prosiren(1 + d.debljina / 2)))
                    return false;
            }
    return true;
}

bool TPlatnoNatpisa::DuzSlobodna(int x1, int y1, int x2, int y2, const TOkvir& osim) const {
    for (const TOkvir& t : fTekstovi)
        if (!(t.levo == osim.levo && t.gore == osim.gore && t.desno == osim.desno &&
              t.dole == osim.dole) &&
            DuzSeceOkvir(x1, y1, x2, y2, t.Prosiren(1)))
            return false;
    return true;
}

std::optional<TOkvir> TPlatnoNatpisa::Natpis(const std::vector<TTacka>& mesta,
                                             const std::string& tekst, const TOkvir& granice,
                                             int vlasnik) {
    for (const TTacka m : mesta) {
        const TOkvir o = Okvir(m.x, m.y, tekst);
        if (!Slobodno(o, granice, vlasnik)) continue;
        Tekst(m.x, m.y, tekst);
        return o;
    }
    return std::nullopt;
}
