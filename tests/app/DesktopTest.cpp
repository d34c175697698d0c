// Pluvo on the desktop inside the editor: the menus in both languages, the
// PDF the "&Bestand" menu writes, and the guide behind F1.
#include "MainFrameFixture.h"

#include "app/HelpWindow.h"
#include "app/Translations.h"
#include "model/SampleDrawings.h"

#include <QFile>
#include <QAbstractTextDocumentLayout>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QTextBrowser>

#include <set>

namespace {

struct LanguageCase {
    Language language;
    QStringList menus;
    QString pdfItem;
    QString firstTool; // the tool list's names come from a table of the core
    QString idleText;
    bool uniqueAccessKeys;
};

// The captions of the menu bar.
QStringList MenuTitles(QMainWindow& window) {
    QStringList titles;
    for (QAction* menu : window.menuBar()->actions()) titles.append(menu->text());
    return titles;
}

} // namespace

// Both languages: the menus, the tool list and the status bar are
// translated, and within each English menu every access key is taken once,
// so that a letter reaches one item. (The Dutch menus keep their given
// texts, "&Objectenlijst" and "Objecten &omlaag" included.)
TEST(Desktop, MenusSpeakTheChosenLanguageWithOneItemPerAccessKey) {
    const LanguageCase cases[] = {
        {Language::Dutch,
         {"&Bestand", "B&eeld", "&Opties", "&Vorm", "&Hulp"},
         "Schrijf P&DF...",
         "Lijn",
         "Doe iets",
         false},
        {Language::English,
         {"&File", "&View", "&Options", "&Shape", "&Help"},
         "Write P&DF...",
         "Line",
         "Ready",
         true},
    };
    for (const LanguageCase& c : cases) {
        SCOPED_TRACE(LanguageCode(c.language).toStdString());
        ASSERT_TRUE(InstallTranslations(c.language));
        CPluvoDoc doc;
        CMainFrame frame(doc);
        EXPECT_EQ(MenuTitles(frame), c.menus);
        EXPECT_EQ(frame.Action(CommandId::WritePdf)->text(), c.pdfItem);
        EXPECT_EQ(frame.ToolList()->itemText(0), c.firstTool);
        EXPECT_EQ(frame.Pane(0)->text(), c.idleText);
        EXPECT_EQ(frame.Action(CommandId::Manual)->shortcut(), QKeySequence(Qt::Key_F1));
        for (QAction* title : frame.menuBar()->actions()) {
            if (!c.uniqueAccessKeys) break;
            std::set<QChar> keys;
            for (QAction* item : title->menu()->actions()) {
                const QString text = item->text();
                const qsizetype amp = text.indexOf('&');
                if (item->isSeparator() || amp < 0 || amp + 1 >= text.size()) continue;
                EXPECT_TRUE(keys.insert(text.at(amp + 1).toLower()).second)
                    << title->text().toStdString() << ": " << text.toStdString();
            }
        }
    }
    InstallTranslations(Language::Dutch);
}

// "Schrijf P&DF..." writes the printed page, offered beside the drawing,
// and a failed write leaves the old file and says why.
TEST_F(MainFrameTest, WritePdfWritesThePageBesideTheDrawing) {
    doc = samples::EveryKind();
    doc.PathName = Local("tekening.plv");
    files.push_back(Path("tekening.pdf"));
    frame->Run(CommandId::WritePdf);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].initial, Path("tekening.pdf"));
    QFile pdf(Path("tekening.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.contains("/FlateDecode")) << "the page image is compressed losslessly";
    EXPECT_FALSE(bytes.contains("/DCTDecode"));

    files.push_back(Path("no-such-folder/x.pdf"));
    frame->Run(CommandId::WritePdf);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].startsWith("Pluvo: Kan " + Path("no-such-folder/x.pdf")));
}

// F1 shows the guide in the program's own window, so that it needs no web
// browser: the page in the program's language with its pictures, a link to
// the other language followed inside the window, and F1 again brings back
// the same window.
TEST_F(MainFrameTest, F1ShowsTheGuideWithItsPicturesAndFollowsItsLinks) {
    QTest::keyClick(frame.get(), Qt::Key_F1);
    auto* help = frame->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    QTextBrowser* browser = help->Browser();
    QTextDocument* page = browser->document();
    // The guide's title names the window and heads the page.
    EXPECT_TRUE(help->windowTitle().contains("handleiding")) << help->windowTitle().toStdString();
    EXPECT_TRUE(page->toPlainText().startsWith(help->windowTitle()));
    // The screenshot is loaded and laid out at its size.
    const QImage picture =
        page->resource(QTextDocument::ImageResource, QUrl("editor-nl.png")).value<QImage>();
    EXPECT_EQ(picture.size(), QSize(640, 480));
    EXPECT_GT(page->documentLayout()->documentSize().height(), 2 * 480);

    // A click on the link to the English guide.
    const QTextCursor link = page->find("English");
    ASSERT_FALSE(link.isNull());
    QTextCursor middle(page);
    middle.setPosition((link.selectionStart() + link.selectionEnd()) / 2);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {},
                      browser->cursorRect(middle).center());
    EXPECT_TRUE(help->windowTitle().contains("guide")) << help->windowTitle().toStdString();
    EXPECT_EQ(browser->source().fileName(), "pluvo-en.html");
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();

    help->close();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    QTest::keyClick(frame.get(), Qt::Key_F1);
    EXPECT_EQ(frame->findChildren<HelpWindow*>().size(), 1);
    EXPECT_TRUE(help->isVisible());
}
