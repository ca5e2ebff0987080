// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The print parameters and the printing of the diagrams.

#include <QString>
#include <functional>

class TGlavniO;
class TPlatno;
class TStampanje;

/// Page set-up, font, then the two factors in input boxes; an answer that
/// is not a number keeps its factor and ends the command.
void PodesiParametreStampe(TGlavniO& glavni);

/// Prints the diagrams of the calculation that stands on one page of the
/// current printer, then redraws the diagram window. A job whose drawing
/// fails is cancelled.
void StampajGrafik(TGlavniO& glavni);

/// One page on the current printer: starts the job, draws it on the
/// printer's canvas and ends it; a drawing that fails cancels the job and
/// its failure goes on to the caller.
void StampajStranu(TStampanje& stampanje, const std::function<void(TPlatno&)>& crtaj);

/// The confirmation before printing, naming the printer.
QString PitanjeStampe(const QString& stampac);

/// The refusal of a scaling factor whose drawing would have no frame.
QString PorukaFaktora(double faktorSkaliranja, char separator);

inline constexpr const char* kPorukaStampeBezProracuna =
    "Morate prvo sprovesti proracun ako zelite da stampate grafik!";
inline constexpr const char* kNaslovSkaliranja = "Faktor za skaliranje grafika";
inline constexpr const char* kUpitSkaliranja =
    "Unesite faktor za skaliranje grafika: (10/faktor)*(sirina papira): ";
inline constexpr const char* kNaslovPomeranja = "Faktor za pomeranje texta po visini grafika";
inline constexpr const char* kUpitPomeranja =
    "Faktor za pomeranje texta po visini grafika (jedna jedinica = jedna visina fonta): ";
