// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

/// A failure of the printing service, worded for the user.
class EGreskaStampe : public std::runtime_error {
public:
    explicit EGreskaStampe(const std::string& poruka) : std::runtime_error(poruka) {}
};

inline constexpr const char* kNemaStampaca = "Nije izabran podrazumevani stampac.";
