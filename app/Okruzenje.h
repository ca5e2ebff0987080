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

    /// False only where the embedded translation could not be loaded;
    /// Qt's texts then stay in English.
    bool Prevedeno() const { return fPrevod != nullptr; }

private:
    std::unique_ptr<QTranslator> fPrevod;
};

/// The embedded translation of Qt's texts, loaded; null where it cannot be.
std::unique_ptr<QTranslator> PrevodQta();
