// SPDX-License-Identifier: GPL-3.0-or-later
#include "PokretanjeCli.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

extern char** environ;

namespace {

// Removes the temporary files when the tests end.
class Pospremanje : public testing::Environment {
public:
    static std::vector<std::string>& Datoteke() {
        static std::vector<std::string> datoteke;
        return datoteke;
    }
    void TearDown() override {
        for (const std::string& d : Datoteke()) std::remove(d.c_str());
    }
};

const auto* const kPospremanje = testing::AddGlobalTestEnvironment(new Pospremanje);

}  // namespace

std::string Procitaj(const std::string& putanja) {
    std::ifstream ulaz(putanja, std::ios::binary);
    std::ostringstream s;
    s << ulaz.rdbuf();
    return s.str();
}

// A file of this process only: ctest runs the tests side by side.
std::string Privremena(const std::string& ime) {
    std::string putanja =
        testing::TempDir() + "lastovar-cli-" + std::to_string(getpid()) + "-" + ime;
    Pospremanje::Datoteke().push_back(putanja);
    return putanja;
}

std::string Zapisi(const std::string& ime, const std::string& bajtovi) {
    const std::string putanja = Privremena(ime);
    std::ofstream(putanja, std::ios::binary) << bajtovi;
    return putanja;
}

// Runs lastovar-cli under the locale `lokal`, with the rest of the
// environment (the sanitizers' options among it) passed on.
Ishod Pokreni(const std::vector<std::string>& argumenti, const std::string& lokal) {
    std::vector<std::string> okruzenje;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "LC_", 3) != 0 && std::strncmp(*e, "LANG", 4) != 0)
            okruzenje.emplace_back(*e);
    okruzenje.push_back("LC_ALL=" + lokal);
    std::vector<char*> env;
    for (std::string& s : okruzenje) env.push_back(s.data());
    env.push_back(nullptr);

    std::vector<std::string> arg{LASTOVAR_CLI};
    arg.insert(arg.end(), argumenti.begin(), argumenti.end());
    std::vector<char*> argv;
    for (std::string& s : arg) argv.push_back(s.data());
    argv.push_back(nullptr);

    const std::string izlaz = Privremena("izlaz");
    const std::string greske = Privremena("greske");
    posix_spawn_file_actions_t akcije;
    posix_spawn_file_actions_init(&akcije);
    posix_spawn_file_actions_addopen(&akcije, 1, izlaz.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&akcije, 2, greske.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    pid_t pid = 0;
    const int greska = posix_spawn(&pid, argv[0], &akcije, nullptr, argv.data(), env.data());
    posix_spawn_file_actions_destroy(&akcije);
    if (greska != 0) return {-1, "", std::strerror(greska)};
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Procitaj(izlaz), Procitaj(greske)};
}
