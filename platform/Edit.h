// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QClipboard>
#include <QLineEdit>

/// A single-line edit whose length limit binds typing only: what the user
/// types, pastes or drops is cut so that the text grows no longer than the
/// limit, while text set from code is kept whole (and can still be shortened
/// by hand). QLineEdit::setMaxLength would cut the text set from code too.
/// Every insertion is cut before it reaches the edit, so nothing is ever
/// taken back and the edit's undo history stays whole.
class TEdit : public QLineEdit {
public:
    explicit TEdit(QWidget* roditelj = nullptr);

    void PostaviNajvecuDuzinu(int znakova) { fNajvecaDuzina = znakova; }
    int NajvecaDuzina() const { return fNajvecaDuzina; }

    /// Pastes the clipboard's text, cut to the room the limit leaves.
    void Nalepi(QClipboard::Mode odakle = QClipboard::Clipboard);

protected:
    void keyPressEvent(QKeyEvent* dogadjaj) override;
    void inputMethodEvent(QInputMethodEvent* dogadjaj) override;
    void mouseReleaseEvent(QMouseEvent* dogadjaj) override;
    void dropEvent(QDropEvent* dogadjaj) override;
    void contextMenuEvent(QContextMenuEvent* dogadjaj) override;

private:
    /// How many characters may replace the selection (or go in at the
    /// caret): the text grows no longer than the limit, and one already
    /// longer, set from code, does not grow at all.
    qsizetype Mesta(qsizetype zamenjenih) const;

    int fNajvecaDuzina = 0;  // 0: no limit
};
