// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

#include <utility>

/// An open file descriptor, closed when this ends; -1 holds none.
class TDeskriptor {
public:
    explicit TDeskriptor(int fd = -1) : fFd(fd) {}
    ~TDeskriptor() {
        if (fFd >= 0) close(fFd);
    }
    TDeskriptor(TDeskriptor&& d) noexcept : fFd(std::exchange(d.fFd, -1)) {}
    TDeskriptor& operator=(TDeskriptor&& d) noexcept {
        std::swap(fFd, d.fFd);
        return *this;
    }
    TDeskriptor(const TDeskriptor&) = delete;
    TDeskriptor& operator=(const TDeskriptor&) = delete;

    int Fd() const { return fFd; }
    /// Gives the descriptor up without closing it.
    int Pusti() { return std::exchange(fFd, -1); }

private:
    int fFd;
};
