// The undo history through the main frame: every kind of user action is one step, taken
// back and made again to the very bytes of the file, named in the Edit menu, and followed by
// the edit flag; New and Open start a new history, Save does not.

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "app/AppFixture.h"
#include "app/CMainFrame.h"
#include "app/CQL7400Doc.h"
#include "ui/CQL7400View.h"
#include "ui/StringTable.h"

namespace ql::test {
namespace {

namespace cmd = ui::cmd;
using Answer = ui::CUserPrompts::Answer;

class UndoTest : public AppTest {
  protected:
    UndoTest() : app(StartPlain()), doc(*app->Document()), frame(*app->MainFrame()) {
        view = qobject_cast<ui::CQL7400View*>(frame.centralWidget());
    }

    // The data file the document would save now.
    std::string FileText() { return doc.RadioData().SaveText(); }
    QString UndoText() {
        frame.UpdateCommandUi();
        return frame.Action(cmd::kUndo)->text();
    }
    static void Click(QWidget* dialog, const QString& text) {
        for (auto* button : dialog->findChildren<QPushButton*>()) {
            if (button->text() == text) button->click();
        }
    }
    void EditMemory(unsigned channel, const char* frequency) {
        view->SelectChannel(channel);
        WhenModal([frequency](QWidget* dialog) {
            auto* edit = dialog->findChildren<QLineEdit*>().value(0);
            edit->selectAll();
            QTest::keyClicks(edit, frequency);
            QTest::keyClick(edit, Qt::Key_Return);
        });
        frame.Execute(cmd::kEditMemory);
    }

    std::unique_ptr<CQL7400App> app;
    CQL7400Doc& doc;
    CMainFrame& frame;
    ui::CQL7400View* view = nullptr;
};

TEST_F(UndoTest, EveryKindOfActionIsOneStepUndoneAndRedoneToTheSameFile) {
    prompts.files = {QString::fromStdString(dir.File("base.icf").string())};
    frame.Execute(cmd::kSaveAs);
    prompts.Take();
    EXPECT_FALSE(frame.Action(cmd::kUndo)->isEnabled());
    std::vector<std::string> files{FileText()};
    std::vector<QString> names;
    const auto step = [&](const QString& name) {
        files.push_back(FileText());
        names.push_back(name);
        // The toolbar's Undo is ready at once, before any menu or selection updates it.
        EXPECT_TRUE(frame.Action(cmd::kUndo)->isEnabled()) << name.toStdString();
        EXPECT_EQ(UndoText(), "&Undo " + name);
    };

    EditMemory(12, "145.5");
    step("Edit Memory VHF 12");
    frame.Execute(cmd::kCopy);
    EXPECT_EQ(UndoText(), "&Undo Edit Memory VHF 12") << "Copy changes no data";
    view->SelectChannel(13);
    frame.Execute(cmd::kPaste);
    step("Paste");
    EditMemory(20, "146.0");
    view->selectionModel()->select(view->model()->index(11, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view->selectionModel()->select(view->model()->index(12, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    step("Edit Memory VHF 20");
    ASSERT_EQ(view->SelectedChannels(), (std::vector<unsigned>{12, 13, 20}));
    frame.Execute(cmd::kClear);
    step("Clear");
    EXPECT_EQ(doc.Query("CH.MCH_144.20.APPEAR"), "OFF");
    EXPECT_EQ(doc.Query("CH.MCH_144.13.APPEAR"), "OFF");
    view->SelectChannel(1);
    frame.Execute(cmd::kInsert);
    step("Insert");
    frame.Execute(cmd::kDelete);
    step("Delete");
    WhenModal([](QWidget* dialog) {
        // A change kept by leaving its page, then Cancel.
        for (auto* list : dialog->findChildren<QComboBox*>()) {
            if (list->accessibleName() == "Tx T.O.T") list->setCurrentText("30 min");
        }
        dialog->findChild<QTabWidget*>()->setCurrentIndex(1);
        Click(dialog, "Cancel");
    });
    frame.Execute(cmd::kCommonSetting);
    step("Common Setting");
    WhenModal([](QWidget* dialog) {
        for (auto* list : dialog->findChildren<QComboBox*>()) {
            if (list->accessibleName() == "Speed") list->setCurrentText("200ms");
        }
        Click(dialog, "OK");
    });
    frame.Execute(cmd::kDtmfAutoDial);
    step("DTMF AutoDial");

    for (std::size_t back = names.size(); back > 0; --back) {
        frame.Execute(cmd::kUndo);
        EXPECT_EQ(FileText(), files[back - 1]) << "undo of " << names[back - 1].toStdString();
        frame.UpdateCommandUi();
        EXPECT_EQ(frame.Action(cmd::kRedo)->text(), "&Redo " + names[back - 1]);
    }
    EXPECT_FALSE(doc.IsModified()) << "back at the saved state: nothing to ask";
    EXPECT_FALSE(frame.Action(cmd::kUndo)->isEnabled());
    EXPECT_EQ(frame.windowTitle(), "base.icf - QL-7400");
    for (std::size_t forward = 1; forward < files.size(); ++forward) {
        frame.Execute(cmd::kRedo);
        EXPECT_EQ(FileText(), files[forward]) << "redo of " << names[forward - 1].toStdString();
        EXPECT_TRUE(doc.IsModified());
    }
}

TEST_F(UndoTest, SaveKeepsTheHistoryAndMovesTheSavedStateNewAndOpenClearIt) {
    const QString path = QString::fromStdString(dir.File("one.icf").string());
    doc.Apply("CH.MCH_144.5.ALL=APPEAR=ON\tFREQUENCY=145.0000");
    prompts.files = {path};
    frame.Execute(cmd::kSave);
    prompts.Take();
    EXPECT_FALSE(doc.IsModified());
    frame.Execute(cmd::kUndo);
    EXPECT_TRUE(doc.IsModified()) << "the file holds the step just undone";
    EXPECT_EQ(doc.Query("CH.MCH_144.5.APPEAR"), "OFF");
    frame.Execute(cmd::kRedo);
    EXPECT_FALSE(doc.IsModified());

    doc.Apply("CH.MCH_144.6.ALL=APPEAR=ON\tFREQUENCY=145.0000");
    prompts.answers = {Answer::kNo};
    frame.Execute(cmd::kNew);
    frame.UpdateCommandUi();
    EXPECT_FALSE(frame.Action(cmd::kUndo)->isEnabled());
    EXPECT_EQ(UndoText(), "&Undo");
    doc.Apply("CH.MCH_144.6.ALL=APPEAR=ON\tFREQUENCY=145.0000");
    prompts.answers = {Answer::kNo};
    prompts.files = {path};
    frame.Execute(cmd::kOpen);
    frame.UpdateCommandUi();
    EXPECT_FALSE(frame.Action(cmd::kUndo)->isEnabled());
    EXPECT_FALSE(frame.Action(cmd::kRedo)->isEnabled());
}

}  // namespace
}  // namespace ql::test
