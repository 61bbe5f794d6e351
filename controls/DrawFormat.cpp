// SPDX-License-Identifier: MIT
#include "controls/DrawFormat.h"

#include <algorithm>

TRect IntersectRect(const TRect& a, const TRect& b) {
  TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
          std::min(a.Bottom, b.Bottom)};
  if (r.Right < r.Left) r.Right = r.Left;
  if (r.Bottom < r.Top) r.Bottom = r.Top;
  return r;
}

TAlignment EffectiveAlignment(const TDrawTextFormat& format) {
  if (format.BiDiMode == bdRightToLeft && format.Alignment != taCenter) return taRightJustify;
  return format.Alignment;
}

unsigned DrawTextFlags(const TDrawTextFormat& format) {
  static constexpr unsigned alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  static constexpr unsigned ellipses[] = {0, DT_END_ELLIPSIS, DT_PATH_ELLIPSIS, DT_WORD_ELLIPSIS};
  static constexpr unsigned layouts[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};

  unsigned flags = alignments[EffectiveAlignment(format) % 3];
  if (format.BiDiMode != bdLeftToRight) flags |= DT_RTLREADING;
  if (format.ExpandTabs)
    flags |= DT_EXPANDTABS;
  else
    flags |= ellipses[format.Ellipsis % 4];
  if (format.EditControl) flags |= DT_EDITCONTROL;
  if (format.ExternalLeading) flags |= DT_EXTERNALLEADING;
  if (format.Internal) flags |= DT_INTERNAL;
  if (format.NoClip) flags |= DT_NOCLIP;
  if (format.NoPrefix) flags |= DT_NOPREFIX;
  if (format.SingleLine) flags |= DT_SINGLELINE;
  if (format.WordBreak) flags |= DT_WORDBREAK;
  if (format.ModifyString) flags |= DT_MODIFYSTRING;
  if (format.CalcRect)
    flags |= DT_CALCRECT;  // measuring always starts at the top
  else
    flags |= layouts[format.Layout % 3];
  return flags;
}

unsigned DrawEdgeKind(const TDrawEdgeFormat& format) {
  static constexpr unsigned inner[] = {0, BDR_RAISEDINNER, BDR_SUNKENINNER};
  static constexpr unsigned outer[] = {0, BDR_RAISEDOUTER, BDR_SUNKENOUTER};
  return inner[format.EdgeInner % 3] | outer[format.EdgeOuter % 3];
}

unsigned DrawEdgeFlags(const TDrawEdgeFormat& format) {
  static constexpr unsigned styles[] = {0, BF_MONO, BF_FLAT, BF_SOFT};
  unsigned flags = format.EdgeBorders & (BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM);
  flags |= styles[format.EdgeStyle % 4];
  if (format.Adjust) flags |= BF_ADJUST;
  if (format.Middle) flags |= BF_MIDDLE;
  return flags;
}

namespace {
// The shift that moves the span [low, high) by position `pos` against [refLow, refHigh).
int AlignShift(int low, int high, int refLow, int refHigh, int pos) {
  switch (pos) {
    case 0:
      return refLow - low;
    case 1:
      return ((refLow + refHigh) - (low + high)) / 2;  // C++ division truncates towards zero
    case 2:
      return refHigh - high;
    default:
      return 0;
  }
}
}  // namespace

void AlignRect(TRect& rect, const TRect& reference, int hPos, int vPos) {
  rect.Offset(AlignShift(rect.Left, rect.Right, reference.Left, reference.Right, hPos),
              AlignShift(rect.Top, rect.Bottom, reference.Top, reference.Bottom, vPos));
}

TAlignmentPositions AlignmentPositions(TAlignment alignment, TTextLayout layout) {
  static constexpr int horizontal[] = {0, 2, 1};  // left, right, centre
  static constexpr int vertical[] = {0, 1, 2};    // top, centre, bottom
  return {horizontal[alignment % 3], vertical[layout % 3]};
}

TRect EmbossBase(const TRect& rect, TAlignment alignment, TTextLayout layout) {
  TRect base = rect;
  base.Offset(alignment == taRightJustify ? -1 : 0, layout == tlBottom ? -1 : 0);
  return base;
}

void WidenForEmboss(TRect& measured, TAlignment alignment, TTextLayout layout) {
  if (alignment == taRightJustify)
    --measured.Left;
  else
    ++measured.Right;
  if (layout == tlBottom)
    --measured.Top;
  else
    ++measured.Bottom;
}

TCopyRects OffscreenCopyRects(const TRect& rect, const TRect& measured, TAlignmentPositions positions,
                              bool noClip) {
  TRect dest = measured;
  AlignRect(dest, rect, positions.HPos, positions.VPos);
  if (noClip) return {measured, dest};
  TRect source = rect;
  AlignRect(source, measured, positions.HPos, positions.VPos);
  return {IntersectRect(source, measured), IntersectRect(dest, rect)};
}

namespace {
enum TEdgeSide { sideNone, sideRaised, sideSunken };

TEdgeSide Side(unsigned bits) {
  switch (bits) {
    case 1:
      return sideRaised;
    case 2:
      return sideSunken;
    default:
      return sideNone;  // none, or raised and sunken at once
  }
}

// The ring colours of one edge kind, by the look: [look][raised/sunken].
struct TRingColors {
  TEdgeRing Raised;
  TEdgeRing Sunken;
  TEdgeRing Pick(TEdgeSide side) const { return side == sideRaised ? Raised : Sunken; }
};
}  // namespace

TEdgeRings EdgeRings(unsigned kind, unsigned flags) {
  TEdgeSide outer = Side(kind & BDR_OUTER);
  TEdgeSide inner = Side((kind & BDR_INNER) >> 2);
  if (outer == sideNone && inner == sideNone) return {};

  if (flags & (BF_MONO | BF_FLAT)) {
    // One colour all round: the frame colour outside and the face inside.
    TEdgeColor frame = (flags & BF_MONO) ? ecWindowFrame : ecBtnShadow;
    TEdgeColor face = (flags & BF_MONO) ? ecWindow : ecBtnFace;
    if (outer == sideNone) return {{face, face}, {}};
    if (inner == sideNone) return {{frame, frame}, {}};
    return {{frame, frame}, {face, face}};
  }

  const bool soft = flags & BF_SOFT;
  const TRingColors outerColors{{soft ? ecBtnHighlight : ec3DLight, ec3DDkShadow},
                                {soft ? ec3DDkShadow : ecBtnShadow, ecBtnHighlight}};
  const TRingColors innerColors{{soft ? ec3DLight : ecBtnHighlight, ecBtnShadow},
                                {soft ? ecBtnShadow : ec3DDkShadow, ec3DLight}};
  if (outer == sideNone) return {innerColors.Pick(inner), {}};
  if (inner == sideNone) return {outerColors.Pick(outer), {}};
  return {outerColors.Pick(outer), innerColors.Pick(inner)};
}

TEdgeColor EdgeMiddleColor(unsigned flags) { return (flags & BF_MONO) ? ecWindow : ecBtnFace; }

TRect EdgeInterior(const TRect& rect, unsigned kind, unsigned flags) {
  TEdgeRings rings = EdgeRings(kind, flags);
  int width = (rings.Outer.Drawn() ? 1 : 0) + (rings.Inner.Drawn() ? 1 : 0);
  TRect inside = rect;
  if (flags & BF_LEFT) inside.Left += width;
  if (flags & BF_TOP) inside.Top += width;
  if (flags & BF_RIGHT) inside.Right -= width;
  if (flags & BF_BOTTOM) inside.Bottom -= width;
  return inside;
}
