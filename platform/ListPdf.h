// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <string>

#include "ListProracuna.h"

/// Renders the sheet as a PDF of portrait A4 pages: the texts as text, in
/// their fonts embedded, the diagrams as vector drawings through our
/// canvas at the diagrams' resolution, the beam sketch as its JPEG
/// picture. The document's title is the sheet's, its creator this program
/// with its version, its creation date now. Throws EGreskaFajla naming
/// `putanja` (the file it is made for) when it cannot be made, memory
/// running out among the reasons.
QByteArray ListUPdf(const TListProracuna& list, const std::string& putanja);

/// Today's date as the sheet prints it: "10.12.2026.".
std::string DanasnjiDatum();
