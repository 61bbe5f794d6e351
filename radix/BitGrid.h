// SPDX-License-Identifier: MIT
#pragma once
// The bits of a word as rows of toggles, most significant first, a byte to a
// row with a gap between its nibbles. Each toggle is named
// after its position for assistive technology ("bit 63") and is checked when
// the bit is set. A click, Space or Enter toggles a bit; the arrow keys move
// between bits; dragging across bits gives them all the state of the first.
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

class QAbstractButton;

class TBitGrid : public QWidget {
  Q_OBJECT
 public:
  explicit TBitGrid(QWidget* parent);

  int Width() const { return BitCount; }
  void SetWidth(int width);
  std::uint64_t Bits() const { return Value; }
  // Shows `bits`; does not run OnChange.
  void SetBits(std::uint64_t bits);
  QAbstractButton* BitButton(int position) const { return Buttons[static_cast<std::size_t>(position)]; }

  // The user changed bits; `how` says which ("bit 5 set", "bits 3 to 7 cleared").
  std::function<void(std::uint64_t bits, const std::string& how)> OnChange;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Rebuild();
  void ShowBits();
  int PositionOf(QObject* button) const;
  void SetBit(int position, bool set);
  void FinishDrag();

  int BitCount = 32;
  std::uint64_t Value = 0;
  std::array<QAbstractButton*, 64> Buttons{};
  // While the mouse is held down over the bits: the state given, and the run touched.
  bool Dragging = false;
  bool Showing = false;  // true while the toggles are set to the word
  bool DragState = false;
  int DragFrom = 0;
  int DragTo = 0;
};
