// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModelOpterecenja.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <vector>

#include "Konverzija.h"
#include "Prosireno.h"

namespace {

constexpr std::size_t kNajduziNaziv = 80;
constexpr std::size_t kNajduziTekst = 1000;

constexpr std::string_view kNaziv = "naziv", kIzvor = "izvor", kNapomena = "napomena",
                           kSile = "sile", kRazmaci = "razmaci", kQ = "q", kRaspored = "q-raspored",
                           kRazmak = "razmak", kFi = "fi", kFiNaQ = "fi-q", kGamaQ = "gama-q";
constexpr std::string_view kBiloGde = "bilo-gde", kUzVoz = "uz-voz", kDa = "da", kNe = "ne",
                           kLinearno = "linearno", kKoren = "koren";

[[noreturn]] void Greska(std::string razlog) { throw EGreskaModela(std::move(razlog)); }

[[noreturn]] void GreskaKljuca(std::string_view kljuc, std::string_view vrednost,
                               std::string_view razlog) {
    Greska(fmt::format("{}={} ({})", kljuc, vrednost, razlog));
}

bool KontrolniBajt(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x20 || b == 0x7f;
}

std::vector<std::string_view> Reci(std::string_view s) {
    std::vector<std::string_view> reci;
    while (true) {
        const std::size_t pocetak = s.find_first_not_of(" \t");
        if (pocetak == std::string_view::npos) return reci;
        s.remove_prefix(pocetak);
        const std::size_t kraj = std::min(s.find_first_of(" \t"), s.size());
        reci.push_back(s.substr(0, kraj));
        s.remove_prefix(kraj);
    }
}

// A number with a point or a comma, finite.
double Broj(std::string_view kljuc, std::string_view vrednost, std::string_view rec) {
    try {
        const double v = TekstUBroj(rec, rec.find(',') != std::string_view::npos ? ',' : '.');
        if (std::isfinite(v)) return v;
    } catch (const EGreskaKonverzije&) {
    }
    GreskaKljuca(kljuc, vrednost, fmt::format("{} nije broj", rec));
}

std::vector<double> Brojevi(std::string_view kljuc, std::string_view vrednost) {
    std::vector<double> b;
    for (const std::string_view rec : Reci(vrednost)) b.push_back(Broj(kljuc, vrednost, rec));
    return b;
}

double JedanBroj(std::string_view kljuc, std::string_view vrednost) {
    const std::vector<double> b = Brojevi(kljuc, vrednost);
    if (b.size() != 1) GreskaKljuca(kljuc, vrednost, "trazi jedan broj");
    return b.front();
}

TDinamickiFaktor ProcitajFi(std::string_view v) {
    const std::vector<std::string_view> reci = Reci(v);
    TDinamickiFaktor f;
    if (reci.empty()) GreskaKljuca(kFi, v, "prazno");
    const bool linearno = reci.front() == kLinearno, koren = reci.front() == kKoren;
    if (!linearno && !koren) {
        f.A = f.Min = f.Max = JedanBroj(kFi, v);
        if (!(f.A > 0)) GreskaKljuca(kFi, v, "mora biti pozitivan");
        return f;
    }
    std::vector<double> b;
    for (std::size_t i = 1; i < reci.size(); ++i) b.push_back(Broj(kFi, v, reci[i]));
    if (linearno) {
        if (b.size() != 4) GreskaKljuca(kFi, v, "linearno trazi A B MIN MAX");
        f = {TDinamickiFaktor::TVrsta::Linearno, b[0], b[1], 0.0, b[2], b[3]};
    } else {
        if (b.size() != 5) GreskaKljuca(kFi, v, "koren trazi A B C MIN MAX");
        f = {TDinamickiFaktor::TVrsta::Koren, b[0], b[1], b[2], b[3], b[4]};
    }
    if (!(f.Min > 0) || !(f.Min <= f.Max)) GreskaKljuca(kFi, v, "granice: 0 < MIN <= MAX");
    return f;
}

std::string Tekst(std::string_view kljuc, std::string_view v, std::size_t najvise) {
    if (v.size() > najvise) GreskaKljuca(kljuc, v.substr(0, 20), "predugacko");
    return std::string(v);
}

// The shortest text that reads back as `v`.
std::string B(double v) { return fmt::format("{}", v); }

}  // namespace

double TDinamickiFaktor::Vrednost(double L) const {
    double v = A;
    switch (Vrsta) {
        case TVrsta::Broj:
            return A;
        case TVrsta::Linearno:
            v = A + B * L;
            break;
        case TVrsta::Koren: {
            const double imenilac = std::sqrt(L) - B;
            if (!(imenilac > 0)) return Max;
            v = A / imenilac + C;
            break;
        }
    }
    return std::clamp(v, Min, Max);
}

TVoz TModelOpterecenja::Voz(double L) const { return TVoz(BrojSila, P, Ls, L); }

TProracunskaDejstva TModelOpterecenja::Dejstva(double L, const TProracunskaDejstva& osnova) const {
    TProracunskaDejstva d = osnova;
    d.q = q;
    d.Raspored = Raspored;
    d.c = c;
    d.Fi = Fi.Vrednost(L);
    d.FiNaQ = FiNaQ;
    d.GamaQ = GamaQ;
    return d;
}

TModelOpterecenja ProcitajModel(std::string_view bajtovi) {
    if (bajtovi.size() > kNajviseBajtovaModela)
        Greska(fmt::format("datoteka je veca od {} bajtova", kNajviseBajtovaModela));
    std::map<std::string, std::string, std::less<>> kljucevi;
    for (std::size_t broj = 1; !bajtovi.empty(); ++broj) {
        const std::size_t kraj = bajtovi.find('\n');
        std::string_view linija = bajtovi.substr(0, kraj);
        if (kraj != std::string_view::npos && linija.ends_with('\r')) linija.remove_suffix(1);
        bajtovi.remove_prefix(kraj == std::string_view::npos ? bajtovi.size() : kraj + 1);
        if (std::any_of(linija.begin(), linija.end(),
                        [](char c) { return KontrolniBajt(c) && c != '\t'; }))
            Greska(fmt::format("linija {}: nedozvoljen kontrolni znak", broj));
        if (linija.empty() || linija.front() == '#') continue;
        const std::size_t jednako = linija.find('=');
        if (jednako == std::string_view::npos)
            Greska(fmt::format("linija {}: nije kljuc=vrednost", broj));
        const std::string_view kljuc = linija.substr(0, jednako);
        static constexpr std::array kPoznati{kNaziv,    kIzvor,  kNapomena, kSile,  kRazmaci, kQ,
                                             kRaspored, kRazmak, kFi,       kFiNaQ, kGamaQ};
        if (std::find(kPoznati.begin(), kPoznati.end(), kljuc) == kPoznati.end())
            Greska(fmt::format("linija {}: nepoznat kljuc {}", broj, kljuc.substr(0, 40)));
        if (!kljucevi.emplace(kljuc, linija.substr(jednako + 1)).second)
            Greska(fmt::format("linija {}: kljuc {} se ponavlja", broj, kljuc));
    }

    TModelOpterecenja m;
    const auto vrednost = [&](std::string_view k) -> const std::string* {
        const auto it = kljucevi.find(k);
        return it == kljucevi.end() ? nullptr : &it->second;
    };
    const std::string* naziv = vrednost(kNaziv);
    if (!naziv || Reci(*naziv).empty()) Greska("nema naziva (naziv=...)");
    m.Naziv = Tekst(kNaziv, *naziv, kNajduziNaziv);
    if (const std::string* v = vrednost(kIzvor)) m.Izvor = Tekst(kIzvor, *v, kNajduziTekst);
    if (const std::string* v = vrednost(kNapomena))
        m.Napomena = Tekst(kNapomena, *v, kNajduziTekst);

    const std::string* sile = vrednost(kSile);
    if (!sile) Greska("nema sila (sile=...)");
    const std::vector<double> p = Brojevi(kSile, *sile);
    if (p.empty() || p.size() > m.P.size()) GreskaKljuca(kSile, *sile, "od 1 do 6 sila");
    m.BrojSila = static_cast<std::int32_t>(p.size());
    Prosireno ukupno = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (!(p[i] > 0)) GreskaKljuca(kSile, *sile, "sile moraju biti pozitivne");
        m.P[i] = p[i];
        ukupno += p[i];
    }
    if (!std::isfinite(static_cast<double>(ukupno))) GreskaKljuca(kSile, *sile, "prevelike sile");

    const std::string* razmaci = vrednost(kRazmaci);
    const std::vector<double> l = razmaci ? Brojevi(kRazmaci, *razmaci) : std::vector<double>{};
    if (l.size() + 1 != p.size())
        Greska(fmt::format("razmaka mora biti {} (jedan manje od sila)", p.size() - 1));
    Prosireno duzina = 0;
    for (std::size_t i = 0; i < l.size(); ++i) {
        if (!(l[i] > 0)) GreskaKljuca(kRazmaci, *razmaci, "razmaci moraju biti pozitivni");
        m.Ls[i] = l[i];
        duzina += l[i];
    }
    if (!std::isfinite(static_cast<double>(duzina)))
        GreskaKljuca(kRazmaci, *razmaci, "preveliki razmaci");

    const auto nenegativan = [&](std::string_view k, double& cilj) {
        if (const std::string* v = vrednost(k)) {
            cilj = JedanBroj(k, *v);
            if (!(cilj >= 0)) GreskaKljuca(k, *v, "ne sme biti negativan");
        }
    };
    nenegativan(kQ, m.q);
    nenegativan(kRazmak, m.c);
    if (const std::string* v = vrednost(kGamaQ)) {
        m.GamaQ = JedanBroj(kGamaQ, *v);
        if (!(m.GamaQ > 0)) GreskaKljuca(kGamaQ, *v, "mora biti pozitivan");
    }
    if (const std::string* v = vrednost(kFi)) m.Fi = ProcitajFi(*v);
    if (const std::string* v = vrednost(kRaspored)) {
        if (*v != kBiloGde && *v != kUzVoz) GreskaKljuca(kRaspored, *v, "bilo-gde ili uz-voz");
        m.Raspored = *v == kUzVoz ? TRasporedQ::IspredIIzaVoza : TRasporedQ::BiloGde;
    }
    if (const std::string* v = vrednost(kFiNaQ)) {
        if (*v != kDa && *v != kNe) GreskaKljuca(kFiNaQ, *v, "da ili ne");
        m.FiNaQ = *v == kDa;
    }
    return m;
}

std::string ZapisiModel(const TModelOpterecenja& m) {
    std::string s;
    const auto red = [&s](std::string_view k, std::string_view v) {
        s += fmt::format("{}={}\n", k, v);
    };
    const auto lista = [](const auto& brojevi, std::int32_t n) {
        std::string t;
        for (std::int32_t i = 0; i < n; ++i) {
            if (i > 0) t += ' ';
            t += B(brojevi[static_cast<std::size_t>(i)]);
        }
        return t;
    };
    red(kNaziv, m.Naziv);
    if (!m.Izvor.empty()) red(kIzvor, m.Izvor);
    if (!m.Napomena.empty()) red(kNapomena, m.Napomena);
    red(kSile, lista(m.P, m.BrojSila));
    if (m.BrojSila > 1) red(kRazmaci, lista(m.Ls, m.BrojSila - 1));
    red(kQ, B(m.q));
    red(kRaspored, m.Raspored == TRasporedQ::BiloGde ? kBiloGde : kUzVoz);
    red(kRazmak, B(m.c));
    const TDinamickiFaktor& f = m.Fi;
    switch (f.Vrsta) {
        case TDinamickiFaktor::TVrsta::Broj:
            red(kFi, B(f.A));
            break;
        case TDinamickiFaktor::TVrsta::Linearno:
            red(kFi, fmt::format("{} {} {} {} {}", kLinearno, B(f.A), B(f.B), B(f.Min), B(f.Max)));
            break;
        case TDinamickiFaktor::TVrsta::Koren:
            red(kFi, fmt::format("{} {} {} {} {} {}", kKoren, B(f.A), B(f.B), B(f.C), B(f.Min),
                                 B(f.Max)));
            break;
    }
    red(kFiNaQ, m.FiNaQ ? kDa : kNe);
    red(kGamaQ, B(m.GamaQ));
    return s;
}

TModelOpterecenja KorisnickiModel(std::string_view naziv, std::int32_t brojSila,
                                  const std::array<double, 6>& sile,
                                  const std::array<double, 5>& razmaci,
                                  const TProracunskaDejstva& d) {
    if (naziv.empty() || Reci(naziv).empty()) Greska("ime modela je prazno");
    if (naziv.size() > kNajduziNaziv)
        Greska(fmt::format("ime modela je duze od {} bajtova", kNajduziNaziv));
    if (std::any_of(naziv.begin(), naziv.end(), KontrolniBajt))
        Greska("ime modela ima kontrolni znak");
    if (brojSila < 1 || brojSila > 6) Greska("od 1 do 6 sila");
    TModelOpterecenja m;
    m.Naziv = std::string(naziv);
    m.Izvor = "sopstveni model";
    m.BrojSila = brojSila;
    for (std::int32_t i = 0; i < brojSila; ++i) {
        const auto k = static_cast<std::size_t>(i);
        m.P[k] = sile[k];
        if (i + 1 < brojSila) m.Ls[k] = razmaci[k];
    }
    m.q = d.q;
    m.Raspored = d.Raspored;
    m.c = d.c;
    m.Fi.A = m.Fi.Min = m.Fi.Max = d.Fi;
    m.FiNaQ = d.FiNaQ;
    m.GamaQ = d.GamaQ;
    // The file is what the model is: figures it would refuse are refused
    // here, before anything is written.
    return ProcitajModel(ZapisiModel(m));
}
