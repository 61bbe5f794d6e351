// SPDX-License-Identifier: MIT
#include "controls/PanelGeometry.h"

TRect PanelInnerRect(const TRect& client, const TPanelFrame& frame) {
  int w = frame.BorderWidth + (frame.SingleBorder ? 1 : 0);
  if (frame.BevelInner != bvNone) w += frame.BevelWidth;
  if (frame.BevelOuter != bvNone) w += frame.BevelWidth;
  return {client.Left + w, client.Top + w, client.Right - w, client.Bottom - w};
}

namespace {
// One direction: the near and far edge after the parent grew by `delta`.
void Stretch(int& nearEdge, int& farEdge, bool nearAnchored, bool farAnchored, int delta) {
  if (farAnchored) {
    farEdge += delta;
    if (!nearAnchored) nearEdge += delta;
  }
}
}  // namespace

TRect AnchoredRect(const TRect& design, TAnchors anchors, int dx, int dy) {
  TRect r = design;
  Stretch(r.Left, r.Right, anchors & akLeft, anchors & akRight, dx);
  Stretch(r.Top, r.Bottom, anchors & akTop, anchors & akBottom, dy);
  return r;
}
