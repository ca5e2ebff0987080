// SPDX-License-Identifier: GPL-3.0-or-later
#include "NacrtajDijagrame.h"

#include "AnvelopaPoKolonama.h"
#include "OkvirDijagrama.h"
#include "PojasManjka.h"
#include "Prosireno.h"
#include "RazmeraDijagrama.h"
#include "SadrzajDijagrama.h"
#include "TacnaAnvelopaDijagram.h"
#include "Voz.h"
#include "Zaokruzivanje.h"

void NacrtajReferentneLinije(TPlatno& c, const TOkvirDijagrama& o) {
    c.Olovka() = {kCrna, o.stampa ? 8 : 4};
    c.PomeriNa(o.x0, o.y0);
    c.LinijaDo(o.x1, o.y0);
    c.PomeriNa(o.x0, o.y1);
    c.LinijaDo(o.x1, o.y1);
}

void NacrtajNatpise(TPlatno& c, const TOkvirDijagrama& o, const TFont& fontStampe) {
    const auto tekst = [&c](Prosireno x, Prosireno y, const char* t) {
        c.Tekst(ZaokruziParno(x), ZaokruziParno(y), t);
    };
    if (o.stampa) {
        c.Font().Boja = fontStampe.Boja;
        c.Font().Podebljan = fontStampe.Podebljan;
        c.Font().PostaviVelicinu(fontStampe.Velicina(c.TacakaPoIncu()));
        const Prosireno p = c.VelicinaFonta();
        tekst(o.x1 + 20.0_pr, o.y0 - p, "extM[kNm]");
        tekst(o.x1 + 20.0_pr, o.y1 - p, "extT[kN]");
        tekst(o.x1 - 12 * p, o.y1 - 5 * static_cast<Prosireno>(o.toff), "maxT[kN]");
        tekst(o.x0, o.y1 + 4 * static_cast<Prosireno>(o.toff), "minT[kN]");
    } else {
        c.Font().Boja = kCrna;
        c.Font().Podebljan = true;
        c.Font().PostaviVelicinu(12);
        const Prosireno sz = c.VelicinaFonta();
        tekst(o.x1 + 10.0_pr, o.y0 - sz, "extM[kNm]");
        tekst(o.x1 + 10.0_pr, o.y1 - sz, "extT[kN]");
        tekst(o.x1 - 6 * sz, o.y1 - 6 * sz, "maxT[kN]");
        tekst(o.x0, o.y1 + 5 * sz, "minT[kN]");
    }
}

TOkvirDijagrama NacrtajDijagrame(TPlatno& Canvas, std::int32_t Width, std::int32_t Height,
                                 std::string_view Target, const TProzorDijagrama& prozor,
                                 const TUlazDijagrama& ulaz) {
    prozor.platno.PopuniPozadinu(0, 0, prozor.sirina, prozor.visina);

    const bool stampa = Target != kZaProgram;
    // A minimised window has no client area to relate the picture to.
    const bool prazanProzor = prozor.sirina <= 0 || prozor.visina <= 0;
    if (prazanProzor && !stampa) return {};
    double kx = 1;
    double W = Width;
    double H = Height;
    if (!prazanProzor) {
        kx = static_cast<double>(Width) / prozor.sirina;
        const double ky = static_cast<double>(Height) / prozor.visina;
        W = prozor.sirina * kx;
        H = prozor.visina * ky;
    }

    const TPodaci zapis = ZapisIzTekstova(ulaz.tekstovi, ulaz.decimalniSeparator);

    TOkvirDijagrama okvir(stampa, W, H, zapis.Raspon());
    // Without room for the span (a print width of 400 dots or less), or with
    // a span whose share per device unit is below the smallest double, there
    // is no scale to draw the content with.
    // A train longer than the span has no classical envelope: the method
    // needs it whole on the span.
    const TVoz voz(zapis, ulaz.brojSila);
    const bool sadrzaj = voz.Vazi() && voz.StajeNaRaspon() && okvir.Sirina() > 0 && okvir.s != 0;
    if (sadrzaj) {
        // The governing moment maximum and the whole resultant each stand
        // 0.2 H from their reference lines.
        okvir.kM = RazmeraDijagrama(okvir.H, voz.Jednacina(voz.ZonaMaksimuma()).MaxM);
        okvir.kT = RazmeraDijagrama(okvir.H, voz.R());
        okvir.sadrzaj = TSadrzajCrteza::Dijagrami;
    }
    // The band where the classical envelopes fall short lies under
    // everything else.
    TAnvelopaPoKolonama anvelopa;
    if (sadrzaj && ulaz.tacnaAnvelopa) {
        anvelopa = AnvelopaPoKolonama(okvir, voz, ulaz.smerVoza);
        ulaz.anvelopa(anvelopa);
        NacrtajPojasManjka(Canvas, okvir, anvelopa);
    }

    NacrtajReferentneLinije(Canvas, okvir);

    // The screen's toff is the font size found on entry: the window's own
    // 8 points the first time, the captions' 12 every later time.
    Canvas.Font().Boja = kCrvena;
    if (stampa) {
        Canvas.Font() = ulaz.fontStampe;
        okvir.toff = ulaz.faktorPomeranjaTexta * ulaz.fontStampe.Velicina(Canvas.TacakaPoIncu());
        Canvas.Font().PostaviVelicinu(ulaz.fontStampe.Velicina(Canvas.TacakaPoIncu()));
        okvir.ds = ZaokruziParno(20.0_pr * Canvas.VelicinaFonta());
    } else {
        Canvas.Font().Podebljan = true;
        okvir.toff = Canvas.VelicinaFonta();
        Canvas.Font().PostaviVisinu(14);
        okvir.ds = ZaokruziParno(50.0_pr * kx);
    }
    Canvas.Olovka() = {kPlava, stampa ? 4 : 2};

    if (sadrzaj) {
        NacrtajSadrzaj(Canvas, okvir, voz, ulaz.decimalniSeparator, ulaz.napredak);
        if (ulaz.tacnaAnvelopa) NacrtajTacnuAnvelopu(Canvas, okvir, anvelopa);
    }

    NacrtajNatpise(Canvas, okvir, ulaz.fontStampe);
    return okvir;
}
