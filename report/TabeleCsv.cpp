// SPDX-License-Identifier: GPL-3.0-or-later
#include "TabeleCsv.h"

#include <array>
#include <charconv>
#include <initializer_list>
#include <vector>

#include "FormatBroja.h"
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
    // The digits without the point, the point's place in the exponent.
    std::string cifre;
    for (const char c : tekst) {
        if (c == '.')
            eksponent -= static_cast<int>(tekst.size() - 1 - tekst.find('.'));
        else
            cifre += c;
    }
    const std::size_t prva = cifre.find_first_not_of('0');
    if (prva == std::string::npos) return "0";
    cifre.erase(0, prva);
    if (cifre.size() > 15) {
        const bool gore = cifre[15] >= '5';
        eksponent += static_cast<int>(cifre.size() - 15);
        cifre.resize(15);
        for (std::size_t i = cifre.size(); gore && i-- > 0;) {
            if (cifre[i] != '9') {
                ++cifre[i];
                break;
            }
            cifre[i] = '0';
            if (i == 0) cifre.insert(cifre.begin(), '1');
        }
    }
    // At most 16 digits now, which an extended value holds exactly enough
    // for the report's rounding to keep them.
    const std::string kratak = cifre + "e" + std::to_string(eksponent);
    long double v = 0;
    std::from_chars(kratak.data(), kratak.data() + kratak.size(), v);
    return FormatBroja(negativan ? -v : v, '.');
}

std::string BrojCsv(long double broj) {
    if (broj == 0) return "0";
    const double d = static_cast<double>(broj);
    const std::string uIzvestaju = FormatBroja(broj, '.');
    // Room for the longest shortest form of any double, and for 40 digits.
    std::array<char, 64> b{};
    const auto prihvatljiv = [&](const char* kraj) {
        double kaoDouble = 0;
        std::from_chars(b.data(), kraj, kaoDouble);
        return kaoDouble == d && ZaokruzenKaoIzvestaj(std::string_view(
                                     b.data(), std::size_t(kraj - b.data()))) == uIzvestaju;
    };
    const auto tekst = [&b](const char* kraj) {
        return std::string(static_cast<const char*>(b.data()), kraj);
    };
    const char* kraj = std::to_chars(b.data(), b.data() + b.size(), d).ptr;
    if (prihvatljiv(kraj)) return tekst(kraj);
    const std::string najkraci = tekst(kraj);
    // Near a boundary of the 15th digit the shortest form may lie on its
    // other side: as many digits of the value as read back as its double
    // and round as the report does. A section i*L/n often lies next to a
    // double's midpoint, where the shortest extended form alone would read
    // back as the neighbouring double.
    for (int cifara = 17; cifara <= kNajviseCifara; ++cifara) {
        kraj =
            std::to_chars(b.data(), b.data() + b.size(), broj, std::chars_format::general, cifara)
                .ptr;
        if (prihvatljiv(kraj)) return tekst(kraj);
    }
    return najkraci;
}

std::string BrojCsv(double broj) { return BrojCsv(static_cast<long double>(broj)); }

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
