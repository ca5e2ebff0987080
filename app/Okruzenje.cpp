// SPDX-License-Identifier: GPL-3.0-or-later
#include "Okruzenje.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTranslator>

#include "PodesavanjaQta.h"

std::unique_ptr<QTranslator> PrevodQta() {
    auto prevod = std::make_unique<QTranslator>();
    if (!prevod->load(QStringLiteral(":/prevod/qtbase_sr_Latn.qm"))) return nullptr;
    return prevod;
}

TOkruzenje::TOkruzenje() : fPrevod(PrevodQta()) {
    // Lets a desktop shell find the menu entry, and with it the icon, of
    // the running program, whose entry carries the AppStream id as its name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.lastovar.lastovar"));
    BezPodesavanjaQta();
    if (fPrevod) QCoreApplication::installTranslator(fPrevod.get());
}

TOkruzenje::~TOkruzenje() {
    if (fPrevod) QCoreApplication::removeTranslator(fPrevod.get());
}
