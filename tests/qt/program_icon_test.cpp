// The window icon: the desktop icon's pixels at four sizes, made without a picture file.
#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "platform/qt/program_icon_pixels.h"
#include "platform/qt/widgets.h"

namespace quillion::platform::qt {
namespace {

TEST(ProgramIcon, FourSizesOfTheDesktopIcon) {
  const QIcon icon = programIcon();
  const QList<QSize> sizes = icon.availableSizes();
  ASSERT_EQ(sizes.size(), 4);
  for (int side : {16, 32, 48, 64}) EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
  for (const IconPixels& size : programIconPixels()) {
    SCOPED_TRACE(size.side);
    const QImage image =
        icon.pixmap(QSize(size.side, size.side)).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(size.side, size.side));
    // Transparent corners around the rounded square, opaque within it.
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(size.side - 1, size.side - 1)), 0);
    EXPECT_EQ(qAlpha(image.pixel(size.side / 2, size.side / 8 + 2)), 255);
    // The pixmap holds exactly the words it was made from.
    const QImage words(reinterpret_cast<const uchar*>(size.argb), size.side, size.side,
                       size.side * 4, QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(image, words.convertToFormat(QImage::Format_ARGB32));
  }
}

}  // namespace
}  // namespace quillion::platform::qt
