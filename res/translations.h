#pragma once

#include <QString>
#include <QStringList>

// The program's texts in the operator's language. The string table's English texts are the source; the
// German and Japanese translations are built into the program, and Qt's own texts (its dialogs' buttons)
// follow in the same language only, so that no window comes out half translated.

// Chooses the language over the desktop's: "en" (or "C") keeps English, "de" or "ja" picks that one.
inline constexpr char kLanguageVariable[] = "ZQL52_LANGUAGE";

// The languages the program has besides English, as "de".
QStringList TranslatedLanguages();

// The language to show: FORCED when it is set, otherwise the first of the desktop's languages (most
// preferred first, as "de-DE") that is English or one the program has. Empty for English.
QString ChooseLanguage(const QStringList& desktopLanguages, const QString& forced);

// Installs the program's translation for LANGUAGE and Qt's own, and hands the string table its texts
// (see SetTranslatedTexts). False, with everything left English, when the program has no such translation.
// Called once, after the application object is made and before any window opens.
bool InstallTranslations(const QString& language);

// The language chosen from the environment (kLanguageVariable) and the desktop, installed.
void InstallDesktopLanguage();
