// SPDX-License-Identifier: GPL-3.0-or-later
#include "OProgramu.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

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
    // A plain text edit sizes its scroll bars for the viewport it has, and
    // hidden that is a default one far smaller than the memo: bars shown for
    // it would stay, each narrowing the viewport enough to keep the other.
    // Cleared, they are worked out for the memo's own size when it shows.
    MemoOProgramu->horizontalScrollBar()->setRange(0, 0);
    MemoOProgramu->verticalScrollBar()->setRange(0, 0);

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
