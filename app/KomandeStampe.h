// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The print parameters and the printing of the diagrams, members of
// TGlavniO defined in KomandeStampe.cpp, and what they compute apart.

#include <QString>
#include <functional>

#include "VelicinaCrteza.h"

class QPainter;
class TGlavniO;
class TPlatno;
class TStampanje;
struct TUsluge;

/// The page "Stampaj grafik..." and its preview print: the diagrams in the
/// print style on a picture the paper and the scaling factor size, headed
/// by the data file's name and the date. A factor whose drawing would have
/// no frame is refused with EGreskaStampe.
std::function<void(TPlatno&)> CrtezStampe(const TGlavniO& glavni, const TUsluge& usluge);

/// Draws the page on a printer page's painter, through our canvas: what a
/// print job and the print preview both put on the page.
void NacrtajStranu(QPainter& slikar, const std::function<void(TPlatno&)>& crtaj);

/// One page on the current printer: starts the job, draws it on the
/// printer's canvas and ends it; a drawing that fails cancels the job and
/// its failure goes on to the caller.
void StampajStranu(TStampanje& stampanje, const std::function<void(TPlatno&)>& crtaj);

/// The confirmation before printing, naming the printer.
QString PitanjeStampe(const QString& stampac);

/// The refusal of a scaling factor that gives no drawing: what is wrong with
/// it and which factor to enter instead.
QString PorukaFaktora(TNeupotrebljivFaktor razlog, double faktorSkaliranja, char separator);

inline constexpr const char* kPorukaStampeBezProracuna =
    "Morate prvo sprovesti proracun ako zelite da stampate grafik!";
inline constexpr const char* kPorukaPregledaBezProracuna =
    "Morate prvo sprovesti proracun ako zelite da vidite pregled stampe!";
inline constexpr const char* kNaslovSkaliranja = "Faktor za skaliranje grafika";
inline constexpr const char* kUpitSkaliranja =
    "Unesite faktor za skaliranje grafika: (10/faktor)*(sirina papira): ";
inline constexpr const char* kNaslovPomeranja = "Faktor za pomeranje texta po visini grafika";
inline constexpr const char* kUpitPomeranja =
    "Faktor za pomeranje texta po visini grafika (jedna jedinica = jedna visina fonta): ";
