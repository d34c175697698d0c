#include "Translations.h"

#include "model/UserText.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include <memory>
#include <vector>

namespace {

constexpr const char* kKey = "Settings/Language";

// The translators installed now; they stay until replaced, so that every
// text of the run can look them up.
std::vector<std::unique_ptr<QTranslator>>& Installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

// The settings file of the editor, named in full: "pluvo convert" runs
// without the application's names set.
constexpr const char* kOrganization = "Brenlock Ostervaal";
constexpr const char* kApplication = "Pluvo";

Language g_installed = Language::Dutch;

// Qt's Dutch texts, except the font styles: the font dialog looks a chosen
// style up by its shown name, and a translated "Vet Cursief" finds no face,
// so bold and italic would be lost. Styles stay as the fonts name them.
class QtDialogTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        if (qstrcmp(context, "QFontDatabase") == 0) return {};
        return QTranslator::translate(context, sourceText, disambiguation, n);
    }
};

// The core's texts (reasons, list entries, messages) through Qt's
// translators, under the contexts the core names.
std::string TranslateCoreText(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

} // namespace

Language ChosenLanguage() {
    const QSettings settings(kOrganization, kApplication);
    return settings.value(kKey).toString() == "en" ? Language::English : Language::Dutch;
}

void StoreLanguage(Language language) {
    QSettings settings(kOrganization, kApplication);
    settings.setValue(kKey, LanguageCode(language));
}

QString LanguageCode(Language language) { return language == Language::English ? "en" : "nl"; }

Language InstalledLanguage() { return g_installed; }

bool InstallTranslations(Language language) {
    g_installed = language;
    for (auto& translator : Installed()) QCoreApplication::removeTranslator(translator.get());
    Installed().clear();
    const auto install = [](const QString& name, const QString& folder,
                            std::unique_ptr<QTranslator> translator) {
        if (!translator->load(name, folder)) return false;
        QCoreApplication::installTranslator(translator.get());
        Installed().push_back(std::move(translator));
        return true;
    };
    SetTextTranslator(language == Language::English ? &TranslateCoreText : nullptr);
    if (language == Language::English)
        return install("pluvo_en", ":/i18n", std::make_unique<QTranslator>());
    // Pluvo's texts are Dutch in the source; Qt's own dialogs ("Open",
    // "Cancel", "Look in") need Qt's Dutch translation. Without it they stay
    // English, which is no reason to stop.
    install("qtbase_nl", QLibraryInfo::path(QLibraryInfo::TranslationsPath),
            std::make_unique<QtDialogTranslator>());
    return true;
}
