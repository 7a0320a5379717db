#include "app/AppFixture.h"

#include <QApplication>

#include "clone/CComPort.h"

namespace ql::test {

AppTest::AppTest() : lockPath(QString::fromStdString(dir.File("ql7400.lock").string())) {
    ClearSettings();
}

AppTest::~AppTest() {
    // Nothing of one test stays open for the next.
    for (QWidget* widget : QApplication::topLevelWidgets()) widget->close();
    QApplication::processEvents();
}

std::unique_ptr<CQL7400App> AppTest::MakeApp() {
    return std::make_unique<CQL7400App>(
        CQL7400App::Services{settings, prompts, tones, [] { return std::make_unique<CComPort>(); },
                             lockPath, [this] { return devices; }});
}

std::unique_ptr<CQL7400App> AppTest::StartPlain(const QStringList& arguments) {
    if (settings.GetInt("SetupInfo", "0000", 0) == 0) SetupDone();
    auto app = MakeApp();
    EXPECT_TRUE(app->InitInstance(arguments));
    return app;
}

void AppTest::SetupDone(int version, int expansion) {
    settings.SetInt("SetupInfo", "0000", 1);
    settings.SetInt("SetupInfo", "0001", version);
    settings.SetInt("SetupInfo", "0002", expansion);
    settings.SetInt("Tip", "StartUp", 1);
}

void AppTest::SetDevice(unsigned port, const std::string& device) {
    settings.SetString("CommPort", "Device" + std::to_string(port), device);
}

}  // namespace ql::test
