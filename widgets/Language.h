#pragma once

// The user-interface language: one application translator, shared by
// start-up and the main window's language actions. Codes are Qt's
// QLocale::Language values as stored in the "language" setting.

#include <QString>

class QTranslator;

namespace Language {

constexpr int kChinese = 25;
constexpr int kEnglish = 31;
constexpr int kFrench = 37;
constexpr int kGerman = 42;

QTranslator &translator();

// The translation resource of a code; empty for a code we do not ship.
QString resourceFor(int code);

// Replaces the installed translation with the one for code (English for an
// unknown code). Returns the code actually installed.
int install(int code);

// Start-up: on a first run stores the system language, then installs the
// stored one; an unknown stored code is replaced by English.
int installFromSettings();

} // namespace Language
