// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "PodaciZaProracun.h"
#include "TacnaAnvelopa.h"

/// One quantity at one section, classical beside exact.
struct TPoredjenje {
    double Klasicno = 0.0;  ///< as the report prints it
    TEkstrem Tacno;
    /// How far the classical value falls short, in percent of the exact one:
    /// 100*(exact - classical)/exact. 0 where the exact value is 0 or the two
    /// differ only by rounding; negative where the classical is on the safe side.
    double ManjakProcenat = 0.0;
};

struct TRedPoredjenja {
    double x = 0.0;
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
    std::vector<TRedPoredjenja> Redovi;  ///< x_i = i*L/n, i = 0..n
    /// The largest shortfall of each quantity, the first row of those equal
    /// up to rounding; empty where the classical value is nowhere short.
    std::optional<TNajveciManjak> ExtM;
    std::optional<TNajveciManjak> MaxT;
    std::optional<TNajveciManjak> MinT;
};

/// Tabulates the classical calculator against the exact envelope.
class TPoredjenjeAnvelopa {
public:
    /// The table for the train P1..Pn, L1..L(n-1) of the record at the
    /// report's brojPreseka + 1 sections; the classical values are those of
    /// P1..Pn whatever smer says. No rows for brojPreseka < 1.
    static TTabelaPoredjenja Tabela(const TPodaci& podaci, std::int32_t brojSila,
                                    std::int32_t brojPreseka, TSmerVoza smer);
};
