// SPDX-License-Identifier: MIT
#include "latency/NetworkLayout.h"

namespace {
constexpr int GridStep = 60;
constexpr int GridCount = 4;
}  // namespace

int ClampElementPosition(int value, int grabOffset, int extent) {
  const int position = value - grabOffset;
  // The lower bound first: on a panel too small for both, the upper one wins.
  if (position < ElementMargin) return ElementMargin;
  const int limit = extent - ElementSize - ElementMargin;
  return position > limit ? limit : position;
}

std::optional<TElementPlace> FindFreePlace(int grabOffsetX, int grabOffsetY, int width, int height,
                                           const std::function<bool(TElementPlace)>& isPositionTaken) {
  for (int row = 1; row <= GridCount; ++row) {
    for (int column = 1; column <= GridCount; ++column) {
      const TElementPlace place{ClampElementPosition(GridStep * column, grabOffsetX, width),
                                ClampElementPosition(GridStep * row, grabOffsetY, height)};
      if (!isPositionTaken(place)) return place;
    }
  }
  return std::nullopt;
}

TElementPlace AnchoredPlace(TPanelAnchor anchor, int width, int height) {
  const int left = ElementMargin;
  const int right = width - ElementSize - ElementMargin;
  const int top = ElementMargin;
  const int middle = height / 2 - ElementSize / 2;
  const int bottom = height - ElementSize - ElementMargin;
  switch (anchor) {
    case TPanelAnchor::TopLeft: return {left, top};
    case TPanelAnchor::TopRight: return {right, top};
    case TPanelAnchor::MiddleRight: return {right, middle};
    case TPanelAnchor::MiddleLeft: return {left, middle};
    case TPanelAnchor::BottomLeft: return {left, bottom};
    case TPanelAnchor::BottomRight: return {right, bottom};
  }
  return {left, top};
}
