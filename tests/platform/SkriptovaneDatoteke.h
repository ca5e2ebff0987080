// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <set>

#include "Datoteke.h"
#include "GreskaFajla.h"

/// Files held in memory for tests; a path in Greske fails with that kind
/// and its own message, and writing one in BezMemorije runs out of memory.
class TSkriptovaneDatoteke final : public TDatoteke {
public:
    QByteArray CitajBajtove(const QString& putanja) override;
    void UpisiLinije(const QString& putanja, const QStringList& linije) override;
    void UpisiBajtove(const QString& putanja, const QByteArray& bajtovi) override;

    std::map<QString, QByteArray> Sadrzaj;
    std::map<QString, EGreskaFajla::Vrsta> Greske;
    std::set<QString> BezMemorije;

private:
    void MozdaGreska(const QString& putanja) const;
};
