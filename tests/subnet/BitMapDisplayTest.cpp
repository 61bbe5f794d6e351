// SPDX-License-Identifier: MIT
// The bit maps as drawn: the colour of every character's glyph, and the
// legend of the bit-map labels.
#include <QAction>
#include <QFontMetricsF>
#include <QImage>
#include <QRadioButton>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "controls/ColourContrast.h"
#include "controls/KestIPAddrEdit.h"
#include "platform/RadioGroup.h"
#include "platform/ValueComboBox.h"
#include "subnet/SubnetCalculator.h"
#include "tests/controls/KestGlobalPixels.h"

namespace {
using namespace pixels;

const QColor Navy(0, 0, 128), Maroon(128, 0, 0), Green(0, 128, 0);

QColor ColourOf(char letter) {
  switch (letter) {
    case 'n': return Navy;
    case 's': return Maroon;
    case 'h': return Green;
    default: return Text;
  }
}

int Count(const QImage& image, int left, int right, const QColor& colour) {
  int found = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = left; x < right; ++x) found += Is(image, x, y, colour);
  return found;
}

// Each cell [left, right) holds ink of its own colour and of no other of the four.
void ExpectCell(const QImage& image, int left, int right, char letter, const std::string& what) {
  const QColor expected = ColourOf(letter);
  EXPECT_GT(Count(image, left, right, expected), 0) << what << " has no ink of its colour";
  for (char other : std::string("nsh.")) {
    if (ColourOf(other) == expected) continue;
    EXPECT_EQ(Count(image, left, right, ColourOf(other)), 0) << what << " has ink of '" << other << "'";
  }
}

int TextWidth(const QFont& font, const QString& text) {
  return int(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}

class BitMapDisplayTest : public testing::Test {
 protected:
  BitMapDisplayTest() : Option("Allow &1 Subnet Bit (RFC 1878)"), Calculator(Loading, &Option, nullptr) {
    Option.setCheckable(true);
    Calculator.setPalette(TestPalette());
    Loading = true;
    Calculator.LoadSettings("Software\\Test\\Absent");
    Loading = false;
  }

  void PickMaskBits(int maskBits) {
    TValueComboBox* list = Calculator.SubnetMaskBitsComboBox;
    const int index = list->findText(QString::number(maskBits));
    ASSERT_GE(index, 0);
    list->setCurrentIndex(index);
    list->OnClick(list);
  }

  void PickClass(int index) { Calculator.AddressTypeRadioGroup->Item(index)->click(); }

  // A box in a crisp fixed-pitch font, so that its pixels carry the exact
  // colours and character i lies in the i-th cell after the edge.
  static QImage Render(TTextBox* box) {
    QFont font = box->font();
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    box->setFont(font);
    box->resize(TextWidth(font, QString(40, '0')), box->height());
    return box->grab().toImage();
  }

  // Checks character by character; `letters` names the colour of each
  // (n navy, s maroon, h green, "." the font colour).
  static void ExpectColours(TTextBox* box, const char* letters) {
    const QImage image = Render(box);
    const QString text = box->Caption();
    ASSERT_EQ(text.size(), 35);
    const QFontMetricsF metrics(box->font());
    const double cell = metrics.horizontalAdvance('0');
    ASSERT_EQ(cell, std::floor(cell)) << "whole-pixel cells";
    ASSERT_EQ(metrics.horizontalAdvance(text), 35 * cell) << "a fixed-pitch font";
    const int edge = 1;
    for (int i = 0; i < 35; ++i) {
      const int left = edge + int(i * cell);
      ExpectCell(image, left, left + int(cell), letters[i],
                 box->objectName().toStdString() + " character " + std::to_string(i + 1));
    }
  }

  // The label's pieces, each in its own cell, in their colours.
  void ExpectLegend(TKestLabel* label, const QString& title, bool withSubnet) {
    QFont font = label->font();
    font.setStyleStrategy(QFont::NoAntialias);
    label->setFont(font);
    const QImage image = label->grab().toImage();
    const QString subnetPart = withSubnet ? "s=subnet; " : "";
    EXPECT_EQ(label->Caption(), title + "n=network; " + subnetPart + "h=host)");
    int left = 0;
    std::string letters = withSubnet ? ".n.s.h." : ".n.h.";
    std::vector<QString> pieces{title, "n=network", "; "};
    if (withSubnet) pieces.insert(pieces.end(), {"s=subnet", "; "});
    pieces.insert(pieces.end(), {"h=host", ")"});
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      const int right = left + TextWidth(font, pieces[i]);
      ExpectCell(image, left, right, letters[i], pieces[i].toStdString());
      left = right;
    }
    EXPECT_EQ(Count(image, left, image.width(), Text), 0) << "nothing after the legend";

    // The title reads as a plain label with that caption shows it.
    TKestLabel plain;
    plain.setPalette(TestPalette());
    plain.setFont(font);
    plain.SetCaption(title);
    const QImage expected = plain.grab().toImage();
    const int titleWidth = TextWidth(font, title);
    ASSERT_GE(image.height(), expected.height());
    for (int y = 0; y < expected.height(); ++y)
      for (int x = 0; x < titleWidth; ++x)
        ASSERT_EQ(image.pixelColor(x, y), expected.pixelColor(x, y)) << title.toStdString() << " at " << x << "," << y;
  }

  bool Loading = false;
  QAction Option;
  TSubnetCalculator Calculator;
};

TEST_F(BitMapDisplayTest, ClassBAddressInfo) {
  ASSERT_EQ(Calculator.ClassBitMapTextBox->Caption(), "10nnnnnn.nnnnnnnn.hhhhhhhh.hhhhhhhh");
  ExpectColours(Calculator.ClassBitMapTextBox, "nnnnnnnn.nnnnnnnn.hhhhhhhh.hhhhhhhh");
  ExpectColours(Calculator.BinAddressTextBox, "nnnnnnnn.nnnnnnnn.hhhhhhhh.hhhhhhhh");
}

// A screen reader is told the cell each character is drawn in, not where a plain caption would be.
TEST_F(BitMapDisplayTest, CharacterRectsAreTheDrawnCells) {
  TTextBox* box = Calculator.BinAddressTextBox;
  const QImage image = Render(box);
  const char* letters = "nnnnnnnn.nnnnnnnn.hhhhhhhh.hhhhhhhh";
  const std::vector<QRect> rects = box->CharacterRects();
  ASSERT_EQ(rects.size(), 35u);
  const int cell = TextWidth(box->font(), "0");
  for (int i = 0; i < 35; ++i) {
    const QRect& rect = rects[std::size_t(i)];
    EXPECT_EQ(rect.left(), 1 + i * cell) << "right inside the edge, one cell a character";
    ExpectCell(image, rect.left(), rect.right() + 1, letters[i], "character " + std::to_string(i + 1));
  }
}

TEST_F(BitMapDisplayTest, SubnetBitMapFollowsTheMask) {
  struct {
    int MaskBits;
    const char* Letters;
  } const cases[] = {
      {18, "nnnnnnnn.nnnnnnnn.sshhhhhh.hhhhhhhh"},
      {24, "nnnnnnnn.nnnnnnnn.ssssssss.hhhhhhhh"},
      {30, "nnnnnnnn.nnnnnnnn.ssssssss.sssssshh"},
  };
  for (const auto& c : cases) {
    PickMaskBits(c.MaskBits);
    ExpectColours(Calculator.SubnetBitMapTextBox, c.Letters);
  }
}

TEST_F(BitMapDisplayTest, SwitchingTheClassRedrawsTitleAndBits) {
  PickClass(0);
  ExpectLegend(Calculator.ClassBitMapLabel, "Class A Bit Map (", false);
  ExpectColours(Calculator.BinAddressTextBox, "nnnnnnnn.hhhhhhhh.hhhhhhhh.hhhhhhhh");
  PickClass(2);
  ExpectLegend(Calculator.ClassBitMapLabel, "Class C Bit Map (", false);
  ExpectColours(Calculator.BinAddressTextBox, "nnnnnnnn.nnnnnnnn.nnnnnnnn.hhhhhhhh");
  ExpectColours(Calculator.ClassBitMapTextBox, "nnnnnnnn.nnnnnnnn.nnnnnnnn.hhhhhhhh");
}

TEST_F(BitMapDisplayTest, SubnetLabelLegend) {
  ExpectLegend(Calculator.SubnetBitMapLabel, "Subnet Bit Map (", true);
}

TEST_F(BitMapDisplayTest, ShortTextColouredAsFarAsItGoes) {
  TTextBox* box = Calculator.BinAddressTextBox;
  box->SetCaption("10000000.0000");
  QFont font = box->font();
  const QImage image = Render(box);
  const int cell = TextWidth(font, "0");
  for (int i = 0; i < 13; ++i)
    ExpectCell(image, 1 + i * cell, 1 + (i + 1) * cell, i == 8 ? '.' : 'n', "character " + std::to_string(i + 1));
  EXPECT_EQ(Count(image, 1 + 13 * cell, image.width(), Green), 0);
}

// On a dark desktop palette each part keeps its hue and reads at 4.5:1 or more
// against the box, measured on the drawn pixels.
TEST_F(BitMapDisplayTest, DarkPaletteKeepsHuesReadable) {
  QPalette dark = TestPalette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    dark.setColor(group, QPalette::Button, QColor(53, 53, 53));
    dark.setColor(group, QPalette::Window, QColor(53, 53, 53));
    dark.setColor(group, QPalette::WindowText, QColor(230, 230, 230));
  }
  Calculator.setPalette(dark);
  PickMaskBits(24);
  const QImage image = Render(Calculator.SubnetBitMapTextBox);
  const auto rgb = [](QColor c) { return TRgb{std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())}; };
  const TRgb background = rgb(QColor(53, 53, 53));
  for (const QColor& specified : {Navy, Maroon, Green}) {
    // The most contrasting pixel of the part's hue is its ink.
    double best = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QColor pixel = image.pixelColor(x, y);
        if (pixel.saturation() < 64 || std::abs(pixel.hue() - specified.hue()) > 3) continue;
        best = std::max(best, ContrastRatio(rgb(pixel), background));
      }
    EXPECT_GE(best, 4.5) << specified.name().toStdString();
  }
}

}  // namespace
