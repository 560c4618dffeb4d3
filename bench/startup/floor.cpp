// A floor for the start-up measurement: a bare Qt window with a 1,000-row table and a
// one-second timer. Built with FLOOR_CLOCK, a label above the table shows a seconds clock,
// its text set on every tick.
#include <QApplication>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#ifdef FLOOR_CLOCK
#include <QLabel>
#include <QTime>
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    auto* layout = new QVBoxLayout(&window);
#ifdef FLOOR_CLOCK
    auto* clock = new QLabel(&window);
    layout->addWidget(clock);
#endif
    constexpr int rows = 1000;
    constexpr int columns = 3;
    auto* table = new QTableWidget(rows, columns, &window);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            table->setItem(row, column,
                           new QTableWidgetItem(
                               QStringLiteral("Row %1, column %2").arg(row + 1).arg(column + 1)));
    layout->addWidget(table);

    QTimer timer;
    timer.setInterval(1000);
#ifdef FLOOR_CLOCK
    const auto showTime = [clock] {
        clock->setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
    };
    showTime();
    QObject::connect(&timer, &QTimer::timeout, clock, showTime);
#else
    QObject::connect(&timer, &QTimer::timeout, &window, [] {});
#endif
    timer.start();

    window.resize(600, 400);
    window.show();
    return app.exec();
}
