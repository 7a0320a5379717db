// The document's file commands through the main frame: New, Open, Save, Save As, the
// recently-used files, and the save question wherever edits could be lost.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>

#include "app/AppFixture.h"
#include "app/CMainFrame.h"
#include "app/CQL7400Doc.h"
#include "ui/StringTable.h"

namespace ql::test {
namespace {

using Answer = ui::CUserPrompts::Answer;
namespace cmd = ui::cmd;

class DocumentTest : public AppTest {
  protected:
    DocumentTest() : app(StartPlain()), doc(*app->Document()), frame(*app->MainFrame()) {}

    // One user edit: channel 12 of the VHF list in use on 145.0000 MHz.
    void Edit(std::string frequency = "145.0000") {
        const std::vector<std::string> commands{"CH.MCH_144.12.FREQUENCY=" + frequency,
                                                "CH.MCH_144.12.APPEAR=ON"};
        doc.Apply(commands);
    }
    QString File(std::string_view name) const {
        return QString::fromStdString(dir.File(name).string());
    }

    std::unique_ptr<CQL7400App> app;
    CQL7400Doc& doc;
    CMainFrame& frame;
};

TEST_F(DocumentTest, FileDialogsStartInTheFilesFolderElseTheLastOneUsedElseTheDocuments) {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString fallback = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    const auto startedIn = [&](int command) {
        prompts.files = {QString()};
        frame.Execute(command);
        prompts.Take();
        return prompts.folders.empty() ? QString() : prompts.folders.back();
    };
    EXPECT_EQ(startedIn(cmd::kOpen), fallback);
    EXPECT_EQ(startedIn(cmd::kSaveAs), fallback);
    EXPECT_EQ(settings.GetString("File Dialog", "LastFolder", "none"), "none")
        << "a cancelled dialog chose no folder";

    std::filesystem::create_directory(dir.File("radios"));
    const QString radios = File("radios");
    prompts.files = {File("radios/mine")};
    frame.Execute(cmd::kSaveAs);
    prompts.Take();
    EXPECT_EQ(settings.GetString("File Dialog", "LastFolder", ""), radios.toStdString());
    // The open file's folder.
    EXPECT_EQ(startedIn(cmd::kOpen), radios);
    EXPECT_EQ(startedIn(cmd::kSaveAs), radios);
    // No file open: the last folder used, as the store keeps it between runs.
    frame.Execute(cmd::kNew);
    EXPECT_EQ(startedIn(cmd::kOpen), radios);
    settings.SetString("File Dialog", "LastFolder", dir.Path().string());
    EXPECT_EQ(startedIn(cmd::kOpen), QString::fromStdString(dir.Path().string()));
    // A folder that is gone is passed over.
    settings.SetString("File Dialog", "LastFolder", dir.File("gone").string());
    EXPECT_EQ(startedIn(cmd::kSaveAs), fallback);
}

TEST_F(DocumentTest, AnUntitledDocumentIsSavedAsADataFileAndReopened) {
    EXPECT_EQ(frame.windowTitle(), "Untitled - QL-7400");
    EXPECT_FALSE(doc.IsModified());
    int refreshes = 0;
    QObject::connect(&doc, &CQL7400Doc::DataChanged, [&] { ++refreshes; });
    Edit();
    EXPECT_EQ(refreshes, 1) << "one user action, one refresh";
    EXPECT_TRUE(doc.IsModified());

    // Save of an untitled document is Save As; the extension is added.
    prompts.files = {File("mine")};
    frame.Execute(cmd::kSave);
    EXPECT_EQ(prompts.Take(), (std::vector<std::string>{"save: Untitled Data Files (*.ICF) .icf"}));
    EXPECT_TRUE(std::filesystem::exists(dir.File("mine.icf")));
    EXPECT_EQ(frame.windowTitle(), "mine.icf - QL-7400");
    EXPECT_FALSE(doc.IsModified());

    frame.Execute(cmd::kNew);
    EXPECT_TRUE(prompts.Take().empty()) << "nothing to lose, nothing asked";
    EXPECT_EQ(frame.windowTitle(), "Untitled - QL-7400");
    EXPECT_EQ(doc.Query("CH.MCH_144.12.APPEAR"), "OFF");

    prompts.files = {File("mine.icf")};
    frame.Execute(cmd::kOpen);
    EXPECT_EQ(prompts.Take(), (std::vector<std::string>{"open: Data Files (*.ICF)"}));
    EXPECT_EQ(doc.Query("CH.MCH_144.12.FREQUENCY"), "145.0000");
    EXPECT_EQ(frame.windowTitle(), "mine.icf - QL-7400");
    EXPECT_FALSE(doc.IsModified());

    // Save writes the same file again without asking.
    Edit("145.5000");
    frame.Execute(cmd::kSave);
    EXPECT_TRUE(prompts.Take().empty());
    TestRadio check(0);
    EXPECT_EQ(check(Quoted("FILE.LOAD.", dir.File("mine.icf"))), "OK");
    EXPECT_EQ(check("CH.MCH_144.12.FREQUENCY"), "145.5000");
}

TEST_F(DocumentTest, EveryPathThatLosesEditsAsksFirst) {
    prompts.files = {File("base.icf")};
    frame.Execute(cmd::kSaveAs);
    WriteFileBytes(dir.File("other.icf"), ReadFileBytes(dir.File("base.icf")));
    Edit();
    prompts.Take();
    const std::string question = "question: Save changes to base.icf?";

    // New, Cancel: nothing happens.
    prompts.answers = {Answer::kCancel};
    frame.Execute(cmd::kNew);
    EXPECT_EQ(prompts.Take(), std::vector<std::string>{question});
    EXPECT_EQ(doc.Query("CH.MCH_144.12.APPEAR"), "ON");

    // Open, Cancel: no file dialog.
    prompts.answers = {Answer::kCancel};
    frame.Execute(cmd::kOpen);
    EXPECT_EQ(prompts.Take(), std::vector<std::string>{question});

    // A recent file, Cancel.
    ASSERT_FALSE(frame.RecentActions().isEmpty());
    prompts.answers = {Answer::kCancel};
    frame.RecentActions().first()->trigger();
    EXPECT_EQ(prompts.Take(), std::vector<std::string>{question});
    EXPECT_TRUE(doc.IsModified());

    // A file named while modified (as the command line or a drop would).
    prompts.answers = {Answer::kCancel};
    EXPECT_FALSE(doc.OpenDocumentFile(File("other.icf")));
    EXPECT_EQ(prompts.Take(), std::vector<std::string>{question});

    // The close box and Exit, Cancel: the window stays.
    prompts.answers = {Answer::kCancel, Answer::kCancel};
    EXPECT_FALSE(frame.close());
    frame.Execute(cmd::kExit);
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(prompts.Take(), (std::vector<std::string>{question, question}));

    // New, No: the edits are dropped, the data set is fresh.
    prompts.answers = {Answer::kNo};
    frame.Execute(cmd::kNew);
    EXPECT_EQ(prompts.Take(), std::vector<std::string>{question});
    EXPECT_EQ(doc.Query("CH.MCH_144.12.APPEAR"), "OFF");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(frame.windowTitle(), "Untitled - QL-7400");

    // Exit, Yes: saved first (Save As for an untitled document), then closed.
    Edit("146.0000");
    prompts.answers = {Answer::kYes};
    prompts.files = {File("last.icf")};
    EXPECT_TRUE(frame.close());
    EXPECT_EQ(prompts.Take(), (std::vector<std::string>{"question: Save changes to Untitled?",
                                                        "save: Untitled Data Files (*.ICF) .icf"}));
    TestRadio check(0);
    EXPECT_EQ(check(Quoted("FILE.LOAD.", dir.File("last.icf"))), "OK");
    EXPECT_EQ(check("CH.MCH_144.12.FREQUENCY"), "146.0000");
}

TEST_F(DocumentTest, YesWithAFailedSaveKeepsTheEdits) {
    Edit();
    prompts.answers = {Answer::kYes};
    prompts.files = {File("missing-folder/x.icf")};
    EXPECT_FALSE(frame.close());
    const std::vector<std::string> shown = prompts.Take();
    ASSERT_EQ(shown.size(), 3U);
    EXPECT_TRUE(
        shown[2].starts_with("warning: Cannot save the data file; the document still "
                             "holds the changes.\n" +
                             dir.File("missing-folder/x.icf").string()))
        << shown[2];
    EXPECT_NE(shown[2].find("CANNOT_OPEN_FILE"), std::string::npos) << shown[2];
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(frame.windowTitle(), "Untitled - QL-7400");
    EXPECT_TRUE(frame.isVisible());
}

TEST_F(DocumentTest, AFailedSaveLeavesTheOldFileAndTheDocumentModified) {
    prompts.files = {File("keep.icf")};
    frame.Execute(cmd::kSaveAs);
    const std::string before = ReadFileBytes(dir.File("keep.icf"));
    Edit();
    // The data file's place is taken by a folder that cannot be replaced by a file.
    std::filesystem::create_directories(dir.File("blocked.icf") / "inside");
    prompts.files = {File("blocked.icf")};
    frame.Execute(cmd::kSaveAs);
    const std::vector<std::string> shown = prompts.Take();
    ASSERT_EQ(shown.size(), 3U);
    EXPECT_TRUE(shown[2].starts_with("warning: Cannot save the data file")) << shown[2];
    EXPECT_NE(shown[2].find(dir.File("blocked.icf").string()), std::string::npos);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(frame.windowTitle(), "keep.icf - QL-7400") << "still the file it was";
    EXPECT_EQ(ReadFileBytes(dir.File("keep.icf")), before);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("blocked.icf") / "inside"));
    // No half-written file is left beside it.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        ++files;
    }
    EXPECT_EQ(files, 3) << "keep.icf, blocked.icf and the lock";
}

TEST_F(DocumentTest, ARefusedOpenChangesNothing) {
    Edit();
    prompts.answers = {Answer::kNo};
    WriteFileBytes(dir.File("short.icf"), "20470001\r\n#\r\n000010FFFF\r\n");
    prompts.files = {File("short.icf")};
    frame.Execute(cmd::kOpen);
    const std::vector<std::string> shown = prompts.Take();
    ASSERT_EQ(shown.size(), 3U);
    EXPECT_TRUE(shown[2].starts_with("warning: Cannot open the data file.\n")) << shown[2];
    EXPECT_EQ(doc.Query("CH.MCH_144.12.FREQUENCY"), "145.0000");
    EXPECT_EQ(frame.windowTitle(), "Untitled - QL-7400");
    EXPECT_TRUE(doc.RecentFiles().Files().isEmpty());
}

TEST_F(DocumentTest, TheRecentFileListKeepsFourMostRecentFirstAcrossRuns) {
    EXPECT_FALSE(frame.Action(cmd::kRecentFile)->isEnabled());
    EXPECT_TRUE(frame.Action(cmd::kRecentFile)->isVisible());
    for (const char* name : {"a.icf", "b.icf", "c.icf", "d.icf", "e.icf"}) {
        prompts.files = {File(name)};
        frame.Execute(cmd::kSaveAs);
    }
    prompts.files = {File("c.icf")};
    frame.Execute(cmd::kOpen);
    QStringList names;
    for (QAction* action : frame.RecentActions()) names.append(action->text());
    EXPECT_EQ(names, (QStringList{"&1 " + File("c.icf"), "&2 " + File("e.icf"),
                                  "&3 " + File("d.icf"), "&4 " + File("b.icf")}));
    EXPECT_FALSE(frame.Action(cmd::kRecentFile)->isVisible());
    EXPECT_EQ(settings.GetString("Recent File List", "File1", ""), dir.File("c.icf").string());
    EXPECT_EQ(settings.GetString("Recent File List", "File4", ""), dir.File("b.icf").string());

    frame.RecentActions().at(2)->trigger();
    EXPECT_EQ(frame.windowTitle(), "d.icf - QL-7400");

    // A recent file that went away is reported and leaves the list.
    std::filesystem::remove(dir.File("b.icf"));
    prompts.Take();
    frame.RecentActions().at(3)->trigger();
    const std::vector<std::string> shown = prompts.Take();
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_TRUE(
        shown[0].starts_with("warning: Cannot open the data file.\n" + dir.File("b.icf").string()));
    EXPECT_EQ(frame.RecentActions().size(), 3);

    app.reset();
    auto next = StartPlain();
    EXPECT_EQ(next->MainFrame()->RecentActions().size(), 3);
    EXPECT_EQ(next->MainFrame()->RecentActions().first()->text(), "&1 " + File("d.icf"));
}

TEST_F(DocumentTest, TheRadioDataModifiedFlagAloneMakesTheDocumentModified) {
    // An assignment that changes the image, made without the document's own flag.
    doc.RadioData().Command("COMMON.BEEP=OFF");
    EXPECT_TRUE(doc.IsModified());
    prompts.answers = {Answer::kNo};
    EXPECT_TRUE(frame.close());
    EXPECT_EQ(prompts.Take(), std::vector<std::string>{"question: Save changes to Untitled?"});
}

TEST_F(DocumentTest, TheCloneFileLivesWithTheDocument) {
    const std::filesystem::path clone = doc.CloneFilePath();
    EXPECT_TRUE(std::filesystem::exists(clone));
    EXPECT_TRUE(clone.filename().string().starts_with("cl"));
    app.reset();
    EXPECT_FALSE(std::filesystem::exists(clone));
}

}  // namespace
}  // namespace ql::test
