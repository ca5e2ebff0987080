// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "AplikacijaFixture.h"
#include "Edit.h"
#include "GrafikObrazac.h"
#include "IzvestajMerodavnih.h"
#include "MerodavneVrednostiObrazac.h"
#include "PodaciObrazac.h"
#include "RezultatiObrazac.h"
#include "SpinEdit.h"

namespace {

const QString kPutanja = QStringLiteral("/podaci/dejstva.Lastovar");
const QByteArray kPodrazumevani =
    "206.0\r\n208.0\r\n1.0\r\n1.0\r\n1.0\r\n1.0\r\n5.0\r\n1.0\r\n1.0\r\n1.0\r\n1.0\r\n9.0\r\n"
    "1.25\r\n2\r\n10\r\n";

TTekstoviDejstava Tekstovi() {
    return {"20", "1", "5", "1.2", "1.3", "1.4", TRasporedQ::IspredIIzaVoza, true};
}

class MerodavneVrednostiTest : public AplikacijaTest {
protected:
    // Six forces 1.5 m apart on a span of 5 m: longer than the span.
    void DugVoz() {
        PodaciO->SpinEditBrojSila->setValue(6);
        for (TEdit* e : PodaciO->txtRastojanje) e->setText(QStringLiteral("1.5"));
        PodaciO->txtRaspon->setText(QStringLiteral("5"));
    }
    void PostaviDejstva() {
        dijalozi.Dejstva = {Tekstovi()};
        GlavniO->ProracunskeVrednosti->trigger();
    }
    QStringList Merodavne() const {
        return GlavniO->MerodavneVrednostiO
                   ? GlavniO->MerodavneVrednostiO->MemoText->toPlainText().split(u'\n')
                   : QStringList();
    }
};

// The two items come after those there were, the checkable one off at start,
// and with it off nothing differs: a train longer than the span is refused
// as before and the file holds its fifteen lines alone.
TEST_F(MerodavneVrednostiTest, ItemsAfterTheOthersOffAtStartChangingNothing) {
    const QList<QAction*> stavke = GlavniO->Proracunlastovar->actions();
    ASSERT_GE(stavke.size(), 6);
    EXPECT_EQ(stavke[3], GlavniO->ObaSmeraVoza);
    EXPECT_EQ(stavke[4]->text(), "Proracunske vrednosti...");
    EXPECT_EQ(stavke[5]->text(), "Proracunska anvelopa");
    EXPECT_TRUE(stavke[5]->isCheckable());
    EXPECT_FALSE(stavke[5]->isChecked());

    PostaviDejstva();
    DugVoz();
    QTest::mouseClick(PodaciO->btnProracun, Qt::LeftButton);
    EXPECT_FALSE(PodaciO->Zakljucano());
    EXPECT_EQ(PrikazaneGreske(), std::vector<QString>{"Vrednosti podataka nisu korektno unete!!!"});
    EXPECT_FALSE(GlavniO->MerodavneVrednostiO);

    PodaciO->SpinEditBrojSila->setValue(2);
    PodaciO->txtRaspon->setText(QStringLiteral("9.0"));
    PodaciO->txtRastojanje[0]->setText(QStringLiteral("5.0"));
    for (int i = 1; i < 5; ++i) PodaciO->txtRastojanje[i]->setText(QStringLiteral("1.0"));
    dijalozi.Putanje = {kPutanja};
    GlavniO->Snimikao->trigger();
    EXPECT_EQ(datoteke.Sadrzaj[kPutanja], kPodrazumevani);
}

// A value that is no number, or no design action, is refused with the
// dialog's message and the dialog opens again on the texts as typed.
TEST_F(MerodavneVrednostiTest, TheDialogRefusesAValueAndOpensAgainOnWhatWasTyped) {
    TTekstoviDejstava pogresni = Tekstovi();
    pogresni.q = "abc";
    TTekstoviDejstava negativni = Tekstovi();
    negativni.GamaQ = "-1";
    dijalozi.Dejstva = {pogresni, negativni, Tekstovi()};
    GlavniO->ProracunskeVrednosti->trigger();
    ASSERT_EQ(dijalozi.PocetnaDejstva.size(), 3u);
    EXPECT_EQ(dijalozi.PocetnaDejstva[0], TekstoviDejstava({}, '.'));
    EXPECT_EQ(dijalozi.PocetnaDejstva[1], pogresni);
    EXPECT_EQ(dijalozi.PocetnaDejstva[2], negativni);
    EXPECT_EQ(PrikazaneGreske(),
              std::vector<QString>(2, "Proracunske vrednosti nisu korektno unete!!!"));
    EXPECT_EQ(GlavniO->Dejstva, DejstvaIzTekstova(Tekstovi(), '.'));

    // Cancelled, it changes nothing.
    dijalozi.Dejstva = {std::nullopt};
    GlavniO->ProracunskeVrednosti->trigger();
    EXPECT_EQ(GlavniO->Dejstva, DejstvaIzTekstova(Tekstovi(), '.'));
}

// With the design envelope on, a train longer than the span calculates:
// the report says in one line why there is no classical result, the
// classical diagram keeps its frame alone, and "Merodavne vrednosti" shows
// the governing values. Turned off, the form unlocks with the value check's
// message, the window closed.
TEST_F(MerodavneVrednostiTest, ALongTrainCalculatesWithTheDesignEnvelopeOn) {
    PostaviDejstva();
    GlavniO->ProracunskaAnvelopa->setChecked(true);
    EXPECT_FALSE(GlavniO->MerodavneVrednostiO);
    DugVoz();
    QTest::mouseClick(PodaciO->btnProracun, Qt::LeftButton);
    ASSERT_TRUE(PodaciO->Zakljucano());
    EXPECT_TRUE(PrikazaneGreske().empty());
    EXPECT_EQ(RezultatiO->Linije(), QStringList{QString::fromLatin1(kPorukaDugogVoza.data())});
    EXPECT_EQ(GrafikO->Okvir().sadrzaj, TSadrzajCrteza::Okvir);
    EXPECT_FALSE(GlavniO->PolozajVoza->isEnabled());
    ASSERT_TRUE(GlavniO->MerodavneVrednostiO);
    const QStringList linije = Merodavne();
    ASSERT_EQ(linije.size(), 15);
    EXPECT_EQ(linije[1], "Voz P1..P6, duzi od raspona");
    EXPECT_EQ(linije[3], "Karakteristicne vrednosti:");
    EXPECT_TRUE(linije[4].startsWith("Mmax = ")) << linije[4].toStdString();
    EXPECT_EQ(linije[9], "Proracunske vrednosti:");

    GlavniO->ProracunskaAnvelopa->setChecked(false);
    EXPECT_FALSE(GlavniO->MerodavneVrednostiO);
    EXPECT_FALSE(PodaciO->Zakljucano());
    EXPECT_EQ(PrikazaneGreske(), std::vector<QString>{"Vrednosti podataka nisu korektno unete!!!"});
    EXPECT_TRUE(RezultatiO->Linije().isEmpty());
}

// The window follows the form: it opens with the calculation, empties when
// the form unlocks, and shows the actions as they are set meanwhile.
TEST_F(MerodavneVrednostiTest, TheWindowFollowsTheLockAndTheActions) {
    GlavniO->ProracunskaAnvelopa->setChecked(true);
    QTest::mouseClick(PodaciO->btnProracun, Qt::LeftButton);
    ASSERT_TRUE(GlavniO->MerodavneVrednostiO);
    EXPECT_EQ(RezultatiO->Linije().first(), "REZULTATI PRORACUNA");
    EXPECT_EQ(GrafikO->Okvir().sadrzaj, TSadrzajCrteza::Dijagrami);
    // The start values: the characteristic and the design blocks alike.
    QStringList l = Merodavne();
    EXPECT_EQ(l.mid(4, 5), l.mid(10, 5));
    PostaviDejstva();
    l = Merodavne();
    EXPECT_TRUE(
        l[0].startsWith("Proracunske vrednosti: q = 20 [kN/m] ispred i iza voza, c = 1 [m]"))
        << l[0].toStdString();
    EXPECT_NE(l.mid(4, 5), l.mid(10, 5));
    QTest::mouseClick(PodaciO->btnProracun, Qt::LeftButton);
    ASSERT_FALSE(PodaciO->Zakljucano());
    EXPECT_EQ(GlavniO->MerodavneVrednostiO->MemoText->toPlainText(), "");
}

// Saved with the design envelope on, the file holds the actions after its
// fifteen lines; opened again they are set and the item is checked. A
// block that cannot be read is refused whole.
TEST_F(MerodavneVrednostiTest, TheActionsAreSavedAndOpenedWithTheFile) {
    PostaviDejstva();
    GlavniO->ProracunskaAnvelopa->setChecked(true);
    dijalozi.Putanje = {kPutanja};
    GlavniO->Snimikao->trigger();
    EXPECT_EQ(datoteke.Sadrzaj[kPutanja],
              kPodrazumevani +
                  "[Lastovar dodatak]\r\nq=20\r\nq-raspored=uz-voz\r\nrazmak=1\r\ng=5\r\nfi=1.2\r\n"
                  "fi-q=da\r\ngama-g=1.3\r\ngama-q=1.4\r\n");

    GlavniO->ProracunskaAnvelopa->setChecked(false);
    GlavniO->Dejstva = {};
    PodaciO->txtP[0]->setText(QStringLiteral("1"));
    dijalozi.Putanje = {kPutanja};
    GlavniO->Otvori->trigger();
    EXPECT_TRUE(GlavniO->ProracunskaAnvelopa->isChecked());
    EXPECT_EQ(GlavniO->Dejstva, DejstvaIzTekstova(Tekstovi(), '.'));
    EXPECT_EQ(PodaciO->txtP[0]->text(), "206.0");

    datoteke.Sadrzaj[kPutanja] = kPodrazumevani + "[Lastovar dodatak]\r\nq=abc\r\n";
    PodaciO->txtP[0]->setText(QStringLiteral("1"));
    dijalozi.Putanje = {kPutanja};
    GlavniO->Otvori->trigger();
    ASSERT_EQ(poruke.Prikazano.size(), 1u);
    EXPECT_EQ(poruke.Prikazano[0].tekst, "Greska u dodatku datoteke: q=abc (nije broj)");
    EXPECT_EQ(PodaciO->txtP[0]->text(), "1");
    EXPECT_EQ(GlavniO->Dejstva, DejstvaIzTekstova(Tekstovi(), '.'));

    // A file without actions leaves them; keys of a later version are kept.
    datoteke.Sadrzaj[kPutanja] = kPodrazumevani + "[Lastovar dodatak]\r\nprojekat=Most\r\n";
    dijalozi.Putanje = {kPutanja};
    GlavniO->Otvori->trigger();
    EXPECT_TRUE(GlavniO->ProracunskaAnvelopa->isChecked());
    GlavniO->ProracunskaAnvelopa->setChecked(false);
    GlavniO->Snimi->trigger();
    EXPECT_EQ(datoteke.Sadrzaj[kPutanja],
              kPodrazumevani + "[Lastovar dodatak]\r\nprojekat=Most\r\n");
}

}  // namespace
