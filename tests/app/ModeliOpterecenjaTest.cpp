// SPDX-License-Identifier: GPL-3.0-or-later
// The load models in the application: chosen into the form, the user's own
// saved under a name, listed after the built-in ones, used and deleted, and
// the span table; nothing written unless the user asks.
#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QPushButton>
#include <QTableWidget>
#include <filesystem>
#include <fstream>

#include "AplikacijaFixture.h"
#include "Edit.h"
#include "MerodavneVrednostiObrazac.h"
#include "PodaciObrazac.h"
#include "SpinEdit.h"
#include "TabelaRasponaObrazac.h"

namespace fs = std::filesystem;

namespace {

class ModeliOpterecenjaTest : public AplikacijaTest {
protected:
    void SetUp() override {
        podaci = fs::temp_directory_path() / ("lastovar-modeli-" + std::to_string(getpid()));
        fs::remove_all(podaci);
        fs::create_directories(podaci);
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(podaci.string()));
        AplikacijaTest::SetUp();
    }
    void TearDown() override {
        AplikacijaTest::TearDown();
        fs::remove_all(podaci);
    }
    fs::path Folder() const { return podaci / "lastovar" / "modeli"; }
    QString P(int i) const { return PodaciO->txtP[std::size_t(i)]->text(); }
    QString L(int i) const { return PodaciO->txtRastojanje[std::size_t(i)]->text(); }
    std::size_t Indeks(const std::string& ime) const {
        const std::vector<std::string>& imena = dijalozi.PrikazaniModeli.back();
        return std::size_t(std::find(imena.begin(), imena.end(), ime) - imena.begin());
    }
    fs::path podaci;
};

TEST_F(ModeliOpterecenjaTest, AChosenModelFillsTheTrainAndActionsAndKeepsSpanXAndSections) {
    PodaciO->txtRaspon->setText(QStringLiteral("20.0"));
    PodaciO->SpinEditBrojPreseka->setValue(12);
    dijalozi.OdlukeModela.push_back(TOdlukaModela{TOdlukaModela::TRadnja::Izaberi, 0});
    GlavniO->ModeliOpterecenja->trigger();
    ASSERT_EQ(dijalozi.PrikazaniModeli.size(), 1u);
    EXPECT_EQ(dijalozi.PrikazaniModeli[0],
              (std::vector<std::string>{
                  "AASHTO HL-93 kamion + traka", "AASHTO HL-93 tandem + traka",
                  "EN 1991-2 LM1, traka 1 (TS + UDL)", "EN 1991-2 LM2 (jedna osovina)"}));
    EXPECT_EQ(PodaciO->SpinEditBrojSila->value(), 3);
    EXPECT_EQ(P(0), "35");
    EXPECT_EQ(P(2), "145");
    EXPECT_EQ(L(1), "4.3");
    EXPECT_EQ(PodaciO->txtRaspon->text(), "20.0");
    EXPECT_EQ(PodaciO->txtProizvoljnoX->text(), "1.25");
    EXPECT_EQ(PodaciO->SpinEditBrojPreseka->value(), 12);
    EXPECT_TRUE(GlavniO->ProracunskaAnvelopa->isChecked());
    EXPECT_EQ(GlavniO->Dejstva.q, 9.3);
    EXPECT_EQ(GlavniO->Dejstva.Fi, 1.33);
    EXPECT_EQ(GlavniO->Dejstva.GamaQ, 1.75);
    EXPECT_TRUE(datoteke.Sadrzaj.empty());
    EXPECT_FALSE(fs::exists(podaci / "lastovar"));
}

TEST_F(ModeliOpterecenjaTest, TheUsersModelIsSavedListedUsedAndDeleted) {
    PodaciO->SpinEditBrojSila->setValue(3);
    PodaciO->txtP[2]->setText(QStringLiteral("50"));
    PodaciO->txtRastojanje[1]->setText(QStringLiteral("2.5"));
    GlavniO->Dejstva.q = 4;
    GlavniO->ProracunskaAnvelopa->setChecked(true);
    poruke.OdgovoriNaUnos.push_back(QStringLiteral("Moj kamion"));
    GlavniO->SacuvajKaoModel->trigger();
    EXPECT_EQ(PrikazaneGreske(), std::vector<QString>{});
    const QString putanja = QString::fromStdString((Folder() / "moj-kamion.model").string());
    ASSERT_EQ(datoteke.Sadrzaj.count(putanja), 1u);
    const TModelOpterecenja sacuvan = ProcitajModel(datoteke.Sadrzaj[putanja].toStdString());
    EXPECT_EQ(sacuvan.Naziv, "Moj kamion");
    EXPECT_EQ(sacuvan.BrojSila, 3);
    EXPECT_EQ(sacuvan.P[2], 50);
    EXPECT_EQ(sacuvan.Ls[1], 2.5);
    EXPECT_EQ(sacuvan.q, 4);
    // The scripted file layer keeps it in memory; on disk it is listed
    // after the built-in ones, a damaged file beside it with its reason.
    std::ofstream(Folder() / "moj-kamion.model", std::ios::binary)
        << datoteke.Sadrzaj[putanja].toStdString();
    std::ofstream(Folder() / "pokvaren.model", std::ios::binary) << "naziv=x\n";

    PodaciO->SpinEditBrojSila->setValue(1);
    dijalozi.OdlukeModela.push_back(TOdlukaModela{TOdlukaModela::TRadnja::Izaberi, 4});
    GlavniO->ModeliOpterecenja->trigger();
    ASSERT_EQ(dijalozi.PrikazaniModeli.back().size(), 6u);
    EXPECT_EQ(dijalozi.PrikazaniModeli.back()[4], "Moj kamion");
    EXPECT_EQ(dijalozi.PrikazaniModeli.back()[5], "!pokvaren");
    EXPECT_EQ(PodaciO->SpinEditBrojSila->value(), 3);
    EXPECT_EQ(P(2), "50");

    // Deleting asks first; No keeps it, Yes deletes it and the list opens again.
    poruke.OdgovoriNaPotvrde = {false, true};
    dijalozi.OdlukeModela = {TOdlukaModela{TOdlukaModela::TRadnja::Obrisi, 4},
                             TOdlukaModela{TOdlukaModela::TRadnja::Obrisi, 4}, std::nullopt};
    GlavniO->ModeliOpterecenja->trigger();
    EXPECT_FALSE(fs::exists(Folder() / "moj-kamion.model"));
    EXPECT_EQ(
        dijalozi.PrikazaniModeli.back(),
        (std::vector<std::string>{"AASHTO HL-93 kamion + traka", "AASHTO HL-93 tandem + traka",
                                  "EN 1991-2 LM1, traka 1 (TS + UDL)",
                                  "EN 1991-2 LM2 (jedna osovina)", "!pokvaren"}));
    // A built-in model is never deleted.
    dijalozi.OdlukeModela = {TOdlukaModela{TOdlukaModela::TRadnja::Obrisi, 0}, std::nullopt};
    GlavniO->ModeliOpterecenja->trigger();
    EXPECT_EQ(dijalozi.PrikazaniModeli.back().size(), 5u);
}

TEST_F(ModeliOpterecenjaTest, SavingIsRefusedWithItsReasonAndCancellingWritesNothing) {
    poruke.OdgovoriNaUnos.push_back(std::nullopt);
    GlavniO->SacuvajKaoModel->trigger();
    PodaciO->txtP[0]->setText(QStringLiteral("-5"));
    poruke.OdgovoriNaUnos.push_back(QStringLiteral("Los"));
    GlavniO->SacuvajKaoModel->trigger();
    PodaciO->txtP[0]->setText(QStringLiteral("206.0"));
    poruke.OdgovoriNaUnos.push_back(QStringLiteral("EN 1991-2 LM2 (jedna osovina)"));
    GlavniO->SacuvajKaoModel->trigger();
    EXPECT_EQ(PrikazaneGreske(),
              (std::vector<QString>{
                  QStringLiteral("Model nije sacuvan: sile=-5 208 (sile moraju biti pozitivne)"),
                  QStringLiteral("Model nije sacuvan: ugradjeni model EN 1991-2 LM2 (jedna "
                                 "osovina) vec postoji.")}));
    EXPECT_TRUE(datoteke.Sadrzaj.empty());
}

TEST_F(ModeliOpterecenjaTest, TheSpanTableOpensAWindowOfTheRangeAndSavesItsCsv) {
    dijalozi.Rasponi = {TUnosRaspona{3, "5", "4", "1"}, TUnosRaspona{3, "4", "6", "0.5"}};
    GlavniO->TabelaRaspona->trigger();
    EXPECT_EQ(PrikazaneGreske(),
              std::vector<QString>{QStringLiteral(
                  "Opseg raspona nije korektno unet: krajnji raspon ne sme biti manji od "
                  "pocetnog")});
    auto* prozor = dynamic_cast<TTabelaRasponaO*>(GlavniO->Klijent->activeSubWindow());
    ASSERT_NE(prozor, nullptr);
    ASSERT_EQ(prozor->Tabela_->rowCount(), 5);
    EXPECT_EQ(prozor->Tabela_->item(2, 0)->text(), "5");
    EXPECT_EQ(prozor->Tabela_->item(2, 1)->text(), "500");
    EXPECT_EQ(prozor->Tabela_->item(2, 4)->text(), "675");
    prozor->Povrsina->repaint();

    dijalozi.Putanje.push_back(QStringLiteral("/tmp/raspon.csv"));
    prozor->SnimiCsv->click();
    ASSERT_EQ(datoteke.Sadrzaj.count(QStringLiteral("/tmp/raspon.csv")), 1u);
    EXPECT_TRUE(datoteke.Sadrzaj[QStringLiteral("/tmp/raspon.csv")].startsWith(
        "raspon,Mk_max,x_Mk,Ak_max,MEd_max,AEd_max,manjak_extM_pct\r\n4,400,2,400,540,540,0\r\n"));
}

}  // namespace
