// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QTranslator;

/// What the application sets in Qt before its first window: Qt's own texts
/// (standard buttons, the common dialogs, context menus) in Serbian, Latin
/// script, whatever the user's locale; no settings read or stored by Qt's
/// dialogs; the desktop entry's name. Lives as long as the application.
class TOkruzenje {
public:
    TOkruzenje();
    ~TOkruzenje();
    TOkruzenje(const TOkruzenje&) = delete;
    TOkruzenje& operator=(const TOkruzenje&) = delete;

private:
    std::unique_ptr<QTranslator> fPrevod;
};

/// The embedded translation of Qt's texts, loaded; null where it cannot be
/// (Qt's texts then stay in English).
std::unique_ptr<QTranslator> PrevodQta();
