// SPDX-License-Identifier: GPL-3.0-or-later
#include "OProgramu.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "Fontovi.h"

TOProgramuObrazac* OProgramuObrazac = nullptr;

TOProgramuObrazac::TOProgramuObrazac(QWidget* roditelj)
    : QDialog(roditelj, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("OProgramuObrazac"));
    setWindowTitle(QStringLiteral("O programu"));
    setFixedSize(410, 149);
    move(560, 330);

    MemoOProgramu = new QPlainTextEdit(this);
    MemoOProgramu->setObjectName(QStringLiteral("MemoOProgramu"));
    MemoOProgramu->setGeometry(10, 10, 391, 91);
    MemoOProgramu->setReadOnly(true);
    MemoOProgramu->setFrameShape(QFrame::Box);
    MemoOProgramu->setFrameShadow(QFrame::Plain);
    MemoOProgramu->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoOProgramu->setFont(FontProzora(16, true));
    MemoOProgramu->setPlainText(
        QStringLiteral("Program racuna i iscrtava dijagrame extremnih \n"
                       "vrednosti momenata savijanja i transverzalnih \n"
                       "sila proste grede opterecenje sistemom vezanih \n"
                       "koncentrisanih sila."));

    ButtonOK = new QPushButton(QStringLiteral("OK"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonOK->setGeometry(320, 110, 81, 31);
    ButtonOK->setFont(FontProzora(13, true));
    ButtonOK->setDefault(true);
    connect(ButtonOK, &QPushButton::clicked, this, &TOProgramuObrazac::ButtonOKClick);
}

void TOProgramuObrazac::showEvent(QShowEvent* dogadjaj) {
    QDialog::showEvent(dogadjaj);
    ButtonOK->setFocus();
}

void TOProgramuObrazac::ButtonOKClick() { accept(); }
