// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QFontInfo>
#include <QImage>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>

#include "AplikacijaFixture.h"
#include "GlavniObrazac.h"
#include "GrafikObrazac.h"
#include "OProgramu.h"
#include "PodaciObrazac.h"
#include "RezultatiObrazac.h"

namespace {

using GlavniObrazacTest = AplikacijaTest;

TEST_F(GlavniObrazacTest, StartsWithItsCaptionStateAndFiveWindows) {
    aplikacija->Prikazi();
    QApplication::processEvents();
    EXPECT_TRUE(GlavniO->isMaximized());
    EXPECT_EQ(GlavniO->windowTitle(), "Dijagram extM i extT");
    EXPECT_TRUE(GlavniO->ImeDatoteke.isEmpty());
    EXPECT_EQ(GlavniO->FaktorSkaliranja, 10.0);
    EXPECT_EQ(GlavniO->FaktorPomeranjaTexta, 8.0);
    EXPECT_EQ(GlavniO->Proracun->text(), "Proracun");
    EXPECT_EQ(GlavniO->font().pixelSize(), 11);
    EXPECT_EQ(QFontInfo(GlavniO->font()).family().toStdString(), "Liberation Sans");
    EXPECT_EQ(GlavniO->PageSetupDialog1.SirinaPapira, 21000);
    EXPECT_EQ(GlavniO->PageSetupDialog1.VisinaPapira, 29700);
    EXPECT_EQ(GlavniO->FontDialog1.Font.family().toStdString(), "Liberation Sans");
    EXPECT_TRUE(GlavniO->FontDialog1.Font.bold());
    EXPECT_EQ(GlavniO->FontDialog1.Font.pointSize(), 12);
    EXPECT_EQ(GlavniO->FontDialog1.Boja, QColor(Qt::black));

    const QList<QMdiSubWindow*> deca = GlavniO->Klijent->subWindowList(QMdiArea::CreationOrder);
    ASSERT_EQ(deca.size(), 3);
    EXPECT_EQ(deca[0], PodaciO);
    EXPECT_EQ(deca[1], RezultatiO);
    EXPECT_EQ(deca[2], GrafikO);
    EXPECT_EQ(PodaciO->windowTitle(), "Podaci za proracun");
    EXPECT_EQ(RezultatiO->windowTitle(), "Rezultati proracuna");
    EXPECT_EQ(GrafikO->windowTitle(), "Dijagram extM i extT");
    for (QMdiSubWindow* d : deca) EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(GrafikO->minimumSize(), QSize(400, 400));
    EXPECT_FALSE(OProgramuObrazac->isVisible());
    EXPECT_EQ(OProgramuObrazac->windowTitle(), "O programu");
}

TEST_F(GlavniObrazacTest, TheResultsMemoIsAReadOnlyUnwrappedBoldMemo) {
    const QPlainTextEdit* memo = RezultatiO->MemoText;
    EXPECT_EQ(RezultatiO->widget(), memo);
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(memo->font().bold());
    EXPECT_EQ(memo->font().pixelSize(), 13);
    EXPECT_TRUE(RezultatiO->Linije().isEmpty());
}

struct StavkaMenija {
    const char* ime;
    const char* natpis;  // nullptr: a separator
};

struct Meni {
    const char* ime;
    const char* natpis;
    std::vector<StavkaMenija> stavke;
};

TEST_F(GlavniObrazacTest, TheMenuTreeHasItsCaptionsAndNames) {
    // clang-format off
    const std::vector<Meni> ocekivano = {
        {"Datoteka", "Datoteka", {
            {"Otvori", "Otvori..."}, {"Snimi", "Snimi..."}, {"Snimikao", "Snimi kao..."},
            {"Snimirezultateproracuna", "Snimi rezultate proracuna"},
            {"SnimiproracunkaoPDF1", "Snimi proracun kao PDF..."},
            {"SnimitabelekaoCSV1", "Snimi tabele kao CSV..."}, {"N1", nullptr},
            {"Snimiskicugrede1", "Snimi skicu grede..."},
            {"Podesavanjeparametarastampe1", "Podesavanje parametara stampe..."},
            {"Snimigrafik1", "Stampaj grafik..."}, {"Pregledstampe1", "Pregled stampe..."},
            {"N2", nullptr}, {"Izlaz", "Izlaz"}}},
        {"Proracunlastovar", "Proracun extM i extT", {
            {"Proracun", "Proracun"}, {"TacnaAnvelopa", "Tacna anvelopa"},
            {"PolozajVoza", "Polozaj voza..."}, {"ObaSmeraVoza", "Oba smera voza"},
            {"ProracunskeVrednosti", "Proracunske vrednosti..."},
            {"ProracunskaAnvelopa", "Proracunska anvelopa"},
            {"ModeliOpterecenja", "Modeli opterecenja..."},
            {"SacuvajKaoModel", "Sacuvaj kao model..."},
            {"TabelaRaspona", "Tabela raspona..."}}},
        {"Prozori", "Prozori", {
            {"Podesistandardniraspored", "Podesi standardni raspored"},
            {"MiximizujRezultatiProracuna", "Maximizuju obrazac Rezultati proracuna"},
            {"MiximizujDijagramLastovar", "Maximizuj obrazac Dijagram extM i extT"}}},
        {"Pomoc", "Pomoc", {{"Oprogramu", "O programu..."}}},
    };
    // clang-format on
    const QList<QAction*> meniji = GlavniO->menuBar()->actions();
    EXPECT_EQ(GlavniO->menuBar()->objectName(), "GlavniMeni");
    ASSERT_EQ(meniji.size(), qsizetype(ocekivano.size()));
    for (std::size_t m = 0; m < ocekivano.size(); ++m) {
        QMenu* meni = meniji[qsizetype(m)]->menu();
        ASSERT_NE(meni, nullptr);
        EXPECT_EQ(meni->objectName(), ocekivano[m].ime);
        EXPECT_EQ(meni->title(), ocekivano[m].natpis);
        const QList<QAction*> stavke = meni->actions();
        ASSERT_EQ(stavke.size(), qsizetype(ocekivano[m].stavke.size())) << ocekivano[m].ime;
        for (std::size_t i = 0; i < ocekivano[m].stavke.size(); ++i) {
            const StavkaMenija& s = ocekivano[m].stavke[i];
            QAction* a = stavke[qsizetype(i)];
            const QString ime = a->menu() ? a->menu()->objectName() : a->objectName();
            EXPECT_EQ(ime, s.ime);
            EXPECT_EQ(a->isSeparator(), s.natpis == nullptr) << s.ime;
            if (s.natpis) {
                EXPECT_EQ(a->text(), s.natpis);
            }
        }
    }
    const QList<QAction*> izvoz = GlavniO->Snimirezultateproracuna->actions();
    ASSERT_EQ(izvoz.size(), 3);
    const char* imena[] = {"txt", "doc", "xls"};
    const char* natpisi[] = {".txt", ".doc", ".xls"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(izvoz[i]->objectName(), imena[i]);
        EXPECT_EQ(izvoz[i]->text(), natpisi[i]);
    }
}

TEST_F(GlavniObrazacTest, IzlazAnsweredNoKeepsTheApplicationRunning) {
    poruke.OdgovoriNaPotvrde = {false};
    GlavniO->Izlaz->trigger();
    ASSERT_EQ(poruke.Prikazano.size(), 1u);
    EXPECT_EQ(poruke.Prikazano[0].vrsta, TSkriptovanePoruke::Vrsta::Potvrda);
    EXPECT_EQ(poruke.Prikazano[0].tekst, "Da li zelte da zatvorite program?");
    EXPECT_TRUE(GlavniO->isVisible());
    EXPECT_EQ(PodaciO->geometry(), QRect(0, 0, 449, 435));
}

TEST_F(GlavniObrazacTest, TheCloseBoxAnsweredNoKeepsItOpenAndYesClosesIt) {
    poruke.OdgovoriNaPotvrde = {false, true};
    EXPECT_FALSE(GlavniO->close());
    EXPECT_TRUE(GlavniO->isVisible());
    EXPECT_TRUE(GlavniO->close());
    EXPECT_FALSE(GlavniO->isVisible());
    EXPECT_EQ(poruke.Prikazano.size(), 2u);
}

TEST_F(GlavniObrazacTest, IzlazAnsweredYesClosesWithoutAskingAgain) {
    poruke.OdgovoriNaPotvrde = {true};
    GlavniO->Izlaz->trigger();
    EXPECT_FALSE(GlavniO->isVisible());
    EXPECT_EQ(poruke.Prikazano.size(), 1u);
}

TEST_F(GlavniObrazacTest, ClosingAChildOnlyMinimisesIt) {
    for (QMdiSubWindow* d :
         {static_cast<QMdiSubWindow*>(PodaciO), static_cast<QMdiSubWindow*>(RezultatiO),
          static_cast<QMdiSubWindow*>(GrafikO)}) {
        d->close();
        EXPECT_TRUE(d->isMinimized()) << d->objectName().toStdString();
        EXPECT_TRUE(d->isVisible());
    }
    EXPECT_EQ(GlavniO->Klijent->subWindowList().size(), 3);
    EXPECT_TRUE(poruke.Prikazano.empty());
}

// The icon the package installs, not Qt's, on the frame, every child and
// the about box, the window "Tacna anvelopa" included.
TEST_F(GlavniObrazacTest, EveryWindowShowsTheProgramsIcon) {
    const QImage ikona = QImage(QStringLiteral(":/ikone/lastovar-32.png"))
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_FALSE(ikona.isNull());
    GlavniO->TacnaAnvelopa->setChecked(true);
    for (const QWidget* w :
         std::initializer_list<const QWidget*>{GlavniO, PodaciO, RezultatiO, GrafikO,
                                               GlavniO->ProzorTacneAnvelope(), OProgramuObrazac}) {
        const QImage prikazana = w->windowIcon().pixmap(32).toImage();
        EXPECT_EQ(prikazana.convertToFormat(QImage::Format_ARGB32_Premultiplied), ikona)
            << w->objectName().toStdString();
    }
    // As the children's title bars draw it, faded on an inactive window: the
    // program's red curve, none of the green of Qt's logo.
    QApplication::processEvents();
    for (QMdiSubWindow* p : GlavniO->Klijent->subWindowList()) {
        const QImage nacrtana =
            p->grab(MestoNaNaslovnojTraci(p, QStyle::SC_TitleBarSysMenu)).toImage();
        int zelenih = 0, crvenih = 0;
        for (int y = 0; y < nacrtana.height(); ++y)
            for (int x = 0; x < nacrtana.width(); ++x) {
                const QColor b = nacrtana.pixelColor(x, y);
                zelenih += b.green() > b.red() + 30 && b.green() > b.blue() + 30;
                crvenih += b.red() > b.green() + 30 && b.red() > b.blue() + 30;
            }
        EXPECT_EQ(zelenih, 0) << p->objectName().toStdString();
        EXPECT_GT(crvenih, 5) << p->objectName().toStdString();
    }
}

TEST_F(GlavniObrazacTest, TheAboutBoxIsShownModallyUntilOk) {
    bool prikazan = false;
    QStringList linije;
    bool klizaci = true;
    std::vector<QRect> izvanMema;
    QTimer::singleShot(0, [&] {
        prikazan = OProgramuObrazac->isVisible() && OProgramuObrazac->isModal();
        QPlainTextEdit* memo = OProgramuObrazac->MemoOProgramu;
        linije = memo->toPlainText().split(u'\n');
        klizaci =
            memo->horizontalScrollBar()->isVisible() || memo->verticalScrollBar()->isVisible();
        // Every line whole in sight: its start and its end.
        const QRect vidljivo = memo->viewport()->rect();
        for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
            for (const int polozaj : {b.position(), b.position() + b.length() - 1}) {
                QTextCursor k(memo->document());
                k.setPosition(polozaj);
                if (!vidljivo.contains(memo->cursorRect(k)))
                    izvanMema.push_back(memo->cursorRect(k));
            }
        OProgramuObrazac->ButtonOK->click();
    });
    GlavniO->Oprogramu->trigger();
    EXPECT_TRUE(prikazan);
    EXPECT_FALSE(klizaci);
    EXPECT_TRUE(izvanMema.empty()) << izvanMema.size() << " line ends outside the memo";
    EXPECT_FALSE(OProgramuObrazac->isVisible());
    EXPECT_EQ(linije, (QStringList{"Program racuna i iscrtava dijagrame extremnih ",
                                   "vrednosti momenata savijanja i transverzalnih ",
                                   "sila proste grede opterecenje sistemom vezanih ",
                                   "koncentrisanih sila."}));
    EXPECT_EQ(OProgramuObrazac->ButtonOK->text(), "OK");
    EXPECT_EQ(OProgramuObrazac->ButtonOK->geometry(), QRect(320, 110, 81, 31));
    EXPECT_EQ(OProgramuObrazac->MemoOProgramu->geometry(), QRect(10, 10, 391, 91));
    EXPECT_EQ(OProgramuObrazac->size(), QSize(410, 149));
}

TEST_F(GlavniObrazacTest, TheMenuCalculationArrangesFirstThenRunsTheCommand) {
    RezultatiO->showMinimized();
    PodaciO->move(300, 200);
    GlavniO->Proracun->trigger();
    EXPECT_EQ(PodaciO->geometry(), QRect(0, 0, 449, 435));
    EXPECT_EQ(RezultatiO->geometry(), QRect(0, 435, 449, 261));
    EXPECT_TRUE(PodaciO->Zakljucano());
    EXPECT_EQ(GlavniO->Proracun->text(), "Otkljucaj");
    EXPECT_FALSE(RezultatiO->Linije().isEmpty());
    GlavniO->Proracun->trigger();
    EXPECT_EQ(GlavniO->Proracun->text(), "Proracun");
    EXPECT_TRUE(RezultatiO->Linije().isEmpty());
}

TEST_F(GlavniObrazacTest, AFailureNoHandlerCaughtIsShownWithItsOwnMessage) {
    PodaciO->CrtanjeDijagrama = [](auto&&...) -> TOkvirDijagrama {
        throw std::runtime_error("crtanje nije uspelo");
    };
    GlavniO->Proracun->trigger();
    EXPECT_EQ(PrikazaneGreske(), std::vector<QString>{"crtanje nije uspelo"});
    EXPECT_FALSE(PodaciO->Zakljucano());
    EXPECT_EQ(GlavniO->Proracun->text(), "Proracun");
}

}  // namespace
