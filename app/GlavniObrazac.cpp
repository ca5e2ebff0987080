// SPDX-License-Identifier: GPL-3.0-or-later
#include "GlavniObrazac.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QWindow>
#include <algorithm>
#include <map>
#include <string_view>

#include "Fontovi.h"
#include "OProgramu.h"
#include "PrijavaGreske.h"
#include "StavkaMenija.h"

TGlavniO* GlavniO = nullptr;

TGlavniO::TGlavniO(TUsluge usluge) : fUsluge(std::move(usluge)) {
    setObjectName(QStringLiteral("GlavniO"));
    setWindowTitle(QString::fromLatin1(kNaslovGlavnog));
    setFont(FontProzora(11, false));
    setGeometry(300, 194, 783, 540);
    Klijent = new QMdiArea;
    Klijent->setObjectName(QStringLiteral("Klijent"));
    setCentralWidget(Klijent);
    // Qt tells of a size change only after it happened; the arrangement
    // then uses the new client size, which is the viewport's.
    Klijent->viewport()->installEventFilter(this);
    NapraviMeni();
    // Nothing stands to show where the train must stand before a calculation.
    PolozajVoza->setEnabled(false);
    NapraviUpozorenje();
    FormCreate();
}

// A long warning is cut at the frame's edge rather than widen the frame past
// the screen: the quantities may shrink to nothing, its start stays whole.
void TGlavniO::NapraviUpozorenje() {
    statusBar()->setObjectName(QStringLiteral("StatusnaLinija"));
    const QString boja = QStringLiteral("color: #b00000;");
    Upozorenje = new QLabel;
    Upozorenje->setObjectName(QStringLiteral("Upozorenje"));
    // A style sheet takes the application's font: the frame's is set again.
    Upozorenje->setStyleSheet(boja);
    Upozorenje->setFont(font());
    statusBar()->addWidget(Upozorenje);
    for (std::size_t i = 0; i < ManjkoviUpozorenja.size(); ++i) {
        auto* dugme = new QPushButton;
        dugme->setObjectName(QStringLiteral("ManjakUpozorenja%1").arg(i + 1));
        dugme->setFlat(true);
        dugme->setStyleSheet(QStringLiteral("QPushButton { %1 text-align: left; border: none; "
                                            "padding: 0 2px; text-decoration: underline; } "
                                            "QPushButton:focus { background: #ffe0e0; }")
                                 .arg(boja));
        dugme->setFont(font());
        dugme->setMinimumWidth(1);
        dugme->setFocusPolicy(Qt::StrongFocus);
        dugme->hide();
        connect(dugme, &QPushButton::clicked, this,
                [this, i] { IzvrsiKomandu(*fUsluge.Poruke, [this, i] { UpozorenjeClick(i); }); });
        statusBar()->addWidget(dugme);
        ManjkoviUpozorenja[i] = dugme;
    }
    // What is left of the line stays empty after the warning.
    statusBar()->addWidget(new QWidget, 1);
    auto* precica = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(precica, &QShortcut::activated, this, [this] {
        if (!ManjkoviUpozorenja[0]->isHidden())
            ManjkoviUpozorenja[0]->setFocus(Qt::ShortcutFocusReason);
    });
}

QString TGlavniO::TekstUpozorenja() const {
    QString tekst = Upozorenje->text();
    for (const QPushButton* d : ManjkoviUpozorenja)
        if (!d->isHidden()) tekst += QLatin1Char(' ') + d->text();
    return tekst;
}

void TGlavniO::NapraviMeni() {
    QMenuBar* GlavniMeni = menuBar();
    GlavniMeni->setObjectName(QStringLiteral("GlavniMeni"));
    std::map<std::string_view, QMenu*> meniji;
    for (const TStavkaMenija& s : TabelaMenija()) {
        // A row names a menu of an earlier row; the table is ours, so a
        // wrong one fails every start and every test at once.
        QMenu* u = s.u ? meniji.at(s.u) : nullptr;
        const QString ime = QString::fromLatin1(s.ime);
        const QString natpis = s.natpis ? QString::fromLatin1(s.natpis) : QString();
        switch (s.vrsta) {
            case TStavkaMenija::TVrsta::Meni: {
                QMenu* m = u ? u->addMenu(natpis) : GlavniMeni->addMenu(natpis);
                m->setObjectName(ime);
                this->*s.meni = m;
                meniji[s.ime] = m;
                break;
            }
            case TStavkaMenija::TVrsta::Razdelnik:
                u->addSeparator()->setObjectName(ime);
                break;
            case TStavkaMenija::TVrsta::Stavka:
            case TStavkaMenija::TVrsta::Proveriva: {
                QAction* a = u->addAction(natpis);
                a->setObjectName(ime);
                if (s.precica)
                    a->setShortcut(
                        QKeySequence(QString::fromLatin1(s.precica), QKeySequence::PortableText));
                this->*s.stavka = a;
                const auto komanda = [this, k = s.komanda] {
                    IzvrsiKomandu(*fUsluge.Poruke, [this, k] { (this->*k)(); });
                };
                if (s.vrsta == TStavkaMenija::TVrsta::Proveriva) {
                    a->setCheckable(true);
                    connect(a, &QAction::toggled, this, komanda);
                } else {
                    connect(a, &QAction::triggered, this, komanda);
                }
                break;
            }
        }
    }
}

void TGlavniO::FormCreate() {
    ImeDatoteke.clear();
    FaktorSkaliranja = 10.0;
    FaktorPomeranjaTexta = 8.0;
    FontDialog1 = IzborFonta(PocetniFontStampe());
}

void TGlavniO::PostaviNatpisProracuna(const QString& natpis) { Proracun->setText(natpis); }

QSize TGlavniO::KlijentskaVelicina() const { return Klijent->viewport()->size(); }

void TGlavniO::DodajProzor(QMdiSubWindow* prozor) {
    Klijent->addSubWindow(prozor);
    prozor->show();
}

bool TGlavniO::PitajZaIzlaz() {
    return fUsluge.Poruke->Potvrda(QString::fromLatin1(kPitanjeIzlaza));
}

void TGlavniO::IzlazClick() {
    if (!PitajZaIzlaz()) return;
    fIzlazOdobren = true;
    close();
    QApplication::quit();
}

void TGlavniO::OprogramuClick() { OProgramuObrazac->exec(); }

void TGlavniO::closeEvent(QCloseEvent* dogadjaj) {
    if (fIzlazOdobren || PitajZaIzlaz()) {
        fIzlazOdobren = true;
        dogadjaj->accept();
    } else {
        dogadjaj->ignore();
    }
}

bool TGlavniO::eventFilter(QObject* objekat, QEvent* dogadjaj) {
    if (objekat == Klijent->viewport() && dogadjaj->type() == QEvent::Resize) {
        // A maximised child puts its buttons into the menu bar, which may
        // grow taller for them: the client area shrinks while the frame
        // keeps its size. That is no size change of the frame, and arranging
        // then would undo the maximising at once.
        const QList<QMdiSubWindow*> deca = Klijent->subWindowList();
        const bool maksimizovan = std::any_of(deca.begin(), deca.end(),
                                              [](QMdiSubWindow* d) { return d->isMaximized(); });
        const bool okvirIsti = size() == fVelicinaOkvira;
        fVelicinaOkvira = size();
        if (!(okvirIsti && maksimizovan)) FormCanResize();
    }
    return QMainWindow::eventFilter(objekat, dogadjaj);
}

void TGlavniO::paintEvent(QPaintEvent* dogadjaj) {
    // With no window manager (a bare X server) nothing maximises the frame;
    // by its first paint one would have, so fill the screen ourselves. A
    // window manager's maximised frame can miss the screen by a unit where
    // a scale factor rounds its border: setting the geometry then would
    // undo the maximising, so only a frame clearly smaller is filled.
    if (fPrviPrikaz) {
        fPrviPrikaz = false;
        const QRect ekran = screen()->availableGeometry();
        const QSize okvir = frameGeometry().size();
        constexpr int kZaokruzivanje = 4;
        if (isMaximized() && (okvir.width() + kZaokruzivanje < ekran.width() ||
                              okvir.height() + kZaokruzivanje < ekran.height()))
            windowHandle()->setGeometry(ekran);
    }
    QMainWindow::paintEvent(dogadjaj);
}
