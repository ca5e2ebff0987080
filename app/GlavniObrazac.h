// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application's windows and how they meet. GlavniO, the frame, carries
// the menu built from its table (MeniGlavnog.cpp); each menu command is one
// member of TGlavniO, defined in the file of its group: KomandeDatoteke.cpp
// (the data file), KomandeIzvoza.cpp (the report export, the calculation
// sheet, the tables and the sketch), KomandeStampe.cpp (print parameters,
// printing and its preview), KomandeProracuna.cpp
// (the menu "Proracun extM i extT"), KomandeProzora.cpp (the menu "Prozori"
// and the arrangement on resize); the rest is here. The input form PodaciO
// checks its texts (core), draws the diagrams into GrafikO (diagram) and
// writes the report into RezultatiO (report), then announces its lock with
// ZakljucavanjePromenjeno, which the menu item "Proracun", the diagram
// window and the window "Tacna anvelopa" follow. The windows do not include
// the command files, and no window includes one that includes it back:
// Aplikacija.cpp creates them and wires what one window tells another.

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "DodatakDatoteke.h"
#include "KatalogModela.h"
#include "PodesavanjaDijaloga.h"
#include "TacnaAnvelopa.h"
#include "Usluge.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPushButton;
class TMerodavneVrednostiO;
class TPlatno;
class TPolozajVozaO;
class TTacnaAnvelopaO;
struct TStavkaMenija;

/// The multi-document frame: its menu, its child windows' arrangement, the
/// exit question, and the state the file and print commands share.
class TGlavniO : public QMainWindow {
public:
    explicit TGlavniO(TUsluge usluge);

    void FormCreate();
    /// Gives the menu item "Proracun" the calculation button's caption,
    /// which tells whether the form is locked.
    void PostaviNatpisProracuna(const QString& natpis);
    /// The size of the client area the child windows live in.
    QSize KlijentskaVelicina() const;
    void DodajProzor(QMdiSubWindow* prozor);
    const TUsluge& Usluge() const { return fUsluge; }

    /// The menu, one row per menu, item and separator, in order.
    static std::span<const TStavkaMenija> TabelaMenija();

    // The data file (KomandeDatoteke.cpp).
    void OtvoriClick();
    void SnimiClick();
    void SnimikaoClick();
    /// What "Otvori..." does with the path its dialog gives, also for the
    /// file named on the command line: the file read into the input form,
    /// then the caption and ImeDatoteke set to the path; a failure shown
    /// with its message, changing neither. The next open dialog starts at
    /// the path. True when read.
    bool OtvoriPodatke(const QString& putanja);
    /// Reads the data file into the input form, and the design actions of
    /// its block, which turn the design envelope on. Throws EGreskaFajla
    /// when it cannot be read, EGreskaDatoteke when its counts are not
    /// integers and EGreskaDodatka when its block cannot be read; either way
    /// the form and the actions are left as they were.
    void UcitajPodatke(const QString& putanja);
    /// Writes the data file from the input form, with a block after its
    /// fifteen lines for the design actions while the design envelope is on
    /// and for the keys of a later version the last file came with; a
    /// failure is shown with the file layer's message and leaves the file
    /// that was there. True when written; the caption and ImeDatoteke are
    /// left alone.
    bool SnimiPodatke(const QString& putanja);
    /// The save dialog, then the writing; the caption and ImeDatoteke follow
    /// a successful write only.
    void SnimiPodatkeKao();

    // The report export, the calculation sheet, the tables and the sketch
    // (KomandeIzvoza.cpp).
    void txtClick();
    void docClick();
    void xlsClick();
    /// "txt", "doc" or "xls": the report's lines, each ended by CR LF.
    /// Refused while no calculation stands.
    void SnimiRezultate(const QString& ekstenzija);
    /// The stored JPEG of the sketch for the current force count, byte for
    /// byte, in either lock state.
    void Snimiskicugrede1Click();
    /// The calculation sheet as an A4 PDF: the inputs, the sketch, the
    /// diagrams in the print style, the report as the results window holds
    /// it and, while "Tacna anvelopa" is checked, the comparison. Refused
    /// while no calculation stands.
    void SnimiproracunkaoPDF1Click();
    /// The report's section tables as CSV, with "Tacna anvelopa" checked
    /// the comparison's. Refused while no calculation stands.
    void SnimitabelekaoCSV1Click();

    // Print parameters, printing and its preview (KomandeStampe.cpp).
    /// Page set-up, font, then the two factors in input boxes.
    void Podesavanjeparametarastampe1Click();
    /// One page of the diagrams on the current printer, then the diagram
    /// window redrawn.
    void Snimigrafik1Click();
    /// The page "Stampaj grafik..." would print, in a preview from which it
    /// can be printed as that command prints, then the diagram window
    /// redrawn.
    void Pregledstampe1Click();
    /// The print question naming the current printer, then the page that
    /// `crtaj` draws on it. True when it printed; throws EGreskaStampe when
    /// there is no printer or the job cannot start.
    bool StampajGrafik(const std::function<void(TPlatno&)>& crtaj);

    // The menu "Proracun extM i extT" (KomandeProracuna.cpp).
    void ProracunClick();
    /// Opens or closes the window "Tacna anvelopa" as the item's check mark
    /// says and redraws the diagram window with or without the exact
    /// envelopes.
    void TacnaAnvelopaClick();
    /// Opens "Polozaj voza" at the form's arbitrary section.
    void PolozajVozaClick();
    /// The exact envelopes, positions and the warning take the train both
    /// ways or as P1..Pn, as the item's check mark says: every window that
    /// shows them follows at once.
    void ObaSmeraVozaClick();
    /// How the train crosses for everything exact: both ways while "Oba
    /// smera voza" is checked, otherwise as P1..Pn.
    TSmerVoza SmerVoza() const;
    /// Opens "Polozaj voza", or brings it forward, at the section x.
    void OtvoriPolozajVoza(double x);
    /// Follows the form's lock: "Polozaj voza..." works only while it
    /// stands, and the status line tells after each calculation whether the
    /// classical envelope falls short.
    void PratiZakljucavanje(bool zakljucano);
    /// The status line: where the classical extM, maxT or minT falls short
    /// of the exact value at the diagram's columns by more than 0.5 % of its
    /// peak while the form is locked, empty otherwise.
    void OsveziUpozorenje();
    /// A quantity of the status line, clicked or pressed, opens "Polozaj
    /// voza" at its own section.
    void UpozorenjeClick(std::size_t indeks);
    /// The status line's text as it reads, empty while it names nothing.
    QString TekstUpozorenja() const;
    /// The dialog "Proracunske vrednosti", until its values are numbers
    /// that make design actions, then the actions set and every window that
    /// shows them redrawn; a refused value is shown as an error and the
    /// dialog opens again with the texts as they were left.
    void ProracunskeVrednostiClick();
    /// The design envelope on or off, as the item's check mark says: while
    /// it is on a train longer than the span passes the value check, a
    /// calculation opens "Merodavne vrednosti", the data file keeps the
    /// actions and the windows that show exact values show design ones.
    /// Turned off while a train longer than the span stands locked, the
    /// form unlocks with the value check's message.
    void ProracunskaAnvelopaClick();
    /// The design actions in force: the set ones while "Proracunska
    /// anvelopa" is checked, the start values otherwise.
    TProracunskaDejstva AktivnaDejstva() const;
    /// Opens "Merodavne vrednosti", or brings it forward, filled.
    void OtvoriMerodavneVrednosti();
    /// The window "Merodavne vrednosti" while it is open, null otherwise.
    QMdiSubWindow* ProzorMerodavnih() const;

    // The load models (KomandeModela.cpp).
    /// The built-in models beside the program, then the user's.
    std::vector<TStavkaKataloga> KatalogModela() const;
    /// The dialog "Modeli opterecenja": the model chosen goes into the
    /// form; a user's model the user asks to delete is deleted after a
    /// question and the dialog opens again.
    void ModeliOpterecenjaClick();
    /// The model's forces and spacings into the form and its traffic
    /// actions at the form's span into the design actions; the span, x and
    /// the section count stay. A locked form unlocks as after an open.
    void IzaberiModel(const TModelOpterecenja& m);
    /// The form's forces, spacings and design actions in force saved as
    /// the user's own model under a name asked for, all or nothing.
    void SacuvajKaoModelClick();
    /// The dialog "Tabela raspona", until its spans are a range, then the
    /// window with the table and its plot.
    void TabelaRasponaClick();
    /// The span table's CSV to a file the save dialog names.
    void SnimiCsvRaspona(const std::string& csv);

    // The menu "Prozori" and the frame's resize (KomandeProzora.cpp).
    void PodesistandardnirasporedClick();
    void MiximizujRezultatiProracunaClick();
    void MiximizujDijagramLastovarClick();
    void FormCanResize();

    void IzlazClick();
    void OprogramuClick();

    QString ImeDatoteke;
    double FaktorSkaliranja = 10.0;
    double FaktorPomeranjaTexta = 8.0;
    TDijalogDatoteke OpenDialog1;
    TDijalogDatoteke SaveDialog1;
    TDijalogDatoteke SavePictureDialog1;
    TFontIzbor FontDialog1;
    TPodesavanjeStrane PageSetupDialog1;

    /// The window "Tacna anvelopa" while its item is checked, null otherwise.
    TTacnaAnvelopaO* TacnaAnvelopaO = nullptr;
    /// The same window as a child of the frame, for the arrangement.
    QMdiSubWindow* ProzorTacneAnvelope() const;
    /// The window "Polozaj voza" while it is open, null otherwise.
    QPointer<TPolozajVozaO> PolozajVozaO;
    /// The window "Merodavne vrednosti" while it is open, null otherwise.
    QPointer<TMerodavneVrednostiO> MerodavneVrednostiO;
    /// The design actions the dialog set or the last data file held; in
    /// force only while "Proracunska anvelopa" is checked.
    TProracunskaDejstva Dejstva;
    /// The keys of the last data file's block that this version does not
    /// use, written back when it is saved.
    TDodatak Dodatak;
    /// The status line: its start, then each quantity it names as a flat
    /// button, in the keyboard's order, that opens its own section. F6 puts
    /// the focus on the first.
    QLabel* Upozorenje;
    std::array<QPushButton*, 3> ManjkoviUpozorenja{};
    /// The dialog "Tabela raspona" as it was last confirmed.
    TUnosRaspona fUnosRaspona;

    QMdiArea* Klijent;
    QMenu* Datoteka;
    QMenu* Snimirezultateproracuna;
    QMenu* Proracunlastovar;
    QMenu* Prozori;
    QMenu* Pomoc;
    QAction* Otvori;
    QAction* Snimi;
    QAction* Snimikao;
    QAction* txt;
    QAction* doc;
    QAction* xls;
    QAction* SnimiproracunkaoPDF1;
    QAction* SnimitabelekaoCSV1;
    QAction* Snimiskicugrede1;
    QAction* Podesavanjeparametarastampe1;
    QAction* Snimigrafik1;
    QAction* Pregledstampe1;
    QAction* Izlaz;
    QAction* Proracun;
    QAction* TacnaAnvelopa;
    QAction* PolozajVoza;
    QAction* ObaSmeraVoza;
    QAction* ProracunskeVrednosti;
    QAction* ProracunskaAnvelopa;
    QAction* ModeliOpterecenja;
    QAction* SacuvajKaoModel;
    QAction* TabelaRaspona;
    QAction* Podesistandardniraspored;
    QAction* MiximizujRezultatiProracuna;
    QAction* MiximizujDijagramLastovar;
    QAction* Oprogramu;

protected:
    void closeEvent(QCloseEvent* dogadjaj) override;
    bool eventFilter(QObject* objekat, QEvent* dogadjaj) override;
    void paintEvent(QPaintEvent* dogadjaj) override;

private:
    void NapraviMeni();
    void NapraviUpozorenje();
    bool PitajZaIzlaz();

    TUsluge fUsluge;
    std::array<double, 3> fPreseciUpozorenja{};
    bool fIzlazOdobren = false;
    bool fPrviPrikaz = true;
    /// The frame's size at the client area's last resize.
    QSize fVelicinaOkvira;
};

extern TGlavniO* GlavniO;

inline constexpr const char* kNaslovGlavnog = "Dijagram extM i extT";
inline constexpr const char* kPitanjeIzlaza = "Da li zelte da zatvorite program?";
