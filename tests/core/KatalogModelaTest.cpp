// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>

#include "KatalogModela.h"

namespace fs = std::filesystem;

namespace {

class Katalog_ : public testing::Test {
protected:
    void SetUp() override {
        koren = fs::temp_directory_path() /
                ("lastovar-katalog-" +
                 std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(koren);
        fs::create_directories(koren / "ugradjeni");
        fs::create_directories(koren / "svoji");
    }
    void TearDown() override { fs::remove_all(koren); }
    void Upisi(const fs::path& p, const std::string& s) { std::ofstream(p, std::ios::binary) << s; }
    fs::path koren;
};

TEST_F(Katalog_, ListsBuiltInThenTheUsersWithTheDamagedOnesAndTheirReason) {
    Upisi(koren / "ugradjeni" / "b.model", "naziv=Drugi\nsile=2\n");
    Upisi(koren / "ugradjeni" / "a.model", "naziv=Prvi\nsile=1\n");
    Upisi(koren / "ugradjeni" / "beleska.txt", "nije model");
    Upisi(koren / "svoji" / "moj.model", "naziv=Moj\nsile=3 3\nrazmaci=1\n");
    Upisi(koren / "svoji" / "pokvaren.model", "naziv=X\nsile=1 2 3\n");
    fs::create_directory(koren / "svoji" / "folder.model");

    const auto k = Katalog(koren / "ugradjeni", koren / "svoji");
    ASSERT_EQ(k.size(), 5u);
    EXPECT_EQ(k[0].Oznaka, "a");
    EXPECT_EQ(k[1].Oznaka, "b");
    EXPECT_FALSE(k[1].Korisnicki);
    EXPECT_EQ(k[2].Oznaka, "folder");
    EXPECT_EQ(k[2].Greska, "nije obicna datoteka");
    EXPECT_EQ(k[3].Model->Naziv, "Moj");
    EXPECT_TRUE(k[3].Korisnicki);
    EXPECT_FALSE(k[4].Model);
    EXPECT_NE(k[4].Greska.find("razmaka mora biti 2"), std::string::npos) << k[4].Greska;

    EXPECT_EQ(NadjiModel(k, "Drugi"), &k[1]);
    EXPECT_EQ(NadjiModel(k, "moj"), &k[3]);
    EXPECT_EQ(NadjiModel(k, "pokvaren"), nullptr);
    EXPECT_EQ(NadjiModel(k, "nema"), nullptr);
}

TEST_F(Katalog_, AMissingFolderIsEmptyAndTheBuildTreeIsFound) {
    EXPECT_TRUE(Katalog(koren / "nema", {}).empty());
    fs::create_directories(koren / "assets" / "modeli");
    fs::create_directories(koren / "bin");
    EXPECT_EQ(FolderUgradjenih(koren / "bin"), (koren / "assets" / "modeli").lexically_normal());
    fs::create_directories(koren / "share" / "lastovar" / "modeli");
    EXPECT_EQ(FolderUgradjenih(koren / "bin"),
              (koren / "share" / "lastovar" / "modeli").lexically_normal());
}

TEST(FolderKorisnika, FollowsTheBaseDirectoryRules) {
    EXPECT_EQ(FolderKorisnika("/x", "/home/a"), fs::path("/x/lastovar/modeli"));
    EXPECT_EQ(FolderKorisnika(nullptr, "/home/a"),
              fs::path("/home/a/.local/share/lastovar/modeli"));
    EXPECT_EQ(FolderKorisnika("relativno", "/home/a"),
              fs::path("/home/a/.local/share/lastovar/modeli"));
    EXPECT_EQ(FolderKorisnika(nullptr, nullptr), fs::path());
}

TEST(OznakaModela, KeepsLettersAndDigits) {
    EXPECT_EQ(OznakaModela("Moj kamion, 3 osovine"), "moj-kamion-3-osovine");
    EXPECT_EQ(OznakaModela("../../etc/passwd"), "etc-passwd");
    EXPECT_EQ(OznakaModela("***"), "model");
}

}  // namespace
