// The texts the core shows the user (why a file failed, what is wrong with a
// file that is no drawing, the tool list, the object list, the status bar)
// are Dutch in the source, as every text of the program. The application
// sets a translator that puts them into the interface's language; without
// one they stay Dutch.
//
// scripts/translations gathers them into the English translation with the
// texts of the Qt layers: lupdate reads UserText(context, text) as a
// translate() call and PLUVO_TEXT(context, text) as a QT_TRANSLATE_NOOP.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text of a table for translation. The table keeps the Dutch text;
// whoever shows it passes it through UserText with the same context.
#define PLUVO_TEXT(context, text) text

// Translates `text` (nul-terminated, Dutch) of `context`; the text itself
// when it has no translation.
using TextTranslator = std::string (*)(const char* context, const char* text);

// Sets the translator of every later UserText; nullptr for Dutch.
void SetTextTranslator(TextTranslator translator);

// `text` in the interface's language.
std::string UserText(const char* context, const char* text);

// `text` with %1, %2, ... replaced by the values in order; a number without
// a value stays as it is. Values are not searched again, so a value that
// holds "%2" stays as given.
std::string FillIn(std::string_view text, std::initializer_list<std::string_view> values);
