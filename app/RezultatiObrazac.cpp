// SPDX-License-Identifier: GPL-3.0-or-later
#include "RezultatiObrazac.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include "Fontovi.h"

TRezultatiO* RezultatiO = nullptr;

TRezultatiO::TRezultatiO(QWidget* roditelj) : TPodProzor(roditelj) {
    setObjectName(QStringLiteral("RezultatiO"));
    setWindowTitle(QStringLiteral("Rezultati proracuna"));
    MemoText = new QPlainTextEdit;
    MemoText->setObjectName(QStringLiteral("MemoText"));
    MemoText->setReadOnly(true);
    // Read-only, yet with a caret the keyboard moves and selects with.
    MemoText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    MemoText->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoText->setFont(FontProzora(13, true));
    QPalette boje = MemoText->palette();
    boje.setColor(QPalette::Base, Qt::white);
    boje.setColor(QPalette::Text, Qt::black);
    MemoText->setPalette(boje);
    setWidget(MemoText);
}

void TRezultatiO::ObrisiIzvestaj() { MemoText->clear(); }

void TRezultatiO::PrikaziIzvestaj(const QStringList& linije) {
    MemoText->setPlainText(linije.join(u'\n'));
    QTextCursor kursor = MemoText->textCursor();
    kursor.movePosition(QTextCursor::Start);
    MemoText->setTextCursor(kursor);
    MemoText->horizontalScrollBar()->setValue(0);
    MemoText->verticalScrollBar()->setValue(0);
}

QStringList TRezultatiO::Linije() const {
    const QTextDocument* dokument = MemoText->document();
    if (dokument->isEmpty()) return {};
    QStringList linije;
    for (QTextBlock b = dokument->begin(); b.isValid(); b = b.next()) linije << b.text();
    return linije;
}
