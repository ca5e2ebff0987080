// SPDX-License-Identifier: GPL-3.0-or-later
#include "TabeleCsv.h"

#include <fmt/format.h>

#include <array>
#include <charconv>
#include <initializer_list>
#include <vector>

#include "FormatBroja.h"
#include "Konverzija.h"
#include "OznakaVoza.h"

namespace {

constexpr std::string_view kKrajReda = "\r\n";
// An extended value's significand has 64 bits, which 21 digits pin down.
constexpr int kNajviseCifara = 40;

void Red(std::string& csv, std::initializer_list<std::string_view> polja) {
    bool prvo = true;
    for (const std::string_view p : polja) {
        if (!prvo) csv += ',';
        csv += PoljeCsv(p);
        prvo = false;
    }
    csv += kKrajReda;
}

void Red(std::string& csv, const std::vector<std::string>& polja) {
    for (std::size_t i = 0; i < polja.size(); ++i) {
        if (i > 0) csv += ',';
        csv += PoljeCsv(polja[i]);
    }
    csv += kKrajReda;
}

struct TVelicina {
    std::string_view ime;
    std::string_view jedinica;
    const TPoredjenje TRedPoredjenja::*polje;
};

constexpr std::array<TVelicina, 3> kVelicine = {{
    {"extM", "kNm", &TRedPoredjenja::ExtM},
    {"maxT", "kN", &TRedPoredjenja::MaxT},
    {"minT", "kN", &TRedPoredjenja::MinT},
}};

std::string Naziv(std::initializer_list<std::string_view> delovi) {
    std::string s;
    for (const std::string_view d : delovi) s += d;
    return s;
}

// The shortest text that reads back as `d`, in the spelling std::to_chars
// gives it without a format: its shortest digits ({fmt}'s), written fixed
// unless scientific ("1.5e-05", "1e+20") is shorter, a whole number in
// fixed notation with its exact digits. Kept in one spelling
// for every target, whose C++ libraries need not offer std::to_chars for
// floating-point values.
std::string NajkraciZapis(double d) {
    const std::string f = fmt::format("{}", d);
    std::string_view t = f;
    const bool negativan = t.starts_with('-');
    if (negativan) t.remove_prefix(1);
    int eksponent = 0;  // of the last digit
    if (const std::size_t e = t.find('e'); e != std::string_view::npos) {
        const std::string_view r = t.substr(e + 1);
        std::from_chars(r.data() + (r.starts_with('+') ? 1 : 0), r.data() + r.size(), eksponent);
        t = t.substr(0, e);
    }
    std::string cifre;
    for (const char c : t) {
        if (c == '.')
            eksponent -= static_cast<int>(t.size() - 1 - t.find('.'));
        else
            cifre += c;
    }
    const std::size_t prva = cifre.find_first_not_of('0');
    cifre.erase(0, prva == std::string::npos ? cifre.size() - 1 : prva);
    while (cifre.size() > 1 && cifre.back() == '0') {
        cifre.pop_back();
        ++eksponent;
    }
    const int broj = static_cast<int>(cifre.size());
    // Fixed wherever it is no longer than scientific: from 1e-3 to 1e4 for
    // one digit, from -(digits + 3) to 5 for the exponent of more.
    const bool fiksno =
        broj == 1 ? eksponent >= -3 && eksponent <= 4 : eksponent >= -(broj + 3) && eksponent <= 5;
    std::string s = negativan ? "-" : "";
    if (!fiksno) {
        s += cifre[0];
        if (broj > 1) s += '.' + cifre.substr(1);
        const int e = eksponent + broj - 1;
        s += e < 0 ? "e-" : "e+";
        const int a = e < 0 ? -e : e;
        if (a < 10) s += '0';
        return s + std::to_string(a);
    }
    // A whole number is written with its exact digits, which past 2^53 may
    // differ from the shortest ones followed by zeros.
    if (eksponent >= 0) return fmt::format("{:.0f}", d);
    const int celih = broj + eksponent;
    if (celih > 0)
        return s + cifre.substr(0, static_cast<std::size_t>(celih)) + '.' +
               cifre.substr(static_cast<std::size_t>(celih));
    return s + "0." + std::string(static_cast<std::size_t>(-celih), '0') + cifre;
}

}  // namespace

std::string PoljeCsv(std::string_view polje) {
    if (polje.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(polje);
    std::string s = "\"";
    for (const char c : polje) {
        if (c == '"') s += '"';
        s += c;
    }
    s += '"';
    return s;
}

std::string ZaokruzenKaoIzvestaj(std::string_view tekst) {
    const bool negativan = tekst.starts_with('-');
    if (negativan) tekst.remove_prefix(1);
    const std::size_t e = tekst.find('e');
    int eksponent = 0;
    if (e != std::string_view::npos) {
        const std::string_view t = tekst.substr(e + 1);
        std::from_chars(t.data() + (t.starts_with('+') ? 1 : 0), t.data() + t.size(), eksponent);
        tekst = tekst.substr(0, e);
    }
    // The digits without the point; the first one stands at 10^(integer
    // digits - 1 + exponent), leading zeros counted until FormatDecimala
    // drops them.
    const std::size_t tacka = tekst.find('.');
    const std::size_t celih = tacka == std::string_view::npos ? tekst.size() : tacka;
    std::string cifre;
    for (const char c : tekst)
        if (c != '.') cifre += c;
    const std::size_t prva = cifre.find_first_not_of('0');
    if (prva == std::string::npos) return "0";
    eksponent += static_cast<int>(celih) - 1 - static_cast<int>(prva);
    return FormatDecimala(negativan, std::string_view(cifre).substr(prva), eksponent, '.');
}

std::string BrojCsv(Prosireno broj) {
    if (broj == 0) return "0";
    const double d = static_cast<double>(broj);
    const std::string uIzvestaju = FormatBroja(broj, '.');
    // Room for 40 digits with a sign, a point and an exponent.
    std::array<char, 64> b{};
    const auto prihvatljiv = [&](std::string_view tekst) {
        return TekstUBroj(tekst, '.') == d && ZaokruzenKaoIzvestaj(tekst) == uIzvestaju;
    };
    const std::string najkraci = NajkraciZapis(d);
    if (prihvatljiv(najkraci)) return najkraci;
    // Near a boundary of the 15th digit the shortest form may lie on its
    // other side: as many digits of the value as read back as its double
    // and round as the report does. A section i*L/n often lies next to a
    // double's midpoint, where the shortest extended form alone would read
    // back as the neighbouring double.
    for (int cifara = 17; cifara <= kNajviseCifara; ++cifara) {
        const auto r = fmt::format_to_n(b.data(), b.size(), "{:.{}g}", KaoLongDouble(broj), cifara);
        const std::string_view tekst(b.data(), static_cast<std::size_t>(r.out - b.data()));
        if (prihvatljiv(tekst)) return std::string(tekst);
    }
    return najkraci;
}

std::string BrojCsv(double broj) { return BrojCsv(static_cast<Prosireno>(broj)); }

std::string TabelaPresekaCsv(const TProracunIzvestaja& proracun) {
    std::string csv;
    Red(csv, {"x [m]", "extM [kNm]", "maxT [kN]", "minT [kN]"});
    for (const TRedPreseka& r : proracun.Preseci)
        Red(csv, {BrojCsv(r.x), r.ExtM.empty() ? std::string() : BrojCsv(r.ExtM.front().M),
                  BrojCsv(r.MaxT), BrojCsv(r.MinT)});
    return csv;
}

std::string TabelaPoredjenjaCsv(const TTabelaPoredjenja& tabela, std::int32_t brojSila,
                                TSmerVoza smer, const TProracunskiProracun* proracunski) {
    const bool obaSmera = smer == TSmerVoza::Oba;
    std::vector<std::string> zaglavlje = {"x [m]"};
    for (const TVelicina& v : kVelicine) zaglavlje.push_back(Naziv({v.ime, " [", v.jedinica, "]"}));
    for (const TVelicina& v : kVelicine)
        zaglavlje.push_back(Naziv({v.ime, " tacno [", v.jedinica, "]"}));
    for (const TVelicina& v : kVelicine) zaglavlje.push_back(Naziv({v.ime, " manjak [%]"}));
    for (const TVelicina& v : kVelicine) {
        zaglavlje.push_back(Naziv({v.ime, " P1 na [m]"}));
        zaglavlje.push_back(Naziv({v.ime, " sila na preseku"}));
        if (obaSmera) zaglavlje.push_back(Naziv({v.ime, " voz"}));
    }
    if (proracunski) {
        for (const TVelicina& v : kVelicine)
            zaglavlje.push_back(Naziv({v.ime, " Ed [", v.jedinica, "]"}));
        for (const TVelicina& v : kVelicine) {
            zaglavlje.push_back(Naziv({v.ime, " Ed P1 na [m]"}));
            zaglavlje.push_back(Naziv({v.ime, " Ed sila na preseku"}));
            if (obaSmera) zaglavlje.push_back(Naziv({v.ime, " Ed voz"}));
        }
    }

    std::string csv;
    Red(csv, zaglavlje);
    std::vector<std::string> polja;
    for (const TRedPoredjenja& r : tabela.Redovi) {
        polja.assign({BrojCsv(r.x)});
        for (const TVelicina& v : kVelicine) polja.push_back(BrojCsv((r.*v.polje).Klasicno));
        for (const TVelicina& v : kVelicine) polja.push_back(BrojCsv((r.*v.polje).Tacno.Vrednost));
        for (const TVelicina& v : kVelicine) polja.push_back(BrojCsv((r.*v.polje).ManjakProcenat));
        for (const TVelicina& v : kVelicine) {
            const TKriticniPolozaj& k = (r.*v.polje).Tacno.Polozaj;
            polja.push_back(BrojCsv(k.PolozajP1));
            polja.push_back(std::to_string(k.Sila));
            if (obaSmera) polja.push_back(OznakaVoza(brojSila, k.Obrnut));
        }
        if (proracunski) {
            const TProracunskiPresek& p =
                proracunski->Redovi[static_cast<std::size_t>(&r - tabela.Redovi.data())]
                    .Proracunski;
            for (const TProracunskiEkstrem* e : {&p.M, &p.MaxT, &p.MinT})
                polja.push_back(BrojCsv(e->Vrednost));
            for (const TProracunskiEkstrem* e : {&p.M, &p.MaxT, &p.MinT}) {
                polja.push_back(BrojCsv(e->Polozaj.PolozajP1));
                polja.push_back(std::to_string(e->Polozaj.Sila));
                if (obaSmera) polja.push_back(OznakaVoza(brojSila, e->Polozaj.Obrnut));
            }
        }
        Red(csv, polja);
    }
    return csv;
}

std::string ProracunskaAnvelopaCsv(const TProracunskiProracun& proracun) {
    std::string csv;
    Red(csv, {"x", "MEd_max", "TEd_max", "TEd_min", "Mk_max", "Tk_max", "Tk_min"});
    for (const TRedProracunskeAnvelope& r : proracun.Redovi) {
        const TProracunskiPresek &d = r.Proracunski, &k = r.Karakteristicni;
        Red(csv, {BrojCsv(r.x), BrojCsv(d.M.Vrednost), BrojCsv(d.MaxT.Vrednost),
                  BrojCsv(d.MinT.Vrednost), BrojCsv(k.M.Vrednost), BrojCsv(k.MaxT.Vrednost),
                  BrojCsv(k.MinT.Vrednost)});
    }
    return csv;
}

std::string TabeleCsv(const TekstoviUnosa& t, std::int32_t brojSila, char sep,
                      std::optional<TSmerVoza> tacno, const TProracunskaDejstva& dejstva) {
    const TPodaci podaci = ZapisIzTekstova(t, sep);
    // A train longer than the span has the design envelope alone.
    if (!TVoz(podaci, brojSila).StajeNaRaspon())
        return ProracunskaAnvelopaCsv(TProracunskiProracun::Izracunaj(
            podaci, brojSila, dejstva, tacno.value_or(TSmerVoza::Napred)));
    const TProracunIzvestaja proracun = TProracunIzvestaja::Izracunaj(podaci, brojSila);
    if (!tacno) return TabelaPresekaCsv(proracun);
    const TTabelaPoredjenja tabela = TPoredjenjeAnvelopa::Tabela(proracun, *tacno);
    if (dejstva.Pocetna()) return TabelaPoredjenjaCsv(tabela, brojSila, *tacno);
    const TProracunskiProracun proracunski =
        TProracunskiProracun::Izracunaj(podaci, brojSila, dejstva, *tacno);
    return TabelaPoredjenjaCsv(tabela, brojSila, *tacno, &proracunski);
}
