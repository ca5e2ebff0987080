// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ProvereUnosa.h"

namespace {

// Records what a check showed and whether it cleared the results.
struct Posmatrac {
    std::vector<std::string> poruke;
    int brisanja = 0;
    std::function<void(std::string_view)> prikazi() {
        return [this](std::string_view p) { poruke.emplace_back(p); };
    }
    std::function<void()> obrisi() {
        return [this] { ++brisanja; };
    }
};

TEST(ProveraTipa, AcceptsTheDefaults) {
    Posmatrac p;
    EXPECT_TRUE(ProveraTipa(PodrazumevaniTekstovi('.'), '.', p.prikazi(), p.obrisi()));
    EXPECT_TRUE(p.poruke.empty());
    EXPECT_EQ(p.brisanja, 0);
}

TEST(ProveraTipa, RefusesAnyUnconvertibleTextEvenInUnusedFields) {
    const auto izmene = std::vector<std::function<void(TekstoviUnosa&)>>{
        [](TekstoviUnosa& t) { t.P[5] = ""; },
        [](TekstoviUnosa& t) { t.Rastojanje[4] = "x"; },
        [](TekstoviUnosa& t) { t.Raspon = "abc"; },
        [](TekstoviUnosa& t) { t.ProizvoljnoX = "1.2.5"; },
        [](TekstoviUnosa& t) { t.BrojPreseka = "10.0"; },
    };
    for (std::size_t i = 0; i < izmene.size(); ++i) {
        TekstoviUnosa t = PodrazumevaniTekstovi('.');
        izmene[i](t);
        Posmatrac p;
        EXPECT_FALSE(ProveraTipa(t, '.', p.prikazi(), p.obrisi())) << i;
        EXPECT_EQ(p.poruke, std::vector<std::string>{std::string(kPorukaTipa)}) << i;
        EXPECT_EQ(p.brisanja, 1) << i;
    }
}

std::vector<double> Brojevi(const TPodaci& z) {
    return {z.P1(),           z.P2(),
            z.P3(),           z.P4(),
            z.P5(),           z.P6(),
            z.ProizvoljnoX(), z.Rastojanje1(),
            z.Rastojanje2(),  z.Rastojanje3(),
            z.Rastojanje4(),  z.Rastojanje5(),
            z.Raspon(),       double(z.BrojPreseka())};
}

// The defaults are written with the separator they are read with: the same
// numbers pass both checks under a comma as under a point, while the texts
// of the other separator stay refused as typed input.
TEST(PodrazumevaniTekstovi, PassBothChecksWithTheirSeparator) {
    const std::vector<double> ocekivano{206, 208, 1, 1, 1, 1, 1.25, 5, 1, 1, 1, 1, 9, 10};
    for (const char sep : {'.', ','}) {
        SCOPED_TRACE(sep);
        const TekstoviUnosa t = PodrazumevaniTekstovi(sep);
        Posmatrac p;
        EXPECT_TRUE(ProveraTipa(t, sep, p.prikazi(), p.obrisi()));
        EXPECT_TRUE(ProveraVrednosti(t, 2, sep, p.obrisi()));
        EXPECT_EQ(Brojevi(ZapisIzTekstova(t, sep)), ocekivano);
        EXPECT_FALSE(ProveraTipa(t, sep == '.' ? ',' : '.', p.prikazi(), p.obrisi()));
    }
    const TekstoviUnosa zarez = PodrazumevaniTekstovi(',');
    EXPECT_EQ(zarez.P[0], "206,0");
    EXPECT_EQ(zarez.ProizvoljnoX, "1,25");
    EXPECT_EQ(zarez.Raspon, "9,0");
    EXPECT_EQ(zarez.BrojPreseka, "10");
}

struct SlucajVrednosti {
    const char* opis;
    int n;
    std::vector<const char*> sile;
    std::vector<const char*> razmaci;
    const char* raspon;
    const char* x;
    bool vazi;
};

std::ostream& operator<<(std::ostream& os, const SlucajVrednosti& s) { return os << s.opis; }

class ProveraVrednostiTest : public testing::TestWithParam<SlucajVrednosti> {};

TEST_P(ProveraVrednostiTest, AcceptsOrRefuses) {
    const SlucajVrednosti& s = GetParam();
    TekstoviUnosa t = PodrazumevaniTekstovi('.');
    for (std::size_t i = 0; i < s.sile.size(); ++i) t.P[i] = s.sile[i];
    for (std::size_t i = 0; i < s.razmaci.size(); ++i) t.Rastojanje[i] = s.razmaci[i];
    t.Raspon = s.raspon;
    t.ProizvoljnoX = s.x;
    Posmatrac p;
    EXPECT_EQ(ProveraVrednosti(t, s.n, '.', p.obrisi()), s.vazi);
    EXPECT_EQ(p.brisanja, s.vazi ? 0 : 1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(PerForceCount, ProveraVrednostiTest, testing::Values(
    SlucajVrednosti{"one force ignores spacings", 1, {"10", "0", "-1"}, {"0", "-3"}, "4", "2", true},
    SlucajVrednosti{"one force of zero", 1, {"0"}, {}, "4", "2", false},
    SlucajVrednosti{"x on the left support", 1, {"10"}, {}, "4", "0", true},
    SlucajVrednosti{"x on the right support", 1, {"10"}, {}, "4", "4", true},
    SlucajVrednosti{"x just below zero", 1, {"10"}, {}, "4", "-1e-300", false},
    SlucajVrednosti{"x just beyond the span", 1, {"10"}, {}, "4", "4.000000000000001", false},
    SlucajVrednosti{"zero span", 1, {"10"}, {}, "0", "0", false},
    SlucajVrednosti{"negative span", 1, {"10"}, {}, "-4", "-5", false},
    SlucajVrednosti{"defaults", 2, {"206.0", "208.0"}, {"5.0"}, "9.0", "1.25", true},
    SlucajVrednosti{"two forces, zero spacing", 2, {"1", "1"}, {"0"}, "9", "1", false},
    SlucajVrednosti{"two forces, train as long as span", 2, {"1", "1"}, {"9"}, "9", "1", true},
    SlucajVrednosti{"two forces, train too long", 2, {"1", "1"}, {"9.000000000000002"}, "9", "1", false},
    SlucajVrednosti{"two forces, second force negative", 2, {"1", "-1"}, {"1"}, "9", "1", false},
    SlucajVrednosti{"three forces, unused third spacing zero", 3, {"1", "1", "1"}, {"1", "1", "0"}, "9", "1", true},
    SlucajVrednosti{"three forces, third force zero", 3, {"1", "1", "0"}, {"1", "1"}, "9", "1", false},
    SlucajVrednosti{"four forces fit", 4, {"1", "1", "1", "1"}, {"3", "3", "3"}, "9", "9", true},
    SlucajVrednosti{"four forces one too long", 4, {"1", "1", "1", "1"}, {"3", "3", "3.0000001"}, "9", "1", false},
    SlucajVrednosti{"five forces, zero fourth spacing", 5, {"1", "1", "1", "1", "1"}, {"1", "1", "1", "0"}, "9", "1", false},
    SlucajVrednosti{"six forces exactly the span", 6, {"1", "1", "1", "1", "1", "1"}, {"5", "1", "1", "1", "1"}, "9", "1", true},
    // summed in double the four tiny spacings round up past the span; in extended they do not
    SlucajVrednosti{"six forces, sum kept in extended", 6, {"1", "1", "1", "1", "1", "1"}, {"1", "1.1324274851176597e-16", "1.1324274851176597e-16", "1.1324274851176597e-16", "1.1324274851176597e-16"}, "1.0000000000000007", "1", true},
    SlucajVrednosti{"six forces, longer by any amount", 6, {"1", "1", "1", "1", "1", "1"}, {"5", "1", "1", "1", "1.0000001"}, "9", "1", false},
    SlucajVrednosti{"resultant overflows", 6, {"1e308", "1e308", "1e308", "1e308", "1e308", "1e308"}, {"1", "1", "1", "1", "1"}, "9", "1", false},
    SlucajVrednosti{"R times L overflows", 1, {"1e300"}, {}, "1e10", "1", false},
    SlucajVrednosti{"R over L overflows", 1, {"1e300"}, {}, "1e-10", "0", false},
    SlucajVrednosti{"large but finite", 2, {"1e150", "1e150"}, {"1e100"}, "1e150", "1", true},
    // below the least normal double only some digits are left
    SlucajVrednosti{"the least normal force", 1, {"2.2250738585072014e-308"}, {}, "1", "0", true},
    SlucajVrednosti{"a subnormal force", 2, {"1", "4.9e-324"}, {"5"}, "9", "1", false},
    SlucajVrednosti{"a subnormal spacing", 2, {"1", "1"}, {"1e-310"}, "9", "1", false},
    SlucajVrednosti{"a subnormal span", 1, {"1"}, {}, "1e-310", "0", false},
    SlucajVrednosti{"a subnormal x", 1, {"1"}, {}, "9", "1e-320", false},
    SlucajVrednosti{"normal values whose R times L is subnormal", 2, {"1e-300", "1e-300"}, {"1e-200"}, "9e-200", "0", false},
    SlucajVrednosti{"small values whose R times L is normal", 2, {"1e-150", "1e-150"}, {"1e-150"}, "9e-150", "0", true},
    SlucajVrednosti{"force count zero", 0, {}, {}, "9", "1", false},
    SlucajVrednosti{"force count seven", 7, {}, {}, "9", "1", false}
));
// clang-format on

// Only the train's length is let go; a train of infinite length is still
// refused.
TEST(ProveraVrednosti, ATrainLongerThanTheSpanPassesWhereTheDesignEnvelopeTakesIt) {
    TekstoviUnosa t = PodrazumevaniTekstovi('.');
    t.Rastojanje = {"1.5", "1.5", "1.5", "1.5", "1.5"};
    t.Raspon = "5";
    t.ProizvoljnoX = "1";
    Posmatrac p;
    EXPECT_FALSE(ProveraVrednosti(t, 6, '.', p.obrisi()));
    EXPECT_TRUE(ProveraVrednosti(t, 6, '.', p.obrisi(), true));
    t.ProizvoljnoX = "6";
    EXPECT_FALSE(ProveraVrednosti(t, 6, '.', p.obrisi(), true));
    t.ProizvoljnoX = "1";
    t.Rastojanje = {"1e308", "1e308", "1.5", "1.5", "1.5"};
    EXPECT_FALSE(ProveraVrednosti(t, 6, '.', p.obrisi(), true));
}

TEST(ZapisZaBrojSila, FillsTheTrainAndZerosTheRest) {
    const TPodaci z = ZapisZaBrojSila(PodrazumevaniTekstovi('.'), 2, '.');
    EXPECT_EQ(z.P1(), 206.0);
    EXPECT_EQ(z.P2(), 208.0);
    EXPECT_EQ(z.P3(), 0.0);
    EXPECT_EQ(z.P6(), 0.0);
    EXPECT_EQ(z.Rastojanje1(), 5.0);
    EXPECT_EQ(z.Rastojanje2(), 0.0);
    EXPECT_EQ(z.Raspon(), 9.0);
    EXPECT_EQ(z.ProizvoljnoX(), 1.25);
    EXPECT_EQ(z.BrojPreseka(), 0);
}

TEST(ZapisIzTekstova, ConvertsAllFieldsInOrder) {
    const TPodaci z = ZapisIzTekstova(PodrazumevaniTekstovi('.'), '.');
    EXPECT_EQ(z.P3(), 1.0);
    EXPECT_EQ(z.Rastojanje5(), 1.0);
    EXPECT_EQ(z.BrojPreseka(), 10);
}

}  // namespace

// The field the value check refuses first: what the browser edition marks.
struct SlucajPolja {
    const char* opis;
    int n;
    std::vector<const char*> sile;
    std::vector<const char*> razmaci;
    const char* raspon;
    const char* x;
    std::optional<TPoljeUnosa> polje;
};

std::ostream& operator<<(std::ostream& os, const SlucajPolja& s) { return os << s.opis; }

class OdbijenoPoljeTest : public testing::TestWithParam<SlucajPolja> {};

TEST_P(OdbijenoPoljeTest, NamesTheFirstTestThatFails) {
    const SlucajPolja& s = GetParam();
    TekstoviUnosa t = PodrazumevaniTekstovi('.');
    for (std::size_t i = 0; i < s.sile.size(); ++i) t.P[i] = s.sile[i];
    for (std::size_t i = 0; i < s.razmaci.size(); ++i) t.Rastojanje[i] = s.razmaci[i];
    t.Raspon = s.raspon;
    t.ProizvoljnoX = s.x;
    EXPECT_EQ(OdbijenoPolje(t, s.n, '.'), s.polje);
    EXPECT_EQ(ProveraVrednosti(t, s.n, '.', [] {}), !s.polje);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(PoTestovima, OdbijenoPoljeTest, testing::Values(
    SlucajPolja{"valid", 2, {"206.0", "208.0"}, {"5.0"}, "9.0", "1.25", std::nullopt},
    SlucajPolja{"third force before a bad spacing", 3, {"1", "1", "0"}, {"0", "1"}, "9", "1", TPoljeUnosa::P3},
    SlucajPolja{"second spacing", 3, {"1", "1", "1"}, {"1", "-1"}, "9", "1", TPoljeUnosa::L2},
    SlucajPolja{"span not positive before x", 1, {"1"}, {}, "0", "-1", TPoljeUnosa::Raspon},
    SlucajPolja{"x beyond the span", 1, {"1"}, {}, "4", "5", TPoljeUnosa::ProizvoljnoX},
    SlucajPolja{"train longer than the span", 2, {"1", "1"}, {"9.5"}, "9", "1", TPoljeUnosa::Raspon},
    SlucajPolja{"x below zero", 2, {"1", "1"}, {"1"}, "9", "-1", TPoljeUnosa::ProizvoljnoX},
    SlucajPolja{"resultant overflows", 2, {"1e308", "1e308"}, {"1"}, "9", "1", TPoljeUnosa::P1},
    SlucajPolja{"R over L overflows", 1, {"1e300"}, {}, "1e-10", "0", TPoljeUnosa::Raspon},
    SlucajPolja{"force count seven", 7, {}, {}, "9", "1", TPoljeUnosa::BrojSila}
));
// clang-format on
