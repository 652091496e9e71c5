#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

#include "gui/leak_suppressions.h"
#include "gui/qt_services.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no application: starting one would only warn about the missing
    // runtime folder of a desktop session.
    if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    gui::installTranslator();
    const int result = RUN_ALL_TESTS();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
