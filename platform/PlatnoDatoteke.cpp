// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatnoDatoteke.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <memory>
#include <new>

#include "GreskaFajla.h"
#include "PlatnoSlike.h"
#include "PlatnoStampaca.h"
#include "RezervaMemorije.h"
#include "SigurnoSnimanje.h"
#include "SlikanjeNaUredjaju.h"

namespace {

constexpr int kTacakaPoIncu = 96;
constexpr const char* kNeMozeDaSeNapravi = "Slika ne moze da se napravi";

[[noreturn]] void NeMozeDaSeNapravi(const std::string& putanja, const std::string& razlog) {
    throw EGreskaFajla(EGreskaFajla::Vrsta::Pisanje, kNeMozeDaSeNapravi, putanja, razlog);
}

void CrtajNaSlikaru(QPainter& slikar, int sirina, int visina, TFont font,
                    const std::function<void(TPlatno&)>& crtaj) {
    slikar.fillRect(0, 0, sirina, visina, Qt::white);
    TPlatnoStampaca platno(slikar, std::move(font));
    crtaj(platno);
}

// Each writer draws into the buffer, which is open for writing.

void Png(QBuffer& bafer, const std::string& putanja, int sirina, int visina, TFont font,
         const std::function<void(TPlatno&)>& crtaj) {
    std::unique_ptr<TPlatnoSlike> platno;
    try {
        platno = std::make_unique<TPlatnoSlike>(sirina, visina, std::move(font), kTacakaPoIncu);
    } catch (const std::bad_alloc&) {
        NeMozeDaSeNapravi(putanja, "slika je prevelika");
    }
    ProveriRezervu();
    crtaj(*platno);
    if (!platno->Slika().save(&bafer, "PNG")) NeMozeDaSeNapravi(putanja, "PNG nije napravljen");
}

void Pdf(QBuffer& bafer, const std::string& putanja, int sirina, int visina, TFont font,
         const std::function<void(TPlatno&)>& crtaj) {
    auto pdf = std::make_unique<QPdfWriter>(&bafer);
    pdf->setResolution(kTacakaPoIncu);
    pdf->setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf->setPageSize(QPageSize(QSizeF(sirina * 72.0 / kTacakaPoIncu, visina * 72.0 / kTacakaPoIncu),
                               QPageSize::Point, QString(), QPageSize::ExactMatch));
    if (!NaslikajNaUredjaj(std::move(pdf), [&](QPainter& slikar) {
            CrtajNaSlikaru(slikar, sirina, visina, std::move(font), crtaj);
        }))
        NeMozeDaSeNapravi(putanja, "PDF nije napravljen");
}

void Svg(QBuffer& bafer, const std::string& putanja, int sirina, int visina, TFont font,
         const std::function<void(TPlatno&)>& crtaj) {
    auto svg = std::make_unique<QSvgGenerator>();
    svg->setOutputDevice(&bafer);
    svg->setSize(QSize(sirina, visina));
    svg->setViewBox(QRect(0, 0, sirina, visina));
    svg->setResolution(kTacakaPoIncu);
    if (!NaslikajNaUredjaj(std::move(svg), [&](QPainter& slikar) {
            CrtajNaSlikaru(slikar, sirina, visina, std::move(font), crtaj);
        }))
        NeMozeDaSeNapravi(putanja, "SVG nije napravljen");
}

}  // namespace

std::optional<TFormatSlike> FormatSlike(std::string_view putanja) {
    const std::size_t tacka = putanja.rfind('.');
    if (tacka == std::string_view::npos || putanja.find('/', tacka) != std::string_view::npos)
        return std::nullopt;
    std::string nastavak(putanja.substr(tacka + 1));
    // ASCII only: the C locale is the environment's, and a byte of another
    // character set is no letter of these names anyway.
    std::transform(nastavak.begin(), nastavak.end(), nastavak.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    if (nastavak == "png") return TFormatSlike::Png;
    if (nastavak == "pdf") return TFormatSlike::Pdf;
    if (nastavak == "svg") return TFormatSlike::Svg;
    return std::nullopt;
}

void NacrtajUDatoteku(const std::string& putanja, int sirina, int visina, TFont font,
                      const std::function<void(TPlatno&)>& crtaj) {
    const std::optional<TFormatSlike> format = FormatSlike(putanja);
    if (!format)
        throw EGreskaFajla(EGreskaFajla::Vrsta::Otvaranje, kNeMozeDaSeNapravi, putanja,
                           "nepoznat format slike (.png, .pdf ili .svg)");
    // Memory may run out anywhere in the drawing, the encoding or the
    // save; the file that was there is kept and the reason told.
    try {
        QByteArray bajtovi;
        {
            QBuffer bafer(&bajtovi);
            bafer.open(QIODevice::WriteOnly);
            switch (*format) {
                case TFormatSlike::Png:
                    Png(bafer, putanja, sirina, visina, std::move(font), crtaj);
                    break;
                case TFormatSlike::Pdf:
                    Pdf(bafer, putanja, sirina, visina, std::move(font), crtaj);
                    break;
                case TFormatSlike::Svg:
                    Svg(bafer, putanja, sirina, visina, std::move(font), crtaj);
                    break;
            }
        }
        SigurnoSnimi(putanja, std::string_view(bajtovi.constData(),
                                               static_cast<std::size_t>(bajtovi.size())));
    } catch (const std::bad_alloc&) {
        NeMozeDaSeNapravi(putanja, kNemaMemorije);
    }
}
