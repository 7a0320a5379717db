#include "ui/SettingsFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

#include "clone/CComPort.h"
#include "support/AccessibleLabels.h"

namespace ql::test {

SettingsDialogTest::SettingsDialogTest() {
    Start(0);
}

SettingsDialogTest::~SettingsDialogTest() {
    for (QWidget* widget : QApplication::topLevelWidgets()) widget->close();
    QApplication::processEvents();
}

void SettingsDialogTest::Start(int version) {
    radio = nullptr;
    doc.reset();
    settings.SetInt("SetupInfo", "0000", 1);
    settings.SetInt("SetupInfo", "0001", version);
    settings.SetInt("SetupInfo", "0002", 0);
    doc = std::make_unique<CQL7400Doc>(settings, prompts, tones, std::make_unique<CComPort>());
    radio = doc.get();
    QObject::connect(doc.get(), &CQL7400Doc::DataChanged, [this] { ++steps; });
    doc->RadioData().SetCommandObserver([this](std::string_view text, std::string_view) {
        if (recording_) sent_.emplace_back(text);
    });
    sent_.clear();
    steps = 0;
}

std::vector<std::string> SettingsDialogTest::Take() {
    return std::exchange(sent_, {});
}

void SettingsDialogTest::Set(const std::vector<std::string>& commands) {
    recording_ = false;
    for (const std::string& command : commands) doc->RadioData().Command(command);
    recording_ = true;
}

std::string SettingsDialogTest::Model(std::string_view command) {
    recording_ = false;
    std::string answer = doc->RadioData().Command(command);
    recording_ = true;
    return answer;
}

std::vector<std::string> CommonQueries(const std::vector<std::string>& names) {
    std::vector<std::string> commands;
    for (const std::string& name : names) commands.push_back("COMMON." + name);
    return commands;
}

void ExpectAccessible(const QWidget& root) {
    ExpectLabelsReadAsTheirText(root);
    for (const QWidget* control : root.findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(&root)) continue;
        QString name = control->accessibleName();
        if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            if (name.isEmpty()) name = button->text();
        }
        EXPECT_FALSE(name.isEmpty()) << control->metaObject()->className();
        if (qobject_cast<const QComboBox*>(control) || qobject_cast<const QLineEdit*>(control)) {
            bool named = false;
            for (const QLabel* label : root.findChildren<QLabel*>()) {
                named |= label->buddy() == control && label->text() == name;
            }
            const auto* frame = qobject_cast<const QGroupBox*>(control->parentWidget());
            named |= frame != nullptr && frame->title() == name;
            EXPECT_TRUE(named) << name.toStdString() << ": no label or frame says so";
        }
    }
}

}  // namespace ql::test
