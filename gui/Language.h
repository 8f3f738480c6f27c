#pragma once

// The window's language: the one chosen in Help > Language (kept in the
// settings), else the one given with --lang, else the system's. Qt's own
// dialogs follow through its qtbase translations.

#include <QString>
#include <span>

class QCoreApplication;
class QMenu;

namespace velmora {

struct Language {
    const char* code;        // "de", "zh_CN"
    const char* nativeName;  // the language's own name, never translated
};

// The languages the program is translated into, English first.
std::span<const Language> Languages();

bool KnownLanguage(const QString& code);

// The code kept in the settings; empty for "System default".
QString ChosenLanguage();
void SetChosenLanguage(const QString& code);

// Loads the translations of code (empty: the settings' choice, else the
// system's languages) into app. Returns the code used ("en" when none).
QString InstallLanguage(QCoreApplication& app, const QString& code);

// Help > Language: "System default" and the languages by their own names;
// a choice is kept in the settings and takes effect on the next start.
void AddLanguageMenu(QMenu* parent);

}  // namespace velmora
