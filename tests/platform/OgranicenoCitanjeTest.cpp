// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <string>

#include "DatotekaLastovar.h"
#include "GreskaFajla.h"
#include "OgranicenoCitanje.h"
#include "PrivremeniFolder.h"

namespace {

using Folder = PrivremeniFolder;

struct SlucajCitanja {
    const char* opis;
    std::string bajtovi;
    std::string ocekivano;  // what is read; empty with a reason: refused
    const char* razlog;     // the refusal's reason, or nullptr
};

void PrintTo(const SlucajCitanja& s, std::ostream* os) { *os << s.opis; }

class CitanjePocetka : public testing::TestWithParam<SlucajCitanja> {};

// Three lines within ten bytes, so that every bound is in plain sight.
TEST_P(CitanjePocetka, StopsAtTheLastLineOrRefusesBeyondTheBound) {
    const SlucajCitanja& s = GetParam();
    const Folder folder;
    const std::string putanja = folder.Zapisi("d.Lastovar", s.bajtovi);
    if (!s.razlog) {
        EXPECT_EQ(ProcitajPocetak(putanja, 3, 10), s.ocekivano);
        return;
    }
    try {
        ProcitajPocetak(putanja, 3, 10);
        FAIL() << "read";
    } catch (const EGreskaFajla& e) {
        EXPECT_EQ(e.vrsta(), EGreskaFajla::Vrsta::Otvaranje);
        EXPECT_EQ(e.putanja(), putanja);
        EXPECT_EQ(e.razlog(), s.razlog);
    }
}

constexpr const char* kPreko = "prvih 3 linija zauzima vise od 10 bajtova";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, CitanjePocetka, testing::Values(
    SlucajCitanja{"three lines and more", "a\r\nb\nc\r\nd\r\n", "a\r\nb\nc\r\n", nullptr},
    SlucajCitanja{"fewer lines, the last unended", "a\r\nb", "a\r\nb", nullptr},
    SlucajCitanja{"empty", "", "", nullptr},
    SlucajCitanja{"three lines of exactly ten bytes", "1234\n12\n1\n", "1234\n12\n1\n", nullptr},
    SlucajCitanja{"ten bytes and no third line", "1234567\n1\n", "1234567\n1\n", nullptr},
    SlucajCitanja{"the third line ends at the eleventh byte", "1234\n123\n1\n", "", kPreko},
    SlucajCitanja{"eleven bytes and no third line", "12345678\n1\n", "", kPreko},
    SlucajCitanja{"one line longer than the bound", std::string(100000, 'x') + "\n", "", kPreko},
    SlucajCitanja{"a huge file beyond its third line", "1\n2\n3\n" + std::string(300000, '9'), "1\n2\n3\n", nullptr}
));
// clang-format on

class CitanjeNastavka : public testing::TestWithParam<SlucajCitanja> {};

// Three lines within thirty bytes, then, where the line "[d]" follows them,
// it and two lines more; anything else after them is never read.
TEST_P(CitanjeNastavka, ReadsTheMarkedLinesOnlyWithinTheBound) {
    const SlucajCitanja& s = GetParam();
    const Folder folder;
    const std::string putanja = folder.Zapisi("d.Lastovar", s.bajtovi);
    const TNastavakCitanja nastavak{"[d]", 2};
    if (!s.razlog) {
        EXPECT_EQ(ProcitajPocetak(putanja, 3, 30, nastavak), s.ocekivano);
        return;
    }
    try {
        ProcitajPocetak(putanja, 3, 30, nastavak);
        FAIL() << "read";
    } catch (const EGreskaFajla& e) {
        EXPECT_EQ(e.razlog(), s.razlog);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, CitanjeNastavka, testing::Values(
    SlucajCitanja{"the marker and more lines", "a\nb\nc\n[d]\nk=1\nk=2\nk=3\n", "a\nb\nc\n[d]\nk=1\nk=2\n", nullptr},
    SlucajCitanja{"the marker with CR LF and fewer lines", "a\nb\nc\n[d]\r\nk=1", "a\nb\nc\n[d]\r\nk=1", nullptr},
    SlucajCitanja{"the marker at the very end", "a\nb\nc\n[d]", "a\nb\nc\n[d]", nullptr},
    SlucajCitanja{"a longer line than the marker", "a\nb\nc\n[dx]\nk=1\n", "a\nb\nc\n", nullptr},
    SlucajCitanja{"part of the marker at the end", "a\nb\nc\n[", "a\nb\nc\n", nullptr},
    SlucajCitanja{"a huge file after the lines", "a\nb\nc\n" + std::string(300000, '9'), "a\nb\nc\n", nullptr},
    SlucajCitanja{"marked lines beyond the bound", "a\nb\nc\n[d]\n" + std::string(40, 'x') + "\n", "", "prvih 6 linija zauzima vise od 30 bajtova"},
    SlucajCitanja{"the first lines beyond the bound", std::string(40, 'x') + "\nb\nc\n[d]\n", "", "prvih 3 linija zauzima vise od 30 bajtova"}
));
// clang-format on

struct SlucajPosebne {
    const char* opis;
    std::function<std::string(const Folder&)> napravi;  // the path to read
    const char* razlog;
};

void PrintTo(const SlucajPosebne& s, std::ostream* os) { *os << s.opis; }

class PosebnaDatoteka : public testing::TestWithParam<SlucajPosebne> {};

// Refused at once: a FIFO without a writer would hold a plain open for
// ever, a device would give bytes without end.
TEST_P(PosebnaDatoteka, IsRefusedWithoutWaiting) {
    const Folder folder;
    const std::string putanja = GetParam().napravi(folder);
    try {
        ProcitajPocetak(putanja, kBrojLinijaDatoteke, kNajviseBajtovaDatoteke);
        FAIL() << "read";
    } catch (const EGreskaFajla& e) {
        EXPECT_EQ(e.vrsta(), EGreskaFajla::Vrsta::Otvaranje);
        EXPECT_EQ(e.razlog(), GetParam().razlog);
        EXPECT_EQ(std::string(e.what()),
                  "Datoteka ne moze da se otvori \"" + putanja + "\": " + GetParam().razlog);
    }
}

std::string Fifo(const Folder& f) {
    const std::string p = f.Putanja("cev.Lastovar");
    EXPECT_EQ(mkfifo(p.c_str(), 0600), 0) << std::strerror(errno);
    return p;
}

std::string VezaNaNule(const Folder& f) {
    const std::string p = f.Putanja("nule.Lastovar");
    EXPECT_EQ(symlink("/dev/zero", p.c_str()), 0) << std::strerror(errno);
    return p;
}

// Two gigabytes of nothing but zeros, taking no room on the disk.
std::string Retka(const Folder& f) {
    const std::string p = f.Putanja("retka.Lastovar");
    const int fd = open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    EXPECT_EQ(ftruncate(fd, 2LL << 30), 0) << std::strerror(errno);
    close(fd);
    return p;
}

std::string DveDugeLinije(const Folder& f) {
    const std::string linija = std::string(600000, '1') + "\r\n";
    return f.Zapisi("duge.Lastovar", linija + linija);
}

const std::string kPrekoGranice = "prvih 15 linija zauzima vise od 1048576 bajtova";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, PosebnaDatoteka, testing::Values(
    SlucajPosebne{"a FIFO", Fifo, "nije obicna datoteka nego imenovana cev (FIFO)"},
    SlucajPosebne{"a directory", [](const Folder& f) { return f.Putanja(""); }, "nije obicna datoteka nego direktorijum"},
    SlucajPosebne{"/dev/zero", [](const Folder&) { return std::string("/dev/zero"); }, "nije obicna datoteka nego uredjaj"},
    SlucajPosebne{"a link to /dev/zero", VezaNaNule, "nije obicna datoteka nego uredjaj"},
    SlucajPosebne{"a missing file", [](const Folder& f) { return f.Putanja("nema.Lastovar"); }, std::strerror(ENOENT)},
    SlucajPosebne{"a 2 GB sparse file", Retka, kPrekoGranice.c_str()},
    SlucajPosebne{"two lines of 600000 digits", DveDugeLinije, kPrekoGranice.c_str()}
));
// clang-format on

TEST(CitanjePocetka, ALineOfAMillionDigitsIsRead) {
    const Folder folder;
    const std::string linija = "0." + std::string(1000000, '0') + "1e10000000\r\n";
    const std::string putanja = folder.Zapisi("dug.Lastovar", linija + "1\r\n");
    EXPECT_EQ(ProcitajPocetak(putanja, kBrojLinijaDatoteke, kNajviseBajtovaDatoteke),
              linija + "1\r\n");
}

// Standard input may be a pipe; it is read as it is, within the same bound.
TEST(CitanjePocetka, AnOpenPipeIsReadWithinTheBound) {
    int cev[2];
    ASSERT_EQ(pipe(cev), 0);
    const std::string bajtovi = "1\n2\n3\n4\n";
    ASSERT_EQ(write(cev[1], bajtovi.data(), bajtovi.size()), ssize_t(bajtovi.size()));
    close(cev[1]);
    EXPECT_EQ(ProcitajPocetak(cev[0], "-", 3, 10), "1\n2\n3\n");
    close(cev[0]);

    ASSERT_EQ(pipe(cev), 0);
    ASSERT_EQ(write(cev[1], "12345678901", 11), 11);
    try {
        ProcitajPocetak(cev[0], "-", 3, 10);
        ADD_FAILURE() << "read";
    } catch (const EGreskaFajla& e) {
        EXPECT_EQ(e.putanja(), "-");
        EXPECT_EQ(e.razlog(), kPreko);
    }
    close(cev[0]);
    close(cev[1]);
}

TEST(CitanjePocetka, AFailingReadIsAReadingFailure) {
    // A descriptor open only for writing cannot be read: EBADF.
    const Folder folder;
    const int fd = open(folder.Zapisi("d", "x").c_str(), O_WRONLY);
    try {
        ProcitajPocetak(fd, "d", 3, 10);
        ADD_FAILURE() << "read";
    } catch (const EGreskaFajla& e) {
        EXPECT_EQ(e.vrsta(), EGreskaFajla::Vrsta::Citanje);
        EXPECT_EQ(e.razlog(), std::strerror(EBADF));
    }
    close(fd);
}

}  // namespace
