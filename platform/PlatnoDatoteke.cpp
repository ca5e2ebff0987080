// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatnoDatoteke.h"

#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <memory>
#include <new>

#include "PlatnoSlike.h"
#include "PlatnoStampaca.h"

namespace {

constexpr int kTacakaPoIncu = 96;

enum class Format { Png, Pdf, Svg };

Format FormatPutanje(const QString& putanja) {
    const QString nastavak = QFileInfo(putanja).suffix().toLower();
    if (nastavak == "png") return Format::Png;
    if (nastavak == "pdf") return Format::Pdf;
    if (nastavak == "svg") return Format::Svg;
    throw EGreskaSlike("nepoznat format slike (.png, .pdf ili .svg): " + putanja.toStdString());
}

[[noreturn]] void NeMozeSeSnimiti(const QString& putanja) {
    throw EGreskaSlike("slika se ne moze snimiti: " + putanja.toStdString());
}

void CrtajNaSlikaru(QPainter& slikar, int sirina, int visina, TFont font,
                    const std::function<void(TPlatno&)>& crtaj) {
    slikar.fillRect(0, 0, sirina, visina, Qt::white);
    TPlatnoStampaca platno(slikar, std::move(font));
    crtaj(platno);
}

void Png(const QString& putanja, int sirina, int visina, TFont font,
         const std::function<void(TPlatno&)>& crtaj) {
    std::unique_ptr<TPlatnoSlike> platno;
    try {
        platno = std::make_unique<TPlatnoSlike>(sirina, visina, std::move(font), kTacakaPoIncu);
    } catch (const std::bad_alloc&) {
        throw EGreskaSlike("slika je prevelika: " + putanja.toStdString());
    }
    crtaj(*platno);
    if (!platno->Slika().save(putanja, "PNG")) NeMozeSeSnimiti(putanja);
}

void Pdf(const QString& putanja, int sirina, int visina, TFont font,
         const std::function<void(TPlatno&)>& crtaj) {
    // QPdfWriter reports no failure to open its file; a check first.
    QFile proba(putanja);
    if (!proba.open(QIODevice::WriteOnly)) NeMozeSeSnimiti(putanja);
    proba.close();
    QPdfWriter pdf(putanja);
    pdf.setResolution(kTacakaPoIncu);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setPageSize(QPageSize(QSizeF(sirina * 72.0 / kTacakaPoIncu, visina * 72.0 / kTacakaPoIncu),
                              QPageSize::Point, QString(), QPageSize::ExactMatch));
    QPainter slikar;
    if (!slikar.begin(&pdf)) NeMozeSeSnimiti(putanja);
    CrtajNaSlikaru(slikar, sirina, visina, std::move(font), crtaj);
    if (!slikar.end()) NeMozeSeSnimiti(putanja);
}

void Svg(const QString& putanja, int sirina, int visina, TFont font,
         const std::function<void(TPlatno&)>& crtaj) {
    QSvgGenerator svg;
    svg.setFileName(putanja);
    svg.setSize(QSize(sirina, visina));
    svg.setViewBox(QRect(0, 0, sirina, visina));
    svg.setResolution(kTacakaPoIncu);
    QPainter slikar;
    if (!slikar.begin(&svg)) NeMozeSeSnimiti(putanja);
    CrtajNaSlikaru(slikar, sirina, visina, std::move(font), crtaj);
    if (!slikar.end()) NeMozeSeSnimiti(putanja);
}

}  // namespace

void NacrtajUDatoteku(const std::string& putanja, int sirina, int visina, TFont font,
                      const std::function<void(TPlatno&)>& crtaj) {
    const QString p = QString::fromStdString(putanja);
    switch (FormatPutanje(p)) {
        case Format::Png:
            return Png(p, sirina, visina, std::move(font), crtaj);
        case Format::Pdf:
            return Pdf(p, sirina, visina, std::move(font), crtaj);
        case Format::Svg:
            return Svg(p, sirina, visina, std::move(font), crtaj);
    }
}
