// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "OgranicenaVelicina.h"
#include "PokretanjeCli.h"
#include "PrivremeniFolder.h"

namespace {

// Runs `lastovar-cli dijagram ARGUMENTI` under the C locale (a point as the
// decimal separator); the arguments are the tests' own, split at blanks.
Ishod Dijagram(const std::string& argumenti) {
    std::vector<std::string> reci{"dijagram"};
    std::istringstream ulaz(argumenti);
    for (std::string rec; ulaz >> rec;) reci.push_back(rec);
    return Pokreni(reci);
}

std::string Datoteka(std::string P1, std::string raspon) {
    return P1 + "\r\n208.0\r\n1\r\n1\r\n1\r\n1\r\n5.0\r\n1\r\n1\r\n1\r\n1\r\n" + raspon +
           "\r\n1.25\r\n2\r\n10\r\n";
}

TEST(KomandaDijagram, TracesThePrintOfTheDefaultsOnA4) {
    const Ishod i = Dijagram("--zapis --stampa --sirina 2100 --visina 3712");
    ASSERT_EQ(i.kod, 0) << i.greske;
    EXPECT_TRUE(i.izlaz.starts_with(
        "olovka #000000 8\nlinija 200 464 1900 464\nlinija 200 2475 1900 2475\n"));
    EXPECT_NE(i.izlaz.find("\nolovka #FF0000 4\nlinija 1046 464 1046 "), std::string::npos);
    EXPECT_NE(i.izlaz.find("\ntekst 1285 1302 #000000 \"487.682\"\n"), std::string::npos);
    EXPECT_NE(i.izlaz.find("\ntekst 904 2778 #000000 \"115.556\"\n"), std::string::npos);
    EXPECT_TRUE(i.izlaz.ends_with("tekst 200 2859 #000000 \"minT[kN]\"\n"));
}

TEST(KomandaDijagram, DrawsTheScreenAsAfterTheWindowsFirstDrawing) {
    const Ishod i = Dijagram("--zapis");
    ASSERT_EQ(i.kod, 0) << i.greske;
    // 800 x 600: toff = 12 below the point, 12 + 11 above it
    EXPECT_NE(i.izlaz.find("\ntekst 465 207 #FF0000 \"487.682\"\n"), std::string::npos);
    EXPECT_NE(i.izlaz.find("\ntekst 465 52 #FF0000 \"5.744\"\n"), std::string::npos);
    EXPECT_EQ(Dijagram("--sirina 0 --zapis").izlaz, "");
}

TEST(KomandaDijagram, ReadsTheLoadCaseFromAFile) {
    const std::string datoteka = Zapisi("d.Lastovar", Datoteka("206.0", "10"));
    const Ishod i = Dijagram("--zapis " + datoteka);
    std::remove(datoteka.c_str());
    ASSERT_EQ(i.kod, 0) << i.greske;
    // a span of 10: zone 2 governs with its vertex at 6.244
    EXPECT_NE(i.izlaz.find(" #FF0000 \"6.244\"\n"), std::string::npos);
    EXPECT_EQ(i.izlaz.find("\"487.682\""), std::string::npos);
}

// The band where the classical envelope falls short comes first, the exact
// envelopes after the classical drawing, in a thin green pen, and every line
// of the classical drawing stays as it was.
TEST(KomandaDijagram, TacnoAddsTheExactEnvelopes) {
    const Ishod bez = Dijagram("--zapis");
    const Ishod sa = Dijagram("--zapis --tacno");
    ASSERT_EQ(sa.kod, 0) << sa.greske;
    ASSERT_TRUE(sa.izlaz.starts_with("poligon #FFE0B2 ")) << sa.izlaz.substr(0, 100);
    const std::size_t klasicno = sa.izlaz.find("olovka ");
    EXPECT_EQ(sa.izlaz.find("poligon", klasicno), std::string::npos);
    const std::size_t pocetak = sa.izlaz.find("olovka #009600 1\n");
    ASSERT_NE(pocetak, std::string::npos) << sa.izlaz;
    EXPECT_EQ(bez.izlaz.find("#009600"), std::string::npos);
    EXPECT_EQ(bez.izlaz.find("poligon"), std::string::npos);
    EXPECT_EQ(sa.izlaz.substr(klasicno, pocetak - klasicno),
              bez.izlaz.substr(0, pocetak - klasicno));
    EXPECT_NE(sa.izlaz.find(" #009600 \"tacna anvelopa\"\n"), std::string::npos);
}

TEST(KomandaDijagram, WritesAPngOfTheGivenSize) {
    const std::string slika = Privremena("dijagram.png");
    std::remove(slika.c_str());
    const Ishod i = Dijagram("--izlaz " + slika + " --sirina 640 --visina 480");
    ASSERT_EQ(i.kod, 0) << i.greske;
    const std::string png = Procitaj(slika);
    std::remove(slika.c_str());
    EXPECT_EQ(VelicinaPng(png), std::pair(640u, 480u));
}

class GreskaDijagramaTest : public testing::TestWithParam<PogresnaKomanda> {};

TEST_P(GreskaDijagramaTest, RefusesWithItsExitCode) {
    std::string argumenti = GetParam().argumenti;
    const auto zameni = [&](const std::string& oznaka, const std::string& datoteka) {
        const std::size_t i = argumenti.find(oznaka);
        if (i != std::string::npos) argumenti.replace(i, oznaka.size(), datoteka);
    };
    const std::string nula = Zapisi("nula.Lastovar", Datoteka("0", "9.0"));
    const std::string slova = Zapisi("slova.Lastovar", Datoteka("206.0", "abc"));
    zameni("NULA", nula);
    zameni("SLOVA", slova);
    const Ishod i = Dijagram(argumenti);
    std::remove(nula.c_str());
    std::remove(slova.c_str());
    EXPECT_EQ(i.kod, GetParam().kod);
    EXPECT_NE(i.greske.find(GetParam().poruka), std::string::npos) << i.greske;
    EXPECT_EQ(i.izlaz, "");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, GreskaDijagramaTest, testing::Values(
    PogresnaKomanda{"--zapis NULA", 2, "Vrednosti podataka nisu korektno unete!!!"},
    PogresnaKomanda{"--zapis SLOVA", 2, "Greska u unosu tipa podataka za proracun!!!"},
    PogresnaKomanda{"--zapis /nema/d.Lastovar", 1, "Greska pri pokusaju otvaranju fajla!"},
    PogresnaKomanda{"--izlaz /nema/d.png", 1, "/nema/d.png"},
    PogresnaKomanda{"--izlaz d.bmp", 64, "d.bmp"},
    PogresnaKomanda{"/nema/d.Lastovar --izlaz d.bmp", 64, "nepoznat format slike (.png, .pdf ili .svg): d.bmp"},
    PogresnaKomanda{"--izlaz /dev/full", 64, "nepoznat format slike (.png, .pdf ili .svg): /dev/full"},
    PogresnaKomanda{"--izlaz=/nema/d.svg", 1, "Greska pri pokusaju snimanja slike!\nlastovar-cli dijagram: /nema/d.svg: No such file or directory\n"},
    PogresnaKomanda{"--zapis --sirina=-5", 64, "--sirina ne moze biti negativna"},
    PogresnaKomanda{"--zapis --sirin 5", 64, "nepoznata opcija --sirin"},
    PogresnaKomanda{"--zapis=da", 64, "--zapis ne prima vrednost"},
    PogresnaKomanda{"--zapis --izlaz", 64, "--izlaz trazi ime slike"},
    PogresnaKomanda{"", 64, "--zapis ili --izlaz"},
    PogresnaKomanda{"--zapis --izlaz d.png", 64, "lastovar-cli dijagram: --zapis i --izlaz se ne mogu zadati zajedno: --zapis ispisuje crtanje, --izlaz snima sliku\n"},
    PogresnaKomanda{"--zapis --sirina", 64, "--sirina"},
    PogresnaKomanda{"--zapis --visina 6e2", 64, "6e2"},
    PogresnaKomanda{"--zapis --sirina -5", 64, "--sirina"},
    PogresnaKomanda{"--izlaz d.png --sirina 0", 64, "od 1 do 10000"},
    PogresnaKomanda{"--zapis --boja", 64, "--boja"}
));
// clang-format on

TEST(KomandaDijagram, OptionValuesMayFollowAnEqualsSign) {
    const Ishod razdvojeno = Dijagram("--zapis --sirina 640 --visina 480 --stampa");
    const Ishod spojeno = Dijagram("--sirina=640 --zapis --visina=480 --stampa");
    ASSERT_EQ(spojeno.kod, 0) << spojeno.greske;
    EXPECT_EQ(spojeno.izlaz, razdvojeno.izlaz);
    EXPECT_NE(spojeno.izlaz, Dijagram("--zapis --stampa").izlaz);
}

// The file name is bytes: a Latin-1 letter under a UTF-8 locale is no
// character at all, and the picture still gets exactly that name, and the
// toolkit's warnings (no runtime folder here) stay off standard error.
TEST(KomandaDijagram, APictureGetsItsNameByteForByte) {
    for (const char* nastavak : {".png", ".pdf", ".svg"}) {
        const PrivremeniFolder folder;
        const std::string ime = std::string("slika-\xe8") + nastavak;
        Okolnosti o;
        o.lokal = "C.UTF-8";
        o.bez = {"XDG_RUNTIME_DIR"};
        const Ishod i = Pokreni({"dijagram", "--izlaz=" + folder.Putanja(ime)}, o);
        EXPECT_EQ(i.kod, 0) << i.greske;
        EXPECT_EQ(i.greske, "");
        EXPECT_EQ(folder.Imena(), std::set<std::string>{ime});
    }
}

class SlikaPodOgranicenjem : public testing::TestWithParam<const char*> {};

// Under a file size limit the picture fails as a whole: exit 1 with the
// file and the reason, and the previous picture as it was.
TEST_P(SlikaPodOgranicenjem, LeavesThePreviousPictureAndSaysWhy) {
    const PrivremeniFolder folder;
    const std::string stara(700, 's');
    const std::string putanja = folder.Zapisi(GetParam(), stara);
    Ishod i;
    {
        const OgranicenaVelicina ogranicenje(1024);
        i = Pokreni({"dijagram", "--izlaz", putanja});
    }
    EXPECT_EQ(i.kod, 1);
    EXPECT_EQ(i.greske, "Greska pri pokusaju snimanja slike!\nlastovar-cli dijagram: " + putanja +
                            ": File too large\n");
    EXPECT_EQ(Sadrzaj(putanja), stara);
    EXPECT_EQ(folder.Imena(), std::set<std::string>{GetParam()});
}

INSTANTIATE_TEST_SUITE_P(Formati, SlikaPodOgranicenjem, testing::Values("d.png", "d.pdf", "d.svg"));

struct SlucajPosebneSlike {
    const char* opis;
    std::function<std::string(const PrivremeniFolder&)> napravi;  // the picture's path
    const char* razlog;
};

void PrintTo(const SlucajPosebneSlike& s, std::ostream* os) { *os << s.opis; }

class PosebnaSlika : public testing::TestWithParam<SlucajPosebneSlike> {};

TEST_P(PosebnaSlika, IsNotReplaced) {
    const PrivremeniFolder folder;
    const std::string putanja = GetParam().napravi(folder);
    struct stat pre {};
    ASSERT_EQ(stat(putanja.c_str(), &pre), 0);
    const Ishod i = Pokreni({"dijagram", "--izlaz", putanja});
    EXPECT_EQ(i.kod, 1);
    EXPECT_EQ(i.greske, "Greska pri pokusaju snimanja slike!\nlastovar-cli dijagram: " + putanja +
                            ": " + GetParam().razlog + "\n");
    struct stat posle {};
    ASSERT_EQ(stat(putanja.c_str(), &posle), 0);
    EXPECT_EQ(posle.st_mode, pre.st_mode);
    EXPECT_EQ(posle.st_ino, pre.st_ino);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, PosebnaSlika, testing::Values(
    SlucajPosebneSlike{"a FIFO", [](const PrivremeniFolder& f) {
        EXPECT_EQ(mkfifo(f.Putanja("cev.png").c_str(), 0600), 0);
        return f.Putanja("cev.png");
    }, "nije obicna datoteka nego imenovana cev (FIFO)"},
    SlucajPosebneSlike{"a directory", [](const PrivremeniFolder& f) {
        EXPECT_EQ(mkdir(f.Putanja("folder.svg").c_str(), 0700), 0);
        return f.Putanja("folder.svg");
    }, "nije obicna datoteka nego direktorijum"},
    SlucajPosebneSlike{"a link to /dev/full", [](const PrivremeniFolder& f) {
        EXPECT_EQ(symlink("/dev/full", f.Putanja("pun.pdf").c_str()), 0);
        return f.Putanja("pun.pdf");
    }, "nije obicna datoteka nego uredjaj"}
));
// clang-format on

}  // namespace
