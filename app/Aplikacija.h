// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "Usluge.h"

class TGlavniO;

/// The five windows of one run, created in their order and reached through
/// their global instances until this object ends.
class TAplikacija {
public:
    explicit TAplikacija(const TUsluge& usluge);
    ~TAplikacija();
    TAplikacija(const TAplikacija&) = delete;
    TAplikacija& operator=(const TAplikacija&) = delete;

    /// Shows the frame maximised, the focus in the first force's field.
    void Prikazi();

private:
    std::unique_ptr<TGlavniO> fGlavni;
};
