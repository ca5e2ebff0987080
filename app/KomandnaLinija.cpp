// SPDX-License-Identifier: GPL-3.0-or-later
#include "KomandnaLinija.h"

#include <QFileInfo>
#include <string_view>

#include "Verzija.h"

namespace {

constexpr std::string_view kPomoc =
    "\n"
    "Upotreba: lastovar [DATOTEKA.Lastovar]\n"
    "          lastovar --help\n"
    "          lastovar --version\n"
    "\n"
    "Otvara glavni prozor sa formom za unos, prozorom rezultata i prozorom\n"
    "dijagrama. Sa datotekom ucitava slucaj opterecenja iz nje kao \"Otvori...\",\n"
    "sa istim porukama, a naslov glavnog prozora postaje putanja datoteke.\n"
    "Prima i standardne opcije biblioteke Qt (na primer -platform offscreen).\n"
    "Brojevi koriste regionalni decimalni separator.\n"
    "\n"
    "Izlaz: 0 uspeh, 1 nema ekrana (nije zadat ni DISPLAY ni WAYLAND_DISPLAY,\n"
    "a platforma nije ona bez ekrana, kao QT_QPA_PLATFORM=offscreen), 64\n"
    "pogresna upotreba komandne linije. Proracun bez prozora daje lastovar-cli.\n";

constexpr std::string_view kBezEkrana =
    "lastovar: nema ekrana za prozore programa (nije zadat ni DISPLAY ni WAYLAND_DISPLAY); "
    "proracun bez prozora daje lastovar-cli\n";

bool Zadata(const TPromenljiva& promenljiva, const char* ime) {
    const char* v = promenljiva(ime);
    return v && *v;
}

// Qt reads "-platform NAME" also as "--platform NAME".
std::optional<std::string_view> OpcijaPlatforme(int argc, const char* const* argv) {
    std::optional<std::string_view> platforma;
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "-platform" || a == "--platform") platforma = argv[++i];
    }
    return platforma;
}

// Each of Qt's platforms in the list, "name:options;name:options", is one
// of X's or Wayland's.
bool SamoSaEkranom(std::string_view platforme) {
    while (!platforme.empty()) {
        const std::size_t kraj = platforme.find(';');
        const std::string_view p = platforme.substr(0, kraj);
        const std::string_view ime = p.substr(0, p.find(':'));
        if (!ime.empty() && !ime.starts_with("xcb") && !ime.starts_with("wayland")) return false;
        platforme.remove_prefix(kraj == std::string_view::npos ? platforme.size() : kraj + 1);
    }
    return true;
}

}  // namespace

bool ImaEkrana(int argc, const char* const* argv, const TPromenljiva& promenljiva) {
    if (Zadata(promenljiva, "DISPLAY") || Zadata(promenljiva, "WAYLAND_DISPLAY")) return true;
    if (const auto platforma = OpcijaPlatforme(argc, argv)) return !SamoSaEkranom(*platforma);
    const char* iz = promenljiva("QT_QPA_PLATFORM");
    return iz && !SamoSaEkranom(iz);
}

std::optional<int> PrePokretanja(int argc, const char* const* argv, const TPromenljiva& promenljiva,
                                 std::ostream& izlaz, std::ostream& greske) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--") break;
        if (a == "--help" || a == "-h") {
            izlaz << "lastovar " << kVerzija << "\n" << kPomoc;
            return 0;
        }
        if (a == "--version") {
            izlaz << "lastovar " << kVerzija << "\n";
            return 0;
        }
    }
    if (!ImaEkrana(argc, argv, promenljiva)) {
        greske << kBezEkrana;
        return kIzlazBezEkrana;
    }
    return std::nullopt;
}

TArgumenti ProcitajArgumente(const QStringList& argumenti) {
    TArgumenti a;
    bool opcije = true;
    for (qsizetype i = 1; i < argumenti.size(); ++i) {
        const QString& arg = argumenti[i];
        if (opcije && arg == QStringLiteral("--")) {
            opcije = false;
        } else if (opcije && arg.size() > 1 && arg.startsWith(u'-')) {
            a.greska = QStringLiteral("lastovar: nepoznata opcija %1").arg(arg);
        } else if (a.datoteka) {
            a.greska = QStringLiteral("lastovar: zadaje se najvise jedna datoteka podataka");
        } else {
            a.datoteka = QFileInfo(arg).absoluteFilePath();
        }
        if (!a.greska.isEmpty()) {
            a.greska += QStringLiteral(" (lastovar --help daje uputstvo)");
            a.datoteka.reset();
            return a;
        }
    }
    return a;
}
