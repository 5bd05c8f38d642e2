// The player's language: the game's catalogue for the desktop's language.
//
// The catalogues (translations/trixola_<language>.ts) are built into the
// program. English is the language of the source texts (texts.h), so in
// English, and in the C and POSIX locales, no catalogue is opened at all.
#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

namespace trixola::language {

// The catalogue for the first of `languages` (as QLocale::uiLanguages()
// names them, most wanted first) that the game speaks, or an empty string
// when an English, C or POSIX locale comes first or none is there.
// Portuguese finds the Brazilian catalogue; Chinese in traditional
// characters does not find the simplified one.
QString CatalogueFor(const QStringList& languages);

// Loads the catalogue for the desktop's languages (QLocale::system():
// LANGUAGE, LC_ALL, LC_MESSAGES, LANG) into `translator`. False, with
// nothing opened, in English or when the game has no catalogue for them.
bool Load(QTranslator& translator);

// The typefaces that draw Han characters in the forms the catalogue's
// language writes them: Chinese in traditional or simplified characters,
// Japanese and Korean share the code points but not the glyphs. Fontconfig
// would choose from the locale (LANG), which LANGUAGE alone leaves at C.
// Empty for every other catalogue, and for none.
QStringList HanFamilies(const QString& catalogue);

// Every catalogue built into the program, e.g. ":/i18n/trixola_de.qm".
QStringList Catalogues();

}  // namespace trixola::language
