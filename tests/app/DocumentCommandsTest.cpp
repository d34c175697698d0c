// New, Open, Save, Save As, the save prompt, the recent-file list and the
// text, SVG, merge and PNG commands of the main window.
#include "MainFrameFixture.h"

#include "../model/SampleDrawings.h"
#include "app/RecentFileList.h"
#include "model/BinaryFile.h"
#include "model/TextFormat.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

} // namespace

TEST_F(MainFrameTest, SaveAsAndOpenRoundTripInBothFormats) {
    doc = samples::EveryKind();
    for (const QString name : {"a.plv", "a.txt"}) {
        doc.SetModifiedFlag(true);
        files = {Path(name)};
        frame->Run(CommandId::SaveAs);
        EXPECT_EQ(doc.PathName, Local(name));
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(frame->windowTitle(), name + " - Pluvo");
        EXPECT_EQ(Contents(Path(name)).toStdString(), SerializeDrawing(doc, Local(name).c_str()));

        CPluvoDoc other;
        CMainFrame second(other);
        EXPECT_TRUE(second.OpenFile(Path(name)));
        EXPECT_EQ(other.drawing().figures, doc.drawing().figures) << name.toStdString();
        EXPECT_EQ(other.drawing().texts, doc.drawing().texts);
        EXPECT_EQ(second.windowTitle(), name + " - Pluvo");
    }
    EXPECT_EQ(questions.front().filter, "Pluvo Files (*.plv);;Alle bestanden (*)");
    EXPECT_EQ(questions.front().defaultSuffix, "plv");
}

TEST_F(MainFrameTest, SaveWritesEveryTimeAndAFailedSaveKeepsTheDrawingModified) {
    doc = samples::OneLine();
    doc.PathName = Local("b.plv");
    frame->Run(CommandId::Save);
    EXPECT_TRUE(questions.empty()) << "a named drawing is saved without asking";
    EXPECT_EQ(Contents(Path("b.plv")).toStdString(), StoreBinary(doc));
    QFile::remove(Path("b.plv"));
    frame->Run(CommandId::Save);
    EXPECT_TRUE(QFile::exists(Path("b.plv"))) << "also when nothing changed";

    doc.PathName = Local("missing/b.plv");
    frame->Run(CommandId::Thicker);
    frame->Run(CommandId::Save);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0],
              "Pluvo: Kan " + Path("missing/b.plv") + " niet opslaan: map bestaat niet.");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(frame->windowTitle().endsWith('*'));
}

TEST_F(MainFrameTest, TheSavePromptsThreeAnswers) {
    Writable(doc).figures.push_back(samples::Make(Lijn, {1, 1}, {9, 9}));
    doc.SetModifiedFlag(true);

    saveAnswer = SaveAnswer::Cancel;
    frame->Run(CommandId::New);
    EXPECT_EQ(doc.drawing().figures.size(), 1u) << "Cancel stops New";
    ASSERT_EQ(saveQuestions.size(), 1);
    EXPECT_EQ(saveQuestions[0], "Wijzigingen in Naamloos opslaan?");

    saveAnswer = SaveAnswer::Yes;
    files = {Path("kept.plv")};
    frame->Run(CommandId::New);
    EXPECT_TRUE(doc.drawing().figures.empty());
    EXPECT_EQ(frame->windowTitle(), " - Pluvo");
    CPluvoDoc saved;
    ASSERT_EQ(OpenDrawing(saved, Local("kept.plv")).status, OpenStatus::Opened);
    EXPECT_EQ(saved.drawing().figures.size(), 1u) << "Yes saved before the new drawing";

    Writable(doc).figures.push_back(samples::Make(Lijn, {1, 1}, {9, 9}));
    doc.SetModifiedFlag(true);
    saveAnswer = SaveAnswer::No;
    frame->Run(CommandId::New);
    EXPECT_TRUE(doc.drawing().figures.empty()) << "No gives the changes up";

    doc.SetModifiedFlag(true);
    saveAnswer = SaveAnswer::Yes; // and then the Save As dialog is cancelled
    files.clear();
    frame->Run(CommandId::New);
    EXPECT_TRUE(doc.IsModified()) << "a cancelled save stops New";

    saveAnswer = SaveAnswer::Cancel;
    frame->close();
    EXPECT_TRUE(frame->isVisible()) << "Cancel keeps the window open";
    saveAnswer = SaveAnswer::No;
    frame->close();
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(MainFrameTest, ARejectedFileLeavesTheNewUnnamedDrawing) {
    doc = samples::EveryKind();
    doc.PathName = Local("old.plv");
    Put(Path("bad.txt"), "Pluvo Versie 1c Qrtz3B\n\n  1\n");
    EXPECT_TRUE(frame->OpenFile(Path("bad.txt")));
    EXPECT_EQ(messages,
              (QStringList{"Pluvo: Fout in bestand op regel 3", "Pluvo: Incorrect bestand"}));
    EXPECT_TRUE(doc.drawing().figures.empty());
    EXPECT_TRUE(doc.PathName.empty()) << "Save cannot overwrite the rejected file";
    EXPECT_EQ(frame->windowTitle(), " - Pluvo");
    EXPECT_TRUE(frame->RecentFiles().Paths().isEmpty()) << "a rejected file is not recent";

    messages.clear();
    EXPECT_FALSE(frame->OpenFile(Path("nothing.plv")));
    EXPECT_EQ(messages, QStringList{"Pluvo: Kan " + Path("nothing.plv") +
                                    " niet openen: bestand bestaat niet."});
}

TEST_F(MainFrameTest, RecentFilesAreMostRecentFirstTenAtMostAndShortened) {
    RecentFileList list;
    for (int i = 1; i <= 12; ++i) list.Add(QString("/tmp/d%1.plv").arg(i));
    list.Add("/tmp/d5.plv");
    ASSERT_EQ(list.Paths().size(), 10);
    EXPECT_EQ(list.Paths().front(), "/tmp/d5.plv") << "a file opened again moves up";
    EXPECT_EQ(list.Paths()[1], "/tmp/d12.plv");
    EXPECT_FALSE(list.Paths().contains("/tmp/d2.plv")) << "the oldest fall off";

    EXPECT_EQ(RecentFileList::MenuName("/tmp/d1.plv"), "/tmp/d1.plv");
    EXPECT_EQ(RecentFileList::MenuName("/srv/tekeningen/2026/december/plattegrond.plv"),
              "/.../december/plattegrond.plv");
    EXPECT_EQ(RecentFileList::MenuName("/srv/een-heel-lange-naam-van-een-tekening.plv"),
              "een-heel-lange-naam-van-een-tekening.plv")
        << "the name is kept even when it alone is too long";
    EXPECT_EQ(RecentFileList::MenuName(QDir::homePath() + "/a.plv"), "~/a.plv");
    for (const QString path : {"/a/b/c/d/e/f/g/h/i/j/k/l/m/n/o/p.plv", "/x/yy/zzz/plan-2026.plv"})
        EXPECT_LE(RecentFileList::MenuName(path).size(), 30) << path.toStdString();

    // In the menu: numbered, and a missing file leaves the list with a message.
    doc = samples::OneLine();
    files = {Path("r1.plv")};
    frame->Run(CommandId::SaveAs);
    files = {Path("r2.plv")};
    frame->Run(CommandId::SaveAs);
    QMenu* fileMenu = frame->menuBar()->actions()[0]->menu();
    QStringList entries;
    for (QAction* action : fileMenu->actions())
        if (action->text().startsWith('&') && action->text()[1].isDigit())
            entries << action->text();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_TRUE(entries[0].startsWith("&1 ") && entries[0].endsWith("r2.plv"));
    QFile::remove(Path("r1.plv"));
    for (QAction* action : fileMenu->actions())
        if (action->text().startsWith("&2 ")) action->trigger();
    EXPECT_EQ(frame->RecentFiles().Paths(), QStringList{Path("r2.plv")});
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("bestand bestaat niet")) << messages[0].toStdString();
}

TEST_F(MainFrameTest, TextSvgAndMergeCommandsRememberTheirPaths) {
    doc = samples::EveryKind();
    files = {Path("export.txt")};
    frame->Run(CommandId::WriteText);
    std::string expected;
    WriteText(doc, expected);
    EXPECT_EQ(Contents(Path("export.txt")).toStdString(), expected);
    EXPECT_EQ(doc.TextPath, Local("export.txt"));
    EXPECT_FALSE(doc.IsModified()) << "exporting does not touch the drawing";

    files = {Path("export.txt")};
    frame->Run(CommandId::WriteText);
    EXPECT_EQ(questions.back().initial, Path("export.txt")) << "the last path is offered again";

    files = {Path("d.svg")};
    frame->Run(CommandId::WriteSvg);
    EXPECT_TRUE(Contents(Path("d.svg")).contains("<title>" + Path("d.svg").toUtf8() + "</title>"));
    EXPECT_EQ(questions.back().filter, "SVG-bestand (*.svg);;Alle bestanden (*)");

    // Cancel in the save prompt stops reading the text back; "Nee" lets it
    // replace the drawing.
    doc = samples::OneLine();
    doc.SetModifiedFlag(true);
    saveAnswer = SaveAnswer::Cancel;
    files = {Path("export.txt")};
    frame->Run(CommandId::ReadText);
    EXPECT_EQ(doc.drawing().figures, samples::OneLine().drawing().figures);
    EXPECT_TRUE(doc.IsModified());
    saveAnswer = SaveAnswer::No;
    frame->Run(CommandId::ReadText);
    EXPECT_EQ(doc.drawing().figures, samples::EveryKind().drawing().figures);
    EXPECT_EQ(saveQuestions.size(), 2);

    // A file that cannot be written is named in a message.
    files = {Path("no/such/x.svg")};
    frame->Run(CommandId::WriteSvg);
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_EQ(messages.back(),
              "Pluvo: Kan " + Path("no/such/x.svg") + " niet schrijven: map bestaat niet.");
}

TEST_F(MainFrameTest, MergingSelectsTheAddedFiguresAndRefusesOtherFiles) {
    CPluvoDoc three;
    for (int i = 0; i < 3; ++i) Writable(three).figures.push_back(samples::Make(Rechthoek, {i, i}, {9, 9}));
    Put(Path("three.plv"), QByteArray::fromStdString(StoreBinary(three)));
    for (int i = 0; i < 5; ++i) Writable(doc).figures.push_back(samples::Make(Lijn, {i, 0}, {i, 9}));
    files = {Path("three.plv")};
    frame->Run(CommandId::Merge);
    EXPECT_EQ(doc.drawing().figures.size(), 8u);
    EXPECT_EQ(doc.Selection(), (std::vector<std::uint32_t>{5, 6, 7}));
    EXPECT_EQ(doc.MergePath, Local("three.plv"));
    EXPECT_TRUE(doc.IsModified()) << "merged figures would be lost on Exit without the mark";

    Put(Path("not.plv"), "hello");
    files = {Path("not.plv")};
    frame->Run(CommandId::Merge);
    EXPECT_EQ(messages, QStringList{"Jammer: Bestand incorrect"});
    EXPECT_EQ(doc.drawing().figures.size(), 8u);
}

TEST_F(MainFrameTest, PngExportWritesTheCanvasOrSaysWhyNot) {
    doc = samples::OneLine();
    files = {Path("canvas.png")};
    frame->Run(CommandId::WritePng);
    EXPECT_EQ(questions.back().caption, "Sla veld op als png-bestand");
    EXPECT_EQ(questions.back().filter, "png-file (*.png);;All files (*)");
    const QImage written(Path("canvas.png"));
    EXPECT_EQ(written.size(), frame->View()->Canvas().size()) << "the whole canvas";
    EXPECT_EQ(doc.PngPath, Local("canvas.png"));
}

TEST_F(MainFrameTest, TheRealFileDialogsTakeATypedPath) {
    // No stand-in for the file dialogs here: the dialog itself is shown and
    // a full path is typed into it, as a user would.
    answers.file = nullptr;
    standIn = std::make_unique<PromptStandIn>(answers);
    const auto typeInto = [](const QString& path) {
        QTimer::singleShot(0, [path] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            // Typed in one go, so that no completion list opens over it.
            name->setFocus();
            name->setText(path);
            QTest::keyClick(name, Qt::Key_Return);
        });
    };
    doc = samples::EveryKind();
    typeInto(Path("via-dialog"));
    frame->Run(CommandId::WriteText);
    EXPECT_TRUE(QFile::exists(Path("via-dialog.txt"))) << "the default extension is added";

    doc = samples::OneLine();
    typeInto(Path("via-dialog.txt"));
    frame->Run(CommandId::ReadText);
    EXPECT_EQ(doc.drawing().figures, samples::EveryKind().drawing().figures) << "read back through the open dialog";
}

TEST_F(MainFrameTest, TheClipboardGetsTheCanvasAndTheDrawingStaysAsItWas) {
    doc = samples::EveryKind();
    WritableSelection(doc) = {0};
    frame->InitialUpdate();
    const std::string before = StoreBinary(doc);
    QTest::keyClick(frame->View(), Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), frame->View()->Canvas().size()) << "the whole canvas";
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), frame->View()->Canvas())
        << "as on the screen, selection marks included";
    EXPECT_EQ(StoreBinary(doc), before);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(MainFrameTest, ADroppedFileOpensLikeOpen) {
    Put(Path("dropped.plv"), QByteArray::fromStdString(StoreBinary(samples::EveryKind())));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(Path("dropped.plv"))});
    const QPoint at = frame->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &drop);
    EXPECT_EQ(doc.drawing().figures, samples::EveryKind().drawing().figures);
    EXPECT_EQ(frame->windowTitle(), "dropped.plv - Pluvo");
}
