// SPDX-License-Identifier: GPL-3.0-or-later
#include "MestoUpisa.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <deque>

#include "GreskaFajla.h"

namespace {

constexpr const char* kNeMozeDaSeNapravi = "Datoteka ne moze da se napravi";
// As many links as the system itself follows in one path.
constexpr int kNajviseVeza = 40;

uid_t VlasnikPoSistemu(const struct stat& veza) { return veza.st_uid; }

TVlasnikVeze gVlasnikVeze = VlasnikPoSistemu;

[[noreturn]] void Greska(const std::string& putanja, const std::string& razlog) {
    throw EGreskaFajla(EGreskaFajla::Vrsta::Otvaranje, kNeMozeDaSeNapravi, putanja, razlog);
}

[[noreturn]] void Greska(const std::string& putanja, int broj) {
    Greska(putanja, std::strerror(broj));
}

// The names of a path in order; "." and empty ones (of "//") add nothing,
// and a path that ends in a slash names the folder itself.
void DodajNaPocetak(std::deque<std::string>& delovi, const std::string& putanja) {
    std::deque<std::string> novi;
    std::size_t od = 0;
    while (od <= putanja.size()) {
        std::size_t kraj = putanja.find('/', od);
        if (kraj == std::string::npos) kraj = putanja.size();
        std::string deo = putanja.substr(od, kraj - od);
        if (!deo.empty() && deo != ".") novi.push_back(std::move(deo));
        od = kraj + 1;
    }
    if (putanja.ends_with('/') || putanja.ends_with("/.") || putanja == ".") novi.push_back(".");
    delovi.insert(delovi.begin(), novi.begin(), novi.end());
}

TDeskriptor OtvoriFolder(const char* putanja, const std::string& zaPoruku) {
    TDeskriptor d(open(putanja, O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (d.Fd() < 0) Greska(zaPoruku, errno);
    return d;
}

// The kernel's rule (fs.protected_symlinks), asked whether the kernel
// enforces it or not: a link in a sticky, world-writable folder is followed
// only for its owner or when the folder's owner owns it too.
void ProveriVezu(int folder, const struct stat& veza, const std::string& putanja) {
    struct stat f {};
    if (fstat(folder, &f) != 0) Greska(putanja, errno);
    constexpr mode_t kDeljen = S_ISVTX | S_IWOTH;
    if ((f.st_mode & kDeljen) != kDeljen) return;
    const uid_t vlasnik = gVlasnikVeze(veza);
    if (vlasnik != f.st_uid && vlasnik != geteuid()) Greska(putanja, kTudjaVeza);
}

std::string ProcitajVezu(int veza, const std::string& putanja) {
    // A buffer of a size the compiler knows, as a hardened build checks.
    char cilj[PATH_MAX];
    const ssize_t n = readlinkat(veza, "", cilj, sizeof cilj);
    if (n < 0) Greska(putanja, errno);
    if (static_cast<std::size_t>(n) == sizeof cilj) Greska(putanja, ENAMETOOLONG);
    if (n == 0) Greska(putanja, ENOENT);
    return std::string(cilj, static_cast<std::size_t>(n));
}

}  // namespace

TVlasnikVeze PostaviVlasnikaVeze(TVlasnikVeze vlasnik) {
    const TVlasnikVeze stari = gVlasnikVeze;
    gVlasnikVeze = vlasnik ? vlasnik : VlasnikPoSistemu;
    return stari;
}

// Each name is opened from the folder before it without following it, so
// every link on the way is seen and judged here, and the folders passed
// stay the ones that were judged.
TMestoUpisa MestoUpisa(const std::string& putanja) {
    if (putanja.empty()) Greska(putanja, ENOENT);
    std::deque<std::string> delovi;
    DodajNaPocetak(delovi, putanja);
    TDeskriptor folder = OtvoriFolder(putanja.starts_with('/') ? "/" : ".", putanja);
    int veza = 0;
    // Never empty here: a path names at least one thing, and so does a link.
    for (;;) {
        const std::string deo = std::move(delovi.front());
        delovi.pop_front();
        const bool poslednji = delovi.empty();
        TDeskriptor d(openat(folder.Fd(), deo.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        if (d.Fd() < 0) {
            if (poslednji && errno == ENOENT) return {std::move(folder), deo, std::nullopt};
            Greska(putanja, errno);
        }
        struct stat st {};
        if (fstat(d.Fd(), &st) != 0) Greska(putanja, errno);
        if (S_ISLNK(st.st_mode)) {
            if (++veza > kNajviseVeza) Greska(putanja, ELOOP);
            ProveriVezu(folder.Fd(), st, putanja);
            const std::string cilj = ProcitajVezu(d.Fd(), putanja);
            if (cilj.starts_with('/')) folder = OtvoriFolder("/", putanja);
            DodajNaPocetak(delovi, cilj);
            continue;
        }
        if (poslednji && deo != "..") return {std::move(folder), deo, st};
        if (!S_ISDIR(st.st_mode)) Greska(putanja, ENOTDIR);
        folder = std::move(d);
        // A path that ends in a folder names that folder.
        if (poslednji) return {std::move(folder), ".", st};
    }
}
