#include "Prompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

const PromptAnswers* g_standIn = nullptr;

QString Tr(const char* text) { return QCoreApplication::translate("Prompts", text); }

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
    if (!question.initial.isEmpty()) dialog.selectFile(question.initial);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

SaveAnswer AskSaveChanges(QWidget* parent, const QString& text) {
    if (g_standIn && g_standIn->saveChanges) return g_standIn->saveChanges(text);
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
    if (g_standIn && g_standIn->message) {
        g_standIn->message(text, title);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void SetStandIn(const PromptAnswers* answers) { g_standIn = answers; }

} // namespace prompts
