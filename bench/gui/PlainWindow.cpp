// The yardstick of what any program with this window's parts costs in Qt alone: a
// QMainWindow with a menu bar of a few menus, a status-bar text and a table of 99 rows by
// 12 columns on a simple model, shown at the bare window's size.

#include <QAbstractTableModel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableView>

#include "WindowProbe.h"

namespace {

class PlainModel final : public QAbstractTableModel {
  public:
    [[nodiscard]] int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : 99;
    }
    [[nodiscard]] int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : 12;
    }
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole) return {};
        return QStringLiteral("%1.%2").arg(index.row() + 1).arg(index.column() + 1);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    for (const char* title : {"&File", "&Edit", "&View", "&Help"}) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        menu->addAction(QStringLiteral("&Open"));
        menu->addAction(QStringLiteral("&Close"));
    }
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    PlainModel model;
    QTableView table;
    table.setModel(&model);
    window.setCentralWidget(&table);
    window.resize(620, 360);
    window.show();
    window.repaint();
    ql::bench::ReportShownAndIdle();
    // The window gives the table back before the model goes.
    window.takeCentralWidget();
    return 0;
}
