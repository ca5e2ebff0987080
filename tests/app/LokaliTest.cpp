// SPDX-License-Identifier: GPL-3.0-or-later
// The application in the locale ctest starts it in (LC_ALL), its decimal
// separator read as the program reads it: the form's defaults calculate,
// data files written under either separator open and save as the form
// shows them, the report is the C locale's up to the separator, and typed
// input keeps the locale's rule.
#include <QAction>
#include <QPushButton>
#include <QTest>
#include <clocale>
#include <cstdlib>

#include "AplikacijaFixture.h"
#include "Edit.h"
#include "IzvestajLastovar.h"
#include "PodaciObrazac.h"
#include "RegionalniSeparator.h"
#include "RezultatiObrazac.h"

namespace {

const QString kPutanja = QStringLiteral("/podaci/primer.Lastovar");

QString SaSeparatorom(QString tekst, char separator) {
    return tekst.replace(u'.', QChar::fromLatin1(separator));
}

class LokaliTest : public AplikacijaTest {
protected:
    // Before the windows exist: the form writes its defaults when made.
    LokaliTest() { separator = RegionalniSeparator(); }

    QStringList Polja() const {
        QStringList t;
        for (const TEdit* e : PodaciO->txtP) t << e->text();
        for (const TEdit* e : PodaciO->txtRastojanje) t << e->text();
        return t << PodaciO->txtRaspon->text() << PodaciO->txtProizvoljnoX->text();
    }

    QStringList PodrazumevanaPolja() const {
        const TekstoviUnosa t = PodrazumevaniTekstovi(separator);
        QStringList l;
        for (const std::string& s : t.P) l << QString::fromStdString(s);
        for (const std::string& s : t.Rastojanje) l << QString::fromStdString(s);
        return l << QString::fromStdString(t.Raspon) << QString::fromStdString(t.ProizvoljnoX);
    }

    // The default data file as it is written where the separator is `pisac`.
    static QByteArray PodrazumevanaDatoteka(char pisac) {
        QString s;
        for (const char* l : {"206.0", "208.0", "1.0", "1.0", "1.0", "1.0", "5.0", "1.0", "1.0",
                              "1.0", "1.0", "9.0", "1.25", "2", "10"})
            s += SaSeparatorom(QString::fromLatin1(l), pisac) + "\r\n";
        return s.toLatin1();
    }

    // The report of the defaults under the C locale, with this one's separator.
    QStringList OcekivaniIzvestaj() const {
        QStringList l;
        for (const std::string& s : SastaviIzvestaj(PodrazumevaniTekstovi('.'), "2", 2, '.').Linije)
            l << SaSeparatorom(QString::fromStdString(s), separator);
        return l;
    }

    void Proracunaj() {
        QTest::mouseClick(PodaciO->btnProracun, Qt::LeftButton);
        ASSERT_EQ(PrikazaneGreske(), std::vector<QString>{});
        ASSERT_TRUE(PodaciO->Zakljucano());
        EXPECT_EQ(RezultatiO->Linije(), OcekivaniIzvestaj());
    }
};

TEST_F(LokaliTest, RunsInTheLocaleItIsGiven) {
    const char* lokal = std::getenv("LC_ALL");
    const char* ocekivan = std::getenv("LASTOVAR_SEPARATOR");
    ASSERT_TRUE(lokal && ocekivan) << "ctest gives LC_ALL and LASTOVAR_SEPARATOR";
    // The C library's locale too, so that nothing of its formatting escapes.
    EXPECT_STREQ(std::setlocale(LC_ALL, nullptr), lokal)
        << lokal << " is missing: bash scripts/lokali.sh makes it";
    EXPECT_EQ(separator, ocekivan[0]);
}

TEST_F(LokaliTest, TheDefaultsCalculate) {
    EXPECT_EQ(Polja(), PodrazumevanaPolja());
    EXPECT_EQ(PodaciO->txtP[0]->text(), SaSeparatorom(QStringLiteral("206.0"), separator));
    Proracunaj();
}

TEST_F(LokaliTest, AFileOfEitherSeparatorOpensAndSavesAsTheFormShowsIt) {
    for (const char pisac : {'.', ','}) {
        SCOPED_TRACE(pisac);
        datoteke.Sadrzaj[kPutanja] = PodrazumevanaDatoteka(pisac);
        dijalozi.Putanje = {kPutanja};
        GlavniO->Otvori->trigger();
        EXPECT_EQ(GlavniO->windowTitle(), kPutanja);
        EXPECT_EQ(Polja(), PodrazumevanaPolja());
        Proracunaj();
        GlavniO->Snimi->trigger();
        EXPECT_EQ(datoteke.Sadrzaj[kPutanja], PodrazumevanaDatoteka(separator));
        QTest::mouseClick(PodaciO->btnProracun, Qt::LeftButton);
        ASSERT_FALSE(PodaciO->Zakljucano());
    }
}

TEST_F(LokaliTest, TypedTextWithTheOtherSeparatorIsRefused) {
    const char drugi = separator == '.' ? ',' : '.';
    PodaciO->txtRaspon->setText(SaSeparatorom(QStringLiteral("9.0"), drugi));
    QTest::mouseClick(PodaciO->btnProracun, Qt::LeftButton);
    EXPECT_EQ(PrikazaneGreske(),
              std::vector<QString>{QStringLiteral("Greska u unosu tipa podataka za proracun!!!")});
    EXPECT_FALSE(PodaciO->Zakljucano());
}

}  // namespace
