// The Qt backend's tests run in one application on the offscreen platform.
#include <gtest/gtest.h>

#include <cstdlib>

#include <QApplication>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
