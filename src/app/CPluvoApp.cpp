#include "CPluvoApp.h"

#include "CMainFrame.h"
#include "Icons.h"
#include "Prompts.h"
#include "Recovery.h"
#include "Translations.h"
#include "model/DrawingFile.h"
#include "view/CPluvoView.h"
#include "view/CanvasPrinting.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>

#include <cstdio>

namespace {

// The texts of start-up, in the interface's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CPluvoApp)
};

void Complain(const QString& text) {
    std::fprintf(stderr, "pluvo: %s\n", text.toLocal8Bit().constData());
}

} // namespace

CPluvoApp::CPluvoApp() = default;
CPluvoApp::~CPluvoApp() = default;

int CPluvoApp::InitInstance(const QStringList& arguments) {
    QStringList files;
    bool print = false;
    QString recover; // a recovery copy that another window's offer handed on
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--print" || arguments[i] == "-p")
            print = true;
        else if (arguments[i] == "--recover" && i + 1 < arguments.size())
            recover = arguments[++i];
        else
            files.append(arguments[i]);
    }
    if (files.size() > 1 || (print && files.isEmpty()) ||
        (!recover.isEmpty() && (print || !files.isEmpty()))) {
        Complain(Texts::tr("gebruik: pluvo [--print] [TEKENING] of pluvo convert INVOER UITVOER"));
        return 2;
    }
    if (print) return PrintAndExit(files.first());

    m_frame = std::make_unique<CMainFrame>(m_doc);
    new Recovery(m_doc, m_frame.get()); // recovery: copies of unsaved changes
    if (!recover.isEmpty()) {
        Recovery::Restore(m_frame.get(), QFile::encodeName(recover).toStdString());
    } else if (!files.isEmpty()) {
        const QString path = files.first();
        OpenResult opened = OpenDrawing(QFile::encodeName(path).toStdString());
        if (opened.status == OpenStatus::Unreadable) {
            // A drawing that cannot be read ends start-up without a window.
            const QString text = Texts::tr("Kan %1 niet openen: %2.")
                                     .arg(path, QString::fromStdString(opened.error.Reason()));
            Complain(text);
            prompts::Message(nullptr, text);
            m_frame.reset();
            return 1;
        }
        // A file that was read but is no drawing shows why, and the editor
        // opens with the new, unnamed drawing. The copies of windows that
        // died are offered then, as after every open.
        m_frame->ShowOpenResult(path, std::move(opened));
    } else {
        Recovery::Offer(m_frame.get()); // recovery: copies of windows that died
    }
    m_frame->show();
    m_frame->View()->setFocus(Qt::OtherFocusReason);
    return -1;
}

int CPluvoApp::PrintAndExit(const QString& path) {
    OpenResult opened = OpenDrawing(QFile::encodeName(path).toStdString());
    if (opened.status == OpenStatus::Unreadable) {
        Complain(Texts::tr("kan %1 niet lezen: %2")
                     .arg(path, QString::fromStdString(opened.error.Reason())));
        return 1;
    }
    if (opened.status == OpenStatus::Rejected) {
        for (const std::string& message : RejectionMessages(opened))
            Complain(Texts::tr(message.c_str()));
        return 1;
    }
    if (QPrinterInfo::defaultPrinter().isNull()) {
        Complain(Texts::tr("er is geen printer; niets afgedrukt"));
        return 2;
    }
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    // An empty binary file prints as the new drawing.
    const CPluvoDoc printed = opened.stored ? CPluvoDoc(std::move(*opened.stored)) : CPluvoDoc();
    if (!PrintCanvas(printed, printer)) {
        Complain(Texts::tr("het afdrukken op %1 kon niet beginnen").arg(printer.printerName()));
        return 2;
    }
    return 0;
}

int RunEditor(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Brenlock Ostervaal");
    QApplication::setApplicationName("Pluvo");
    // No application display name: with one, Qt on X11 appends " — Pluvo" to
    // every window title that does not already end in it, so a modified
    // drawing would read "name - Pluvo* — Pluvo" and every dialog would carry
    // the suffix. The titles are complete as the windows set them.
    QApplication::setDesktopFileName("pluvo");
    // Dutch unless the settings say otherwise, whatever the locale.
    InstallTranslations(ChosenLanguage());
    InitResources();
    QApplication::setWindowIcon(AppIcon());
    CPluvoApp app;
    const int early = app.InitInstance(QApplication::arguments());
    if (early >= 0) return early;
    return QApplication::exec();
}
