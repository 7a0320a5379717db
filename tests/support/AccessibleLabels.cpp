#include "support/AccessibleLabels.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QWidget>

namespace ql::test {

namespace {
// The text without its mnemonic markers, as the accessible name drops them.
QString WithoutAmpersands(QString text) {
    return text.remove(QLatin1Char('&'));
}

std::string Where(const QWidget& root, const QLabel& label) {
    const QString window = root.window()->windowTitle();
    return (window.isEmpty() ? root.metaObject()->className() : window.toStdString()) +
           ": label \"" + label.text().toStdString() + "\"";
}
}  // namespace

void ExpectLabelsReadAsTheirText(const QWidget& root) {
    for (QLabel* label : root.findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        EXPECT_EQ(label->accessibleName(), QString())
            << Where(root, *label) << " is named \"" << label->accessibleName().toStdString()
            << "\" by hand";
        if (label->textFormat() == Qt::RichText) continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(label);
        ASSERT_NE(face, nullptr) << Where(root, *label);
        EXPECT_EQ(WithoutAmpersands(face->text(QAccessible::Name)),
                  WithoutAmpersands(label->text()))
            << Where(root, *label);
    }
}

}  // namespace ql::test
