// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <vector>

#include "GreskaFajla.h"
#include "PrijavaGreske.h"
#include "SkriptovanePoruke.h"

namespace {

struct SlucajPrijave {
    const char* opis;
    std::function<void()> komanda;
    const char* prikazano;
};

void PrintTo(const SlucajPrijave& s, std::ostream* os) { *os << s.opis; }

class PrijavaGreske : public testing::TestWithParam<SlucajPrijave> {};

// A message written for the user is shown as it is; the library's own
// exceptions, which name only their type or its insides, never are.
TEST_P(PrijavaGreske, ShowsOneErrorBoxInWordsForTheUser) {
    TSkriptovanePoruke poruke;
    IzvrsiKomandu(poruke, GetParam().komanda);
    ASSERT_EQ(poruke.Prikazano.size(), 1u);
    EXPECT_EQ(poruke.Prikazano[0].vrsta, TSkriptovanePoruke::Vrsta::Greska);
    EXPECT_EQ(poruke.Prikazano[0].tekst, QString::fromUtf8(GetParam().prikazano));
}

constexpr const char* kMemorija = "Komanda nije izvrsena: nema dovoljno memorije.";
constexpr const char* kUnutrasnja = "Komanda nije izvrsena zbog unutrasnje greske programa.";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, PrijavaGreske, testing::Values(
    SlucajPrijave{"a failure with its own message", [] { throw std::runtime_error("crtanje nije uspelo"); }, "crtanje nije uspelo"},
    SlucajPrijave{"the file layer's failure", [] { throw EGreskaFajla(EGreskaFajla::Vrsta::Pisanje, "Greska pri upisu u datoteku", "/a.txt", "No space left on device"); }, "Greska pri upisu u datoteku \"/a.txt\": No space left on device"},
    SlucajPrijave{"memory that ran out", [] { throw std::bad_alloc(); }, kMemorija},
    SlucajPrijave{"an array too long to have", [] { std::vector<int> v; v.reserve(v.max_size() + 1); }, kUnutrasnja},
    SlucajPrijave{"an index out of range", [] { (void)std::vector<int>{}.at(3); }, kUnutrasnja},
    SlucajPrijave{"something that is no exception", [] { throw 7; }, kUnutrasnja}
));
// clang-format on

TEST(PrijavaGreske, NothingIsShownWhenTheCommandSucceeds) {
    TSkriptovanePoruke poruke;
    IzvrsiKomandu(poruke, [] {});
    EXPECT_TRUE(poruke.Prikazano.empty());
}

}  // namespace
