// SPDX-License-Identifier: GPL-3.0-or-later
// The application's files name each other without a circle: a unit (X.h with
// X.cpp) may include what it uses only where that does not include it back,
// directly or through others. The windows reach each other through signals
// wired in Aplikacija.cpp and through small interfaces instead.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

using Graf = std::map<std::string, std::set<std::string>>;

// Unit -> the app units its header and source include.
Graf Zavisnosti(const fs::path& folder) {
    std::set<std::string> jedinice;
    for (const auto& f : fs::directory_iterator(folder))
        if (f.path().extension() == ".h" || f.path().extension() == ".cpp")
            jedinice.insert(f.path().stem().string());
    const std::regex ukljucenje(R"(^\s*#\s*include\s*"([^"/]+)\.h")");
    Graf g;
    for (const auto& f : fs::directory_iterator(folder)) {
        if (f.path().extension() != ".h" && f.path().extension() != ".cpp") continue;
        const std::string ja = f.path().stem().string();
        g[ja];
        std::ifstream ulaz(f.path());
        std::smatch m;
        for (std::string red; std::getline(ulaz, red);)
            if (std::regex_search(red, m, ukljucenje) && m[1] != ja && jedinice.count(m[1]))
                g[ja].insert(m[1]);
    }
    return g;
}

// A circle of units as "A -> B -> A", or empty when there is none.
std::string Krug(const Graf& g) {
    enum class Stanje { Neposecen, NaPutu, Gotov };
    std::map<std::string, Stanje> stanje;
    std::vector<std::string> put;
    std::string krug;
    std::function<bool(const std::string&)> poseti = [&](const std::string& u) {
        stanje[u] = Stanje::NaPutu;
        put.push_back(u);
        for (const std::string& v : g.at(u)) {
            if (stanje[v] == Stanje::NaPutu) {
                for (auto i = std::find(put.begin(), put.end(), v); i != put.end(); ++i)
                    krug += *i + " -> ";
                krug += v;
                return true;
            }
            if (stanje[v] == Stanje::Neposecen && poseti(v)) return true;
        }
        put.pop_back();
        stanje[u] = Stanje::Gotov;
        return false;
    };
    for (const auto& [u, _] : g)
        if (stanje[u] == Stanje::Neposecen && poseti(u)) break;
    return krug;
}

TEST(Zavisnosti, TheCheckFindsACircle) {
    const Graf g = {{"A", {"B"}}, {"B", {"C"}}, {"C", {"A"}}, {"D", {"A"}}};
    EXPECT_EQ(Krug(g), "A -> B -> C -> A");
    EXPECT_EQ(Krug({{"A", {"B"}}, {"B", {}}, {"C", {"A", "B"}}}), "");
}

TEST(Zavisnosti, AppFilesIncludeEachOtherWithoutACircle) {
    const Graf g = Zavisnosti(LASTOVAR_APLIKACIJA);
    ASSERT_TRUE(g.count("GlavniObrazac") && g.count("PodaciObrazac"));
    EXPECT_TRUE(g.at("PodaciObrazac").count("GlavniObrazac"));
    EXPECT_EQ(Krug(g), "");
}

}  // namespace
