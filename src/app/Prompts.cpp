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

// The answers of the current stand-in for one kind of question, or nullptr.
template <class Answer> const Answer* StandInFor(Answer PromptAnswers::*answer) {
    const PromptStandIn* standIn = PromptStandIn::Current();
    return standIn && standIn->Answers().*answer ? &(standIn->Answers().*answer) : nullptr;
}

} // namespace

PromptStandIn::PromptStandIn(PromptAnswers answers)
    : QObject(QCoreApplication::instance()), m_answers(std::move(answers)) {}

PromptStandIn::~PromptStandIn() = default;

const PromptStandIn* PromptStandIn::Current() {
    const QCoreApplication* application = QCoreApplication::instance();
    if (!application) return nullptr;
    const QList<PromptStandIn*> standIns =
        application->findChildren<PromptStandIn*>(Qt::FindDirectChildrenOnly);
    return standIns.isEmpty() ? nullptr : standIns.constLast();
}

namespace prompts {

QString ChooseFile(QWidget* parent, const FileQuestion& question) {
    if (const auto* answer = StandInFor(&PromptAnswers::file)) return (*answer)(question);
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
    if (const auto* answer = StandInFor(&PromptAnswers::saveChanges)) return (*answer)(text);
    return AskJaNee(parent, text, QString(), Texts::tr("Annuleren"));
}

SaveAnswer AskJaNee(QWidget* parent, const QString& text, const QString& detail,
                    const QString& third) {
    QMessageBox box(QMessageBox::Warning, Texts::tr("Pluvo"), text, QMessageBox::NoButton, parent);
    box.setInformativeText(detail);
    QPushButton* yes = box.addButton(Texts::tr("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(Texts::tr("&Nee"), QMessageBox::NoRole);
    QPushButton* other = box.addButton(third, QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(other);
    box.exec();
    if (box.clickedButton() == yes) return SaveAnswer::Yes;
    if (box.clickedButton() == no) return SaveAnswer::No;
    return SaveAnswer::Cancel;
}

void Message(QWidget* parent, const QString& text, const QString& caption) {
    const QString title = caption.isEmpty() ? Texts::tr("Pluvo") : caption;
    if (const auto* answer = StandInFor(&PromptAnswers::message)) {
        (*answer)(text, title);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace prompts
