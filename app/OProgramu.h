// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

/// The about box, shown modally from "O programu...".
class TOProgramuObrazac : public QDialog {
public:
    explicit TOProgramuObrazac(QWidget* roditelj = nullptr);

    void ButtonOKClick();

    QPlainTextEdit* MemoOProgramu;
    QPushButton* ButtonOK;

protected:
    /// OK takes the focus at every showing.
    void showEvent(QShowEvent* dogadjaj) override;
};

extern TOProgramuObrazac* OProgramuObrazac;
