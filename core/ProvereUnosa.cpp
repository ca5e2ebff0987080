// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProvereUnosa.h"

#include <cmath>
#include <limits>

#include "Konverzija.h"
#include "Prosireno.h"

TekstoviUnosa PodrazumevaniTekstovi(char sep) {
    const auto s = [sep](std::string_view tekst) { return SaSeparatorom(tekst, sep); };
    return TekstoviUnosa{{s("206.0"), s("208.0"), s("1.0"), s("1.0"), s("1.0"), s("1.0")},
                         s("1.25"),
                         {s("5.0"), s("1.0"), s("1.0"), s("1.0"), s("1.0")},
                         s("9.0"),
                         "10"};
}

TPodaci ZapisIzTekstova(const TekstoviUnosa& t, char sep) {
    TPodaci z(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    z.setP1(TekstUBroj(t.P[0], sep));
    z.setP2(TekstUBroj(t.P[1], sep));
    z.setP3(TekstUBroj(t.P[2], sep));
    z.setP4(TekstUBroj(t.P[3], sep));
    z.setP5(TekstUBroj(t.P[4], sep));
    z.setP6(TekstUBroj(t.P[5], sep));
    z.setProizvoljnoX(TekstUBroj(t.ProizvoljnoX, sep));
    z.setRastojanje1(TekstUBroj(t.Rastojanje[0], sep));
    z.setRastojanje2(TekstUBroj(t.Rastojanje[1], sep));
    z.setRastojanje3(TekstUBroj(t.Rastojanje[2], sep));
    z.setRastojanje4(TekstUBroj(t.Rastojanje[3], sep));
    z.setRastojanje5(TekstUBroj(t.Rastojanje[4], sep));
    z.setRaspon(TekstUBroj(t.Raspon, sep));
    z.setBrojPreseka(TekstUCeoBroj(t.BrojPreseka));
    return z;
}

TPodaci ZapisZaBrojSila(const TekstoviUnosa& t, std::int32_t n, char sep) {
    std::array<double, 6> P{};
    std::array<double, 5> L{};
    for (std::int32_t i = 0; i < n && i < 6; ++i) P[i] = TekstUBroj(t.P[i], sep);
    for (std::int32_t i = 0; i < n - 1 && i < 5; ++i) L[i] = TekstUBroj(t.Rastojanje[i], sep);
    const double raspon = TekstUBroj(t.Raspon, sep);
    const double x = TekstUBroj(t.ProizvoljnoX, sep);
    return TPodaci(P[0], P[1], P[2], P[3], P[4], P[5], x, L[0], L[1], L[2], L[3], L[4], raspon);
}

bool ProveraTipa(const TekstoviUnosa& t, char sep,
                 const std::function<void(std::string_view)>& prikaziGresku,
                 const std::function<void()>& obrisiRezultate) {
    try {
        ZapisIzTekstova(t, sep);
        return true;
    } catch (const EGreskaKonverzije&) {
        prikaziGresku(kPorukaTipa);
        obrisiRezultate();
        return false;
    }
}

namespace {

bool Konacan(Prosireno v) {
    return std::isfinite(v) && std::fabs(v) <= std::numeric_limits<double>::max();
}

// Zero, or a double with all its digits: not a subnormal, which keeps only
// some of them.
bool SvihCifara(Prosireno v) {
    return v == 0 || std::fabs(v) >= std::numeric_limits<double>::min();
}

std::optional<TPoljeUnosa> PrvoOdbijeno(const TPodaci& z, std::int32_t n, bool vozDuziOdRaspona) {
    const std::array<double, 6> P = Sile(z);
    const std::array<double, 5> Ls = Razmaci(z);
    const double L = z.Raspon();
    const double x = z.ProizvoljnoX();
    const auto sila = [](std::int32_t i) { return static_cast<TPoljeUnosa>(i); };
    const auto razmak = [](std::int32_t i) {
        return static_cast<TPoljeUnosa>(static_cast<int>(TPoljeUnosa::L1) + i);
    };
    for (std::int32_t i = 0; i < n; ++i)
        if (!(P[i] > 0)) return sila(i);
    for (std::int32_t i = 0; i < n - 1; ++i)
        if (!(Ls[i] > 0)) return razmak(i);
    if (!(L > 0)) return TPoljeUnosa::Raspon;
    if (!(L >= x)) return TPoljeUnosa::ProizvoljnoX;
    Prosireno duzinaVoza = 0;
    for (std::int32_t i = 0; i < n - 1; ++i) duzinaVoza += Ls[i];
    if (n >= 2 && !(vozDuziOdRaspona ? Konacan(duzinaVoza) : duzinaVoza <= L))
        return TPoljeUnosa::Raspon;
    if (!(x >= 0)) return TPoljeUnosa::ProizvoljnoX;
    // Every printed moment is bounded by R*L and every equation carries R/L:
    // a load case whose resultant or those bounds overflow a double would
    // print INF or NaN, so it is refused like any other invalid one.
    Prosireno R = 0;
    for (std::int32_t i = 0; i < n; ++i) R += P[i];
    const double Rd = static_cast<double>(R);
    if (!Konacan(Rd)) return TPoljeUnosa::P1;
    if (!Konacan(static_cast<Prosireno>(Rd) * L) || !Konacan(static_cast<Prosireno>(Rd) / L))
        return TPoljeUnosa::Raspon;
    // Below the least normal double a value keeps only some of its digits,
    // and so do the moments, of the order of R*L, stored as doubles: the
    // exact and the classical envelope then differ by rounding alone and
    // a shortfall would be reported that is none. Such magnitudes are
    // refused like any invalid value.
    for (std::int32_t i = 0; i < n; ++i)
        if (!SvihCifara(P[i])) return sila(i);
    for (std::int32_t i = 0; i < n - 1; ++i)
        if (!SvihCifara(Ls[i])) return razmak(i);
    if (!SvihCifara(L)) return TPoljeUnosa::Raspon;
    if (!SvihCifara(x)) return TPoljeUnosa::ProizvoljnoX;
    if (!SvihCifara(static_cast<Prosireno>(Rd) * L)) return TPoljeUnosa::Raspon;
    return std::nullopt;
}

}  // namespace

bool ProveraVrednosti(const TekstoviUnosa& t, std::int32_t n, char sep,
                      const std::function<void()>& obrisiRezultate, bool vozDuziOdRaspona) {
    const bool vazi = !OdbijenoPolje(t, n, sep, vozDuziOdRaspona);
    if (!vazi) obrisiRezultate();
    return vazi;
}

std::optional<TPoljeUnosa> OdbijenoPolje(const TekstoviUnosa& t, std::int32_t n, char sep,
                                         bool vozDuziOdRaspona) {
    if (n < 1 || n > 6) return TPoljeUnosa::BrojSila;
    return PrvoOdbijeno(ZapisZaBrojSila(t, n, sep), n, vozDuziOdRaspona);
}
