// Start-up: the command line of the editor, a drawing to open, --print.
#include "../model/SampleDrawings.h"
#include "app/CMainFrame.h"
#include "app/CPluvoApp.h"
#include "app/Prompts.h"
#include "model/BinaryFile.h"
#include "model/TextFormat.h"

#include <QFile>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

class StartUp : public ::testing::Test {
protected:
    void SetUp() override {
        answers.message = [this](const QString& text, const QString&) { messages << text; };
        standIn = std::make_unique<PromptStandIn>(answers);
    }

    QString Put(const QString& name, const std::string& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }

    QTemporaryDir dir;
    PromptAnswers answers;
    std::unique_ptr<PromptStandIn> standIn;
    QStringList messages;
};

} // namespace

TEST_F(StartUp, WithoutADrawingTheWindowShowsANewOne) {
    CPluvoApp app;
    EXPECT_EQ(app.InitInstance({"pluvo"}), -1);
    ASSERT_NE(app.MainFrame(), nullptr);
    EXPECT_TRUE(app.MainFrame()->isVisible());
    EXPECT_EQ(app.MainFrame()->windowTitle(), " - Pluvo");
    EXPECT_TRUE(app.Document().drawing().figures.empty());
}

TEST_F(StartUp, ANamedDrawingOpensByItsName) {
    std::string text;
    WriteText(samples::EveryKind(), text);
    const QString path = Put("tekening.txt", text);
    CPluvoApp app;
    EXPECT_EQ(app.InitInstance({"pluvo", path}), -1);
    EXPECT_EQ(app.Document().drawing().figures, samples::EveryKind().drawing().figures);
    EXPECT_EQ(app.MainFrame()->windowTitle(), "tekening.txt - Pluvo");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(StartUp, AnUnreadableDrawingEndsTheStartARejectedOneOpensANewDrawing) {
    CPluvoApp missing;
    EXPECT_EQ(missing.InitInstance({"pluvo", dir.filePath("weg.plv")}), 1);
    EXPECT_EQ(missing.MainFrame(), nullptr) << "no window";
    EXPECT_EQ(messages, QStringList{"Kan " + dir.filePath("weg.plv") +
                                    " niet openen: bestand bestaat niet."});

    messages.clear();
    CPluvoApp rejected;
    EXPECT_EQ(rejected.InitInstance({"pluvo", Put("kapot.plv", "geen tekening")}), -1);
    EXPECT_EQ(messages, QStringList{"Incorrect bestand"});
    EXPECT_TRUE(rejected.Document().PathName.empty());
    EXPECT_EQ(rejected.MainFrame()->windowTitle(), " - Pluvo");
}

TEST_F(StartUp, PrintingFromTheCommandLine) {
    CPluvoApp missing;
    EXPECT_EQ(missing.InitInstance({"pluvo", "--print", dir.filePath("weg.plv")}), 1);
    CPluvoApp twoFiles;
    EXPECT_EQ(twoFiles.InitInstance({"pluvo", "a.plv", "b.plv"}), 2) << "one drawing at a time";
    if (QPrinterInfo::defaultPrinter().isNull()) {
        CPluvoApp noPrinter;
        const QString path = Put("a.plv", StoreBinary(samples::OneLine()));
        EXPECT_EQ(noPrinter.InitInstance({"pluvo", "--print", path}), 2);
        EXPECT_EQ(noPrinter.MainFrame(), nullptr);
    }
}
