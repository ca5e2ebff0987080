// SPDX-License-Identifier: GPL-3.0-or-later
#include "Edit.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <algorithm>
#include <limits>
#include <memory>

TEdit::TEdit(QWidget* roditelj) : QLineEdit(roditelj) {}

qsizetype TEdit::Mesta(qsizetype zamenjenih) const {
    if (fNajvecaDuzina <= 0) return std::numeric_limits<int>::max();
    const qsizetype duzina = text().size();
    const qsizetype dozvoljeno = std::max<qsizetype>(fNajvecaDuzina, duzina);
    return std::max<qsizetype>(0, dozvoljeno - (duzina - zamenjenih));
}

void TEdit::Nalepi(QClipboard::Mode odakle) {
    if (isReadOnly()) return;
    const QString tekst = QApplication::clipboard()->text(odakle);
    if (tekst.isEmpty() && !hasSelectedText()) return;
    insert(tekst.left(Mesta(selectedText().size())));
}

void TEdit::keyPressEvent(QKeyEvent* dogadjaj) {
    if (dogadjaj->matches(QKeySequence::Paste)) {
        Nalepi();
        dogadjaj->accept();
        return;
    }
    // A typed character goes in as the edit itself would put it: the base
    // handles every key that fits, and every key that inserts nothing.
    const QString tekst = dogadjaj->text();
    const bool kuca = !tekst.isEmpty() && tekst.front().isPrint() &&
                      !(dogadjaj->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (kuca && !isReadOnly()) {
        const qsizetype mesta = Mesta(selectedText().size());
        if (tekst.size() > mesta) {
            if (mesta > 0) insert(tekst.left(mesta));
            dogadjaj->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(dogadjaj);
}

void TEdit::inputMethodEvent(QInputMethodEvent* dogadjaj) {
    const QString tekst = dogadjaj->commitString();
    const qsizetype zamenjenih = dogadjaj->replacementLength() != 0
                                     ? qsizetype(dogadjaj->replacementLength())
                                     : selectedText().size();
    const qsizetype mesta = Mesta(zamenjenih);
    if (tekst.size() <= mesta) {
        QLineEdit::inputMethodEvent(dogadjaj);
        return;
    }
    QInputMethodEvent skraceni(dogadjaj->preeditString(), dogadjaj->attributes());
    skraceni.setCommitString(tekst.left(mesta), dogadjaj->replacementStart(),
                             dogadjaj->replacementLength());
    QLineEdit::inputMethodEvent(&skraceni);
    dogadjaj->accept();
}

void TEdit::mouseReleaseEvent(QMouseEvent* dogadjaj) {
    // X11's middle-button paste of the selection.
    if (dogadjaj->button() == Qt::MiddleButton && !isReadOnly() &&
        QApplication::clipboard()->supportsSelection()) {
        deselect();
        Nalepi(QClipboard::Selection);
        dogadjaj->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(dogadjaj);
}

void TEdit::dropEvent(QDropEvent* dogadjaj) {
    const QMimeData* podaci = dogadjaj->mimeData();
    // A move within the edit keeps the length; only a drop from elsewhere
    // can make the text longer.
    if (dogadjaj->source() == this || !podaci || !podaci->hasText() ||
        podaci->text().size() <= Mesta(0)) {
        QLineEdit::dropEvent(dogadjaj);
        return;
    }
    QMimeData skraceni;
    skraceni.setText(podaci->text().left(Mesta(0)));
    QDropEvent drugi(dogadjaj->position(), dogadjaj->possibleActions(), &skraceni,
                     dogadjaj->buttons(), dogadjaj->modifiers(), dogadjaj->type());
    drugi.setDropAction(dogadjaj->dropAction());
    QLineEdit::dropEvent(&drugi);
    dogadjaj->setDropAction(drugi.dropAction());
    dogadjaj->setAccepted(drugi.isAccepted());
}

void TEdit::contextMenuEvent(QContextMenuEvent* dogadjaj) {
    const std::unique_ptr<QMenu> meni(createStandardContextMenu());
    // The menu's paste goes through the limit as the keyboard's does; Qt
    // names the item only by its caption, its shortcut after a tab.
    const QString nalepi = QLineEdit::tr("&Paste");
    for (QAction* a : meni->actions()) {
        if (a->text().section(u'\t', 0, 0) != nalepi) continue;
        a->disconnect(this);
        connect(a, &QAction::triggered, this, [this] { Nalepi(); });
    }
    meni->exec(dogadjaj->globalPos());
}
