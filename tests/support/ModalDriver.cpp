#include "support/ModalDriver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTimer>
#include <memory>

namespace ql::test {

namespace {
using Finder = std::function<QWidget*()>;

void Poll(Finder find, ModalAction action, std::chrono::milliseconds timeout) {
    // The application owns the timer until it deletes itself.
    auto* timer = std::make_unique<QTimer>(qApp).release();
    timer->setInterval(20);
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(timer, &QTimer::timeout, [timer, started, find, action, timeout] {
        if (!timer->isActive()) return;
        if (QWidget* widget = find()) {
            timer->stop();
            timer->deleteLater();
            action(widget);
            return;
        }
        if (started->elapsed() > timeout.count()) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "the expected window did not appear";
        }
    });
    timer->start();
}
}  // namespace

void WhenModal(ModalAction action, std::chrono::milliseconds timeout) {
    Poll([] { return QApplication::activeModalWidget(); }, std::move(action), timeout);
}

void WhenVisible(const char* className, ModalAction action, std::chrono::milliseconds timeout) {
    Poll(
        [className]() -> QWidget* {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (widget->isVisible() && widget->inherits(className)) return widget;
            }
            return nullptr;
        },
        std::move(action), timeout);
}

void ClearSettings() {
    QSettings settings(QStringLiteral("Orva"), QStringLiteral("QL-7400"));
    settings.clear();
    settings.sync();
}

std::string SettingsFileText() {
    QSettings settings(QStringLiteral("Orva"), QStringLiteral("QL-7400"));
    settings.sync();
    QFile file(settings.fileName());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

}  // namespace ql::test
