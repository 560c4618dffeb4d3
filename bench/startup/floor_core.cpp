// The floor of the command-line measurement: a bare Qt program without a window, which makes
// its application object and ends at once.
#include <QCoreApplication>

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    return 0;
}
