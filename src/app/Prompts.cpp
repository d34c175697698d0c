#include "Prompts.h"

#include "CMainFrame.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

namespace {

const PromptAnswers* g_standIn = nullptr;

// The texts of the questions, in the interface's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Prompts)
};

constexpr const char* kLastFolderKey = "Settings/LastFolder";

// Where a file dialog starts: the folder of the name offered when it has
// one, else the folder of the drawing's file, else the folder last chosen
// in, else the home folder; never the working directory, which for a
// program started from a menu is nothing the user chose.
QString StartFolder(QWidget* parent, const QString& initial) {
    const QFileInfo offered(initial);
    if (!initial.isEmpty() && offered.isAbsolute() && offered.dir().exists())
        return offered.absolutePath();
    if (const auto* frame = qobject_cast<const CMainFrame*>(parent ? parent->window() : nullptr)) {
        const QString folder = frame->DrawingFolder();
        if (!folder.isEmpty() && QDir(folder).exists()) return folder;
    }
    const QString last = QSettings().value(kLastFolderKey).toString();
    if (!last.isEmpty() && QDir(last).exists()) return last;
    return QDir::homePath();
}

} // namespace

namespace prompts {

QString ChooseFile(QWidget* parent, const FileQuestion& question) {
    if (g_standIn && g_standIn->file) return g_standIn->file(question);
    QFileDialog dialog(parent, question.caption);
    const bool open = question.kind == FileQuestion::Kind::Open;
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(question.filter);
    dialog.setDefaultSuffix(question.defaultSuffix);
    dialog.setDirectory(StartFolder(parent, question.initial));
    if (!question.initial.isEmpty()) dialog.selectFile(question.initial);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    QSettings().setValue(kLastFolderKey, QFileInfo(chosen).absolutePath());
    return chosen;
}

SaveAnswer AskSaveChanges(QWidget* parent, const QString& text) {
    if (g_standIn && g_standIn->saveChanges) return g_standIn->saveChanges(text);
    QMessageBox box(QMessageBox::Warning, Texts::tr("Pluvo"), text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(Texts::tr("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(Texts::tr("&Nee"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(Texts::tr("Annuleren"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) return SaveAnswer::Yes;
    if (box.clickedButton() == no) return SaveAnswer::No;
    return SaveAnswer::Cancel;
}

void Message(QWidget* parent, const QString& text, const QString& caption) {
    const QString title = caption.isEmpty() ? Texts::tr("Pluvo") : caption;
    if (g_standIn && g_standIn->message) {
        g_standIn->message(text, title);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void SetStandIn(const PromptAnswers* answers) { g_standIn = answers; }

} // namespace prompts
