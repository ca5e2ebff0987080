// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QPolygon>

#include "Olovka.h"

/// Draws a run of lines, each from the end of the one before, with the pen:
/// the same picture as the lines drawn one by one with round ends, at a
/// fraction of the cost.
///
/// Width 1 goes to Qt's thin-line path as separate lines in one call. A
/// wider pen on an image is stroked as polylines with bevel joins, which
/// cost a few additions a vertex where a round join costs arcs; the run is
/// cut at a vertex whose round ends would cover a pixel centre that the
/// bevel leaves out, so the two pieces meet with their round ends there as
/// the lines did. Lines that lie wholly outside the image are left out. On
/// any other device (a printer, PDF or SVG, drawn at a resolution of its
/// own) a wider pen draws one polyline with round joins, the same outline.
void NacrtajNiz(QPainter& p, const QPolygon& niz, const TOlovka& olovka);
