// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <chrono>

#include "AplikacijaFixture.h"
#include "Edit.h"
#include "GlavniObrazac.h"
#include "GrafikObrazac.h"
#include "NacrtajDijagrame.h"
#include "PodaciObrazac.h"
#include "RezultatiObrazac.h"
#include "SpinEdit.h"

namespace {

using PodaciObrazacTest = AplikacijaTest;

// The fifteen inputs in the order the lock disables them.
std::vector<QWidget*> Unosi() {
    return {PodaciO->txtP[0],          PodaciO->txtRastojanje[0], PodaciO->txtP[1],
            PodaciO->txtRastojanje[1], PodaciO->txtP[2],          PodaciO->txtRastojanje[2],
            PodaciO->txtP[3],          PodaciO->txtRastojanje[3], PodaciO->txtP[4],
            PodaciO->txtRastojanje[4], PodaciO->txtP[5],          PodaciO->txtRaspon,
            PodaciO->txtProizvoljnoX,  PodaciO->SpinEditBrojSila, PodaciO->SpinEditBrojPreseka};
}

int VidljivaSkica() {
    int vidljiva = 0;
    for (int i = 0; i < 6; ++i)
        if (PodaciO->Image[i]->isVisibleTo(PodaciO)) vidljiva = vidljiva ? -1 : i + 1;
    return vidljiva;
}

struct Kontrola {
    const char* ime;
    const char* roditelj;
    QRect mesto;
    const char* tekst;
    const char* hint;
};

TEST_F(PodaciObrazacTest, EveryControlHasItsPlaceTextAndHint) {
    const char* sile = "Unesite intenzitet sile u [kN]";
    const char* rast = "Unesite rastojanje izmedju odgovarajucih sila u [m]";
    // clang-format off
    const Kontrola kontrole[] = {
        {"GroupBoxSkica", "KlijentPodataka", {10, 10, 421, 171}, "Skica grede sa silama", ""},
        {"GroupBoxSile", "KlijentPodataka", {10, 190, 141, 201}, "Sile", ""},
        {"GroupBoxRastojanja", "KlijentPodataka", {160, 190, 131, 201}, "Rastojanja", ""},
        {"GroupBoxProizvoljnoX", "KlijentPodataka", {300, 190, 131, 51}, "Proizvoljno x", ""},
        {"txtP1", "GroupBoxSile", {80, 20, 50, 20}, "206.0", sile},
        {"txtP2", "GroupBoxSile", {80, 50, 50, 20}, "208.0", sile},
        {"txtP3", "GroupBoxSile", {80, 80, 50, 20}, "1.0", sile},
        {"txtP4", "GroupBoxSile", {80, 110, 50, 20}, "1.0", sile},
        {"txtP5", "GroupBoxSile", {80, 140, 50, 20}, "1.0", sile},
        {"txtP6", "GroupBoxSile", {80, 170, 50, 20}, "1.0", sile},
        {"LabelP1", "GroupBoxSile", {10, 22, 68, 16}, "P1 [kN] = ", ""},
        {"LabelP6", "GroupBoxSile", {10, 172, 68, 16}, "P6 [kN] = ", ""},
        {"txtRastojanje1", "GroupBoxRastojanja", {71, 20, 50, 20}, "5.0", rast},
        {"txtRastojanje2", "GroupBoxRastojanja", {71, 50, 50, 20}, "1.0", rast},
        {"txtRastojanje5", "GroupBoxRastojanja", {71, 140, 50, 20}, "1.0", rast},
        {"LabelL1", "GroupBoxRastojanja", {10, 22, 59, 16}, "L1 [m] = ", ""},
        {"LabelL5", "GroupBoxRastojanja", {10, 142, 59, 16}, "L5 [m] = ", ""},
        {"txtRaspon", "GroupBoxRastojanja", {71, 170, 50, 20}, "9.0", "Unesite raspon grede u [m]"},
        {"LabelL", "GroupBoxRastojanja", {10, 172, 59, 16}, "L   [m] = ", ""},
        {"txtProizvoljnoX", "GroupBoxProizvoljnoX", {71, 21, 50, 20}, "1.25", "Unesite apcisu x preseka u [m]"},
        {"LabelProizvoljnoX", "GroupBoxProizvoljnoX", {11, 23, 59, 16}, "x [m] = ", ""},
        {"LabelBrojSila", "KlijentPodataka", {330, 259, 51, 16}, "br. sila", ""},
        {"SpinEditBrojSila", "KlijentPodataka", {390, 249, 41, 26}, "2", "Odaberite broj sila za proracun"},
        {"Label1", "KlijentPodataka", {300, 290, 81, 16}, "br. preseka", ""},
        {"SpinEditBrojPreseka", "KlijentPodataka", {390, 279, 41, 26}, "10", "Odaberite broj preseka za proracun"},
        {"ProgressBar1", "KlijentPodataka", {300, 330, 131, 21}, "", ""},
        {"btnProracun", "KlijentPodataka", {300, 360, 131, 31}, "Proracun", "Start proracuna"},
        {"Image2", "GroupBoxSkica", {10, 20, 400, 136}, "", "Skica grede sa silama"},
    };
    // clang-format on
    for (const Kontrola& k : kontrole) {
        SCOPED_TRACE(k.ime);
        auto* w = PodaciO->findChild<QWidget*>(k.ime);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), k.roditelj);
        EXPECT_EQ(w->geometry(), k.mesto);
        EXPECT_EQ(w->toolTip(), k.hint);
        QString tekst;
        if (auto* e = qobject_cast<QLineEdit*>(w)) tekst = e->text();
        if (auto* l = qobject_cast<QLabel*>(w)) tekst = l->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) tekst = g->title();
        if (auto* b = qobject_cast<QPushButton*>(w)) tekst = b->text();
        if (auto* s = dynamic_cast<TSpinEdit*>(w)) tekst = s->Tekst();
        EXPECT_EQ(tekst, k.tekst);
    }
}

TEST_F(PodaciObrazacTest, StartsUnlockedForTwoForcesWithTheirSketch) {
    EXPECT_EQ(PodaciO->Klijent->minimumSize(), QSize(441, 401));
    EXPECT_EQ(PodaciO->Klijent->geometry(), PodaciO->contentsRect());
    const std::vector<QWidget*> u = Unosi();
    const std::vector<bool> omoguceno = {true,  true,  true,  false, false, false, false, false,
                                         false, false, false, true,  true,  true,  true};
    for (std::size_t i = 0; i < u.size(); ++i)
        EXPECT_EQ(u[i]->isEnabled(), omoguceno[i]) << u[i]->objectName().toStdString();
    EXPECT_EQ(VidljivaSkica(), 2);
    EXPECT_EQ(PodaciO->SpinEditBrojSila->minimum(), 1);
    EXPECT_EQ(PodaciO->SpinEditBrojSila->maximum(), 6);
    EXPECT_EQ(PodaciO->SpinEditBrojPreseka->minimum(), 1);
    EXPECT_EQ(PodaciO->SpinEditBrojPreseka->maximum(), 99);
    EXPECT_FALSE(PodaciO->ProgressBar1->isVisibleTo(PodaciO));
    EXPECT_EQ(PodaciO->ProgressBar1->maximum(), 70);
    EXPECT_FALSE(PodaciO->Zakljucano());
    EXPECT_EQ(PodaciO->btnProracun->palette().color(QPalette::ButtonText), QColor(0, 255, 0));
    EXPECT_TRUE(PodaciO->btnProracun->font().bold());
    EXPECT_EQ(PodaciO->btnProracun->font().pixelSize(), 13);
    EXPECT_EQ(PodaciO->Klijent->palette().color(QPalette::Window), QColor(Qt::white));
    for (const QWidget* e : u) EXPECT_TRUE(e->font().bold());
    int polja = 0;
    for (const QLineEdit* l : PodaciO->findChildren<QLineEdit*>())
        if (const auto* e = dynamic_cast<const TEdit*>(l)) {
            EXPECT_EQ(e->NajvecaDuzina(), 5) << e->objectName().toStdString();
            ++polja;
        }
    EXPECT_EQ(polja, 13);
    EXPECT_TRUE(PodaciO->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(PodaciO->windowFlags() & Qt::WindowMaximizeButtonHint);
}

// Clicks a button of the form's own title bar.
void KlikNaNaslovnuTraku(QStyle::SubControl dugme) {
    const QRect mesto = MestoNaNaslovnojTraci(PodaciO, dugme);
    ASSERT_TRUE(mesto.isValid());
    // The window acts on a button the pointer is over, as a user's is.
    QTest::mouseMove(PodaciO, mesto.center());
    QTest::mouseClick(PodaciO, Qt::LeftButton, {}, mesto.center());
}

// Minimised by its minimise button or by its close button, which only
// minimises it.
TEST_F(PodaciObrazacTest, MinimisedFromItsBarItIsRestoredFromItsBarAtItsFixedSize) {
    for (const QStyle::SubControl dugme :
         {QStyle::SC_TitleBarMinButton, QStyle::SC_TitleBarCloseButton}) {
        KlikNaNaslovnuTraku(dugme);
        ASSERT_TRUE(PodaciO->isMinimized()) << dugme;
        KlikNaNaslovnuTraku(QStyle::SC_TitleBarNormalButton);
        EXPECT_FALSE(PodaciO->isMinimized()) << dugme;
        EXPECT_FALSE(PodaciO->isMaximized());
        EXPECT_EQ(PodaciO->geometry(), QRect(0, 0, 449, 435));
        // Still not resizable by the user.
        EXPECT_EQ(PodaciO->minimumSize(), QSize(449, 435));
        EXPECT_EQ(PodaciO->maximumSize(), QSize(449, 435));
    }
}

TEST_F(PodaciObrazacTest, TabOrderWalksForcesSpacingsSpanCountsSectionAndButton) {
    PodaciO->SpinEditBrojSila->setValue(6);
    const std::vector<QWidget*> ocekivano = {
        PodaciO->txtP[0],          PodaciO->txtP[1],
        PodaciO->txtP[2],          PodaciO->txtP[3],
        PodaciO->txtP[4],          PodaciO->txtP[5],
        PodaciO->txtRastojanje[0], PodaciO->txtRastojanje[1],
        PodaciO->txtRastojanje[2], PodaciO->txtRastojanje[3],
        PodaciO->txtRastojanje[4], PodaciO->txtRaspon,
        PodaciO->SpinEditBrojSila, PodaciO->SpinEditBrojPreseka,
        PodaciO->txtProizvoljnoX,  PodaciO->btnProracun};
    for (std::size_t i = 0; i + 1 < ocekivano.size(); ++i) {
        QWidget* sledeci = ocekivano[i]->nextInFocusChain();
        while (sledeci->focusPolicy() == Qt::NoFocus || sledeci->focusProxy())
            sledeci = sledeci->nextInFocusChain();
        EXPECT_EQ(sledeci, ocekivano[i + 1]) << ocekivano[i]->objectName().toStdString();
    }
}

class BrojSilaTest : public AplikacijaTest, public ::testing::WithParamInterface<int> {};

TEST_P(BrojSilaTest, EnablesTheFieldsOfTheTrainAndShowsItsSketch) {
    const int n = GetParam();
    PodaciO->SpinEditBrojSila->setValue(n);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(PodaciO->txtP[i]->isEnabled(), i < n) << "P" << i + 1;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(PodaciO->txtRastojanje[i]->isEnabled(), i < n - 1) << "L" << i + 1;
    EXPECT_TRUE(PodaciO->txtRaspon->isEnabled());
    EXPECT_TRUE(PodaciO->txtProizvoljnoX->isEnabled());
    EXPECT_EQ(VidljivaSkica(), n);
    EXPECT_EQ(PodaciO->Image[n - 1]->geometry(), QRect(10, 20, 400, 136));
    EXPECT_EQ(PodaciO->Image[n - 1]->pixmap().size(), QSize(400, 136));
}

INSTANTIATE_TEST_SUITE_P(Sile, BrojSilaTest, ::testing::Range(1, 7));

TEST_F(PodaciObrazacTest, ASectionCountChangeReappliesTheEnablingForTheForces) {
    PodaciO->txtP[4]->setEnabled(true);
    PodaciO->SpinEditBrojPreseka->setValue(11);
    EXPECT_FALSE(PodaciO->txtP[4]->isEnabled());
}

TEST_F(PodaciObrazacTest, SpinEditsStopAtTheEndsOfTheirRange) {
    PodaciO->SpinEditBrojSila->setValue(6);
    PodaciO->SpinEditBrojSila->stepUp();
    EXPECT_EQ(PodaciO->SpinEditBrojSila->value(), 6);
    PodaciO->SpinEditBrojPreseka->setValue(150);
    EXPECT_EQ(PodaciO->SpinEditBrojPreseka->value(), 99);
    PodaciO->SpinEditBrojPreseka->stepUp();
    EXPECT_EQ(PodaciO->SpinEditBrojPreseka->value(), 99);
    PodaciO->SpinEditBrojSila->setValue(0);
    EXPECT_EQ(PodaciO->SpinEditBrojSila->value(), 1);
}

TEST_F(PodaciObrazacTest, TheFiveCharacterLimitBindsTypingOnly) {
    TEdit* x = PodaciO->txtProizvoljnoX;
    x->clear();
    QTest::keyClicks(x, "1.2500");
    EXPECT_EQ(x->text(), "1.250");
    x->setText("1.2500001");
    EXPECT_EQ(x->text(), "1.2500001");
}

TEST_F(PodaciObrazacTest, APressWithTheDefaultsWritesTheReportAndLocks) {
    PodaciO->btnProracunClick();
    EXPECT_TRUE(poruke.Prikazano.empty());
    const QStringList izvestaj = RezultatiO->Linije();
    ASSERT_GT(izvestaj.size(), 20);
    EXPECT_EQ(izvestaj.mid(0, 10),
              (QStringList{"REZULTATI PRORACUNA", "", "Sile:", "P1 = 206 [kN]", "P2 = 208 [kN]",
                           "Rastojanja izmedju sila:", "L1 = 5 [m]", "", "Raspon grede: L = 9 [m]",
                           "Proizvoljno rastojanje: x = 1.25 [m]"}));
    EXPECT_TRUE(izvestaj.contains("R = 414 [kN]"));
    EXPECT_TRUE(izvestaj.contains("xR = 2.51207729468599 [m] (u odnosu na  prvu silu)"));
    EXPECT_TRUE(izvestaj.contains("M(proizvoljno x) = M(1.25) = 301.180555555556 [kNm]"));
    EXPECT_EQ(RezultatiO->MemoText->textCursor().position(), 0);
    EXPECT_FALSE(RezultatiO->MemoText->textCursor().hasSelection());
    EXPECT_EQ(PodaciO->Rezultati.FR, 414.0);
    for (const QWidget* w : Unosi()) EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(PodaciO->btnProracun->isEnabled());
    EXPECT_EQ(PodaciO->btnProracun->text(), "Otkljucaj");
    EXPECT_EQ(GlavniO->Proracun->text(), "Otkljucaj");
    EXPECT_FALSE(PodaciO->ProgressBar1->isVisibleTo(PodaciO));
    EXPECT_EQ(PodaciO->ProgressBar1->value(), 70);
}

TEST_F(PodaciObrazacTest, TheDrawingStepRunsBeforeTheReportOnlyWhenUnlocking) {
    std::vector<QStringList> izvestajPriCrtanju;
    PodaciO->CrtanjeDijagrama = [&](auto&&...) {
        izvestajPriCrtanju.push_back(RezultatiO->Linije());
        return TOkvirDijagrama();
    };
    PodaciO->btnProracunClick();
    PodaciO->btnProracunClick();
    ASSERT_EQ(izvestajPriCrtanju.size(), 1u);
    EXPECT_TRUE(izvestajPriCrtanju[0].isEmpty());
}

// What the form's drawing hands the pure drawing, as a test double sees it.
struct Crtanje {
    const TPlatno* platno;
    QSize velicina;
    std::string cilj;
    const TPlatno* platnoProzora;
    QSize prozor;
    TUlazDijagrama ulaz;
    int napredak;  // the bar's position after the drawing moved it to 30
};

class CrtanjeForme : public AplikacijaTest {
protected:
    void SetUp() override {
        AplikacijaTest::SetUp();
        PodaciO->CrtanjeDijagrama = [this](TPlatno& c, std::int32_t w, std::int32_t h,
                                           std::string_view cilj, const TProzorDijagrama& p,
                                           const TUlazDijagrama& u) {
            u.napredak(30);
            crtanja.push_back({&c, QSize(w, h), std::string(cilj), &p.platno,
                               QSize(p.sirina, p.visina), u, PodaciO->ProgressBar1->value()});
            return TOkvirDijagrama();
        };
    }
    std::vector<Crtanje> crtanja;
};

TEST_F(CrtanjeForme, GathersTheTextsThePrintParametersAndTheDiagramWindow) {
    PodaciO->SpinEditBrojSila->setValue(3);
    PodaciO->txtP[2]->setText(QStringLiteral("50"));
    QFont font(QStringLiteral("DejaVu Serif"), 20);
    GlavniO->FontDialog1 = TFontIzbor{font, Qt::darkGreen};
    GlavniO->FaktorPomeranjaTexta = 5.5;
    GlavniO->TacnaAnvelopa->setChecked(true);
    GlavniO->ObaSmeraVoza->setChecked(true);
    PodaciO->btnProracunClick();
    ASSERT_EQ(crtanja.size(), 1u);
    const Crtanje& c = crtanja[0];
    EXPECT_EQ(c.platno, &GrafikO->Platno());
    EXPECT_EQ(c.velicina, GrafikO->Povrsina()->size());
    EXPECT_EQ(c.cilj, "za program");
    EXPECT_EQ(c.platnoProzora, &GrafikO->Platno());
    EXPECT_EQ(c.prozor, GrafikO->Povrsina()->size());
    EXPECT_EQ(c.ulaz.tekstovi.P[2], "50");
    EXPECT_EQ(c.ulaz.tekstovi.Raspon, "9.0");
    EXPECT_EQ(c.ulaz.tekstovi.BrojPreseka, "10");
    EXPECT_EQ(c.ulaz.brojSila, 3);
    EXPECT_EQ(c.ulaz.decimalniSeparator, '.');
    EXPECT_EQ(c.ulaz.fontStampe, TFont("DejaVu Serif", TBoja{0, 128, 0}, false, 20));
    EXPECT_EQ(c.ulaz.faktorPomeranjaTexta, 5.5);
    EXPECT_TRUE(c.ulaz.tacnaAnvelopa);
    EXPECT_EQ(c.ulaz.smerVoza, TSmerVoza::Oba);
    EXPECT_EQ(c.napredak, 30);
    EXPECT_TRUE(PodaciO->Zakljucano());
}

// The initial print font is 16 pixels high: 12 points at 96 dots per inch.
TEST_F(CrtanjeForme, ThePrintFontSetInPixelsIsGivenInPoints) {
    ASSERT_EQ(GlavniO->logicalDpiY(), 96);
    PodaciO->btnProracunClick();
    ASSERT_EQ(crtanja.size(), 1u);
    EXPECT_EQ(crtanja[0].ulaz.fontStampe, PocetniFontStampe());
    EXPECT_FALSE(crtanja[0].ulaz.tacnaAnvelopa);
    EXPECT_EQ(crtanja[0].ulaz.smerVoza, TSmerVoza::Napred);
}

// The announcement comes after the fields, the button and the report have
// changed, once per change, and never for a refused press.
TEST_F(PodaciObrazacTest, TheLockIsAnnouncedOnceTheFormHasChanged) {
    std::vector<std::pair<bool, QString>> objave;
    QObject::connect(PodaciO, &TPodaciO::ZakljucavanjePromenjeno, PodaciO, [&](bool zakljucano) {
        EXPECT_EQ(PodaciO->txtRaspon->isEnabled(), !zakljucano);
        EXPECT_EQ(RezultatiO->Linije().isEmpty(), !zakljucano);
        objave.emplace_back(zakljucano, PodaciO->btnProracun->text());
    });
    PodaciO->btnProracunClick();
    PodaciO->txtRaspon->setText(QStringLiteral("abc"));
    PodaciO->btnProracunClick();
    PodaciO->txtRaspon->setText(QStringLiteral("9.0"));
    PodaciO->btnProracunClick();
    const std::vector<std::pair<bool, QString>> ocekivano = {{true, "Otkljucaj"},
                                                             {false, "Proracun"}};
    EXPECT_EQ(objave, ocekivano);
}

TEST_F(PodaciObrazacTest, TheNextPressClearsTheReportAndUnlocksForTheForceCount) {
    PodaciO->SpinEditBrojSila->setValue(3);
    PodaciO->btnProracunClick();
    ASSERT_TRUE(PodaciO->Zakljucano());
    PodaciO->btnProracunClick();
    EXPECT_TRUE(poruke.Prikazano.empty());
    EXPECT_TRUE(RezultatiO->Linije().isEmpty());
    EXPECT_EQ(PodaciO->btnProracun->text(), "Proracun");
    EXPECT_EQ(GlavniO->Proracun->text(), "Proracun");
    for (int i = 0; i < 6; ++i) EXPECT_EQ(PodaciO->txtP[i]->isEnabled(), i < 3);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(PodaciO->txtRastojanje[i]->isEnabled(), i < 2);
    for (QWidget* w : {static_cast<QWidget*>(PodaciO->txtRaspon),
                       static_cast<QWidget*>(PodaciO->txtProizvoljnoX),
                       static_cast<QWidget*>(PodaciO->SpinEditBrojSila),
                       static_cast<QWidget*>(PodaciO->SpinEditBrojPreseka)})
        EXPECT_TRUE(w->isEnabled());
}

struct OdbijenPritisak {
    const char* ime;
    const char* polje;
    const char* tekst;
    const char* poruka;
};

class OdbijenPritisakTest : public AplikacijaTest,
                            public ::testing::WithParamInterface<OdbijenPritisak> {};

TEST_P(OdbijenPritisakTest, ShowsItsMessageAndLeavesTheStateAlone) {
    RezultatiO->PrikaziIzvestaj({"stari izvestaj"});
    PodaciO->findChild<QLineEdit*>(GetParam().polje)->setText(GetParam().tekst);
    int crtanja = 0;
    PodaciO->CrtanjeDijagrama = [&](auto&&...) {
        ++crtanja;
        return TOkvirDijagrama();
    };
    PodaciO->btnProracunClick();
    EXPECT_EQ(PrikazaneGreske(), std::vector<QString>{GetParam().poruka});
    EXPECT_EQ(poruke.Prikazano.size(), 1u);
    EXPECT_EQ(crtanja, 0);
    EXPECT_TRUE(RezultatiO->Linije().isEmpty());
    EXPECT_FALSE(PodaciO->Zakljucano());
    EXPECT_EQ(GlavniO->Proracun->text(), "Proracun");
    EXPECT_TRUE(PodaciO->txtP[1]->isEnabled());
    EXPECT_FALSE(PodaciO->txtP[2]->isEnabled());
    EXPECT_FALSE(PodaciO->ProgressBar1->isVisibleTo(PodaciO));
}

constexpr const char* kTip = "Greska u unosu tipa podataka za proracun!!!";
constexpr const char* kVrednost = "Vrednosti podataka nisu korektno unete!!!";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, OdbijenPritisakTest, ::testing::Values(
    OdbijenPritisak{"SlovaURasponu", "txtRaspon", "abc", kTip},
    OdbijenPritisak{"PraznaNekoriscenaSila", "txtP6", "", kTip},
    OdbijenPritisak{"NultaSila", "txtP2", "0", kVrednost},
    OdbijenPritisak{"VozDuziOdRaspona", "txtRastojanje1", "9.5", kVrednost},
    OdbijenPritisak{"PresekVanRaspona", "txtProizvoljnoX", "9.01", kVrednost},
    OdbijenPritisak{"NegativanPresek", "txtProizvoljnoX", "-0.1", kVrednost},
    OdbijenPritisak{"SubnormalnaSila", "txtP2", "4.9e-324", kVrednost}),
    [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

TEST_F(PodaciObrazacTest, ARefusedPressWhileLockedStaysLocked) {
    PodaciO->btnProracunClick();
    ASSERT_TRUE(PodaciO->Zakljucano());
    PodaciO->txtRaspon->setText("abc");
    PodaciO->btnProracunClick();
    EXPECT_EQ(PrikazaneGreske(), std::vector<QString>{kTip});
    EXPECT_TRUE(PodaciO->Zakljucano());
    EXPECT_EQ(GlavniO->Proracun->text(), "Otkljucaj");
    EXPECT_FALSE(PodaciO->txtP[0]->isEnabled());
}

// The form made under a point keeps its texts: typed input follows the
// locale's separator.
TEST_F(PodaciObrazacTest, ACommaSeparatorRefusesPointsAndTakesCommas) {
    separator = ',';
    PodaciO->btnProracunClick();
    EXPECT_EQ(PrikazaneGreske(), std::vector<QString>{kTip});
    const char* polja[] = {"txtP1",          "txtP2",          "txtP3",          "txtP4",
                           "txtP5",          "txtP6",          "txtRastojanje1", "txtRastojanje2",
                           "txtRastojanje3", "txtRastojanje4", "txtRastojanje5", "txtRaspon",
                           "txtProizvoljnoX"};
    for (const char* p : polja) {
        auto* e = PodaciO->findChild<QLineEdit*>(p);
        e->setText(e->text().replace(u'.', u','));
    }
    PodaciO->btnProracunClick();
    EXPECT_TRUE(PodaciO->Zakljucano());
    EXPECT_TRUE(RezultatiO->Linije().contains("Proizvoljno rastojanje: x = 1,25 [m]"));
}

TEST_F(PodaciObrazacTest, AFailingDrawingLeavesTheFormUnlockedAndTheBarShown) {
    PodaciO->CrtanjeDijagrama = [](auto&&...) -> TOkvirDijagrama { throw std::runtime_error("x"); };
    PodaciO->btnProracun->click();
    EXPECT_EQ(PrikazaneGreske(), std::vector<QString>{"x"});
    EXPECT_FALSE(PodaciO->Zakljucano());
    EXPECT_TRUE(PodaciO->ProgressBar1->isVisibleTo(PodaciO));
    EXPECT_TRUE(PodaciO->ProgressBar1->updatesEnabled());  // it paints with the next frame
    PodaciO->CrtanjeDijagrama = [](auto&&...) { return TOkvirDijagrama(); };
    PodaciO->btnProracun->click();
    EXPECT_TRUE(PodaciO->Zakljucano());
    EXPECT_FALSE(PodaciO->ProgressBar1->isVisibleTo(PodaciO));
}

// The positions the progress bar is painted at while the command runs, on
// a clock that moves by a fixed step each time it is read.
struct TKoraciSata {
    const char* ime;
    int korakMs;
    std::vector<int> naslikano;
};

class NapredakKomande : public AplikacijaTest, public testing::WithParamInterface<TKoraciSata> {
protected:
    void SetUp() override {
        AplikacijaTest::SetUp();
        PodaciO->CrtanjeDijagrama = [this](TPlatno&, std::int32_t, std::int32_t, std::string_view,
                                           const TProzorDijagrama&, const TUlazDijagrama& u) {
            vidljivaUCrtanju = PodaciO->ProgressBar1->isVisible();
            for (int polozaj : {10, 20, 30, 40}) u.napredak(polozaj);
            return TOkvirDijagrama();
        };
        PodaciO->Sat = [this] {
            sada += std::chrono::milliseconds(GetParam().korakMs);
            return sada;
        };
        PodaciO->ProgressBar1->installEventFilter(&brojac);
        QApplication::processEvents();  // the form's first paint
        brojac.naslikano.clear();
    }

    struct TBrojac : QObject {
        std::vector<int> naslikano;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) naslikano.push_back(PodaciO->ProgressBar1->value());
            return false;
        }
    } brojac;
    std::chrono::steady_clock::time_point sada;
    bool vidljivaUCrtanju = false;
};

// A bar repainted at every move would paint the whole frame seven times in
// a command shorter than one frame; it is painted once a frame at most.
TEST_P(NapredakKomande, TheBarIsPaintedOnceAFrameAtMost) {
    ASSERT_TRUE(PodaciO->isVisible());
    PodaciO->btnProracunClick();
    EXPECT_EQ(brojac.naslikano, GetParam().naslikano);
    EXPECT_TRUE(vidljivaUCrtanju);
    EXPECT_FALSE(PodaciO->ProgressBar1->isVisibleTo(PodaciO));
    EXPECT_TRUE(PodaciO->ProgressBar1->updatesEnabled());
    EXPECT_EQ(PodaciO->ProgressBar1->value(), 70);
    EXPECT_TRUE(PodaciO->Zakljucano());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Satovi, NapredakKomande, testing::Values(
    TKoraciSata{"WithinAFrame", 0, {}},
    TKoraciSata{"TwoReadingsAFrame", 10, {20, 40, 60}},
    TKoraciSata{"AFrameBetweenReadings", 20, {10, 20, 30, 40, 50, 60, 70}}),
    [](const testing::TestParamInfo<TKoraciSata>& i) { return std::string(i.param.ime); });
// clang-format on

}  // namespace
