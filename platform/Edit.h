// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

/// A single-line edit whose length limit binds typing only: an edit by the
/// user that would make the text longer than the limit is refused, while
/// text set from code is kept whole (and can still be shortened by hand).
/// QLineEdit::setMaxLength would cut the text set from code too.
class TEdit : public QLineEdit {
public:
    explicit TEdit(QWidget* roditelj = nullptr);

    void PostaviNajvecuDuzinu(int znakova) { fNajvecaDuzina = znakova; }
    int NajvecaDuzina() const { return fNajvecaDuzina; }

private:
    void PosleIzmene(const QString& novi);

    int fNajvecaDuzina = 0;  // 0: no limit
    QString fPrethodni;
    int fPrethodniKursor = 0;
};
