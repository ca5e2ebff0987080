// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class TPoruke;

/// The application's general error report: runs a command and shows any
/// failure it did not handle itself in an error box with the failure's
/// own message, so that nothing escapes into the toolkit's event loop.
void IzvrsiKomandu(TPoruke& poruke, const std::function<void()>& komanda);
