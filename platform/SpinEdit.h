// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSpinBox>

/// A spin edit that cannot be typed into: its value changes through the up
/// and down buttons and the arrow keys, one step at a time, and stops at
/// the ends of its range. Values set from code are clamped into the range.
class TSpinEdit : public QSpinBox {
public:
    explicit TSpinEdit(QWidget* roditelj = nullptr);

    /// The shown text as an integer, the minimum where it is not one,
    /// brought into the range.
    int Vrednost() const;
    QString Tekst() const;

    /// Page keys and wheel bursts move one step too.
    void stepBy(int koraka) override;
};
