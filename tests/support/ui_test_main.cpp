#include <gtest/gtest.h>

#include <QApplication>

// Widget tests need a QApplication; without a display they run on the
// offscreen platform, also when the test list is read at build time.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
