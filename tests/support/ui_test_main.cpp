#include <gtest/gtest.h>

#include <QApplication>

// Widget tests need a QApplication; without a display they run on the
// offscreen platform, also when the test list is read at build time.
// Printouts go on Letter paper, the paper their layout is made for, whatever
// paper the locale of the machine running the tests has (LC_ALL would speak
// for LC_PAPER, so the paper's locale takes its place).
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!qEnvironmentVariableIsEmpty("LC_ALL")) {
    for (const char* category : {"LC_CTYPE", "LC_NUMERIC", "LC_TIME", "LC_COLLATE", "LC_MONETARY", "LC_MESSAGES"})
      if (qEnvironmentVariableIsEmpty(category)) qputenv(category, qgetenv("LC_ALL"));
    qunsetenv("LC_ALL");
  }
  qputenv("LC_PAPER", "en_US.UTF-8");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
