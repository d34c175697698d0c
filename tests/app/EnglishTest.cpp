// English everywhere with Settings/Language=en: the texts of the core's
// tables (the tool list, the object list, file errors, a rejected file's
// messages), which reach the user outside tr(), and the messages of
// "pluvo convert".
#include "../interaction/GestureMachine.h"
#include "../model/TestAccess.h"
#include "app/Translations.h"
#include "interaction/CanvasSpeech.h"
#include "interaction/ObjectList.h"
#include "interaction/ToolOptions.h"
#include "model/CPluvoDoc.h"
#include "model/DrawingFile.h"
#include "model/FileIo.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// Every text of the core's tables, in the language installed now.
std::vector<std::string> CoreTexts() {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < kToolNames.size(); ++i) texts.push_back(ToolName(i));
    CPluvoDoc doc;
    for (std::int32_t kind = Lijn; kind <= Polygoon; ++kind) {
        Figuur figure{};
        figure.FiguurType = kind;
        figure.nHoek = 5;
        Writable(doc).figures.push_back(figure);
        texts.push_back(ObjectRowOf(doc, doc.drawing().figures.size() - 1)[1]);
    }
    // The system's error numbers, the kind Pluvo uses for "not a regular
    // file", and the reasons that concern a folder.
    for (int code = FileError::kNotRegularFile; code < 134; ++code) {
        if (code == 0) continue;
        texts.push_back(DutchReason(code));
        texts.push_back(FileError{code, FileError::About::Folder}.Reason());
    }
    OpenResult rejected;
    rejected.status = OpenStatus::Rejected;
    rejected.textErrorLine = 7;
    for (const std::string& message : RejectionMessages(rejected)) texts.push_back(message);
    // The colours by name, and what the canvas says, sentence by sentence,
    // while a rectangle is placed and once it is.
    for (COLORREF colour : kVulkleuren) texts.push_back(ColourName(colour));
    texts.push_back(ColourName(RGB(250, 10, 10)));
    Machine m(Rechthoek, 32);
    CanvasSpeech speech;
    std::string said = speech.Describe(m.doc, m.gesture, std::nullopt, m.surface) + ". ";
    m.Click({64, 64});
    m.Move({160, 128});
    said += speech.Describe(m.doc, m.gesture, POINT{160, 128}, m.surface) + ". ";
    m.Click({160, 128});
    said += speech.Describe(m.doc, m.gesture, POINT{100, 128}, m.surface);
    for (std::size_t from = 0, to; from < said.size(); from = to + 2) {
        to = std::min(said.find(". ", from), said.size());
        texts.push_back(said.substr(from, to - from));
    }
    return texts;
}

struct Outcome {
    int status = -1;
    QString errors;
};

// Runs "pluvo convert" without a display, with Settings/Language=en in a
// settings folder of its own.
Outcome ConvertInEnglish(const QTemporaryDir& dir, const QStringList& args) {
    const QString settings = dir.filePath("config/Brenlock Ostervaal");
    QDir().mkpath(settings);
    QFile conf(settings + "/Pluvo.conf");
    EXPECT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("[Settings]\nLanguage=en\n");
    conf.close();
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    process.setProcessEnvironment(env);
    process.start(qEnvironmentVariable("PLUVO_EXE"), QStringList{"convert"} + args);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

// Each text of the core's tables has its English: one that comes back Dutch
// was added to a table without a translation (the system's own texts for
// rare error numbers stay as the system gives them).
TEST(English, EveryTextOfTheCoresTablesIsTranslated) {
    ASSERT_TRUE(InstallTranslations(Language::Dutch));
    const std::vector<std::string> dutch = CoreTexts();
    ASSERT_TRUE(InstallTranslations(Language::English));
    const std::vector<std::string> english = CoreTexts();
    InstallTranslations(Language::Dutch);

    ASSERT_EQ(english.size(), dutch.size());
    EXPECT_EQ(english[0], "Line");
    EXPECT_EQ(english[kToolNames.size() + Veelhoek], "Regular Polygon (5)");
    const std::string spoken = [&] {
        std::string all;
        for (const std::string& text : english) all += text + "|";
        return all;
    }();
    EXPECT_NE(spoken.find("|Grid point 5,4, pixel 160,128|Rectangle from 2,2 to 5,4|Nothing under "
                          "the cursor|Tool: Rectangle|Pixel 100,128, near grid point 3,4|Under the "
                          "cursor: Rectangle 1, outline black, no fill|"),
              std::string::npos)
        << spoken;
    std::size_t translated = 0;
    for (std::size_t i = 0; i < dutch.size(); ++i) {
        if (dutch[i] != english[i]) {
            ++translated;
            continue;
        }
        // Only the system's own texts, a damaged figure's number and a
        // colour of the same name in both languages may stay as they are.
        bool system = false;
        for (int code = 1; code < 134 && !system; ++code) system = dutch[i] == std::strerror(code);
        const bool number = dutch[i].find_first_not_of("0123456789") == std::string::npos;
        EXPECT_TRUE(system || number || dutch[i] == "magenta") << "untranslated: " << dutch[i];
    }
    EXPECT_GT(translated, 40u);
}

// "pluvo convert" speaks English with Language=en: about a file that is no
// drawing, a file it cannot read or write, and a wrong command line.
TEST(English, ConvertSpeaksEnglishWithLanguageEn) {
    QTemporaryDir dir;
    const auto put = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    put("bad.txt", "Pluvo Versie 1c Qrtz3B\n;\n  1\n");
    put("bad.plv", "Pluvo");
    put("empty.plv", "");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    const QString folder = dir.filePath("folder");
    const QString good = dir.filePath("empty.plv");

    struct Case {
        QStringList args;
        int status;
        QString errors;
    };
    for (const Case& c : {
             Case{{dir.filePath("bad.txt"), dir.filePath("out.plv")},
                  1,
                  "Error in the file at line 3\nInvalid file\n"},
             Case{{dir.filePath("bad.plv"), dir.filePath("out.plv")}, 1, "Invalid file\n"},
             Case{{folder, dir.filePath("out.svg")},
                  2,
                  "pluvo convert: cannot read '" + folder + "': is a folder\n"},
             Case{{good, dir.filePath("no/out.svg")},
                  2,
                  "pluvo convert: cannot write '" + dir.filePath("no/out.svg") +
                      "': folder does not exist\n"},
         }) {
        const Outcome run = ConvertInEnglish(dir, c.args);
        EXPECT_EQ(run.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_EQ(run.errors, c.errors);
    }
    const Outcome usage = ConvertInEnglish(dir, {good});
    EXPECT_EQ(usage.status, 2);
    EXPECT_TRUE(usage.errors.contains("\nusage: pluvo convert")) << usage.errors.toStdString();
}
