// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/resource.h>

#include <csignal>

// A file size limit cuts every write at that many bytes, for root too; the
// signal it would raise is ignored, so the write fails instead.
class OgranicenaVelicina {
public:
    explicit OgranicenaVelicina(rlim_t bajtova) : fSignal(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &fStara);
        rlimit nova = fStara;
        nova.rlim_cur = bajtova;
        setrlimit(RLIMIT_FSIZE, &nova);
    }
    ~OgranicenaVelicina() {
        setrlimit(RLIMIT_FSIZE, &fStara);
        std::signal(SIGXFSZ, fSignal);
    }
    OgranicenaVelicina(const OgranicenaVelicina&) = delete;
    OgranicenaVelicina& operator=(const OgranicenaVelicina&) = delete;

private:
    rlimit fStara{};
    void (*fSignal)(int);
};
