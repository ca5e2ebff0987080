// SPDX-License-Identifier: GPL-3.0-or-later
// The load models in the menu "Proracun extM i extT": choosing one into the
// form, saving the form's train as the user's own, deleting it, and the
// span table of a model.
#include <QCoreApplication>
#include <QMdiArea>
#include <filesystem>
#include <system_error>

#include "FormatBroja.h"
#include "GlavniObrazac.h"
#include "GreskaFajla.h"
#include "KatalogModela.h"
#include "KomandeDatoteke.h"
#include "Konverzija.h"
#include "PodaciObrazac.h"
#include "TabelaRasponaObrazac.h"

namespace fs = std::filesystem;

namespace {

QString Tekst(std::string_view t) { return QString::fromUtf8(t.data(), qsizetype(t.size())); }

}  // namespace

std::vector<TStavkaKataloga> TGlavniO::KatalogModela() const {
    return Katalog(FolderUgradjenih(QCoreApplication::applicationDirPath().toStdString()),
                   FolderKorisnika());
}

void TGlavniO::ModeliOpterecenjaClick() {
    for (;;) {
        const std::vector<TStavkaKataloga> katalog = KatalogModela();
        const std::optional<TOdlukaModela> odluka = fUsluge.Dijalozi->ModeliOpterecenja(katalog);
        if (!odluka || odluka->Indeks >= katalog.size()) return;
        const TStavkaKataloga& s = katalog[odluka->Indeks];
        if (odluka->Radnja == TOdlukaModela::TRadnja::Izaberi) {
            if (!s.Model) continue;
            IzaberiModel(*s.Model);
            return;
        }
        if (!s.Korisnicki) continue;
        const QString ime = s.Model ? Tekst(s.Model->Naziv) : Tekst(s.Oznaka);
        if (!fUsluge.Poruke->Potvrda(QStringLiteral("Da li zelite da obrisete model ") + ime +
                                     QStringLiteral("?")))
            continue;
        std::error_code greska;
        if (!fs::remove(s.Putanja, greska) || greska)
            fUsluge.Poruke->Greska(QStringLiteral("Model nije obrisan: ") +
                                   Tekst(s.Putanja.string()) + QStringLiteral(": ") +
                                   QString::fromStdString(greska.message()));
    }
}

void TGlavniO::IzaberiModel(const TModelOpterecenja& m) {
    const char sep = fUsluge.Separator();
    SadrzajDatoteke sadrzaj = SadrzajForme(*PodaciO);
    sadrzaj.BrojSila = m.BrojSila;
    for (std::int32_t i = 0; i < m.BrojSila; ++i) {
        const auto k = static_cast<std::size_t>(i);
        sadrzaj.Tekstovi.P[k] = FormatBroja(m.P[k], sep);
        if (i + 1 < m.BrojSila) sadrzaj.Tekstovi.Rastojanje[k] = FormatBroja(m.Ls[k], sep);
    }
    UpisiUFormu(*PodaciO, sadrzaj);
    // The dynamic factor at the form's span; one that is no number leaves
    // it at 1 until the checks refuse the span.
    double L = 0.0;
    try {
        L = TekstUBroj(sadrzaj.Tekstovi.Raspon, sep);
    } catch (const EGreskaKonverzije&) {
    }
    Dejstva = m.Dejstva(L, Dejstva);
    // As a data file with actions does: the design envelope turns on.
    if (!Dejstva.Pocetna()) {
        if (ProracunskaAnvelopa->isChecked())
            ProracunskaAnvelopaClick();
        else
            ProracunskaAnvelopa->setChecked(true);
    }
    if (PodaciO->Zakljucano()) PodaciO->PritisakPosleOtvaranja();
}

void TGlavniO::SacuvajKaoModelClick() {
    const char sep = fUsluge.Separator();
    const std::int32_t n = PodaciO->BrojSilaCrteza();
    TVoz voz;
    try {
        voz = TVoz(ZapisZaBrojSila(PodaciO->TekstoviCrteza(), n, sep), n);
    } catch (const EGreskaKonverzije&) {
        fUsluge.Poruke->Greska(Tekst(kPorukaTipa));
        return;
    }
    const QString ime = fUsluge.Poruke->Unos(QStringLiteral("Sacuvaj kao model"),
                                             QStringLiteral("Ime modela:"), QString());
    if (ime.trimmed().isEmpty()) return;
    const std::string naziv = ime.toStdString();
    TModelOpterecenja model;
    try {
        model = KorisnickiModel(naziv, n, voz.P(), voz.Ls(), AktivnaDejstva());
    } catch (const EGreskaModela& e) {
        fUsluge.Poruke->Greska(QStringLiteral("Model nije sacuvan: ") + Tekst(e.what()));
        return;
    }
    const fs::path folder = FolderKorisnika();
    if (folder.empty()) {
        fUsluge.Poruke->Greska(
            QStringLiteral("Model nije sacuvan: nije poznat folder korisnika (HOME)."));
        return;
    }
    const std::vector<TStavkaKataloga> katalog = KatalogModela();
    if (const TStavkaKataloga* s = NadjiModel(katalog, naziv); s && !s->Korisnicki) {
        fUsluge.Poruke->Greska(QStringLiteral("Model nije sacuvan: ugradjeni model ") + ime +
                               QStringLiteral(" vec postoji."));
        return;
    }
    const fs::path putanja = folder / (OznakaModela(naziv) + std::string(kNastavakModela));
    std::error_code greska;
    if (fs::exists(putanja, greska) &&
        !fUsluge.Poruke->Potvrda(QStringLiteral("Model ") + Tekst(putanja.stem().string()) +
                                 QStringLiteral(" vec postoji. Da li zelite da ga zamenite?")))
        return;
    fs::create_directories(folder, greska);
    try {
        fUsluge.Datoteke->UpisiBajtove(QString::fromStdString(putanja.string()),
                                       QByteArray::fromStdString(ZapisiModel(model)));
    } catch (const EGreskaFajla& e) {
        fUsluge.Poruke->Greska(QString::fromStdString(e.what()));
    }
}

void TGlavniO::TabelaRasponaClick() {
    const char sep = fUsluge.Separator();
    const std::vector<TStavkaKataloga> katalog = KatalogModela();
    if (std::none_of(katalog.begin(), katalog.end(), [](const auto& s) { return bool(s.Model); })) {
        fUsluge.Poruke->Informacija(QStringLiteral("Nema ispravnog modela opterecenja."));
        return;
    }
    if (fUnosRaspona.Od.isEmpty())
        fUnosRaspona = {0, QString::fromStdString(FormatBroja(5, sep)),
                        QString::fromStdString(FormatBroja(50, sep)),
                        QString::fromStdString(FormatBroja(1, sep))};
    const TProracunskaDejstva osnova = AktivnaDejstva();
    TOpsegRaspona opseg;
    for (;;) {
        const std::optional<TUnosRaspona> izbor =
            fUsluge.Dijalozi->TabelaRaspona(katalog, fUnosRaspona);
        if (!izbor) return;
        fUnosRaspona = *izbor;
        if (fUnosRaspona.Indeks >= katalog.size() || !katalog[fUnosRaspona.Indeks].Model) return;
        std::string zasto;
        try {
            opseg = {TekstUBroj(fUnosRaspona.Od.toStdString(), sep),
                     TekstUBroj(fUnosRaspona.Do.toStdString(), sep),
                     TekstUBroj(fUnosRaspona.Korak.toStdString(), sep)};
            zasto = GreskaOpsega(*katalog[fUnosRaspona.Indeks].Model, opseg, osnova);
        } catch (const EGreskaKonverzije&) {
            zasto = "od, do i korak moraju biti brojevi";
        }
        if (zasto.empty()) break;
        fUsluge.Poruke->Greska(QStringLiteral("Opseg raspona nije korektno unet: ") + Tekst(zasto));
    }
    const TModelOpterecenja& m = *katalog[fUnosRaspona.Indeks].Model;
    auto* prozor = new TTabelaRasponaO(m.Naziv, ::TabelaRaspona(m, opseg, osnova, SmerVoza()), sep,
                                       [this](const std::string& csv) { SnimiCsvRaspona(csv); });
    DodajProzor(prozor);
    prozor->showNormal();
    Klijent->setActiveSubWindow(prozor);
}

void TGlavniO::SnimiCsvRaspona(const std::string& csv) {
    SaveDialog1.Naslov = QStringLiteral("Snimanje tabele raspona");
    SaveDialog1.PocetnoIme = QStringLiteral("Tabela raspona");
    SaveDialog1.PodrazumevanaEkstenzija = QStringLiteral(".csv");
    SaveDialog1.Filter = QStringLiteral("CSV datoteka|*.csv");
    SaveDialog1.PitajPrePrepisivanja = true;
    const std::optional<QString> putanja = fUsluge.Dijalozi->Snimi(SaveDialog1);
    if (!putanja) return;
    try {
        fUsluge.Datoteke->UpisiBajtove(*putanja, QByteArray::fromStdString(csv));
    } catch (const EGreskaFajla& e) {
        fUsluge.Poruke->Greska(QString::fromStdString(e.what()));
    }
}
