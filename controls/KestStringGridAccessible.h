// SPDX-License-Identifier: MIT
#pragma once
// What assistive technology sees of a string grid: a table whose children are
// its cells, row by row, with the fixed rows as column headers and the fixed
// columns as row headers. Each cell reads as its text.
class TStringGrid;

// Registers the grid's accessible interface with Qt; safe to call repeatedly.
void InstallStringGridAccessibility();
// Tell assistive technology that the cells were resized or reordered.
void StringGridStructureChanged(TStringGrid* grid);
// Tell assistive technology that the selection changed.
void StringGridSelectionChanged(TStringGrid* grid);
// Tell assistive technology that the cells were filled anew.
void StringGridFilled(TStringGrid* grid);
// Tell assistive technology that the current cell moved.
void StringGridFocusMoved(TStringGrid* grid);
