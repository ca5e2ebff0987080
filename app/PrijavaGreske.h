// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <exception>
#include <functional>

class TPoruke;

/// The application's general error report: runs a command and shows any
/// failure it did not handle itself in an error box, so that nothing
/// escapes into the toolkit's event loop.
void IzvrsiKomandu(TPoruke& poruke, const std::function<void()>& komanda);

/// What a box says of a failure: the failure's own message when it is
/// written for the user (ours and every std::runtime_error), otherwise a
/// sentence of ours, never the name of an exception type.
QString TekstGreske(const std::exception& e);
