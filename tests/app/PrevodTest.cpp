// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts in Serbian: every text Qt looks up while the program's
// dialogs, boxes, menus and windows are built and shown has a translation,
// and the texts a user reads there are the Serbian ones.
#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <functional>
#include <mutex>
#include <set>
#include <tuple>

#include "AplikacijaFixture.h"
#include "Edit.h"
#include "GlavniObrazac.h"
#include "Okruzenje.h"
#include "PodaciObrazac.h"
#include "QtDijalozi.h"
#include "QtPoruke.h"
#include "RezultatiObrazac.h"
#include "SpinEdit.h"

namespace {

// Installed over the translation, so asked first: notes every text Qt looks
// up and answers nothing, which sends Qt on to the translation.
class TBeleznikPrevoda : public QTranslator {
public:
    using TTrazeno = std::tuple<std::string, std::string, std::string, bool>;

    QString translate(const char* kontekst, const char* izvor, const char* razlika,
                      int n) const override {
        // The file dialog's model names file types on a thread of its own.
        const std::lock_guard zakljucano(fMutex);
        fTrazeno.emplace(kontekst ? kontekst : "", izvor ? izvor : "", razlika ? razlika : "",
                         n >= 0);
        return {};
    }
    bool isEmpty() const override { return false; }

    std::set<TTrazeno> Trazeno() const {
        const std::lock_guard zakljucano(fMutex);
        return fTrazeno;
    }

private:
    mutable std::mutex fMutex;
    mutable std::set<TTrazeno> fTrazeno;
};

// Every text a user reads in a window and its children.
QStringList Tekstovi(const QWidget* prozor) {
    QStringList t{prozor->windowTitle()};
    const auto dodaj = [&t](const QString& s) {
        if (!s.isEmpty()) t << s;
    };
    for (const QWidget* w : prozor->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(prozor)) continue;
        dodaj(w->toolTip());
        if (auto* l = qobject_cast<const QLabel*>(w)) dodaj(l->text());
        if (auto* b = qobject_cast<const QAbstractButton*>(w)) dodaj(b->text());
        if (auto* g = qobject_cast<const QGroupBox*>(w)) dodaj(g->title());
        if (auto* c = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i) dodaj(c->itemText(i));
        if (auto* k = qobject_cast<const QTabWidget*>(w))
            for (int i = 0; i < k->count(); ++i) dodaj(k->tabText(i));
        if (auto* h = qobject_cast<const QHeaderView*>(w); h && h->model())
            for (int i = 0; i < h->count(); ++i)
                dodaj(h->model()->headerData(i, h->orientation()).toString());
        for (const QAction* a : w->actions()) {
            dodaj(a->text());
            dodaj(a->toolTip());
        }
    }
    return t;
}

// Runs a command that opens a modal dialog and, once it is up, reads it and
// closes it with the given step.
QStringList ProcitajModalni(const std::function<void()>& komanda,
                            const std::function<void(QWidget*)>& zatvori) {
    QStringList tekstovi;
    QTimer tajmer;
    tajmer.setSingleShot(true);
    QObject::connect(&tajmer, &QTimer::timeout, [&] {
        QWidget* dijalog = QApplication::activeModalWidget();
        if (!dijalog) return;
        dijalog->grab();
        tekstovi = Tekstovi(dijalog);
        zatvori(dijalog);
    });
    tajmer.start(0);
    komanda();
    return tekstovi;
}

// Reads the popup menu that a step opens, whether the step waits for it to
// close or not, then closes it.
QStringList ProcitajMeni(const std::function<void()>& otvori) {
    QStringList tekstovi;
    bool procitan = false;
    const auto procitaj = [&] {
        procitan = true;
        if (auto* meni = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (const QAction* a : meni->actions()) tekstovi << a->text();
            meni->close();
        }
    };
    QTimer tajmer;
    tajmer.setSingleShot(true);
    QObject::connect(&tajmer, &QTimer::timeout, procitaj);
    tajmer.start(0);
    otvori();
    if (!procitan) procitaj();
    return tekstovi;
}

void Odbij(QWidget* dijalog) { static_cast<QDialog*>(dijalog)->reject(); }

class PrevodTest : public AplikacijaTest {
protected:
    void SetUp() override {
        ASSERT_NE(prevod, nullptr);
        QCoreApplication::installTranslator(prevod.get());
        QCoreApplication::installTranslator(&beleznik);
        AplikacijaTest::SetUp();
    }
    void TearDown() override {
        AplikacijaTest::TearDown();
        QCoreApplication::removeTranslator(&beleznik);
        QCoreApplication::removeTranslator(prevod.get());
    }

    // Texts Qt looked up that the translation lacks. Key names in
    // shortcuts stay as the keys are labelled.
    std::vector<std::string> Neprevedeno() const {
        std::vector<std::string> nema;
        for (const auto& [kontekst, izvor, razlika, brojno] : beleznik.Trazeno()) {
            if (kontekst == "QShortcut") continue;
            if (prevod->translate(kontekst.c_str(), izvor.c_str(), razlika.c_str(), brojno ? 1 : -1)
                    .isEmpty())
                nema.push_back(kontekst + " | " + izvor + (razlika.empty() ? "" : " | " + razlika));
        }
        return nema;
    }

    static void SadrziSve(const QStringList& tekstovi, const QStringList& ocekivani) {
        for (const QString& o : ocekivani)
            EXPECT_TRUE(tekstovi.contains(o))
                << o.toStdString() << " is not among: " << tekstovi.join(" | ").toStdString();
    }

    std::unique_ptr<QTranslator> prevod = PrevodQta();
    TBeleznikPrevoda beleznik;
};

TEST_F(PrevodTest, TheMessageBoxesAndTheInputBoxAnswerInSerbian) {
    TQtPoruke qt(GlavniO);
    const auto pritisni = [](const char* dugme) {
        return [dugme](QWidget* kutija) {
            for (QAbstractButton* b : kutija->findChildren<QAbstractButton*>())
                if (b->text() == QString::fromUtf8(dugme)) return b->click();
            Odbij(kutija);
        };
    };
    SadrziSve(ProcitajModalni([&] { qt.Potvrda("Da li?"); }, pritisni("&Ne")), {"&Da", "&Ne"});
    SadrziSve(ProcitajModalni([&] { qt.Informacija("Obavestenje"); }, pritisni("U redu")),
              {"U redu"});
    SadrziSve(ProcitajModalni([&] { qt.Greska("Greska"); }, pritisni("U redu")), {"U redu"});
    SadrziSve(ProcitajModalni([&] { qt.Unos("Faktor", "Unesite:", "10"); }, pritisni("Otkazi")),
              {"U redu", "Otkazi"});
    EXPECT_EQ(Neprevedeno(), std::vector<std::string>{});
}

TEST_F(PrevodTest, TheFileDialogWithItsViewsMenusAndOverwriteQuestion) {
    QTemporaryDir mapa;
    ASSERT_TRUE(mapa.isValid());
    const QString postojeci = mapa.filePath("Podaci za proracun.Lastovar");
    QFile datoteka(postojeci);
    ASSERT_TRUE(datoteka.open(QIODevice::WriteOnly));
    datoteka.close();

    QStringList tekstovi;
    QStringList pitanje;
    QStringList meniSpiska;
    QStringList meniMesta;
    QTimer::singleShot(0, [&] {
        auto* dijalog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dijalog) return;
        dijalog->setViewMode(QFileDialog::Detail);
        auto* spisak = dijalog->findChild<QAbstractItemView*>("treeView");
        auto* mesta = dijalog->findChild<QListView*>("sidebar");
        if (!spisak || !mesta) return Odbij(dijalog);
        // The model reads the folder on a thread of its own; its one file
        // fills the type and date columns.
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return spisak->model()->rowCount(spisak->rootIndex()) > 0; }));
        dijalog->grab();
        tekstovi = Tekstovi(dijalog);
        meniSpiska = ProcitajMeni([&] { emit spisak->customContextMenuRequested(QPoint(2, 2)); });
        const QPoint prvoMesto = mesta->visualRect(mesta->model()->index(0, 0)).center();
        meniMesta = ProcitajMeni([&] { emit mesta->customContextMenuRequested(prvoMesto); });
        dijalog->selectFile(postojeci);
        pitanje =
            ProcitajModalni([&] { QMetaObject::invokeMethod(dijalog, "accept"); },
                            [](QWidget* kutija) {
                                static_cast<QMessageBox*>(kutija)->button(QMessageBox::No)->click();
                            });
        Odbij(dijalog);
    });
    TQtDijalozi dijalozi(GlavniO);
    EXPECT_EQ(dijalozi.Snimi({"Snimanje podataka za proracun!", "Lastovar datoteka|*.Lastovar",
                              ".Lastovar", mapa.filePath("Podaci za proracun"), true}),
              std::nullopt);
    SadrziSve(tekstovi, {"Trazi u:", "&Ime datoteke:", "Vrsta datoteka:", "&Snimi", "Otkazi", "Ime",
                         "Velicina", "Vrsta", "Izmenjeno", "Nazad", "Napred", "Nadredjena fascikla",
                         "Napravi novu fasciklu", "Lista", "Detalji"});
    SadrziSve(pitanje, {"Podaci za proracun.Lastovar vec postoji.\nDa li zelite da je zamenite?",
                        "&Da", "&Ne"});
    SadrziSve(meniSpiska,
              {"&Preimenuj", "O&brisi", "Prikazi &skrivene datoteke", "&Nova fascikla"});
    SadrziSve(meniMesta, {"Ukloni"});

    const QStringList otvaranje = ProcitajModalni(
        [&] {
            EXPECT_EQ(dijalozi.Otvori({"Ucitavanje podataka za proracun!",
                                       "Lastovar datoteka|*.Lastovar", "", "", false}),
                      std::nullopt);
        },
        Odbij);
    SadrziSve(otvaranje, {"&Otvori", "Otkazi", "Lastovar datoteka (*.Lastovar)"});
    EXPECT_EQ(Neprevedeno(), std::vector<std::string>{});
}

TEST_F(PrevodTest, TheFontDialog) {
    TQtDijalozi dijalozi(GlavniO);
    const QStringList tekstovi = ProcitajModalni(
        [&] { EXPECT_EQ(dijalozi.Font(GlavniO->FontDialog1), std::nullopt); }, Odbij);
    SadrziSve(tekstovi, {"Izbor fonta", "&Font", "S&til fonta", "&Velicina", "Efekti", "P&recrtano",
                         "&Podvuceno", "Uzorak", "P&ismo", "U redu", "Otkazi"});
    EXPECT_EQ(Neprevedeno(), std::vector<std::string>{});
}

TEST_F(PrevodTest, ThePageSetUpThePrintDialogAndThePrintPreview) {
    QPrinter stampac;
    stampac.setOutputFormat(QPrinter::PdfFormat);
    QPageSetupDialog strana(&stampac, GlavniO);
    strana.show();
    SadrziSve(Tekstovi(&strana), {"Papir", "Velicina strane:", "Sirina:", "Visina:", "Orijentacija",
                                  "Uspravno", "Polozeno", "Margine", "U redu", "Otkazi"});
    strana.reject();

    QPrintDialog stampa(&stampac, GlavniO);
    stampa.show();
    for (QAbstractButton* b : stampa.findChildren<QAbstractButton*>())
        if (b->text() == "&Opcije >>") b->click();
    SadrziSve(Tekstovi(&stampa), {"Stampac", "&Ime:", "Opseg stampe", "Stampaj sve",
                                  "Broj primeraka:", "&Stampaj", "Otkazi"});
    stampa.reject();

    QPrintPreviewDialog pregled(&stampac, GlavniO);
    pregled.show();
    SadrziSve(Tekstovi(&pregled),
              {"Pregled pre stampe", "Sledeca strana", "Uvecaj", "Podesavanje strane", "Stampaj"});
    pregled.reject();
    EXPECT_EQ(Neprevedeno(), std::vector<std::string>{});
}

TEST_F(PrevodTest, TheContextMenusOfTheEditsTheReportTheSpinEditsAndTheScrollBars) {
    const auto meni = [](QWidget* w) {
        return ProcitajMeni([w] {
            QContextMenuEvent dogadjaj(QContextMenuEvent::Mouse, QPoint(2, 2),
                                       w->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(w, &dogadjaj);
        });
    };
    SadrziSve(meni(PodaciO->txtP[0]),
              {"P&onisti\tCtrl+Z", "&Nalepi\tCtrl+V", "Izaberi sve\tCtrl+A"});
    SadrziSve(meni(RezultatiO->MemoText->viewport()), {"&Kopiraj\tCtrl+C", "Izaberi sve\tCtrl+A"});
    SadrziSve(meni(PodaciO->SpinEditBrojSila), {"&Korak navise", "Korak na&nize"});
    SadrziSve(meni(RezultatiO->MemoText->verticalScrollBar()), {"Pomeri ovde", "Vrh", "Dno"});
    EXPECT_EQ(Neprevedeno(), std::vector<std::string>{});
}

TEST_F(PrevodTest, TheChildWindowsSystemMenu) {
    QStringList stavke;
    for (const QAction* a : RezultatiO->systemMenu()->actions()) stavke << a->text();
    SadrziSve(stavke, {"&Vrati", "&Pomeri", "&Velicina", "Mi&nimizuj", "Ma&ksimizuj",
                       "Uvek na &vrhu", "&Zatvori"});
    EXPECT_EQ(Neprevedeno(), std::vector<std::string>{});
}

}  // namespace
