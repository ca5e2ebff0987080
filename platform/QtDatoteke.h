// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Datoteke.h"

/// Files through QFile for reading and QSaveFile for writing; one byte per
/// character (Latin-1), so every byte of a file reads and writes back unchanged.
class TQtDatoteke final : public TDatoteke {
public:
    QStringList CitajLinije(const QString& putanja) override;
    QByteArray CitajBajtove(const QString& putanja) override;
    void UpisiLinije(const QString& putanja, const QStringList& linije) override;
    void UpisiBajtove(const QString& putanja, const QByteArray& bajtovi) override;
};
