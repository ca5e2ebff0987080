// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <dirent.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

/// A folder of this test alone, removed with what it holds. Paths are
/// plain byte strings, as the system takes them.
class PrivremeniFolder {
public:
    PrivremeniFolder() {
        std::string sablon = testing::TempDir() + "lastovar-XXXXXX";
        EXPECT_NE(mkdtemp(sablon.data()), nullptr);
        fPutanja = sablon;
    }
    ~PrivremeniFolder() {
        std::error_code greska;
        std::filesystem::remove_all(fPutanja, greska);
    }
    PrivremeniFolder(const PrivremeniFolder&) = delete;
    PrivremeniFolder& operator=(const PrivremeniFolder&) = delete;

    std::string Putanja(const std::string& ime) const { return fPutanja + "/" + ime; }

    std::string Zapisi(const std::string& ime, const std::string& bajtovi) const {
        std::ofstream(Putanja(ime), std::ios::binary) << bajtovi;
        return Putanja(ime);
    }

    /// The names in the folder, exactly as the directory holds them.
    std::set<std::string> Imena() const { return ImenaU(fPutanja); }

    /// The names in the folder at `putanja`.
    static std::set<std::string> ImenaU(const std::string& putanja) {
        std::set<std::string> imena;
        if (DIR* d = opendir(putanja.c_str())) {
            while (const dirent* e = readdir(d))
                if (std::string(e->d_name) != "." && std::string(e->d_name) != "..")
                    imena.insert(e->d_name);
            closedir(d);
        }
        return imena;
    }

private:
    std::string fPutanja;
};

/// The whole content of a file, or "(nema)" when it cannot be read.
inline std::string Sadrzaj(const std::string& putanja) {
    std::ifstream ulaz(putanja, std::ios::binary);
    if (!ulaz) return "(nema)";
    return std::string(std::istreambuf_iterator<char>(ulaz), {});
}
