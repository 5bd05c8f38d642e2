#include "language.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>

namespace trixola::language {

namespace {

// Where the build puts the compiled catalogues (qt_add_translations'
// RESOURCE_PREFIX in ui/CMakeLists.txt).
constexpr char kCatalogueDir[] = ":/i18n";
constexpr char kPrefix[] = "trixola_";

// English, or no language at all (the C and POSIX locales).
bool IsSourceLanguage(const QString& name, const QLocale& locale) {
  return locale.language() == QLocale::C || locale.language() == QLocale::English ||
         name.startsWith(QLatin1String("POSIX"));
}

}  // namespace

QStringList Catalogues() {
  // Filtered by hand: QDir's name filters would bring in the regular
  // expression library (half a megabyte) for this.
  QStringList paths;
  const QDir dir(QString::fromLatin1(kCatalogueDir));
  for (const QString& file : dir.entryList(QDir::Files)) {
    if (file.startsWith(QLatin1String(kPrefix)) && file.endsWith(QLatin1String(".qm"))) {
      paths << dir.filePath(file);
    }
  }
  return paths;
}

QString CatalogueFor(const QStringList& languages) {
  QStringList catalogues;
  for (const QString& name : languages) {
    const QLocale wanted(name);
    if (IsSourceLanguage(name, wanted)) return {};
    if (catalogues.isEmpty()) catalogues = Catalogues();
    // Same language in the same script; the catalogue for the wanted
    // country first (there is one catalogue per language so far).
    QString sameLanguage;
    for (const QString& path : catalogues) {
      const QString code = QFileInfo(path).completeBaseName().mid(int(sizeof(kPrefix)) - 1);
      const QLocale catalogue(code);
      if (catalogue.language() != wanted.language() || catalogue.script() != wanted.script()) {
        continue;
      }
      if (catalogue.territory() == wanted.territory()) return path;
      if (sameLanguage.isEmpty()) sameLanguage = path;
    }
    if (!sameLanguage.isEmpty()) return sameLanguage;
  }
  return {};
}

QStringList HanFamilies(const QString& catalogue) {
  if (catalogue.isEmpty()) return {};
  const QLocale locale(QFileInfo(catalogue).completeBaseName().mid(int(sizeof(kPrefix)) - 1));
  const char* region = locale.language() == QLocale::Japanese                 ? "JP"
                       : locale.language() == QLocale::Korean                 ? "KR"
                       : locale.language() != QLocale::Chinese                ? nullptr
                       : locale.script() == QLocale::TraditionalChineseScript ? "TC"
                                                                              : "SC";
  if (region == nullptr) return {};
  return {QStringLiteral("Noto Sans CJK ") + QLatin1String(region)};
}

bool Load(QTranslator& translator) {
  const QString catalogue = CatalogueFor(QLocale::system().uiLanguages());
  return !catalogue.isEmpty() && translator.load(catalogue);
}

}  // namespace trixola::language
