// SPDX-License-Identifier: MIT
#pragma once
// Page controls whose tabs stay readable in the window's narrowest width.
class QTabWidget;

// Whenever the tabs of `pages` are wider than the page control, their captions
// are drawn in a narrower form of the font, just narrow enough for every tab to
// show whole, so that none hides behind scroll arrows.
void KeepPageTabsInView(QTabWidget* pages);
