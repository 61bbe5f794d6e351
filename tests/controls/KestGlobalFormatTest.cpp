// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <string>

#include "controls/DrawFormat.h"

namespace {
TDrawTextFormat Format(const std::function<void(TDrawTextFormat&)>& set) {
  TDrawTextFormat f;
  set(f);
  return f;
}

TEST(DrawTextFlags, EachFieldSetsItsFlags) {
  struct Case {
    std::string Name;
    TDrawTextFormat Format;
    unsigned Flags;
  };
  const Case cases[] = {
      {"default", {}, DT_LEFT | DT_TOP},
      {"right", Format([](auto& f) { f.Alignment = taRightJustify; }), DT_RIGHT},
      {"centre, centre", Format([](auto& f) { f.Alignment = taCenter; f.Layout = tlCenter; }),
       DT_CENTER | DT_VCENTER},
      {"bottom", Format([](auto& f) { f.Layout = tlBottom; }), DT_BOTTOM},
      {"measuring keeps to the top", Format([](auto& f) { f.Layout = tlBottom; f.CalcRect = true; }),
       DT_CALCRECT},
      {"rtl left drawn right", Format([](auto& f) { f.BiDiMode = bdRightToLeft; }), DT_RIGHT | DT_RTLREADING},
      {"rtl centre stays", Format([](auto& f) { f.BiDiMode = bdRightToLeft; f.Alignment = taCenter; }),
       DT_CENTER | DT_RTLREADING},
      {"rtl no-align left stays", Format([](auto& f) { f.BiDiMode = bdRightToLeftNoAlign; }), DT_RTLREADING},
      {"rtl reading only", Format([](auto& f) { f.BiDiMode = bdRightToLeftReadingOnly; }), DT_RTLREADING},
      {"end ellipsis", Format([](auto& f) { f.Ellipsis = dteEnd; }), DT_END_ELLIPSIS},
      {"path ellipsis", Format([](auto& f) { f.Ellipsis = dtePath; }), DT_PATH_ELLIPSIS},
      {"word ellipsis", Format([](auto& f) { f.Ellipsis = dteWord; }), DT_WORD_ELLIPSIS},
      {"tabs cancel the ellipsis", Format([](auto& f) { f.Ellipsis = dteEnd; f.ExpandTabs = true; }),
       DT_EXPANDTABS},
      {"disabled is drawing, not a flag", Format([](auto& f) { f.Disabled = true; }), 0},
      {"transparent is drawing, not a flag", Format([](auto& f) { f.Transparent = true; }), 0},
      {"edit control", Format([](auto& f) { f.EditControl = true; }), DT_EDITCONTROL},
      {"external leading", Format([](auto& f) { f.ExternalLeading = true; }), DT_EXTERNALLEADING},
      {"internal", Format([](auto& f) { f.Internal = true; }), DT_INTERNAL},
      {"no clip", Format([](auto& f) { f.NoClip = true; }), DT_NOCLIP},
      {"no prefix", Format([](auto& f) { f.NoPrefix = true; }), DT_NOPREFIX},
      {"single line", Format([](auto& f) { f.SingleLine = true; }), DT_SINGLELINE},
      {"word break", Format([](auto& f) { f.WordBreak = true; }), DT_WORDBREAK},
      {"modify string", Format([](auto& f) { f.ModifyString = true; }), DT_MODIFYSTRING},
  };
  for (const Case& c : cases) EXPECT_EQ(DrawTextFlags(c.Format), c.Flags) << c.Name;
}

TEST(DrawTextFormat, OptionsSitInTheirBytesAndBits) {
  struct Case {
    std::string Name;
    TDrawTextFormat Format;
    std::array<std::uint8_t, 7> Bytes;
  };
  const Case cases[] = {
      {"fields", Format([](auto& f) {
         f.Alignment = taCenter;
         f.Layout = tlBottom;
         f.BiDiMode = bdRightToLeftReadingOnly;
         f.Ellipsis = dteWord;
       }),
       {2, 2, 3, 3, 0, 0, 0}},
      {"disabled", Format([](auto& f) { f.Disabled = true; }), {0, 0, 0, 0, 0x01, 0, 0}},
      {"no prefix", Format([](auto& f) { f.NoPrefix = true; }), {0, 0, 0, 0, 0x40, 0, 0}},
      {"single line", Format([](auto& f) { f.SingleLine = true; }), {0, 0, 0, 0, 0x80, 0, 0}},
      {"transparent", Format([](auto& f) { f.Transparent = true; }), {0, 0, 0, 0, 0, 0x01, 0}},
      {"word break", Format([](auto& f) { f.WordBreak = true; }), {0, 0, 0, 0, 0, 0x02, 0}},
      {"calc rect", Format([](auto& f) { f.CalcRect = true; }), {0, 0, 0, 0, 0, 0, 0x01}},
      {"modify string", Format([](auto& f) { f.ModifyString = true; }), {0, 0, 0, 0, 0, 0, 0x02}},
  };
  for (const Case& c : cases) {
    std::array<std::uint8_t, 7> bytes{};
    std::memcpy(bytes.data(), &c.Format, sizeof bytes);
    EXPECT_EQ(bytes, c.Bytes) << c.Name;
  }
}

TEST(DrawEdgeFormat, FieldsGiveKindAndFlags) {
  struct Case {
    std::string Name;
    TDrawEdgeFormat Format;
    unsigned Kind;
    unsigned Flags;
  };
  const Case cases[] = {
      {"nothing", {ebAll, esNone, esNone, desDefault, false, false}, 0, BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM},
      {"text box", {ebAll, esNone, esLowered, desDefault, true, false}, BDR_SUNKENOUTER,
       BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM | BF_ADJUST},
      {"raised both", {ebTop, esRaised, esRaised, desSoft, false, true}, BDR_RAISEDINNER | BDR_RAISEDOUTER,
       BF_TOP | BF_SOFT | BF_MIDDLE},
      {"sunken inner, mono", {ebLeft | ebBottom, esLowered, esNone, desMono, false, false}, BDR_SUNKENINNER,
       BF_LEFT | BF_BOTTOM | BF_MONO},
      {"flat", {ebRight, esNone, esRaised, desFlat, false, false}, BDR_RAISEDOUTER, BF_RIGHT | BF_FLAT},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DrawEdgeKind(c.Format), c.Kind) << c.Name;
    EXPECT_EQ(DrawEdgeFlags(c.Format), c.Flags) << c.Name;
  }
  TDrawEdgeFormat middle;
  middle.Middle = true;
  std::array<std::uint8_t, 5> bytes{};
  std::memcpy(bytes.data(), &middle, sizeof bytes);
  EXPECT_EQ(bytes, (std::array<std::uint8_t, 5>{ebAll, 0, 0, 0, 0x02}));
}

TEST(AlignRect, MovesWithoutResizing) {
  struct Case {
    std::string Name;
    TRect Rect;
    TRect Reference;
    int HPos, VPos;
    TRect Expected;
  };
  const TRect ref{10, 20, 110, 60};
  const Case cases[] = {
      {"left top", {50, 50, 60, 55}, ref, 0, 0, {10, 20, 20, 25}},
      {"right bottom", {0, 0, 10, 5}, ref, 2, 2, {100, 55, 110, 60}},
      {"centre", {0, 0, 10, 4}, ref, 1, 1, {55, 38, 65, 42}},
      {"other positions stay", {3, 4, 13, 9}, ref, 3, -1, {3, 4, 13, 9}},
      {"odd gap rounds towards zero", {0, 0, 3, 3}, {0, 0, 6, 6}, 1, 1, {1, 1, 4, 4}},
      {"wider than the reference, negative half rounds towards zero", {0, 0, 5, 5}, {0, 0, 2, 2}, 1, 1,
       {-1, -1, 4, 4}},
  };
  for (const Case& c : cases) {
    TRect r = c.Rect;
    AlignRect(r, c.Reference, c.HPos, c.VPos);
    EXPECT_EQ(r, c.Expected) << c.Name;
  }
}

TEST(AlignmentPositions, MapAlignmentAndLayout) {
  struct Case {
    TAlignment Alignment;
    TTextLayout Layout;
    int HPos, VPos;
  };
  const Case cases[] = {{taLeftJustify, tlTop, 0, 0},
                        {taRightJustify, tlCenter, 2, 1},
                        {taCenter, tlBottom, 1, 2}};
  for (const Case& c : cases) {
    TAlignmentPositions p = AlignmentPositions(c.Alignment, c.Layout);
    EXPECT_EQ(p.HPos, c.HPos);
    EXPECT_EQ(p.VPos, c.VPos);
  }
}

TEST(Emboss, CopiesStayInsideTheAnchoredEdges) {
  struct Case {
    TAlignment Alignment;
    TTextLayout Layout;
    TRect Base;
    TRect Widened;
  };
  const TRect r{10, 10, 50, 30};
  const Case cases[] = {
      {taLeftJustify, tlTop, {10, 10, 50, 30}, {10, 10, 51, 31}},
      {taRightJustify, tlTop, {9, 10, 49, 30}, {9, 10, 50, 31}},
      {taCenter, tlBottom, {10, 9, 50, 29}, {10, 9, 51, 30}},
      {taRightJustify, tlBottom, {9, 9, 49, 29}, {9, 9, 50, 30}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EmbossBase(r, c.Alignment, c.Layout), c.Base);
    TRect measured = r;
    WidenForEmboss(measured, c.Alignment, c.Layout);
    EXPECT_EQ(measured, c.Widened);
  }
}

TEST(OffscreenCopyRects, ShowsThePartTheLayoutPutsInTheRectangle) {
  struct Case {
    std::string Name;
    TRect Rect;
    TRect Measured;
    TAlignmentPositions Positions;
    bool NoClip;
    TCopyRects Expected;
  };
  const Case cases[] = {
      {"text taller than the box, centred: the middle rows",
       {0, 0, 100, 20}, {0, 0, 40, 60}, {0, 1}, false, {{0, 20, 40, 40}, {0, 0, 40, 20}}},
      {"text taller than the box, bottom: the last rows",
       {0, 0, 100, 20}, {0, 0, 40, 60}, {0, 2}, false, {{0, 40, 40, 60}, {0, 0, 40, 20}}},
      {"small text centred", {10, 10, 110, 50}, {10, 10, 30, 30}, {1, 1}, false,
       {{10, 10, 30, 30}, {50, 20, 70, 40}}},
      {"small text right and bottom", {0, 0, 100, 40}, {0, 0, 20, 10}, {2, 2}, false,
       {{0, 0, 20, 10}, {80, 30, 100, 40}}},
      {"wider text, right-aligned: its right part", {0, 0, 30, 20}, {0, 0, 50, 20}, {2, 0}, false,
       {{20, 0, 50, 20}, {0, 0, 30, 20}}},
      {"no clip copies all of it", {0, 0, 100, 20}, {0, 0, 40, 60}, {0, 1}, true,
       {{0, 0, 40, 60}, {0, -20, 40, 40}}},
  };
  for (const Case& c : cases) {
    TCopyRects r = OffscreenCopyRects(c.Rect, c.Measured, c.Positions, c.NoClip);
    EXPECT_EQ(r.Source, c.Expected.Source) << c.Name;
    EXPECT_EQ(r.Dest, c.Expected.Dest) << c.Name;
    EXPECT_EQ(r.Source.Width(), r.Dest.Width()) << c.Name;
    EXPECT_EQ(r.Source.Height(), r.Dest.Height()) << c.Name;
  }
}

TEST(EdgeRings, ColoursByKindAndStyle) {
  struct Case {
    std::string Name;
    unsigned Kind;
    unsigned Flags;
    TEdgeRing Outer;
    TEdgeRing Inner;
  };
  const unsigned all = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
  const Case cases[] = {
      {"none", 0, all, {}, {}},
      {"raised outer", BDR_RAISEDOUTER, all, {ec3DLight, ec3DDkShadow}, {}},
      {"sunken outer", BDR_SUNKENOUTER, all, {ecBtnShadow, ecBtnHighlight}, {}},
      {"raised inner alone takes the outer ring", BDR_RAISEDINNER, all, {ecBtnHighlight, ecBtnShadow}, {}},
      {"sunken inner alone", BDR_SUNKENINNER, all, {ec3DDkShadow, ec3DLight}, {}},
      {"raised edge", BDR_RAISEDOUTER | BDR_RAISEDINNER, all, {ec3DLight, ec3DDkShadow},
       {ecBtnHighlight, ecBtnShadow}},
      {"sunken edge", BDR_SUNKENOUTER | BDR_SUNKENINNER, all, {ecBtnShadow, ecBtnHighlight},
       {ec3DDkShadow, ec3DLight}},
      {"soft raised edge", BDR_RAISEDOUTER | BDR_RAISEDINNER, all | BF_SOFT, {ecBtnHighlight, ec3DDkShadow},
       {ec3DLight, ecBtnShadow}},
      {"soft sunken edge", BDR_SUNKENOUTER | BDR_SUNKENINNER, all | BF_SOFT, {ec3DDkShadow, ecBtnHighlight},
       {ecBtnShadow, ec3DLight}},
      {"flat", BDR_SUNKENOUTER | BDR_SUNKENINNER, all | BF_FLAT, {ecBtnShadow, ecBtnShadow},
       {ecBtnFace, ecBtnFace}},
      {"flat inner alone", BDR_RAISEDINNER, all | BF_FLAT, {ecBtnFace, ecBtnFace}, {}},
      {"mono", BDR_RAISEDOUTER | BDR_SUNKENINNER, all | BF_MONO, {ecWindowFrame, ecWindowFrame},
       {ecWindow, ecWindow}},
      {"mono outer alone", BDR_SUNKENOUTER, all | BF_MONO, {ecWindowFrame, ecWindowFrame}, {}},
  };
  for (const Case& c : cases) {
    TEdgeRings rings = EdgeRings(c.Kind, c.Flags);
    EXPECT_EQ(rings.Outer, c.Outer) << c.Name;
    EXPECT_EQ(rings.Inner, c.Inner) << c.Name;
  }
  EXPECT_EQ(EdgeMiddleColor(BF_MIDDLE), ecBtnFace);
  EXPECT_EQ(EdgeMiddleColor(BF_MIDDLE | BF_MONO), ecWindow);
}

TEST(EdgeInterior, ShrinksOnlyTheBorderedSidesByTheRings) {
  struct Case {
    std::string Name;
    unsigned Kind;
    unsigned Flags;
    TRect Expected;
  };
  const TRect r{0, 0, 100, 50};
  const Case cases[] = {
      {"one ring all round", BDR_SUNKENOUTER, BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM, {1, 1, 99, 49}},
      {"two rings all round", BDR_SUNKENOUTER | BDR_RAISEDINNER, BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM,
       {2, 2, 98, 48}},
      {"two rings, top and right", BDR_RAISEDOUTER | BDR_RAISEDINNER, BF_TOP | BF_RIGHT, {0, 2, 98, 50}},
      {"inner alone is one ring", BDR_SUNKENINNER, BF_LEFT | BF_BOTTOM, {1, 0, 100, 49}},
      {"no edge", 0, BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM, r},
  };
  for (const Case& c : cases) EXPECT_EQ(EdgeInterior(r, c.Kind, c.Flags), c.Expected) << c.Name;
}

TEST(IntersectRect, DisjointGivesEmpty) {
  EXPECT_EQ(IntersectRect({0, 0, 10, 10}, {5, 5, 20, 20}), (TRect{5, 5, 10, 10}));
  TRect none = IntersectRect({0, 0, 10, 10}, {20, 20, 30, 30});
  EXPECT_EQ(none.Width(), 0);
  EXPECT_EQ(none.Height(), 0);
}
}  // namespace
