// The yardstick of start-up: a bare QMainWindow, shown.

#include <QMainWindow>

#include "WindowProbe.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.resize(620, 360);
    window.show();
    window.repaint();
    ql::bench::ReportShownAndIdle();
    return 0;
}
