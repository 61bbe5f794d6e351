#include "platform/Shell.h"

#include <gtest/gtest.h>

namespace {

TEST(ShellTest, PicturesAreCompiledIn) {
  struct TCase {
    const char* Name;
    QSize Size;
  };
  const TCase cases[] = {
      {"RADIXERCALCLOGO", {150, 60}}, {"ORVANECALCLOGO", {150, 60}}, {"LATENCYCALCLOGO", {150, 60}},
      {"KESTGROUPLOGO", {64, 56}},    {"ARROWUP", {9, 9}},           {"ARROWDOWN", {9, 9}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const QPixmap picture = LoadBitmapResource(c.Name);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), c.Size);
    EXPECT_TRUE(picture.hasAlphaChannel());
  }
  EXPECT_TRUE(LoadBitmapResource("NOSUCHPICTURE").isNull());
}

}  // namespace
