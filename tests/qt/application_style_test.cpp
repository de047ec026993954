// The application's style draws what the style it wraps draws.
#include <gtest/gtest.h>

#include <memory>

#include <QIcon>
#include <QImage>
#include <QStyleFactory>

#include "platform/qt/widgets.h"

namespace quillion::platform::qt {
namespace {

TEST(ApplicationStyle, DeferredIconsAreTheWrappedStylesOwn) {
  // The menu bar's arrow icons are read when first drawn; they must still be the very
  // pictures of the style underneath, at every size and after a copy.
  std::unique_ptr<QStyle> ours(applicationStyle(QStringLiteral("Fusion")));
  std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
  for (QStyle::StandardPixmap which :
       {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
    SCOPED_TRACE(static_cast<int>(which));
    const QIcon deferred = ours->standardIcon(which);
    const QIcon copy = deferred;
    const QIcon expected = plain->standardIcon(which);
    EXPECT_FALSE(deferred.isNull());
    EXPECT_EQ(deferred.availableSizes(), expected.availableSizes());
    for (int side : {8, 16, 24, 32}) {
      const QImage wanted = expected.pixmap(side).toImage();
      ASSERT_FALSE(wanted.isNull());
      EXPECT_EQ(deferred.pixmap(side).toImage(), wanted) << side;
      EXPECT_EQ(copy.pixmap(side).toImage(), wanted) << side;
    }
  }
  // Other icons come straight from the wrapped style.
  const QImage ours16 = ours->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16).toImage();
  EXPECT_EQ(ours16, plain->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16).toImage());
}

}  // namespace
}  // namespace quillion::platform::qt
