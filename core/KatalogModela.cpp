// SPDX-License-Identifier: GPL-3.0-or-later
#include "KatalogModela.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

#ifndef LASTOVAR_FOLDER_MODELA
#define LASTOVAR_FOLDER_MODELA "/usr/share/lastovar/modeli"
#endif

namespace fs = std::filesystem;

namespace {

// At most one byte beyond the limit is read, so that a device or a huge
// file costs nothing and is refused for its size.
std::string Procitaj(const fs::path& putanja) {
    std::error_code greska;
    if (!fs::is_regular_file(putanja, greska)) throw EGreskaModela("nije obicna datoteka");
    std::ifstream f(putanja, std::ios::binary);
    if (!f) throw EGreskaModela("ne moze se otvoriti");
    std::string bajtovi(kNajviseBajtovaModela + 1, '\0');
    f.read(bajtovi.data(), static_cast<std::streamsize>(bajtovi.size()));
    if (f.bad()) throw EGreskaModela("greska pri citanju");
    bajtovi.resize(static_cast<std::size_t>(f.gcount()));
    return bajtovi;
}

bool Postoji(const fs::path& folder) {
    std::error_code greska;
    return fs::is_directory(folder, greska);
}

}  // namespace

std::vector<TStavkaKataloga> UcitajFolder(const fs::path& folder, bool korisnicki) {
    std::vector<TStavkaKataloga> stavke;
    std::error_code greska;
    for (fs::directory_iterator it(folder, greska), kraj; !greska && it != kraj;
         it.increment(greska)) {
        const fs::path& p = it->path();
        if (p.extension() != kNastavakModela) continue;
        TStavkaKataloga s;
        s.Oznaka = p.stem().string();
        s.Putanja = p;
        s.Korisnicki = korisnicki;
        try {
            s.Model = ProcitajModel(Procitaj(p));
        } catch (const EGreskaModela& e) {
            s.Greska = e.what();
        }
        stavke.push_back(std::move(s));
    }
    std::sort(stavke.begin(), stavke.end(),
              [](const auto& a, const auto& b) { return a.Oznaka < b.Oznaka; });
    return stavke;
}

fs::path FolderUgradjenih(const fs::path& folderIzvrsnog) {
    for (const fs::path& f :
         {folderIzvrsnog / ".." / "share" / "lastovar" / "modeli", fs::path(LASTOVAR_FOLDER_MODELA),
          folderIzvrsnog / ".." / "assets" / "modeli"})
        if (Postoji(f)) return f.lexically_normal();
    return {};
}

fs::path FolderKorisnika(const char* xdgDataHome, const char* home) {
    // XDG's rules for user folders ignore a relative XDG_DATA_HOME.
    if (xdgDataHome && fs::path(xdgDataHome).is_absolute())
        return fs::path(xdgDataHome) / "lastovar" / "modeli";
    if (home && fs::path(home).is_absolute())
        return fs::path(home) / ".local" / "share" / "lastovar" / "modeli";
    return {};
}

fs::path FolderKorisnika() {
    return FolderKorisnika(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

std::vector<TStavkaKataloga> Katalog(const fs::path& ugradjeni, const fs::path& korisnicki) {
    std::vector<TStavkaKataloga> katalog;
    if (!ugradjeni.empty()) katalog = UcitajFolder(ugradjeni, false);
    if (!korisnicki.empty()) {
        std::vector<TStavkaKataloga> svoji = UcitajFolder(korisnicki, true);
        std::move(svoji.begin(), svoji.end(), std::back_inserter(katalog));
    }
    return katalog;
}

const TStavkaKataloga* NadjiModel(const std::vector<TStavkaKataloga>& katalog,
                                  std::string_view ime) {
    for (const TStavkaKataloga& s : katalog)
        if (s.Model && (s.Model->Naziv == ime || s.Oznaka == ime)) return &s;
    return nullptr;
}

std::string OznakaModela(std::string_view naziv) {
    std::string oznaka;
    for (const char c : naziv) {
        const bool slovo = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        const bool veliko = c >= 'A' && c <= 'Z';
        if (slovo || veliko)
            oznaka += veliko ? static_cast<char>(c - 'A' + 'a') : c;
        else if (!oznaka.empty() && oznaka.back() != '-')
            oznaka += '-';
    }
    while (!oznaka.empty() && oznaka.back() == '-') oznaka.pop_back();
    return oznaka.empty() ? "model" : oznaka;
}
