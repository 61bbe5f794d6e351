// SPDX-License-Identifier: MIT
#pragma once
// The drawing of a bit map: its legend on a label and its bits on a text box,
// each piece in the colour of its part, lightened on a dark background.
#include <QRect>
#include <vector>

#include "controls/KestLabel.h"
#include "subnet/BitMapColours.h"

// For a label's OnCustomDraw: the pieces one after the other on its canvas.
void DrawBitMapLegend(TKestCustomLabel& label, const QRect& ARect, const std::vector<TBitMapPiece>& pieces);
// For a text box's OnCustomDraw: its edge, then its caption in `runs`.
void DrawBitMapBox(TKestCustomTextBox& box, const QRect& ARect, const std::vector<TBitMapRun>& runs);
// Where DrawBitMapBox puts each character of the box's caption.
std::vector<QRect> BitMapBoxCharacterRects(const TKestCustomTextBox& box, const QRect& ARect,
                                           const std::vector<TBitMapRun>& runs);
