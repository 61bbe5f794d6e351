// SPDX-License-Identifier: MIT
#pragma once
// A default button outside a dialog: Enter pressed anywhere in `scope` clicks
// it while it is visible and enabled, unless the focused control takes Enter
// itself (a focused push button, an edit that acts on Enter).
class QPushButton;
class QWidget;

void SetDefaultButton(QPushButton* button, QWidget* scope);
