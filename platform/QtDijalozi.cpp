// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDijalozi.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QPrinterInfo>

#include "DijalogDejstava.h"
#include "DijalogModela.h"
#include "DijalogRaspona.h"
#include "DijalogStrane.h"
#include "FilterDijaloga.h"
#include "GreskaStampe.h"

std::optional<QString> TQtDijalozi::Datoteka(const TDijalogDatoteke& d, bool snimanje) {
    QFileDialog dijalog(fRoditelj, d.Naslov);
    // Qt's own dialog, not the desktop's: it speaks the program's language
    // and, unlike some desktops' dialogs, keeps no list of recent files.
    dijalog.setOption(QFileDialog::DontUseNativeDialog);
    dijalog.setAcceptMode(snimanje ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The open dialog takes a name that does not exist too: it fails when
    // the command opens it, with the command's own message.
    dijalog.setFileMode(QFileDialog::AnyFile);
    dijalog.setOption(QFileDialog::DontConfirmOverwrite, !d.PitajPrePrepisivanja);
    const QStringList filteri = FilteriDijaloga(d.Filter);
    dijalog.setNameFilters(filteri);
    if (!d.PocetnoIme.isEmpty()) dijalog.selectFile(d.PocetnoIme);

    const auto postaviEkstenziju = [&](const QString& izabrani) {
        if (!d.PodrazumevanaEkstenzija.isEmpty()) {
            QString e = d.PodrazumevanaEkstenzija;
            if (e.startsWith(u'.')) e.remove(0, 1);
            dijalog.setDefaultSuffix(e);
        } else {
            dijalog.setDefaultSuffix(EkstenzijaFiltera(d.Filter, int(filteri.indexOf(izabrani))));
        }
    };
    postaviEkstenziju(filteri.value(0));
    QObject::connect(&dijalog, &QFileDialog::filterSelected, &dijalog, postaviEkstenziju);

    if (dijalog.exec() != QDialog::Accepted || dijalog.selectedFiles().isEmpty())
        return std::nullopt;
    return dijalog.selectedFiles().constFirst();
}

std::optional<QString> TQtDijalozi::Otvori(const TDijalogDatoteke& d) { return Datoteka(d, false); }

std::optional<QString> TQtDijalozi::Snimi(const TDijalogDatoteke& d) { return Datoteka(d, true); }

std::optional<QString> TQtDijalozi::SnimiSliku(const TDijalogDatoteke& d) {
    return Datoteka(d, true);
}

std::optional<TFontIzbor> TQtDijalozi::Font(const TFontIzbor& pocetni) {
    bool potvrdjeno = false;
    const QFont font = QFontDialog::getFont(&potvrdjeno, pocetni.Font, fRoditelj, QString(),
                                            QFontDialog::DontUseNativeDialog);
    if (!potvrdjeno) return std::nullopt;
    // Qt's font dialog has no colour; the colour chosen before stays.
    return TFontIzbor{font, pocetni.Boja};
}

std::optional<TPodesavanjeStrane> TQtDijalozi::PodesiStranu(const TPodesavanjeStrane& trenutno) {
    const QStringList stampaci = QPrinterInfo::availablePrinterNames();
    if (stampaci.isEmpty()) throw EGreskaStampe(kNemaStampaca);
    TDijalogStrane dijalog(stampaci, QPrinterInfo::defaultPrinterName(), trenutno, fRoditelj);
    if (dijalog.exec() != QDialog::Accepted) return std::nullopt;
    return dijalog.Izbor();
}

std::optional<TTekstoviDejstava> TQtDijalozi::ProracunskeVrednosti(
    const TTekstoviDejstava& pocetni) {
    TDijalogDejstava dijalog(pocetni, fRoditelj);
    if (dijalog.exec() != QDialog::Accepted) return std::nullopt;
    return dijalog.Tekstovi();
}

std::optional<TOdlukaModela> TQtDijalozi::ModeliOpterecenja(
    const std::vector<TStavkaKataloga>& katalog) {
    TDijalogModela dijalog(katalog, fRoditelj);
    if (dijalog.exec() != QDialog::Accepted) return std::nullopt;
    return dijalog.Odluka();
}

std::optional<TUnosRaspona> TQtDijalozi::TabelaRaspona(const std::vector<TStavkaKataloga>& katalog,
                                                       const TUnosRaspona& pocetni) {
    TDijalogRaspona dijalog(katalog, pocetni, fRoditelj);
    if (dijalog.exec() != QDialog::Accepted) return std::nullopt;
    return dijalog.Unos();
}
