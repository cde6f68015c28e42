// The window's test programs: one application object for all tests, offscreen unless
// the caller chose a platform.
#include <gtest/gtest.h>

#include <QApplication>

// Read by ThreadSanitizer in a build with it, and unused otherwise. Qt is not built with
// ThreadSanitizer: its image and paint thread pools hand work over through futexes that
// it cannot see, so the memory Qt's own code allocates, copies and frees there reads as
// raced. Calls made from inside Qt are ignored; our own code stays checked, also where
// Qt calls into it.
extern "C" const char* __tsan_default_suppressions() {
    return "called_from_lib:libQt6Core.so.6\n"
           "called_from_lib:libQt6Gui.so.6\n";
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
