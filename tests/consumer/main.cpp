// Installs the window library in a host and creates a generator by ProgID.
#include <QApplication>
#include <cstdio>

#include "browser/kalvexUi_install.h"
#include "foundation/progid_registry.h"
#include "interfaces/IKalvexGenerator.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kalvex::kalvexUi_install();
    const auto gen = kalvex::createByProgId<kalvex::IKalvexGenerator>(QStringLiteral("KalvexObjs.KalvexGenerator"));
    if (!gen) {
        std::fprintf(stderr, "no generator by ProgID\n");
        return 1;
    }
    std::printf("consumer: ok\n");
    return 0;
}
