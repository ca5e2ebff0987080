// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "KomandnaLinija.h"
#include "PokretanjeCli.h"

namespace {

struct SlucajEkrana {
    const char* ime;
    std::map<std::string, std::string> okruzenje;
    std::vector<const char*> argumenti;
    bool ima;
};

void PrintTo(const SlucajEkrana& s, std::ostream* os) { *os << s.ime; }

class Ekran : public testing::TestWithParam<SlucajEkrana> {};

TEST_P(Ekran, IsThereWhenNamedOrWhenThePlatformNeedsNone) {
    const SlucajEkrana& s = GetParam();
    std::vector<const char*> argv{"lastovar"};
    argv.insert(argv.end(), s.argumenti.begin(), s.argumenti.end());
    const auto promenljiva = [&s](const char* ime) -> const char* {
        const auto i = s.okruzenje.find(ime);
        return i == s.okruzenje.end() ? nullptr : i->second.c_str();
    };
    EXPECT_EQ(ImaEkrana(int(argv.size()), argv.data(), promenljiva), s.ima);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Okruzenja, Ekran, testing::Values(
    SlucajEkrana{"Nothing", {}, {}, false},
    SlucajEkrana{"X", {{"DISPLAY", ":1"}}, {}, true},
    SlucajEkrana{"Wayland", {{"WAYLAND_DISPLAY", "wayland-0"}}, {}, true},
    SlucajEkrana{"EmptyDisplay", {{"DISPLAY", ""}}, {}, false},
    SlucajEkrana{"Offscreen", {{"QT_QPA_PLATFORM", "offscreen"}}, {}, true},
    SlucajEkrana{"VncWithOptions", {{"QT_QPA_PLATFORM", "vnc:size=800x600"}}, {}, true},
    SlucajEkrana{"XcbWithoutX", {{"QT_QPA_PLATFORM", "xcb"}}, {}, false},
    SlucajEkrana{"WaylandThenXcb", {{"QT_QPA_PLATFORM", "wayland;xcb"}}, {}, false},
    SlucajEkrana{"EmptyPlatform", {{"QT_QPA_PLATFORM", ""}}, {}, false},
    SlucajEkrana{"PlatformOption", {}, {"-platform", "offscreen"}, true},
    SlucajEkrana{"OptionBeforeTheVariable", {{"QT_QPA_PLATFORM", "xcb"}}, {"--platform", "minimal"}, true},
    SlucajEkrana{"OptionAskingForX", {{"QT_QPA_PLATFORM", "offscreen"}}, {"-platform", "xcb"}, false},
    SlucajEkrana{"OptionWithoutItsName", {}, {"-platform"}, false}
), [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

struct SlucajArgumenata {
    const char* ime;
    QStringList argumenti;  // after the program's name
    QString datoteka;       // absolute; empty: none
    const char* greska;     // without the hint; nullptr: none
};

void PrintTo(const SlucajArgumenata& s, std::ostream* os) { *os << s.ime; }

class Argumenti : public testing::TestWithParam<SlucajArgumenata> {};

TEST_P(Argumenti, NameOneDataFileAtMost) {
    const SlucajArgumenata& s = GetParam();
    const TArgumenti a = ProcitajArgumente(QStringList{"lastovar"} + s.argumenti);
    EXPECT_EQ(a.datoteka.value_or(QString()), s.datoteka);
    EXPECT_EQ(a.greska, s.greska ? QString::fromLatin1(s.greska) +
                                       QStringLiteral(" (lastovar --help daje uputstvo)")
                                 : QString());
}

const QString kTekuci = QDir::currentPath();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Linije, Argumenti, testing::Values(
    SlucajArgumenata{"None", {}, "", nullptr},
    SlucajArgumenata{"AbsolutePath", {"/podaci/most.Lastovar"}, "/podaci/most.Lastovar", nullptr},
    SlucajArgumenata{"RelativePath", {"most.Lastovar"}, kTekuci + "/most.Lastovar", nullptr},
    SlucajArgumenata{"AfterTheEndOfOptions", {"--", "-most.Lastovar"}, kTekuci + "/-most.Lastovar", nullptr},
    SlucajArgumenata{"LoneDashIsAName", {"-"}, kTekuci + "/-", nullptr},
    SlucajArgumenata{"UnknownOption", {"--stampaj"}, "", "lastovar: nepoznata opcija --stampaj"},
    SlucajArgumenata{"TwoFiles", {"a.Lastovar", "b.Lastovar"}, "", "lastovar: zadaje se najvise jedna datoteka podataka"}
), [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

struct PozivBezProzora {
    const char* ime;
    std::vector<std::string> argumenti;
    int kod;
    std::string izlaz;
    bool samoPocetak;  // izlaz is where the output starts
    const char* greske;
};

void PrintTo(const PozivBezProzora& p, std::ostream* os) { *os << p.ime; }

class BezProzora : public testing::TestWithParam<PozivBezProzora> {};

// The program itself, on a machine without a display: it answers and ends,
// neither starting Qt nor aborting in it.
TEST_P(BezProzora, AnswersAndEnds) {
    const PozivBezProzora& p = GetParam();
    Okolnosti o;
    o.program = LASTOVAR_PROGRAM;
    o.bez = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
    const Ishod i = Pokreni(p.argumenti, o);
    EXPECT_EQ(i.kod, p.kod);
    EXPECT_EQ(p.samoPocetak ? i.izlaz.substr(0, p.izlaz.size()) : i.izlaz, p.izlaz);
    EXPECT_EQ(i.greske, p.greske);
}

const std::string kVerzija = std::string("lastovar ") + LASTOVAR_VERZIJA + "\n";
constexpr const char* kBezEkrana =
    "lastovar: nema ekrana za prozore programa (nije zadat ni DISPLAY ni WAYLAND_DISPLAY); "
    "proracun bez prozora daje lastovar-cli\n";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Pozivi, BezProzora, testing::Values(
    PozivBezProzora{"Help", {"--help"}, 0, kVerzija + "\nUpotreba: lastovar [DATOTEKA.Lastovar]\n", true, ""},
    PozivBezProzora{"ShortHelpAfterAFile", {"most.Lastovar", "-h"}, 0, kVerzija + "\nUpotreba:", true, ""},
    PozivBezProzora{"Version", {"--version"}, 0, kVerzija, false, ""},
    PozivBezProzora{"NoDisplay", {}, 1, "", false, kBezEkrana},
    PozivBezProzora{"HelpAfterTheEndOfOptionsIsAFile", {"--", "--help"}, 1, "", false, kBezEkrana}
), [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

// A wrong command line is told before any window shows, here on Qt's
// platform without a display.
TEST(KomandnaLinija, AWrongOneEndsWithItsMessage) {
    Okolnosti o;
    o.program = LASTOVAR_PROGRAM;
    o.bez = {"DISPLAY", "WAYLAND_DISPLAY"};
    const Ishod i = Pokreni({"-platform", "offscreen", "a.Lastovar", "--stampaj"}, o);
    EXPECT_EQ(i.kod, kIzlazPogresnaUpotreba);
    EXPECT_EQ(i.izlaz, "");
    // The last line: Qt may say something of its own set-up first (a
    // missing runtime folder).
    const std::string poslednja = i.greske.substr(i.greske.rfind('\n', i.greske.size() - 2) + 1);
    EXPECT_EQ(poslednja, "lastovar: nepoznata opcija --stampaj (lastovar --help daje uputstvo)\n");
}

}  // namespace
