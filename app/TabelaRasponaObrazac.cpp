// SPDX-License-Identifier: GPL-3.0-or-later
#include "TabelaRasponaObrazac.h"

#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "DijagramRaspona.h"
#include "Font.h"
#include "FormatBroja.h"
#include "IzvestajRaspona.h"
#include "PlatnoSlike.h"

TTabelaRasponaO::TTabelaRasponaO(const std::string& naziv, std::vector<TRedRaspona> tabela,
                                 char sep, std::function<void(const std::string&)> snimiCsv,
                                 QWidget* roditelj)
    : QMdiSubWindow(roditelj), fTabela(std::move(tabela)), fSeparator(sep) {
    setObjectName(QStringLiteral("TabelaRasponaO"));
    setWindowTitle(QStringLiteral("Tabela raspona: ") + QString::fromStdString(naziv));
    setAttribute(Qt::WA_DeleteOnClose);

    Tabela_ = new QTableWidget(int(fTabela.size()), 7);
    Tabela_->setObjectName(QStringLiteral("TabelaRaspona"));
    Tabela_->setHorizontalHeaderLabels(
        {QStringLiteral("L [m]"), QStringLiteral("Mk max [kNm]"), QStringLiteral("x [m]"),
         QStringLiteral("Ak = Tk max [kN]"), QStringLiteral("MEd max [kNm]"),
         QStringLiteral("AEd = TEd max [kN]"), QStringLiteral("klasicni Mmax manji [%]")});
    Tabela_->verticalHeader()->hide();
    Tabela_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const auto B = [sep](double v) { return QString::fromStdString(FormatBroja(v, sep)); };
    for (std::size_t i = 0; i < fTabela.size(); ++i) {
        const TRedRaspona& r = fTabela[i];
        const TMerodavneVrednosti &k = r.Merodavno.Karakteristicne, &d = r.Merodavno.Proracunske;
        const QString celije[] = {
            B(r.L),
            B(k.Mmax.Vrednost),
            B(k.Mmax.x),
            B(k.Amax.Vrednost),
            B(d.Mmax.Vrednost),
            B(d.Amax.Vrednost),
            r.ManjakM ? B(*r.ManjakM) : QStringLiteral("voz duzi od raspona")};
        for (int j = 0; j < 7; ++j) {
            auto* c = new QTableWidgetItem(celije[j]);
            c->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Tabela_->setItem(int(i), j, c);
        }
    }
    Tabela_->resizeColumnsToContents();

    Povrsina = new QWidget;
    Povrsina->setObjectName(QStringLiteral("DijagramRaspona"));
    Povrsina->setMinimumSize(400, 220);
    Povrsina->setAttribute(Qt::WA_OpaquePaintEvent);
    Povrsina->installEventFilter(this);
    SnimiCsv = new QPushButton(QStringLiteral("Snimi CSV..."));
    SnimiCsv->setObjectName(QStringLiteral("SnimiCsv"));
    connect(SnimiCsv, &QPushButton::clicked, this,
            [this, snimiCsv] { snimiCsv(TabelaRasponaCsv(fTabela)); });

    auto* podela = new QSplitter(Qt::Vertical);
    podela->addWidget(Tabela_);
    podela->addWidget(Povrsina);
    auto* sadrzaj = new QWidget;
    auto* raspored = new QVBoxLayout(sadrzaj);
    raspored->addWidget(podela, 1);
    raspored->addWidget(SnimiCsv, 0, Qt::AlignLeft);
    setWidget(sadrzaj);
    resize(760, 620);
}

TTabelaRasponaO::~TTabelaRasponaO() = default;

bool TTabelaRasponaO::eventFilter(QObject* objekat, QEvent* dogadjaj) {
    if (objekat == Povrsina && dogadjaj->type() == QEvent::Paint) {
        const int W = Povrsina->width(), H = Povrsina->height();
        if (!fPlatno || fPlatno->Slika().size() != Povrsina->size())
            fPlatno = std::make_unique<TPlatnoSlike>(W, H, FontProzoraDijagrama(),
                                                     Povrsina->logicalDpiY());
        NacrtajDijagramRaspona(*fPlatno, W, H, fTabela, fSeparator);
        QPainter slikar(Povrsina);
        slikar.drawImage(0, 0, fPlatno->Slika());
        return true;
    }
    return QMdiSubWindow::eventFilter(objekat, dogadjaj);
}
