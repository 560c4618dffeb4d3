// Starts the way the program does as far as the single-instance guard: prints "first" and
// waits for a request to come forward (printing "forward"), or, when another copy holds the
// claim, prints "second" and ends with the second copy's exit code.
// Usage: justone_probe <claim folder>
#include "ui/main/Justone.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 64;
    nudgery::TPreviousInstance previous(QString::fromLocal8Bit(argv[0]),
                                        QString::fromLocal8Bit(argv[1]));
    if (previous.Exists()) {
        std::puts("second");
        return previous.RunSecondCopyStep();
    }
    QObject::connect(&previous, &nudgery::TPreviousInstance::BringForwardRequested, &app, [] {
        std::puts("forward");
        QCoreApplication::quit();
    });
    // A probe left without a request ends by itself.
    QTimer::singleShot(60'000, &app, [] { QCoreApplication::exit(3); });
    std::puts("first");
    std::fflush(stdout);
    return app.exec();
}
