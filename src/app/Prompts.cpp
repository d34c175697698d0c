#include "Prompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Prompts", text); }

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
    if (!question.initial.isEmpty()) dialog.selectFile(question.initial);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

SaveAnswer AskSaveChanges(QWidget* parent, const QString& text) {
    if (const auto* answer = StandInFor(&PromptAnswers::saveChanges)) return (*answer)(text);
    QMessageBox box(QMessageBox::Warning, Tr("Pluvo"), text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(Tr("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(Tr("&Nee"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(Tr("Annuleren"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) return SaveAnswer::Yes;
    if (box.clickedButton() == no) return SaveAnswer::No;
    return SaveAnswer::Cancel;
}

void Message(QWidget* parent, const QString& text, const QString& caption) {
    const QString title = caption.isEmpty() ? Tr("Pluvo") : caption;
    if (const auto* answer = StandInFor(&PromptAnswers::message)) {
        (*answer)(text, title);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace prompts
