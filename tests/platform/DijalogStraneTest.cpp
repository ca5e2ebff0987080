// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include "DijalogStrane.h"

namespace {

const QStringList kStampaci{QStringLiteral("Stampac 1"), QStringLiteral("Stampac 2")};

struct Otvaranje {
    const char* ime;
    TPodesavanjeStrane trenutno;
    const char* stampac;
    const char* papir;
    bool polozeno;
};

void PrintTo(const Otvaranje& o, std::ostream* os) { *os << o.ime; }

class OtvaranjeStraneTest : public ::testing::TestWithParam<Otvaranje> {};

TEST_P(OtvaranjeStraneTest, ShowsTheCurrentChoiceAndTheFixedMargins) {
    const Otvaranje& o = GetParam();
    const TDijalogStrane d(kStampaci, QStringLiteral("Stampac 1"), o.trenutno);
    EXPECT_EQ(d.Stampac->currentText().toStdString(), o.stampac);
    EXPECT_EQ(d.Papir->currentText().toStdString(), o.papir);
    EXPECT_EQ(d.Polozeno->isChecked(), o.polozeno);
    EXPECT_EQ(d.Uspravno->isChecked(), !o.polozeno);
    for (const QLabel* m : d.Margine) EXPECT_EQ(m->text(), "10");
    // Confirmed untouched, it gives back what it was opened on.
    TPodesavanjeStrane ocekivano = o.trenutno;
    ocekivano.Stampac = QString::fromLatin1(o.stampac);
    const TPodesavanjeStrane izbor = d.Izbor();
    EXPECT_EQ(izbor.Stampac, ocekivano.Stampac);
    EXPECT_EQ(izbor.SirinaPapira, ocekivano.SirinaPapira);
    EXPECT_EQ(izbor.VisinaPapira, ocekivano.VisinaPapira);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, OtvaranjeStraneTest, ::testing::Values(
    Otvaranje{"NothingChosenYet", {QString(), 21000, 29700}, "Stampac 1", "A4", false},
    Otvaranje{"ChosenBefore", {QStringLiteral("Stampac 2"), 21590, 27940}, "Stampac 2", "Letter / ANSI A", false},
    Otvaranje{"Landscape", {QStringLiteral("Stampac 2"), 21000, 14800}, "Stampac 2", "A5", true},
    Otvaranje{"NoLongerInstalled", {QStringLiteral("Stari"), 21000, 29700}, "Stampac 1", "A4", false},
    Otvaranje{"OwnSize", {QString(), 20000, 25000}, "Stampac 1", "Prilagodjeno (200 x 250 mm)", false}),
    [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

TEST(DijalogStrane, GivesThePrinterAndThePaperAsItLies) {
    TDijalogStrane d(kStampaci, QStringLiteral("Stampac 1"), {QString(), 21000, 29700});
    d.Stampac->setCurrentIndex(1);
    EXPECT_EQ(d.Papir->currentText(), "A4");  // the paper stays across printers
    d.Papir->setCurrentIndex(d.Papir->findText(QStringLiteral("A3")));
    d.Polozeno->setChecked(true);
    const TPodesavanjeStrane izbor = d.Izbor();
    EXPECT_EQ(izbor.Stampac, "Stampac 2");
    EXPECT_EQ(izbor.SirinaPapira, 42000);
    EXPECT_EQ(izbor.VisinaPapira, 29700);
}

}  // namespace
