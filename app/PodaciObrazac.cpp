// SPDX-License-Identifier: GPL-3.0-or-later
#include "PodaciObrazac.h"

#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QProgressBar>
#include <QPushButton>

#include "Edit.h"
#include "Fontovi.h"
#include "GlavniObrazac.h"
#include "GrafikObrazac.h"
#include "IzvestajLastovar.h"
#include "Konverzija.h"
#include "NacrtajDijagrame.h"
#include "PoljaZaBrojSila.h"
#include "PrijavaGreske.h"
#include "Raspored.h"
#include "RezultatiObrazac.h"
#include "SkicaNaEkranu.h"
#include "SpinEdit.h"

TPodaciO* PodaciO = nullptr;

namespace {

constexpr QSize kKlijent(441, 401);
constexpr int kNajviseZnakova = 5;
// A frame at 60 Hz.
constexpr std::chrono::milliseconds kVremeKadra(16);

const QString kHintSile = QStringLiteral("Unesite intenzitet sile u [kN]");
const QString kHintRastojanja =
    QStringLiteral("Unesite rastojanje izmedju odgovarajucih sila u [m]");

// Holds a widget's paints while it lives, also when a failure ends the
// command: a bar left on show after a failure paints as usual.
class TZadrzanoSlikanje {
public:
    explicit TZadrzanoSlikanje(QWidget& w) : fW(w) { fW.setUpdatesEnabled(false); }
    ~TZadrzanoSlikanje() { fW.setUpdatesEnabled(true); }
    TZadrzanoSlikanje(const TZadrzanoSlikanje&) = delete;
    TZadrzanoSlikanje& operator=(const TZadrzanoSlikanje&) = delete;

private:
    QWidget& fW;
};

QGroupBox* Grupa(QWidget* roditelj, const char* ime, const QString& natpis, QRect mesto) {
    auto* g = new QGroupBox(natpis, roditelj);
    g->setObjectName(QString::fromLatin1(ime));
    g->setGeometry(mesto);
    return g;
}

QLabel* Natpis(QWidget* roditelj, const QString& ime, const QString& tekst, QRect mesto,
               Qt::Alignment poravnanje = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(tekst, roditelj);
    l->setObjectName(ime);
    l->setGeometry(mesto);
    l->setAlignment(poravnanje);
    return l;
}

// An edit with its label standing two pixels below the edit's top.
TEdit* Polje(QWidget* grupa, const QString& ime, const QString& tekst, const QString& hint,
             QPoint mesto) {
    auto* e = new TEdit(grupa);
    e->setObjectName(ime);
    e->setGeometry(QRect(mesto, QSize(50, 20)));
    e->setText(tekst);
    e->setToolTip(hint);
    e->PostaviNajvecuDuzinu(kNajviseZnakova);
    e->setStyleSheet(
        QStringLiteral("QLineEdit { background: white; color: black;"
                       " border: 1px solid #7a7a7a; padding: 0 2px; }"
                       " QLineEdit:disabled { color: #8c8c8c; }"));
    return e;
}

TSpinEdit* Brojac(QWidget* roditelj, const char* ime, int najvise, int vrednost,
                  const QString& hint, QPoint mesto) {
    auto* s = new TSpinEdit(roditelj);
    s->setObjectName(QString::fromLatin1(ime));
    s->setGeometry(QRect(mesto, QSize(41, 26)));
    s->setRange(1, najvise);
    s->setValue(vrednost);
    s->setToolTip(hint);
    return s;
}

}  // namespace

// A minimise button, which becomes the restore button on the minimised
// form's bar; no maximise, for the size is fixed.
TPodaciO::TPodaciO(TUsluge usluge, QWidget* roditelj)
    : TPodProzor(roditelj, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      CrtanjeDijagrama(NacrtajDijagrame),
      Sat(&std::chrono::steady_clock::now),
      fUsluge(std::move(usluge)) {
    setObjectName(QStringLiteral("PodaciO"));
    setWindowTitle(QStringLiteral("Podaci za proracun"));
    NapraviKontrole();
    PostaviRedosledTabova();
    setWidget(Klijent);
    // The fields and the button leave Enter to their parents, so it reaches
    // the client area from whichever of them has the focus.
    Klijent->installEventFilter(this);
    const QMargins okvir = contentsMargins();
    setFixedSize(kKlijent.grownBy(okvir));
    FormCreate();
}

void TPodaciO::NapraviKontrole() {
    Klijent = new QWidget;
    Klijent->setObjectName(QStringLiteral("KlijentPodataka"));
    Klijent->setMinimumSize(kKlijent);
    Klijent->setAutoFillBackground(true);
    QPalette boje = Klijent->palette();
    boje.setColor(QPalette::Window, Qt::white);
    boje.setColor(QPalette::WindowText, Qt::black);
    Klijent->setPalette(boje);
    Klijent->setFont(FontProzora(13, true));

    GroupBoxSkica = Grupa(Klijent, "GroupBoxSkica", QStringLiteral("Skica grede sa silama"),
                          QRect(10, 10, 421, 171));
    GroupBoxSile = Grupa(Klijent, "GroupBoxSile", QStringLiteral("Sile"), QRect(10, 190, 141, 201));
    GroupBoxRastojanja = Grupa(Klijent, "GroupBoxRastojanja", QStringLiteral("Rastojanja"),
                               QRect(160, 190, 131, 201));
    GroupBoxProizvoljnoX = Grupa(Klijent, "GroupBoxProizvoljnoX", QStringLiteral("Proizvoljno x"),
                                 QRect(300, 190, 131, 51));

    const TekstoviUnosa t = PodrazumevaniTekstovi(Separator());
    for (int i = 0; i < 6; ++i) {
        const int vrh = 20 + 30 * i;
        txtP[i] = Polje(GroupBoxSile, QStringLiteral("txtP%1").arg(i + 1),
                        QString::fromStdString(t.P[i]), kHintSile, QPoint(80, vrh));
        LabelP[i] = Natpis(GroupBoxSile, QStringLiteral("LabelP%1").arg(i + 1),
                           QStringLiteral("P%1 [kN] = ").arg(i + 1), QRect(10, vrh + 2, 68, 16));
        // Without a name of its own an edit is read out as its group box.
        txtP[i]->setAccessibleName(LabelP[i]->text());
    }
    for (int i = 0; i < 5; ++i) {
        const int vrh = 20 + 30 * i;
        txtRastojanje[i] =
            Polje(GroupBoxRastojanja, QStringLiteral("txtRastojanje%1").arg(i + 1),
                  QString::fromStdString(t.Rastojanje[i]), kHintRastojanja, QPoint(71, vrh));
        LabelL[i] = Natpis(GroupBoxRastojanja, QStringLiteral("LabelL%1").arg(i + 1),
                           QStringLiteral("L%1 [m] = ").arg(i + 1), QRect(10, vrh + 2, 59, 16));
        txtRastojanje[i]->setAccessibleName(LabelL[i]->text());
    }
    txtRaspon =
        Polje(GroupBoxRastojanja, QStringLiteral("txtRaspon"), QString::fromStdString(t.Raspon),
              QStringLiteral("Unesite raspon grede u [m]"), QPoint(71, 170));
    LabelLRaspon = Natpis(GroupBoxRastojanja, QStringLiteral("LabelL"),
                          QStringLiteral("L   [m] = "), QRect(10, 172, 59, 16));
    txtRaspon->setAccessibleName(LabelLRaspon->text());
    txtProizvoljnoX = Polje(GroupBoxProizvoljnoX, QStringLiteral("txtProizvoljnoX"),
                            QString::fromStdString(t.ProizvoljnoX),
                            QStringLiteral("Unesite apcisu x preseka u [m]"), QPoint(71, 21));
    LabelProizvoljnoX = Natpis(GroupBoxProizvoljnoX, QStringLiteral("LabelProizvoljnoX"),
                               QStringLiteral("x [m] = "), QRect(11, 23, 59, 16));
    txtProizvoljnoX->setAccessibleName(LabelProizvoljnoX->text());

    const auto desno = Qt::AlignRight | Qt::AlignVCenter;
    LabelBrojSila = Natpis(Klijent, QStringLiteral("LabelBrojSila"), QStringLiteral("br. sila"),
                           QRect(330, 259, 51, 16), desno);
    SpinEditBrojSila = Brojac(Klijent, "SpinEditBrojSila", 6, 2,
                              QStringLiteral("Odaberite broj sila za proracun"), QPoint(390, 249));
    Label1 = Natpis(Klijent, QStringLiteral("Label1"), QStringLiteral("br. preseka"),
                    QRect(300, 290, 81, 16), desno);
    SpinEditBrojPreseka =
        Brojac(Klijent, "SpinEditBrojPreseka", 99, TekstUCeoBroj(t.BrojPreseka),
               QStringLiteral("Odaberite broj preseka za proracun"), QPoint(390, 279));
    SpinEditBrojSila->setAccessibleName(LabelBrojSila->text());
    SpinEditBrojPreseka->setAccessibleName(Label1->text());
    connect(SpinEditBrojSila, &QSpinBox::valueChanged, this, [this] { SpinEditBrojSilaChange(); });
    connect(SpinEditBrojPreseka, &QSpinBox::valueChanged, this,
            [this] { SpinEditBrojSilaChange(); });

    ProgressBar1 = new QProgressBar(Klijent);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(300, 330, 131, 21);
    ProgressBar1->setRange(0, 70);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setAccessibleName(QStringLiteral("Napredak proracuna"));
    ProgressBar1->hide();

    btnProracun = new QPushButton(QString::fromLatin1(kNatpisProracun), Klijent);
    btnProracun->setObjectName(QStringLiteral("btnProracun"));
    btnProracun->setGeometry(300, 360, 131, 31);
    btnProracun->setToolTip(QStringLiteral("Start proracuna"));
    QPalette zeleno = btnProracun->palette();
    zeleno.setColor(QPalette::ButtonText, QColor(0x00, 0xFF, 0x00));
    btnProracun->setPalette(zeleno);
    connect(btnProracun, &QPushButton::clicked, this,
            [this] { IzvrsiKomandu(*fUsluge.Poruke, [this] { btnProracunClick(); }); });

    for (int i = 0; i < 6; ++i) {
        Image[i] = new QLabel(GroupBoxSkica);
        Image[i]->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        Image[i]->setToolTip(QStringLiteral("Skica grede sa silama"));
        Image[i]->setScaledContents(true);
        Image[i]->setGeometry(QRect(QPoint(10, 20), kVelicinaSkice));
        Image[i]->hide();
    }
}

void TPodaciO::PostaviRedosledTabova() {
    QWidget* redosled[] = {txtP[0],          txtP[1],
                           txtP[2],          txtP[3],
                           txtP[4],          txtP[5],
                           txtRastojanje[0], txtRastojanje[1],
                           txtRastojanje[2], txtRastojanje[3],
                           txtRastojanje[4], txtRaspon,
                           SpinEditBrojSila, SpinEditBrojPreseka,
                           txtProizvoljnoX,  btnProracun};
    for (std::size_t i = 0; i + 1 < std::size(redosled); ++i)
        QWidget::setTabOrder(redosled[i], redosled[i + 1]);
}

void TPodaciO::FormCreate() {
    for (TEdit* e : {txtP[2], txtP[3], txtP[4], txtP[5], txtRastojanje[1], txtRastojanje[2],
                     txtRastojanje[3], txtRastojanje[4]})
        e->setEnabled(false);
    PrikaziSkicu();
}

void TPodaciO::SpinEditBrojSilaChange() {
    PodesiPolja();
    PrikaziSkicu();
}

void TPodaciO::PodesiPolja() {
    const TOmogucenaPolja p = OmogucenaPolja(SpinEditBrojSila->Vrednost());
    for (int i = 0; i < 6; ++i) txtP[i]->setEnabled(p.Sile[i]);
    for (int i = 0; i < 5; ++i) txtRastojanje[i]->setEnabled(p.Rastojanja[i]);
}

void TPodaciO::PrikaziSkicu() {
    int n = SpinEditBrojSila->Vrednost();
    if (n < 1 || n > 6) n = 1;
    // Decoded when first shown, start-up needs only the two-force sketch,
    // and again for a screen of another pixel ratio.
    const qreal odnos = Image[n - 1]->devicePixelRatioF();
    if (Image[n - 1]->pixmap().isNull() || Image[n - 1]->pixmap().devicePixelRatio() != odnos)
        Image[n - 1]->setPixmap(SkicaNaEkranu(n, odnos));
    for (int i = 0; i < 6; ++i) Image[i]->setVisible(i == n - 1);
    Image[n - 1]->setGeometry(QRect(QPoint(10, 20), kVelicinaSkice));
}

bool TPodaciO::eventFilter(QObject* objekat, QEvent* dogadjaj) {
    if (objekat == Klijent && dogadjaj->type() == QEvent::KeyPress) {
        const int tipka = static_cast<QKeyEvent*>(dogadjaj)->key();
        if (tipka == Qt::Key_Return || tipka == Qt::Key_Enter) {
            btnProracun->click();
            return true;
        }
    }
    return TPodProzor::eventFilter(objekat, dogadjaj);
}

bool TPodaciO::Zakljucano() const { return btnProracun->text() == QLatin1String(kNatpisOtkljucaj); }

void TPodaciO::PromeniZakljucavanje() {
    if (!Zakljucano()) {
        fProvereno = TProvereniUnos{Tekstovi(), SpinEditBrojSila->Vrednost()};
        btnProracun->setText(QString::fromLatin1(kNatpisOtkljucaj));
        const std::initializer_list<QWidget*> redom = {
            txtP[0],          txtRastojanje[0], txtP[1],
            txtRastojanje[1], txtP[2],          txtRastojanje[2],
            txtP[3],          txtRastojanje[3], txtP[4],
            txtRastojanje[4], txtP[5],          txtRaspon,
            txtProizvoljnoX,  SpinEditBrojSila, SpinEditBrojPreseka};
        for (QWidget* w : redom) w->setEnabled(false);
        emit ZakljucavanjePromenjeno(true);
        return;
    }
    fProvereno.reset();
    btnProracun->setText(QString::fromLatin1(kNatpisProracun));
    RezultatiO->ObrisiIzvestaj();
    PodesiPolja();
    const std::initializer_list<QWidget*> uvek = {txtRaspon, txtProizvoljnoX, SpinEditBrojSila,
                                                  SpinEditBrojPreseka};
    for (QWidget* w : uvek) w->setEnabled(true);
    emit ZakljucavanjePromenjeno(false);
}

TekstoviUnosa TPodaciO::Tekstovi() const {
    TekstoviUnosa t;
    for (int i = 0; i < 6; ++i) t.P[i] = txtP[i]->text().toStdString();
    t.ProizvoljnoX = txtProizvoljnoX->text().toStdString();
    for (int i = 0; i < 5; ++i) t.Rastojanje[i] = txtRastojanje[i]->text().toStdString();
    t.Raspon = txtRaspon->text().toStdString();
    t.BrojPreseka = SpinEditBrojPreseka->Tekst().toStdString();
    return t;
}

TekstoviUnosa TPodaciO::TekstoviCrteza() const {
    return Zakljucano() && fProvereno ? fProvereno->tekstovi : Tekstovi();
}

int TPodaciO::BrojSilaCrteza() const {
    return Zakljucano() && fProvereno ? fProvereno->brojSila : SpinEditBrojSila->Vrednost();
}

bool TPodaciO::ProveraTipa() {
    return ::ProveraTipa(
        Tekstovi(), Separator(),
        [this](std::string_view poruka) {
            fUsluge.Poruke->Greska(QString::fromUtf8(poruka.data(), qsizetype(poruka.size())));
        },
        [] { RezultatiO->ObrisiIzvestaj(); });
}

bool TPodaciO::ProveraVrednosti() {
    // The design envelope takes a train longer than the span.
    return ::ProveraVrednosti(
        Tekstovi(), SpinEditBrojSila->Vrednost(), Separator(), [] { RezultatiO->ObrisiIzvestaj(); },
        GlavniO->ProracunskaAnvelopa->isChecked());
}

bool TPodaciO::ProveraDejstava() {
    if (!GlavniO->ProracunskaAnvelopa->isChecked()) return true;
    const TVoz voz(ZapisZaBrojSila(Tekstovi(), SpinEditBrojSila->Vrednost(), Separator()),
                   SpinEditBrojSila->Vrednost());
    return DejstvaVaze(GlavniO->Dejstva, voz.R(), voz.Raspon());
}

// A progress bar repaints itself at once on every visible move, and a
// repaint paints everything of the frame that waits, the diagram window's
// whole picture among it. During the command the bar's paints are held and
// it is shown at once only when a frame's time has passed since it was
// last shown: a command that ends sooner is over before a person could see
// the bar move.
void TPodaciO::PostaviNapredak(int polozaj) {
    ProgressBar1->setValue(polozaj);
    if (ProgressBar1->updatesEnabled() || !ProgressBar1->isVisible()) return;
    const auto sada = Sat();
    if (sada - fNapredakPrikazan < kVremeKadra) return;
    ProgressBar1->setUpdatesEnabled(true);
    ProgressBar1->repaint();
    ProgressBar1->setUpdatesEnabled(false);
    fNapredakPrikazan = sada;
}

TUlazDijagrama TPodaciO::UlazDijagrama() const {
    TUlazDijagrama ulaz;
    ulaz.tekstovi = TekstoviCrteza();
    ulaz.brojSila = BrojSilaCrteza();
    ulaz.decimalniSeparator = Separator();
    ulaz.fontStampe = FontStampe(GlavniO->FontDialog1, GlavniO->logicalDpiY());
    ulaz.faktorPomeranjaTexta = GlavniO->FaktorPomeranjaTexta;
    ulaz.tacnaAnvelopa = GlavniO->TacnaAnvelopa->isChecked();
    ulaz.smerVoza = GlavniO->SmerVoza();
    return ulaz;
}

void TPodaciO::IscrtajDijagrame(TPlatno& Canvas, std::int32_t Width, std::int32_t Height,
                                std::string_view Target) {
    TUlazDijagrama ulaz = UlazDijagrama();
    ulaz.napredak = [this](int polozaj) { PostaviNapredak(polozaj); };
    const QWidget* povrsina = GrafikO->Povrsina();
    const TOkvirDijagrama okvir =
        CrtanjeDijagrama(Canvas, Width, Height, Target,
                         {GrafikO->Platno(), povrsina->width(), povrsina->height()}, ulaz);
    if (&Canvas == &GrafikO->Platno()) GrafikO->ZapamtiOkvir(okvir);
}

void TPodaciO::IzracunajIzvestaj() {
    const IzvestajLastovar izvestaj = SastaviIzvestaj(
        Tekstovi(), SpinEditBrojSila->Tekst().toStdString(), SpinEditBrojSila->Vrednost(),
        Separator(), [this](int polozaj) { PostaviNapredak(polozaj); });
    Rezultati = izvestaj.Rezultati;
    QStringList linije;
    linije.reserve(qsizetype(izvestaj.Linije.size()));
    for (const std::string& l : izvestaj.Linije) linije << QString::fromStdString(l);
    RezultatiO->PrikaziIzvestaj(linije);
}

void TPodaciO::btnProracunClick() {
    if (!ProveraTipa()) return;
    if (!ProveraVrednosti()) {
        fUsluge.Poruke->Greska(
            QString::fromLatin1(kPorukaVrednosti.data(), qsizetype(kPorukaVrednosti.size())));
        return;
    }
    if (!ProveraDejstava()) {
        fUsluge.Poruke->Greska(
            QString::fromLatin1(kPorukaDejstava.data(), qsizetype(kPorukaDejstava.size())));
        return;
    }
    Proracunaj();
}

// A locked form whose texts the checks refuse could never be unlocked: every
// unlocking press would be refused too. So the form unlocks all the same,
// and the check's message comes after, over a form whose fields can be
// mended.
void TPodaciO::PritisakPosleOtvaranja() {
    std::optional<QString> odbijeno;
    const bool tip = ::ProveraTipa(
        Tekstovi(), Separator(),
        [&odbijeno](std::string_view poruka) {
            odbijeno = QString::fromUtf8(poruka.data(), qsizetype(poruka.size()));
        },
        [] { RezultatiO->ObrisiIzvestaj(); });
    if (tip && !ProveraVrednosti())
        odbijeno = QString::fromLatin1(kPorukaVrednosti.data(), qsizetype(kPorukaVrednosti.size()));
    if (!odbijeno) {
        Proracunaj();
        return;
    }
    GrafikO->Obrisi();
    PromeniZakljucavanje();
    fUsluge.Poruke->Greska(*odbijeno);
}

void TPodaciO::Proracunaj() {
    ProgressBar1->setValue(0);
    ProgressBar1->show();
    fNapredakPrikazan = Sat();
    const TZadrzanoSlikanje zadrzano(*ProgressBar1);
    if (!Zakljucano()) {
        const QWidget* povrsina = GrafikO->Povrsina();
        IscrtajDijagrame(GrafikO->Platno(), povrsina->width(), povrsina->height(), kZaProgram);
        IzracunajIzvestaj();
    } else {
        GrafikO->Obrisi();
    }
    // The menu item takes the button's new caption from the announcement.
    PromeniZakljucavanje();
    ProgressBar1->hide();
}

void StandardniRaspored() {
    if (!GlavniO || !PodaciO || !RezultatiO || !GrafikO) return;
    QMdiSubWindow* tacna = GlavniO->ProzorTacneAnvelope();
    QMdiSubWindow* merodavne = GlavniO->ProzorMerodavnih();
    const TRaspored r =
        StandardniRasporedZa(GlavniO->KlijentskaVelicina(), tacna != nullptr, merodavne != nullptr);
    // A window restored while another is maximised would take over the
    // maximised state on activation; all of them end up normal.
    QMdiArea* klijent = GlavniO->Klijent;
    const bool predaje = !klijent->testOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    klijent->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, true);
    for (QMdiSubWindow* prozor :
         {static_cast<QMdiSubWindow*>(PodaciO), static_cast<QMdiSubWindow*>(RezultatiO),
          static_cast<QMdiSubWindow*>(GrafikO), tacna, merodavne})
        if (prozor) prozor->showNormal();
    klijent->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, !predaje);
    PodaciO->setFixedSize(r.Podaci.size());
    PodaciO->move(r.Podaci.topLeft());
    RezultatiO->setGeometry(r.Rezultati);
    GrafikO->setGeometry(r.Grafik);
    if (tacna) tacna->setGeometry(r.TacnaAnvelopa);
    if (merodavne) merodavne->setGeometry(r.Merodavne);
}
