// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>

#include "AplikacijaFixture.h"
#include "KomandeIzvoza.h"
#include "PodaciObrazac.h"
#include "RezultatiObrazac.h"
#include "SkiceGrede.h"
#include "SpinEdit.h"

namespace {

using Vrsta = TSkriptovanePoruke::Vrsta;
using KomandeIzvozaTest = AplikacijaTest;

struct Izvoz {
    const char* ekstenzija;
    const char* filter;
};

class IzvozRezultata : public AplikacijaTest, public ::testing::WithParamInterface<Izvoz> {
protected:
    QAction* Stavka() const {
        const QString e = QString::fromLatin1(GetParam().ekstenzija);
        return e == "txt" ? GlavniO->txt : e == "doc" ? GlavniO->doc : GlavniO->xls;
    }
};

TEST_P(IzvozRezultata, IsRefusedWithoutACalculation) {
    Stavka()->trigger();
    ASSERT_EQ(poruke.Prikazano.size(), 1u);
    EXPECT_EQ(poruke.Prikazano[0].vrsta, Vrsta::Informacija);
    EXPECT_EQ(poruke.Prikazano[0].tekst,
              "Morate prvo sprovesti proracun ako zelite da snimite rezultate!");
    EXPECT_TRUE(dijalozi.Prikazano.empty());
    EXPECT_TRUE(datoteke.Sadrzaj.empty());
}

TEST_P(IzvozRezultata, WritesTheMemosLinesEachEndedByCrLf) {
    PodaciO->btnProracunClick();
    const QString putanja = QStringLiteral("/izvoz/Rezultati proracuna.") + GetParam().ekstenzija;
    dijalozi.Putanje = {putanja};
    Stavka()->trigger();
    ASSERT_EQ(dijalozi.Prikazano.size(), 1u);
    const TDijalogDatoteke& d = dijalozi.Prikazano[0].podesavanja;
    EXPECT_EQ(d.Naslov, "Snimanje rezultata proracuna u datoteku sa nastavkom .txt!");
    EXPECT_EQ(d.PocetnoIme, "Rezultati proracuna");
    EXPECT_EQ(d.PodrazumevanaEkstenzija, QStringLiteral(".") + GetParam().ekstenzija);
    EXPECT_EQ(d.Filter, GetParam().filter);
    EXPECT_TRUE(d.PitajPrePrepisivanja);

    const QStringList linije = RezultatiO->Linije();
    ASSERT_GT(linije.size(), 20);
    QByteArray ocekivano;
    for (const QString& l : linije) ocekivano += l.toLatin1() + "\r\n";
    EXPECT_EQ(datoteke.Sadrzaj[putanja], ocekivano);
    EXPECT_TRUE(poruke.Prikazano.empty());
    EXPECT_TRUE(PodaciO->Zakljucano());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Formati, IzvozRezultata, ::testing::Values(
    Izvoz{"txt", "textualna datoteka|*.txt"},
    Izvoz{"doc", "word datoteka|*.doc"},
    Izvoz{"xls", "excel datoteka|*.xls"}),
    [](const auto& info) { return std::string(info.param.ekstenzija); });
// clang-format on

TEST_F(KomandeIzvozaTest, AFailedExportGoesToTheGeneralErrorReport) {
    PodaciO->btnProracunClick();
    const QString putanja = QStringLiteral("/zakljucano/r.txt");
    datoteke.Greske[putanja] = EGreskaFajla::Vrsta::Pisanje;
    dijalozi.Putanje = {putanja};
    GlavniO->txt->trigger();
    EXPECT_EQ(PrikazaneGreske(), std::vector<QString>{"scripted failure: " + putanja});
    EXPECT_TRUE(PodaciO->Zakljucano());
    EXPECT_FALSE(RezultatiO->Linije().isEmpty());
}

TEST_F(KomandeIzvozaTest, CancellingTheExportWritesNothing) {
    PodaciO->btnProracunClick();
    dijalozi.Putanje = {std::nullopt};
    GlavniO->doc->trigger();
    EXPECT_TRUE(datoteke.Sadrzaj.empty());
    EXPECT_TRUE(poruke.Prikazano.empty());
}

QByteArray Skica(int brojSila) {
    const std::span<const unsigned char> s = SkicaGrede(brojSila);
    return QByteArray(reinterpret_cast<const char*>(s.data()), qsizetype(s.size()));
}

TEST_F(KomandeIzvozaTest, TheSketchIsSavedByteForByteInBothLockStates) {
    const char* imena[] = {"Skica grede sa jednom silom", "Skica grede sa dve sile",
                           "Skica grede sa tri sile",     "Skica grede sa cetiri sile",
                           "Skica grede sa pet sila",     "Skica grede sa sest sila"};
    for (int n = 1; n <= 6; ++n) {
        PodaciO->SpinEditBrojSila->setValue(n);
        const QString putanja = QStringLiteral("/skice/%1.jpeg").arg(n);
        dijalozi.Putanje = {putanja};
        GlavniO->Snimiskicugrede1->trigger();
        const TDijalogDatoteke& d = dijalozi.Prikazano.back().podesavanja;
        EXPECT_EQ(dijalozi.Prikazano.back().vrsta, TSkriptovaniDijalozi::Vrsta::SnimiSliku);
        EXPECT_EQ(d.PocetnoIme, imena[n - 1]);
        EXPECT_EQ(datoteke.Sadrzaj[putanja], Skica(n)) << n;
    }
    const TDijalogDatoteke& d = dijalozi.Prikazano.back().podesavanja;
    EXPECT_EQ(d.Naslov, "Snimanje skice grede sa silama");
    EXPECT_EQ(d.Filter, "JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg");
    EXPECT_EQ(d.PodrazumevanaEkstenzija, ".jpg");
    EXPECT_TRUE(d.PitajPrePrepisivanja);

    PodaciO->SpinEditBrojSila->setValue(4);
    PodaciO->btnProracunClick();
    ASSERT_TRUE(PodaciO->Zakljucano());
    dijalozi.Putanje = {QStringLiteral("/skice/zakljucano.jpg")};
    GlavniO->Snimiskicugrede1->trigger();
    EXPECT_EQ(datoteke.Sadrzaj[QStringLiteral("/skice/zakljucano.jpg")], Skica(4));
    EXPECT_TRUE(poruke.Prikazano.empty());
}

TEST_F(KomandeIzvozaTest, AFailedSketchSaveShowsItsMessage) {
    const QString putanja = QStringLiteral("/zakljucano/s.jpg");
    datoteke.Greske[putanja] = EGreskaFajla::Vrsta::Otvaranje;
    dijalozi.Putanje = {putanja};
    GlavniO->Snimiskicugrede1->trigger();
    ASSERT_EQ(poruke.Prikazano.size(), 1u);
    EXPECT_EQ(poruke.Prikazano[0].vrsta, Vrsta::Informacija);
    EXPECT_EQ(poruke.Prikazano[0].tekst, "scripted failure: " + putanja);
}

}  // namespace
