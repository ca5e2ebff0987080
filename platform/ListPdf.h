// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <string>

#include "ListProracuna.h"

/// Renders the sheet as a PDF of A4 pages, each portrait or landscape as
/// the layout says: the texts as text, in their fonts embedded, the rules
/// and the figures as vector drawings, the figures through our canvas at
/// their resolution. The document's title is the sheet's, its creator this program
/// with its version, its creation date now. Throws EGreskaFajla naming
/// `putanja` (the file it is made for) when it cannot be made, memory
/// running out among the reasons.
QByteArray ListUPdf(const TListProracuna& list, const std::string& putanja);

/// Today's date as the sheet prints it: "10.12.2026.".
std::string DanasnjiDatum();
