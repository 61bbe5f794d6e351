// SPDX-License-Identifier: MIT
#pragma once
// How the controls describe text and borders to draw, and the rectangle
// arithmetic behind drawing them: the packed text and edge formats, their
// translation into the classic DrawText / DrawEdge flag words, the rules that
// place a rectangle inside another, and the colours of each edge ring.
#include <cstdint>

// A rectangle with exclusive right and bottom edges.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr void Offset(int dx, int dy) {
    Left += dx;
    Right += dx;
    Top += dy;
    Bottom += dy;
  }
  friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

// The part of `a` that lies in `b`; an empty rectangle (right = left, bottom = top) when none does.
TRect IntersectRect(const TRect& a, const TRect& b);

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout : std::uint8_t { tlTop, tlCenter, tlBottom };
enum TBiDiMode : std::uint8_t {
  bdLeftToRight,
  bdRightToLeft,
  bdRightToLeftNoAlign,
  bdRightToLeftReadingOnly
};
enum TDrawTextEllipsis : std::uint8_t { dteNone, dteEnd, dtePath, dteWord };
enum TDrawEdgeStyle : std::uint8_t { desDefault, desMono, desFlat, desSoft };
enum TEdgeStyle : std::uint8_t { esNone, esRaised, esLowered };
enum TEdgeBorder : std::uint8_t { ebLeft = 1, ebTop = 2, ebRight = 4, ebBottom = 8 };
using TEdgeBorders = std::uint8_t;  // a set of TEdgeBorder bits
inline constexpr TEdgeBorders ebAll = ebLeft | ebTop | ebRight | ebBottom;

// How to draw a text, seven bytes: alignment, layout, reading order, ellipsis
// and three bytes of options.
struct TDrawTextFormat {
  TAlignment Alignment = taLeftJustify;
  TTextLayout Layout = tlTop;
  TBiDiMode BiDiMode = bdLeftToRight;
  TDrawTextEllipsis Ellipsis = dteNone;  // ignored when ExpandTabs is set
  // Byte 4.
  bool Disabled : 1 = false;  // embossed look
  bool EditControl : 1 = false;
  bool ExpandTabs : 1 = false;
  bool ExternalLeading : 1 = false;
  bool Internal : 1 = false;
  bool NoClip : 1 = false;
  bool NoPrefix : 1 = false;
  bool SingleLine : 1 = false;
  // Byte 5.
  bool Transparent : 1 = false;  // no background behind the text
  bool WordBreak : 1 = false;
  std::uint8_t Reserved5 : 6 = 0;  // zero, so that every byte of a format is defined
  // Byte 6.
  bool CalcRect : 1 = false;  // measure only
  bool ModifyString : 1 = false;
  std::uint8_t Reserved6 : 6 = 0;
};
static_assert(sizeof(TDrawTextFormat) == 7);

// How to draw a border, five bytes.
struct TDrawEdgeFormat {
  TEdgeBorders EdgeBorders = ebAll;
  TEdgeStyle EdgeInner = esNone;
  TEdgeStyle EdgeOuter = esNone;
  TDrawEdgeStyle EdgeStyle = desDefault;
  bool Adjust : 1 = false;  // the rectangle becomes the interior
  bool Middle : 1 = false;  // the interior is filled
  std::uint8_t Reserved : 6 = 0;  // zero, so that every byte of a format is defined
};
static_assert(sizeof(TDrawEdgeFormat) == 5);

// The text-drawing flag word.
enum : unsigned {
  DT_TOP = 0x0,
  DT_LEFT = 0x0,
  DT_CENTER = 0x1,
  DT_RIGHT = 0x2,
  DT_VCENTER = 0x4,
  DT_BOTTOM = 0x8,
  DT_WORDBREAK = 0x10,
  DT_SINGLELINE = 0x20,
  DT_EXPANDTABS = 0x40,
  DT_NOCLIP = 0x100,
  DT_EXTERNALLEADING = 0x200,
  DT_CALCRECT = 0x400,
  DT_NOPREFIX = 0x800,
  DT_INTERNAL = 0x1000,
  DT_EDITCONTROL = 0x2000,
  DT_PATH_ELLIPSIS = 0x4000,
  DT_END_ELLIPSIS = 0x8000,
  DT_MODIFYSTRING = 0x10000,
  DT_RTLREADING = 0x20000,
  DT_WORD_ELLIPSIS = 0x40000,
};
inline constexpr unsigned DT_ELLIPSES = DT_PATH_ELLIPSIS | DT_END_ELLIPSIS | DT_WORD_ELLIPSIS;

// The edge-drawing kind and flag words.
enum : unsigned {
  BDR_RAISEDOUTER = 0x1,
  BDR_SUNKENOUTER = 0x2,
  BDR_RAISEDINNER = 0x4,
  BDR_SUNKENINNER = 0x8,
  BDR_OUTER = BDR_RAISEDOUTER | BDR_SUNKENOUTER,
  BDR_INNER = BDR_RAISEDINNER | BDR_SUNKENINNER,
  BF_LEFT = 0x1,
  BF_TOP = 0x2,
  BF_RIGHT = 0x4,
  BF_BOTTOM = 0x8,
  BF_MIDDLE = 0x800,
  BF_SOFT = 0x1000,
  BF_ADJUST = 0x2000,
  BF_FLAT = 0x4000,
  BF_MONO = 0x8000,
};

// The alignment the text is drawn with: right-to-left mode 1 draws every
// alignment but centre right-aligned.
TAlignment EffectiveAlignment(const TDrawTextFormat& format);

unsigned DrawTextFlags(const TDrawTextFormat& format);
unsigned DrawEdgeKind(const TDrawEdgeFormat& format);
unsigned DrawEdgeFlags(const TDrawEdgeFormat& format);

// Moves `rect` without resizing it: position 0 puts its left (top) edge on
// the reference's, 1 centres it, 2 puts its right (bottom) edge on the
// reference's, any other value leaves that direction alone.
void AlignRect(TRect& rect, const TRect& reference, int hPos, int vPos);

struct TAlignmentPositions {
  int HPos;
  int VPos;
};
TAlignmentPositions AlignmentPositions(TAlignment alignment, TTextLayout layout);

// Where the highlight-coloured copy of an embossed text goes before it moves
// one pixel right and down: one pixel left of `rect` for right-aligned text,
// one pixel up for text at the bottom, so both copies stay inside.
TRect EmbossBase(const TRect& rect, TAlignment alignment, TTextLayout layout);
// The room an embossed multi-line text needs beyond its plain measure: one
// pixel more on the side away from where it is anchored.
void WidenForEmboss(TRect& measured, TAlignment alignment, TTextLayout layout);

// The copy of a text drawn off-screen at `measured` into `rect`: which part of
// the off-screen picture goes where on the canvas. Without `noClip` the
// picture is cut to `measured` and the target to `rect`, so a text larger than
// `rect` shows the part that its alignment puts there (the middle for centred
// text); with `noClip` the whole text is copied.
struct TCopyRects {
  TRect Source;
  TRect Dest;
};
TCopyRects OffscreenCopyRects(const TRect& rect, const TRect& measured, TAlignmentPositions positions,
                              bool noClip);

// The system colours an edge is drawn with.
enum TEdgeColor : std::uint8_t {
  ecNone,
  ecBtnFace,
  ecBtnHighlight,
  ec3DLight,
  ecBtnShadow,
  ec3DDkShadow,
  ecWindow,
  ecWindowFrame
};

// One ring of pixels of an edge: the colour of its top and left sides and of
// its bottom and right sides (ecNone when the ring is not drawn).
struct TEdgeRing {
  TEdgeColor TopLeft = ecNone;
  TEdgeColor BottomRight = ecNone;
  constexpr bool Drawn() const { return TopLeft != ecNone; }
  friend constexpr bool operator==(const TEdgeRing&, const TEdgeRing&) = default;
};

// The outer ring (on the rectangle's border pixels) and the inner ring (one
// pixel inside). An edge with only an inner kind draws it on the outer ring.
struct TEdgeRings {
  TEdgeRing Outer;
  TEdgeRing Inner;
};
TEdgeRings EdgeRings(unsigned kind, unsigned flags);
// The colour the interior is filled with when BF_MIDDLE is set.
TEdgeColor EdgeMiddleColor(unsigned flags);
// The rectangle inside the rings drawn on the sides that `flags` name.
TRect EdgeInterior(const TRect& rect, unsigned kind, unsigned flags);
