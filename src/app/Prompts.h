// The questions the editor asks and the messages it shows, in one place:
// file dialogs, the save prompt and message boxes. Tests answer them through
// a stand-in instead of a person.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

// One file dialog: what to ask and how.
struct FileQuestion {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString caption;       // empty: the dialog's own caption
    QString initial;       // the name offered at first
    QString filter;        // "Tekstbestand (*.txt);;Alle bestanden (*)"
    QString defaultSuffix; // added to a typed name without an extension
};

enum class SaveAnswer { Yes, No, Cancel };

struct PromptAnswers {
    // The chosen path, or an empty string for Cancel.
    std::function<QString(const FileQuestion&)> file;
    std::function<SaveAnswer(const QString& text)> saveChanges;
    // Records a message instead of showing it.
    std::function<void(const QString& text, const QString& caption)> message;
};

// Answers every question through its answers instead of a person while it
// lives (tests only). The application owns it: it is a child of the
// application object, so it ends with the application at the latest, and
// nothing outside the application keeps it. The newest one answers.
class PromptStandIn final : public QObject {
    Q_OBJECT
public:
    explicit PromptStandIn(PromptAnswers answers);
    ~PromptStandIn() override;

    // The stand-in that answers now, or nullptr: the dialogs ask a person.
    static const PromptStandIn* Current();
    const PromptAnswers& Answers() const { return m_answers; }

private:
    PromptAnswers m_answers;
};

namespace prompts {

// Asks for a file; an empty string when the user cancelled. Open dialogs
// accept only existing files; save dialogs ask before overwriting one.
QString ChooseFile(QWidget* parent, const FileQuestion& question);

// "Ja / Nee / Annuleren", "Ja" the default.
SaveAnswer AskSaveChanges(QWidget* parent, const QString& text);

// "Ja / Nee / `third`" with `detail` under the text, "Ja" the default;
// `third` and the Escape key answer Cancel. Asks a person always.
SaveAnswer AskJaNee(QWidget* parent, const QString& text, const QString& detail,
                    const QString& third);

// A message with an OK button; the caption is "Pluvo" unless one is given.
void Message(QWidget* parent, const QString& text, const QString& caption = QString());

} // namespace prompts
