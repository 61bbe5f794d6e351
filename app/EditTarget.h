// SPDX-License-Identifier: MIT
#pragma once
// Which control answers the Edit menu's Copy and Paste.
class QWidget;

struct TEditTarget {
  enum TKind { None, EditBox, Grid, AddressEdit };
  TKind Kind = None;
  QWidget* Control = nullptr;
};

// The nearest of `focus` and its ancestors that is an edit box (any single- or
// multi-line text edit, also the one inside a spin or number edit), a
// TSuperStringGrid or a TIPAddressEdit; None when there is none.
TEditTarget EditTargetOf(QWidget* focus);
