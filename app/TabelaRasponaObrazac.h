// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMdiSubWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TabelaRaspona.h"

class QPushButton;
class QTableWidget;
class TPlatnoSlike;

/// The window "Tabela raspona": the governing values of a load model over
/// a range of spans, one row a span, and under the table the plot of Mmax
/// and Amax against the span; "Snimi CSV..." hands the table as CSV to the
/// command given.
class TTabelaRasponaO : public QMdiSubWindow {
public:
    TTabelaRasponaO(const std::string& naziv, std::vector<TRedRaspona> tabela, char sep,
                    std::function<void(const std::string& csv)> snimiCsv,
                    QWidget* roditelj = nullptr);
    ~TTabelaRasponaO() override;

    const std::vector<TRedRaspona>& Tabela() const { return fTabela; }

    QTableWidget* Tabela_;
    QWidget* Povrsina;
    QPushButton* SnimiCsv;

protected:
    bool eventFilter(QObject* objekat, QEvent* dogadjaj) override;

private:
    std::vector<TRedRaspona> fTabela;
    char fSeparator;
    std::unique_ptr<TPlatnoSlike> fPlatno;
};
