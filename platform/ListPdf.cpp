// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListPdf.h"

#include <QBuffer>
#include <QDate>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <memory>
#include <new>

#include "GreskaFajla.h"
#include "PlatnoStampaca.h"
#include "SlikanjeNaUredjaju.h"
#include "Verzija.h"

namespace {

// Points to device units at the figures' resolution, which the page has.
constexpr double kTacakaPoPoenu = kTacakaPoIncuSlike / 72.0;
// The widest gap of blanks a line is drawn with, in blanks.
constexpr double kNajsiriRazmak = 1.6;

QFont Font(TPismoListe pismo, double velicina) {
    const bool nepromenljivo = pismo == TPismoListe::Nepromenljivo;
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    if (nepromenljivo) {
        // Its characters are as wide as the sheet's layout takes them.
        f = QFont(QStringLiteral("Liberation Mono"));
        f.setStyleHint(QFont::TypeWriter);
        f.setFixedPitch(true);
    }
    f.setBold(pismo == TPismoListe::Naslov || pismo == TPismoListe::Podebljano);
    // Qt sizes a font in whole device pixels, rounding to the nearest: a
    // size rounded down keeps every line within the width laid out for it.
    f.setPixelSize(std::max(1, static_cast<int>(std::floor(velicina * kTacakaPoPoenu))));
    return f;
}

void Tekst(QPainter& p, const TTekstListe& t) {
    const QFont f = Font(t.pismo, t.velicina);
    p.setFont(f);
    const QString tekst = QString::fromUtf8(t.tekst.data(), qsizetype(t.tekst.size()));
    const QFontMetricsF mere(f, p.device());
    const double sirina = mere.horizontalAdvance(tekst);
    const double dozvoljeno = t.sirina * kTacakaPoPoenu;
    // A font wider than the layout assumed narrows the line: never cut.
    const double sazimanje = dozvoljeno > 0 && sirina > dozvoljeno ? dozvoljeno / sirina : 1.0;
    const double pomak = t.poravnanje == TPoravnanje::Desno     ? sirina * sazimanje
                         : t.poravnanje == TPoravnanje::Sredina ? sirina * sazimanje / 2
                                                                : 0.0;
    const double x = t.x * kTacakaPoPoenu - pomak;
    p.save();
    p.translate(x, t.y * kTacakaPoPoenu + mere.ascent());
    p.scale(sazimanje, 1.0);
    // A run of three blanks or more is drawn no wider than two and a half:
    // text extractors take a wider gap for a column break and would give
    // the line back in two pieces ("nule: x11 = 0 [m]   x12 = 9 [m]").
    const double razmak = mere.horizontalAdvance(QLatin1Char(' '));
    double xDela = 0;
    for (qsizetype od = 0; od < tekst.size();) {
        qsizetype kraj = tekst.indexOf(QLatin1String("  "), od);
        if (kraj < 0) kraj = tekst.size();
        const QString deo = tekst.mid(od, kraj - od);
        p.drawText(QPointF(xDela, 0), deo);
        xDela += mere.horizontalAdvance(deo);
        od = kraj;
        while (od < tekst.size() && tekst[od] == QLatin1Char(' ')) ++od;
        if (od > kraj) xDela += kNajsiriRazmak * razmak;
    }
    p.restore();
}

void Linija(QPainter& p, const TLinijaListe& l) {
    QPen olovka(l.siva ? QColor(150, 150, 150) : QColor(Qt::black));
    olovka.setWidthF(l.debljina * kTacakaPoPoenu);
    olovka.setCapStyle(Qt::FlatCap);
    p.setPen(olovka);
    p.drawLine(QPointF(l.x1 * kTacakaPoPoenu, l.y1 * kTacakaPoPoenu),
               QPointF(l.x2 * kTacakaPoPoenu, l.y2 * kTacakaPoPoenu));
}

void Slika(QPainter& p, const TSlikaListe& s) {
    p.save();
    p.translate(s.okvir.x * kTacakaPoPoenu, s.okvir.y * kTacakaPoPoenu);
    p.setClipRect(QRect(0, 0, s.sirina, s.visina));
    {
        TPlatnoStampaca platno(p, FontProzoraDijagrama());
        NacrtajSlikuListe(platno, s);
    }
    p.restore();
}

QPageLayout Raspored(bool polozena) {
    return QPageLayout(QPageSize(QPageSize::A4),
                       polozena ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

[[noreturn]] void NeMozeDaSeNapravi(const std::string& putanja,
                                    const char* razlog = "PDF nije napravljen") {
    throw EGreskaFajla(EGreskaFajla::Vrsta::Pisanje, "PDF ne moze da se napravi", putanja, razlog);
}

QByteArray NapraviPdf(const TListProracuna& list, const std::string& putanja) {
    QByteArray bajtovi;
    QBuffer bafer(&bajtovi);
    bafer.open(QIODevice::WriteOnly);
    auto pdf = std::make_unique<QPdfWriter>(&bafer);
    pdf->setTitle(QString::fromUtf8(list.Naslov.data(), qsizetype(list.Naslov.size())));
    pdf->setCreator(QStringLiteral("Lastovar ") +
                    QString::fromLatin1(kVerzija.data(), qsizetype(kVerzija.size())));
    pdf->setResolution(kTacakaPoIncuSlike);
    pdf->setPageLayout(Raspored(!list.Strane.empty() && list.Strane.front().Polozena));
    QPdfWriter& stranice = *pdf;
    if (!NaslikajNaUredjaj(std::move(pdf), [&](QPainter& p) {
            for (std::size_t i = 0; i < list.Strane.size(); ++i) {
                const TStranaListe& strana = list.Strane[i];
                if (i > 0) {
                    // The layout of the page that newPage begins.
                    stranice.setPageLayout(Raspored(strana.Polozena));
                    if (!stranice.newPage()) NeMozeDaSeNapravi(putanja);
                }
                for (const TSlikaListe& s : strana.Slike) Slika(p, s);
                for (const TLinijaListe& l : strana.Linije) Linija(p, l);
                p.setPen(Qt::black);
                for (const TTekstListe& t : strana.Tekstovi) Tekst(p, t);
            }
        }))
        NeMozeDaSeNapravi(putanja);
    return bajtovi;
}

}  // namespace

QByteArray ListUPdf(const TListProracuna& list, const std::string& putanja) {
    try {
        return NapraviPdf(list, putanja);
    } catch (const std::bad_alloc&) {
        NeMozeDaSeNapravi(putanja, kNemaMemorije);
    }
}

std::string DanasnjiDatum() {
    return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy.")).toStdString();
}
