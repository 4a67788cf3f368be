// GoogleTest entry point shared by every suite. Widget suites get a
// QApplication on the offscreen platform (unless a platform was chosen, so
// that the suites can also run under a real X server), core suites a
// QCoreApplication.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdlib>

#if KALVEX_TEST_WIDGETS
#include <QApplication>
#include <QStyleFactory>
#endif


int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
#if KALVEX_TEST_WIDGETS
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
#else
    QCoreApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
