// The interface's language: Dutch for everyone unless the settings file says
// Settings/Language=en. Pluvo's English comes from its own translation (built
// into the program from translations/pluvo_en.ts); in Dutch, Qt's own dialogs
// get Qt's Dutch texts.
#pragma once

#include <QString>

class QCoreApplication;

enum class Language { Dutch, English };

// Settings/Language from the settings file; Dutch when absent or unknown.
Language ChosenLanguage();
// Stores the choice; it takes effect at the next start.
void StoreLanguage(Language language);
// "nl" or "en", as stored and as the guide's file names use it.
QString LanguageCode(Language language);

// The language the running program speaks: the one last installed.
Language InstalledLanguage();

// Installs the translators for `language` on the running application,
// replacing those installed before, for the texts of the Qt layers and of
// the core (UserText) alike. False when Pluvo's English translation is
// missing (the texts then stay Dutch).
bool InstallTranslations(Language language);
