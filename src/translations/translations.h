// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The program's texts in the user's language. English is the language of the
// sources; a catalogue of English plural forms ("1 contact", "2 contacts")
// lies beneath every other. The catalogues are built into the program; Qt's
// own (its buttons and dialogs) are read from Qt's translations folder, or
// built in where Qt has none for a language (Greek).
namespace pelicast::translations {

// Installs the catalogue of the first of the locale's languages that has one,
// and Qt's catalogues (qtbase, or those named) in the same language, so that
// a window never mixes two languages. Returns that language ("de"), or "en"
// when the program speaks English. Needs the application object; a second
// call replaces what the first installed.
QString install(const QLocale& locale = QLocale(),
                const QStringList& qtCatalogues = {QStringLiteral("qtbase")});

// The language install() chose, "en" before it ran.
QString language();

}  // namespace pelicast::translations
