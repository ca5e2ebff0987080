// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "ProracunIzvestaja.h"
#include "Prosireno.h"
#include "TacnaAnvelopa.h"

/// One quantity at one section, classical beside exact.
struct TPoredjenje {
    Prosireno Klasicno = 0.0;  ///< the report's value, unrounded as it prints it
    TEkstrem Tacno;
    /// How far the classical value falls short, in percent of the exact one:
    /// 100*(exact - classical)/exact. 0 where the exact value is 0 or the two
    /// differ only by rounding; negative where the classical is on the safe side.
    double ManjakProcenat = 0.0;
};

struct TRedPoredjenja {
    Prosireno x = 0.0;  ///< the section as the report prints it
    TPoredjenje ExtM;
    TPoredjenje MaxT;
    TPoredjenje MinT;
};

struct TNajveciManjak {
    double Procenat = 0.0;
    std::int32_t Presek = 0;  ///< the row, i of x_i
};

/// The classical and the exact envelope at the report's sections.
struct TTabelaPoredjenja {
    std::vector<TRedPoredjenja> Redovi;  ///< the report's sections, i = 0..n
    /// The largest shortfall of each quantity, the first row of those equal
    /// up to rounding; empty where the classical value is nowhere short.
    std::optional<TNajveciManjak> ExtM;
    std::optional<TNajveciManjak> MaxT;
    std::optional<TNajveciManjak> MinT;
};

/// Tabulates the report's classical envelope against the exact one.
class TPoredjenjeAnvelopa {
public:
    /// The table at the sections of the run `proracun`, with its classical
    /// values: those of P1..Pn whatever smer says, and at a section with two
    /// extM lines the first. The exact envelope is read at the section
    /// rounded to double, a last section past L at L.
    static TTabelaPoredjenja Tabela(const TProracunIzvestaja& proracun, TSmerVoza smer);
};
