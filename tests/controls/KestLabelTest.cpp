// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
#include <memory>
#include <string>

#include "controls/KestLabel.h"
#include "tests/controls/KestGlobalPixels.h"

namespace {
using namespace pixels;

const QColor Behind(0x40, 0x90, 0xC0);

// A control in the test palette and font; given a size, it keeps it (no auto-size).
template <typename T>
std::unique_ptr<T> Make(const QString& caption, QSize size = {}) {
  auto control = std::make_unique<T>();
  control->setPalette(TestPalette());
  control->setFont(CrispFont());
  if (size.isValid()) {
    control->SetAutoSize(false);
    control->resize(size);
  }
  control->SetCaption(caption);
  return control;
}

// What the control paints, over a background of its own colour.
QImage Render(QWidget& widget) {
  QImage image(widget.size(), QImage::Format_RGB32);
  image.fill(Behind);
  widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  return image;
}

TEST(KestLabel, Defaults) {
  TKestLabel label;
  EXPECT_TRUE(label.AutoSize());
  EXPECT_EQ(label.Layout(), tlTop);
  EXPECT_EQ(label.Alignment(), taLeftJustify);
  EXPECT_EQ(label.Ellipsis(), dteNone);
  EXPECT_TRUE(label.ExpandReturns());
  EXPECT_TRUE(label.ExpandTabs());
  EXPECT_TRUE(label.ShowAccelChar());
  EXPECT_FALSE(label.Transparent());
  EXPECT_FALSE(label.WordWrap());
  label.setPalette(TestPalette());
  EXPECT_EQ(label.Color(), Face);

  TTextBox box;
  EXPECT_FALSE(box.AutoSize());
  EXPECT_EQ(box.size(), QSize(121, 21));
  EXPECT_EQ(box.Layout(), tlCenter);
  EXPECT_FALSE(box.ShowAccelChar());
  EXPECT_EQ(box.BorderWidth(), 1);
  EXPECT_EQ(box.EdgeBorders(), ebAll);
  EXPECT_EQ(box.EdgeInner(), esNone);
  EXPECT_EQ(box.EdgeOuter(), esLowered);
  EXPECT_EQ(box.EdgeStyle(), desDefault);
  EXPECT_TRUE(box.EdgeFormat().Adjust);
  EXPECT_FALSE(box.EdgeFormat().Middle);

  TOKButton ok;
  EXPECT_EQ(ok.text(), "OK");
  EXPECT_TRUE(ok.Default());
  EXPECT_EQ(ok.ModalResult(), 1);
}

TEST(KestLabel, DrawTextFormatFollowsTheProperties) {
  struct Case {
    std::string Name;
    std::function<void(TKestLabel&)> Set;
    std::function<bool(const TDrawTextFormat&)> Check;
  };
  const Case cases[] = {
      {"defaults", [](TKestLabel&) {},
       [](const TDrawTextFormat& f) {
         return f.ExpandTabs && !f.SingleLine && !f.NoPrefix && !f.Disabled && !f.Transparent && !f.WordBreak &&
                f.Ellipsis == dteNone && !f.CalcRect;
       }},
      {"ellipsis ignored while auto-sized", [](TKestLabel& l) { l.SetEllipsis(dteEnd); },
       [](const TDrawTextFormat& f) { return f.Ellipsis == dteNone; }},
      {"ellipsis when not auto-sized",
       [](TKestLabel& l) {
         l.SetAutoSize(false);
         l.SetEllipsis(dtePath);
       },
       [](const TDrawTextFormat& f) { return f.Ellipsis == dtePath; }},
      {"no line ends", [](TKestLabel& l) { l.SetExpandReturns(false); },
       [](const TDrawTextFormat& f) { return f.SingleLine; }},
      {"no tabs", [](TKestLabel& l) { l.SetExpandTabs(false); },
       [](const TDrawTextFormat& f) { return !f.ExpandTabs; }},
      {"no accelerator", [](TKestLabel& l) { l.SetShowAccelChar(false); },
       [](const TDrawTextFormat& f) { return f.NoPrefix; }},
      {"disabled", [](TKestLabel& l) { l.setEnabled(false); }, [](const TDrawTextFormat& f) { return f.Disabled; }},
      {"transparent, wrapped", [](TKestLabel& l) {
         l.SetTransparent(true);
         l.SetWordWrap(true);
       },
       [](const TDrawTextFormat& f) { return f.Transparent && f.WordBreak; }},
      {"placement", [](TKestLabel& l) {
         l.SetAlignment(taCenter);
         l.SetLayout(tlBottom);
         l.SetBiDiMode(bdRightToLeftNoAlign);
       },
       [](const TDrawTextFormat& f) {
         return f.Alignment == taCenter && f.Layout == tlBottom && f.BiDiMode == bdRightToLeftNoAlign;
       }},
  };
  for (const Case& c : cases) {
    TKestLabel label;
    c.Set(label);
    EXPECT_TRUE(c.Check(label.GetDrawTextFormat())) << c.Name;
  }
}

TEST(KestLabel, PaintsBackgroundAndAlignedCaption) {
  for (TAlignment alignment : {taLeftJustify, taCenter, taRightJustify}) {
    auto label = Make<TKestLabel>("Caption", {200, 30});
    label->SetAlignment(alignment);
    const QImage image = Render(*label);
    EXPECT_TRUE(Is(image, 0, 0, Face) && Is(image, 199, 29, Face)) << "background in the button face colour";
    const QRect ink = BoundsOf(image, Text);
    ASSERT_FALSE(ink.isNull());
    if (alignment == taLeftJustify) {
      EXPECT_LT(ink.left(), 5);
    } else if (alignment == taRightJustify) {
      EXPECT_GT(ink.right(), 194);
    } else {
      EXPECT_LE(std::abs(ink.center().x() - 100), 2);
    }
  }
}

TEST(KestLabel, DisabledCaptionIsEmbossed) {
  auto label = Make<TKestLabel>("Disabled &label");
  label->setEnabled(false);
  const QImage image = Render(*label);
  EXPECT_TRUE(IsEmbossed(image, Highlight, Shadow));
  EXPECT_TRUE(PixelsOf(image, Text).empty());
}

TEST(KestLabel, EllipsisShortensALongCaption) {
  const QString caption = "A caption much too long for its label";
  auto shortened = Make<TKestLabel>(caption, {120, 20});
  shortened->SetExpandTabs(false);
  shortened->SetEllipsis(dteEnd);
  auto cut = Make<TKestLabel>(caption, {120, 20});
  cut->SetExpandTabs(false);

  const QImage withEllipsis = Render(*shortened);
  EXPECT_NE(withEllipsis, Render(*cut));
  // What it shows is the text as the ellipsis shortened it.
  QString expected = caption;
  {
    QImage scratch(120, 20, QImage::Format_RGB32);
    QPainter painter(&scratch);
    TCanvas canvas(painter, TestPalette());
    canvas.Font = CrispFont();
    QRect rect(0, 0, 120, 20);
    TDrawTextFormat format = shortened->GetDrawTextFormat();
    format.ModifyString = true;
    DrawTextFormatted(canvas, rect, expected, format);
  }
  ASSERT_TRUE(expected.endsWith(QChar(0x2026))) << expected.toStdString();
  cut->SetCaption(expected);
  EXPECT_EQ(withEllipsis, Render(*cut));
}

TEST(KestLabel, CustomDrawReplacesTheCaption) {
  for (bool transparent : {false, true}) {
    auto label = Make<TKestLabel>("Caption", {100, 20});
    label->SetTransparent(transparent);
    QObject* sender = nullptr;
    QRect handed;
    bool hadCanvas = false;
    label->OnCustomDraw = [&](QObject* s, const QRect& rect, bool& defaultDraw) {
      sender = s;
      handed = rect;
      hadCanvas = label->Canvas() != nullptr;
      defaultDraw = false;
      label->Canvas()->Painter().fillRect(QRect(10, 5, 4, 4), Qt::red);
    };
    const QImage image = Render(*label);
    EXPECT_EQ(sender, label.get());
    EXPECT_EQ(handed, QRect(0, 0, 100, 20));
    EXPECT_TRUE(hadCanvas);
    EXPECT_EQ(label->Canvas(), nullptr) << "the canvas lives only while painting";
    EXPECT_TRUE(PixelsOf(image, Text).empty()) << "no caption";
    EXPECT_EQ(BoundsOf(image, Qt::red), QRect(10, 5, 4, 4));
    EXPECT_EQ(Is(image, 50, 15, Behind), transparent) << "background only when not transparent";
    EXPECT_EQ(Is(image, 50, 15, Face), !transparent);
  }
}

TEST(KestLabel, CustomDrawCanKeepTheDefaultDrawing) {
  auto label = Make<TKestLabel>("Caption", {100, 20});
  int calls = 0;
  label->OnCustomDraw = [&](QObject*, const QRect&, bool&) { ++calls; };
  const QImage image = Render(*label);
  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(PixelsOf(image, Text).empty());
}

// How a text box is drawn in coloured pieces: its edge as it draws it, then
// each piece right after the previous one in the piece's colour.
TEST(KestTextBox, CustomDrawInColouredPieces) {
  auto box = Make<TTextBox>("abc.def", {160, 24});
  const QColor navy(0, 0, 128), green(0, 128, 0);
  box->OnCustomDraw = [&](QObject*, const QRect& rect, bool& defaultDraw) {
    defaultDraw = false;
    TCanvas& canvas = *box->Canvas();
    QRect run = rect;
    DrawEdgeFormatted(canvas, run, box->EdgeFormat());
    run.setWidth(0);
    TDrawTextFormat format;
    format.Alignment = box->Alignment();
    format.Layout = box->Layout();
    format.SingleLine = true;
    format.NoPrefix = true;
    const std::pair<QString, QColor> pieces[] = {{"abc", navy}, {".", canvas.FontColor}, {"def", green}};
    for (auto [piece, colour] : pieces) {
      run.moveLeft(run.left() + run.width());
      run.setWidth(canvas.TextWidth(piece));
      canvas.FontColor = colour;
      DrawTextFormatted(canvas, run, piece, format);
    }
  };
  const QImage image = Render(*box);
  const QRect blue = BoundsOf(image, navy);
  const QRect dot = BoundsOf(image, Text);
  const QRect grn = BoundsOf(image, green);
  ASSERT_FALSE(blue.isNull() || dot.isNull() || grn.isNull());
  EXPECT_LT(blue.right(), dot.left());
  EXPECT_LT(dot.right(), grn.left());
  EXPECT_TRUE(Is(image, 80, 0, Shadow)) << "the edge is there";
  EXPECT_TRUE(Is(image, 80, 23, Highlight));
  EXPECT_LE(std::abs((blue.center().y() + grn.center().y()) / 2 - 12), 3) << "pieces centred vertically";
}

TEST(KestTextBox, TwoLinesCentredInsideTheEdge) {
  auto box = Make<TTextBox>("First\nSecond", {150, 60});
  const QImage image = Render(*box);
  EXPECT_TRUE(Is(image, 70, 0, Shadow) && Is(image, 0, 30, Shadow)) << "lowered edge: shadow top and left";
  EXPECT_TRUE(Is(image, 70, 59, Highlight) && Is(image, 149, 30, Highlight)) << "light bottom and right";
  EXPECT_TRUE(Is(image, 1, 1, Face)) << "margin inside the edge";
  const QRect ink = BoundsOf(image, Text);
  EXPECT_LE(std::abs(ink.center().y() - 30), 3);
  EXPECT_GT(ink.height(), QFontMetrics(CrispFont()).height()) << "both lines";
  EXPECT_LT(ink.left(), 8) << "left-aligned after the edge and margin";
  EXPECT_GE(ink.left(), 2);

  // Too low for both lines: the middle of the block, cut at the inside of the edge.
  box->resize(150, 20);
  const QImage low = Render(*box);
  const QRect cut = BoundsOf(low, Text);
  EXPECT_GE(cut.top(), 2);
  EXPECT_LE(cut.bottom(), 17);
  EXPECT_TRUE(Is(low, 70, 0, Shadow) && Is(low, 70, 19, Highlight));
}

// Assistive technology finds a character where it is drawn, however the box places its text.
TEST(KestTextBox, CharacterRectsLieOnTheDrawnText) {
  struct Case {
    const char* Caption;
    TAlignment Alignment;
    TTextLayout Layout;
  };
  const Case cases[] = {{"10.1.2.3", taLeftJustify, tlCenter},
                        {"10.1.2.3", taRightJustify, tlTop},
                        {"255.255.0.0", taCenter, tlBottom},
                        {"First\r\nSecond", taCenter, tlCenter}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Caption);
    auto box = Make<TTextBox>(c.Caption, {150, 60});
    box->SetAlignment(c.Alignment);
    box->SetLayout(c.Layout);
    const QRect ink = BoundsOf(Render(*box), Text);
    const std::vector<QRect> rects = box->CharacterRects();
    ASSERT_EQ(rects.size(), std::size_t(QString(c.Caption).size()));
    QRect covered;
    for (const QRect& r : rects) covered |= r;
    EXPECT_TRUE(covered.adjusted(-1, -1, 1, 1).contains(ink)) << "ink " << ink.x() << "," << ink.y() << " "
                                                              << ink.width() << "x" << ink.height();
    EXPECT_LE(std::abs(covered.center().x() - ink.center().x()), 3);
    EXPECT_LE(std::abs(covered.center().y() - ink.center().y()), 3);
  }
}

TEST(KestTextBox, AmpersandShowsItself) {
  auto box = Make<TTextBox>("A&B");
  auto doubled = Make<TTextBox>("A&&B");
  doubled->SetShowAccelChar(true);
  EXPECT_EQ(Render(*box), Render(*doubled));
}

TEST(KestLabel, AutoSizeKeepsTheAnchoredEdge) {
  struct Case {
    TAlignment Alignment;
    std::function<int(const QRect&)> Edge;
  };
  const Case cases[] = {{taLeftJustify, [](const QRect& r) { return r.left(); }},
                        {taRightJustify, [](const QRect& r) { return r.left() + r.width(); }},
                        {taCenter, [](const QRect& r) { return r.left() + r.width() / 2; }}};
  for (const Case& c : cases) {
    QWidget parent;
    auto* label = new TKestLabel(&parent);
    label->setFont(CrispFont());
    label->SetAlignment(c.Alignment);
    label->setGeometry(200, 40, 60, 17);
    label->SetCaption("Short");
    const QRect before = label->geometry();
    const int anchor = c.Edge(before);
    label->SetCaption("A much longer caption");
    const QRect after = label->geometry();
    EXPECT_GT(after.width(), before.width()) << c.Alignment;
    EXPECT_NEAR(c.Edge(after), anchor, 1) << c.Alignment;
    EXPECT_EQ(after.top(), before.top()) << c.Alignment;
    EXPECT_EQ(after.size(), label->sizeHint()) << c.Alignment;
  }
}

TEST(KestLabel, AutoSizeFollowsFontAndEmptyCaptionKeepsALine) {
  auto label = Make<TKestLabel>("");
  EXPECT_EQ(label->height(), QFontMetrics(CrispFont()).height()) << "an empty caption is measured as a space";
  label->SetCaption("Text");
  const QSize small = label->size();
  label->setFont(CrispFont(20));
  EXPECT_GT(label->width(), small.width());
  EXPECT_GT(label->height(), small.height());
  const QSize large = label->size();
  label->SetAutoSize(false);
  label->SetCaption("Text that would not fit");
  EXPECT_EQ(label->size(), large);
}

TEST(KestTextBox, AutoSizeAddsEdgeAndMargin) {
  auto box = Make<TTextBox>("Some words");
  box->SetAutoSize(true);
  auto label = Make<TKestLabel>("Some words");
  EXPECT_EQ(box->size(), label->size() + QSize(4, 4)) << "one pixel of edge and one of margin each side";
  box->SetBorderWidth(3);
  EXPECT_EQ(box->size(), label->size() + QSize(8, 8));
  box->SetEdgeInner(esRaised);
  EXPECT_EQ(box->size(), label->size() + QSize(8, 8)) << "edge changes only redraw";
}

TEST(KestTextBox, WrappedAutoSizeDoesNotCreep) {
  auto box = Make<TTextBox>("Some words to wrap in a box", {80, 21});
  box->SetWordWrap(true);
  box->SetAutoSize(true);
  const QRect first = box->geometry();
  EXPECT_GE(first.height(), 2 * QFontMetrics(CrispFont()).height());
  EXPECT_LE(first.width(), 80);
  for (int i = 0; i < 3; ++i) {
    box->SetExpandTabs(false);
    box->SetExpandTabs(true);
  }
  EXPECT_EQ(box->geometry(), first);
}

TEST(KestLabel, AcceleratorFocusesTheFocusControl) {
  for (bool showAccel : {true, false}) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* other = new QLineEdit(&window);
    auto* label = new TKestLabel(&window);
    auto* edit = new QLineEdit(&window);
    layout->addWidget(other);
    layout->addWidget(label);
    layout->addWidget(edit);
    label->SetCaption("&Name");
    label->SetShowAccelChar(showAccel);
    label->SetFocusControl(edit);
    EXPECT_EQ(label->FocusControl(), edit);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(edit->hasFocus(), showAccel) << showAccel;
  }
}

TEST(KestLabel, AssistiveTechnologyReadsTheCaption) {
  auto label = Make<TKestLabel>("&Address");
  QAccessibleInterface* labelInfo = QAccessible::queryAccessibleInterface(label.get());
  ASSERT_NE(labelInfo, nullptr);
  EXPECT_EQ(labelInfo->text(QAccessible::Name), "Address");
  EXPECT_EQ(labelInfo->role(), QAccessible::StaticText);

  auto literal = Make<TKestLabel>("Cut && paste & more");
  literal->SetShowAccelChar(false);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(literal.get())->text(QAccessible::Name), "Cut && paste & more");

  QWidget window;
  auto* named = new TKestLabel(&window);
  named->SetCaption("&Mask");
  auto* edit = new QLineEdit(&window);
  named->SetFocusControl(edit);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name), "Mask");
  const auto labelled = QAccessible::queryAccessibleInterface(named)->relations(QAccessible::Labelled);
  ASSERT_EQ(labelled.size(), 1);
  EXPECT_EQ(labelled[0].first->object(), edit);

}

TEST(KestLabel, ATextBoxReadsAsReadOnlyTextNamedByItsLabel) {
  struct Case {
    const char* Caption;      // of the label beside the box
    bool CaptionAccelerator;  // whether the label's "&" marks an accelerator
    const char* Name;
  };
  const Case cases[] = {{"Subnet &ID", true, "Subnet ID"},
                        {"Subnet ID", true, "Subnet ID"},
                        {"Hosts && nets", true, "Hosts & nets"},
                        {"Hosts & nets", false, "Hosts & nets"}};
  for (const Case& c : cases) {
    QWidget page;
    auto* label = new TKestLabel(&page);
    label->SetShowAccelChar(c.CaptionAccelerator);
    label->SetCaption(c.Caption);
    auto* box = new TTextBox(&page);
    box->SetCaption("10.0.0.1 & more");
    label->SetFocusControl(box);
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(box);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->role(), QAccessible::EditableText) << c.Caption;
    EXPECT_TRUE(read->state().readOnly) << c.Caption;
    EXPECT_EQ(read->text(QAccessible::Name), c.Name) << c.Caption;
    const auto labels = read->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->object(), label);
    ASSERT_NE(read->textInterface(), nullptr);
    EXPECT_EQ(read->textInterface()->text(0, read->textInterface()->characterCount()), "10.0.0.1 & more");

    box->SetCaption("10.0.0.2");
    EXPECT_EQ(read->textInterface()->text(0, read->textInterface()->characterCount()), "10.0.0.2");
    EXPECT_EQ(read->text(QAccessible::Value), "10.0.0.2");
    label->SetCaption("Broadcast");
    EXPECT_EQ(read->text(QAccessible::Name), "Broadcast") << "the name follows the label";
  }
}

TEST(KestLabel, ClickAndDoubleClick) {
  auto label = Make<TKestLabel>("Click me");
  int clicks = 0, doubles = 0;
  label->OnClick = [&](QObject* sender) { clicks += sender == label.get(); };
  label->OnDblClick = [&](QObject* sender) { doubles += sender == label.get(); };
  QTest::mouseClick(label.get(), Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  QTest::mouseDClick(label.get(), Qt::LeftButton);
  EXPECT_EQ(doubles, 1);
}

TEST(OKButton, ClosesAModalDialogWithItsResult) {
  for (bool modal : {true, false}) {
    QDialog dialog;
    auto* ok = new TOKButton(&dialog);
    if (modal)
      dialog.open();
    else
      dialog.show();
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.isVisible(), !modal) << modal;
    if (modal) {
      EXPECT_EQ(dialog.result(), 1);
    }
  }
  QDialog dialog;
  auto* edit = new QLineEdit(&dialog);
  new TOKButton(&dialog);
  dialog.open();
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_FALSE(dialog.isVisible()) << "Enter presses the default button";
  EXPECT_EQ(dialog.result(), 1);
}
}  // namespace
