// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/// Text files in the 8-bit character set, lines ended by CR LF, and raw
/// bytes. Every call opens and closes its file; failures throw EGreskaFajla.
class TDatoteke {
public:
    virtual ~TDatoteke() = default;

    /// The beginning of a data file: its bytes up to the end of the last line
    /// the format counts, or all of them when it has fewer; what follows is
    /// never read. Anything but a regular file, and a beginning longer than
    /// the format allows, fails to open (Vrsta::Otvaranje) without waiting.
    virtual QByteArray CitajBajtove(const QString& putanja) = 0;
    /// Creates or replaces the file with the lines, each followed by CR LF.
    /// A failed write leaves the file that was there untouched.
    virtual void UpisiLinije(const QString& putanja, const QStringList& linije) = 0;
    /// Creates or replaces the file with exactly these bytes, as above.
    virtual void UpisiBajtove(const QString& putanja, const QByteArray& bajtovi) = 0;
};
