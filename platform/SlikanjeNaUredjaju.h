// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPaintDevice>
#include <QPainter>
#include <functional>
#include <memory>

/// Paints on `uredjaj` (a PDF writer, an SVG generator writing into memory)
/// with a painter of its own: begins, runs `slikaj`, ends. False when the
/// painter cannot begin or end. Throws std::bad_alloc, before anything is
/// painted, when the memory a drawing asks for is not there
/// (RezervaMemorije.h).
///
/// Qt's painting code does not unwind: when memory runs out inside it, the
/// painter and its paint engine stay half way, and ending or destroying
/// them would run that code again from a destructor, which ends the
/// program. So on std::bad_alloc both are given up, never ended nor freed,
/// and the failure passes on to the caller; nothing may use the device's
/// output any more.
bool NaslikajNaUredjaj(std::unique_ptr<QPaintDevice> uredjaj,
                       const std::function<void(QPainter&)>& slikaj);
