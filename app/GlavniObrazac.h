// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QString>

#include "PodesavanjaDijaloga.h"
#include "Usluge.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

/// The multi-document frame: its menu, its child windows' arrangement, the
/// exit question, and the state the file and print commands share.
class TGlavniO : public QMainWindow {
public:
    explicit TGlavniO(TUsluge usluge);

    void FormCreate();
    /// Gives the menu item "Proracun" the calculation button's caption,
    /// which tells whether the form is locked; the window "Tacna anvelopa"
    /// follows the lock from here.
    void PostaviNatpisProracuna(const QString& natpis);
    /// The size of the client area the child windows live in.
    QSize KlijentskaVelicina() const;
    void DodajProzor(QMdiSubWindow* prozor);
    const TUsluge& Usluge() const { return fUsluge; }

    void OtvoriClick();
    void SnimiClick();
    void SnimikaoClick();
    /// Reads the data file into the input form; raises the failure.
    void UcitajPodatke(const QString& putanja);
    /// Writes the data file, reporting its own failure; true when written.
    bool SnimiPodatke(const QString& putanja);
    void SnimiPodatkeKao();
    void txtClick();
    void docClick();
    void xlsClick();
    void SnimiRezultate(const QString& ekstenzija);
    void Snimiskicugrede1Click();
    void Podesavanjeparametarastampe1Click();
    void Snimigrafik1Click();
    void IzlazClick();
    void ProracunClick();
    void PodesistandardnirasporedClick();
    void MiximizujRezultatiProracunaClick();
    void MiximizujDijagramLastovarClick();
    void OprogramuClick();
    void FormCanResize();

    QString ImeDatoteke;
    double FaktorSkaliranja = 10.0;
    double FaktorPomeranjaTexta = 8.0;
    TDijalogDatoteke OpenDialog1;
    TDijalogDatoteke SaveDialog1;
    TDijalogDatoteke SavePictureDialog1;
    TFontIzbor FontDialog1;
    TPodesavanjeStrane PageSetupDialog1;

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
    QAction* Snimiskicugrede1;
    QAction* Podesavanjeparametarastampe1;
    QAction* Snimigrafik1;
    QAction* Izlaz;
    QAction* Proracun;
    QAction* TacnaAnvelopa;
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
    /// Connects a menu item to a handler run under the general error report.
    void Povezi(QAction* stavka, void (TGlavniO::*rukovalac)());
    bool PitajZaIzlaz();

    TUsluge fUsluge;
    bool fIzlazOdobren = false;
    bool fPrviPrikaz = true;
};

extern TGlavniO* GlavniO;

inline constexpr const char* kNaslovGlavnog = "Dijagram extM i extT";
inline constexpr const char* kPitanjeIzlaza = "Da li zelte da zatvorite program?";
