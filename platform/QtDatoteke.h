// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Datoteke.h"

/// Files on the disk, through the bounded reader and the all-or-nothing
/// save that the command line uses too. Paths go to the system as
/// QFile::encodeName gives them; texts are one byte per character
/// (Latin-1), so every byte of a file reads and writes back unchanged.
class TQtDatoteke final : public TDatoteke {
public:
    QByteArray CitajBajtove(const QString& putanja) override;
    void UpisiLinije(const QString& putanja, const QStringList& linije) override;
    void UpisiBajtove(const QString& putanja, const QByteArray& bajtovi) override;
};
