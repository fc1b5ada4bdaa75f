#include <gtest/gtest.h>
#include <QApplication>

// Every test executable gets a QApplication on the offscreen platform, so that
// widget tests and headless tests share one main().
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
