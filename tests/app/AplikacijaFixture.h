// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <memory>

#include "Aplikacija.h"
#include "GlavniObrazac.h"
#include "SkriptovaneDatoteke.h"
#include "SkriptovanePoruke.h"
#include "SkriptovaniDijalozi.h"
#include "SkriptovaniPregledStampe.h"
#include "SkriptovanoStampanje.h"

/// Where the window's style draws a control of the child window's title
/// bar (a button, the icon) for the window's state and flags.
inline QRect MestoNaNaslovnojTraci(const QMdiSubWindow* prozor, QStyle::SubControl kontrola) {
    QStyleOptionTitleBar traka;
    traka.initFrom(prozor);
    traka.titleBarState = int(prozor->windowState());
    traka.titleBarFlags = prozor->windowFlags();
    traka.subControls = QStyle::SC_All;
    traka.rect = QRect(0, 0, prozor->width(),
                       prozor->style()->pixelMetric(QStyle::PM_TitleBarHeight, &traka, prozor));
    return prozor->style()->subControlRect(QStyle::CC_TitleBar, &traka, kontrola, prozor);
}

/// Counts the paint events of the widget it filters.
struct TBrojacSlikanja final : QObject {
    int slikanja = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        slikanja += e->type() == QEvent::Paint;
        return false;
    }
};

/// The whole application on scripted services, its frame shown with a
/// client area of 1000 x 700 unless a test asks for another.
class AplikacijaTest : public ::testing::Test {
protected:
    void SetUp() override {
        aplikacija = std::make_unique<TAplikacija>(Usluge());
        GlavniO->show();
        PostaviKlijenta(QSize(1000, 700));
    }
    void TearDown() override { aplikacija.reset(); }

    TUsluge Usluge() {
        TUsluge u{&poruke, &dijalozi, &stampanje, &datoteke};
        u.Separator = [this] { return separator; };
        u.PregledStampe = &pregled;
        return u;
    }

    void PostaviKlijenta(QSize klijent) {
        for (int i = 0; i < 3 && GlavniO->KlijentskaVelicina() != klijent; ++i) {
            const QSize okvir = GlavniO->size() - GlavniO->KlijentskaVelicina();
            GlavniO->resize(klijent + okvir);
            QApplication::processEvents();
        }
        ASSERT_EQ(GlavniO->KlijentskaVelicina(), klijent);
    }

    std::vector<QString> PrikazaneGreske() const {
        std::vector<QString> greske;
        for (const auto& p : poruke.Prikazano)
            if (p.vrsta == TSkriptovanePoruke::Vrsta::Greska) greske.push_back(p.tekst);
        return greske;
    }

    char separator = '.';
    TSkriptovanePoruke poruke;
    TSkriptovaniDijalozi dijalozi;
    TSkriptovanoStampanje stampanje;
    TSkriptovaneDatoteke datoteke;
    TSkriptovaniPregledStampe pregled;
    std::unique_ptr<TAplikacija> aplikacija;
};
