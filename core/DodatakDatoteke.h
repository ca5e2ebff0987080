// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The block a .Lastovar file may hold after its fifteen lines: one marker
// line, then one `key=value` line for each setting beyond the load case
// (the design actions among them), each ended by CR LF. Readers of the
// fifteen lines never look past them, so a file with a block opens in them
// as before. A file whose sixteenth line is not the marker has no block.
//
// A block is read whole or refused whole: a line that is no `key=value`, a
// key given twice, or more lines than kNajviseKljuceva fail with a message
// naming the line; empty lines are allowed. Keys this version does not know are kept in order, so a
// file saved again keeps them.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "DatotekaLastovar.h"
#include "ProracunskaDejstva.h"

inline constexpr std::string_view kOznakaDodatka = "[Lastovar dodatak]";
inline constexpr std::size_t kNajviseKljuceva = 64;
/// The lines a reader takes after the marker to see the block whole: the
/// keys and one more, which tells a block that is too long.
inline constexpr std::size_t kLinijaDodatka = kNajviseKljuceva + 1;

/// A block that cannot be read; what() names the line and says why.
class EGreskaDodatka : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The block's keys and values in the file's order.
struct TDodatak {
    std::vector<std::pair<std::string, std::string>> Kljucevi;

    bool operator==(const TDodatak&) const = default;
    /// The value of `kljuc`, or none.
    const std::string* Vrednost(std::string_view kljuc) const;
    /// Sets `kljuc`, in its place when it is there, at the end otherwise.
    void Postavi(std::string_view kljuc, std::string vrednost);
    void Ukloni(std::string_view kljuc);
};

/// The block of the file `bajtovi` (lines ending at LF, a CR before it
/// dropped); empty when there is none. Throws EGreskaDodatka.
TDodatak ProcitajDodatak(std::string_view bajtovi);

/// The marker and the lines, each followed by CR LF; nothing for a block
/// without keys. Written after ZapisiDatoteku's fifteen lines.
std::string ZapisiDodatak(const TDodatak& dodatak);

/// The design actions the block holds; start values for those it does not.
/// A value that is not one the key takes, or actions DejstvaVaze refuses,
/// throw EGreskaDodatka naming them. Numbers are read with a point or a
/// comma.
TProracunskaDejstva DejstvaIzDodatka(const TDodatak& dodatak);

/// The block with the design actions: all their keys while any action is
/// off its start value, none of them otherwise; other keys stay.
void UpisiDejstva(TDodatak& dodatak, const TProracunskaDejstva& dejstva);
