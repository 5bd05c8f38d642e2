// The game window in the player's language: the catalogue chosen from the
// desktop's languages, installed before the window is made, and the
// window's captions read back; in English (and the C locale) the texts stand
// exactly as the game has always shown them.
#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QLabel>
#include <QTest>
#include <QTextLayout>
#include <QTranslator>

#include "fonts.h"
#include "game_window.h"
#include "language.h"
#include "texts.h"

using namespace trixola;

namespace {

struct Silent : SoundPlayer {
  void Play(SoundEffect) override {}
};

}  // namespace

class WindowLanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void catalogueFor_data();
  void catalogueFor();
  void desktopLanguage();
  void englishStandsExactly();
  void window_data();
  void window();
};

void WindowLanguageTest::catalogueFor_data() {
  QTest::addColumn<QStringList>("languages");
  QTest::addColumn<QString>("catalogue");
  const auto row = [](const char* name, QStringList languages, const char* catalogue) {
    QTest::newRow(name) << languages << QString::fromLatin1(catalogue);
  };
  row("German", {"de-DE", "de"}, "trixola_de.qm");
  row("Swiss German", {"de-CH"}, "trixola_de.qm");
  row("English first", {"en-GB", "de-DE"}, "");
  row("C", {"C"}, "");
  row("C.UTF-8", {"C.UTF-8"}, "");
  row("POSIX", {"POSIX"}, "");
  row("unknown, then French", {"eo", "fr-CA"}, "trixola_fr.qm");
  row("Portuguese", {"pt-PT"}, "trixola_pt_PT.qm");
  row("Brazilian", {"pt-BR"}, "trixola_pt_BR.qm");
  row("Chinese", {"zh-Hans-CN"}, "trixola_zh_CN.qm");
  row("traditional Chinese", {"zh-Hant-TW", "zh-TW"}, "trixola_zh_TW.qm");
  row("Arabic of Egypt", {"ar-EG"}, "trixola_ar.qm");
  row("nothing", {}, "");
}

void WindowLanguageTest::catalogueFor() {
  QFETCH(QStringList, languages);
  QFETCH(QString, catalogue);
  QCOMPARE(QFileInfo(language::CatalogueFor(languages)).fileName(), catalogue);
}

// What the desktop names (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) decides;
// the tests run with TRIXOLA_EXPECTED set to the catalogue expected, or
// empty for none.
void WindowLanguageTest::desktopLanguage() {
  if (!qEnvironmentVariableIsSet("TRIXOLA_EXPECTED")) QSKIP("run by ctest with a language");
  const QString expected = qEnvironmentVariable("TRIXOLA_EXPECTED");
  QTranslator translator;
  QCOMPARE(language::Load(translator), !expected.isEmpty());
  QCOMPARE(QFileInfo(translator.filePath()).fileName(), expected);
  // Han characters drawn in the typeface of the catalogue's language, not
  // in whichever fontconfig prefers for the C locale.
  const QString han = qEnvironmentVariable("TRIXOLA_HAN_FONT");
  if (han.isEmpty()) return;
  QTextLayout layout(QStringLiteral("\u904A\u6232"), fonts::Regular());  // "game"
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  QCOMPARE(layout.glyphRuns().value(0).rawFont().familyName(), han);
}

// The window's own captions stand in the window test; these are the texts
// it does not read.
void WindowLanguageTest::englishStandsExactly() {
  QTranslator translator;
  if (language::Load(translator)) QSKIP("the desktop's language is not English");
  QCOMPARE(QString(texts::kSoundTip), "Sound On/Off");
  QCOMPARE(texts::ResultAnnouncement(Outcome::PlayerWon, 1, 0, 2),
           "YOU WON THE GAME. You 1, computer 0, draws 2.");
  QCOMPARE(texts::MoveAnnouncement(5, 1), "Cell 5: yours. Computer: cell 1.");
}

// The clock's caption as it ticks, and the result as a screen reader hears
// it, in the catalogue's words.
void WindowLanguageTest::window_data() {
  QTest::addColumn<QString>("catalogue");
  QTest::addColumn<QString>("clock");
  QTest::addColumn<QString>("told");
  QTest::newRow("German") << "trixola_de.qm"
                          << "1 Sekunde"
                          << "REMIS. Sie 0, Computer 0, Remis 1.";
  QTest::newRow("Arabic") << "trixola_ar.qm"
                          << "\u202B1 ثانية\u202C"
                          << "تعادل. أنت 0، الحاسوب 0، التعادلات 1.";
}

void WindowLanguageTest::window() {
  QFETCH(QString, catalogue);
  QTranslator translator;
  QVERIFY(translator.load(":/i18n/" + catalogue));
  QCoreApplication::installTranslator(&translator);
  const auto removed = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
  Silent sound;
  GameWindow window(sound);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QFETCH(QString, clock);
  const auto shows = [&] {
    const auto labels = window.findChildren<QLabel*>();
    return std::any_of(labels.begin(), labels.end(),
                       [&](auto* label) { return label->text() == clock; });
  };
  QTRY_VERIFY_WITH_TIMEOUT(shows(), 1500);
  QTEST(texts::ResultAnnouncement(Outcome::Draw, 0, 0, 1), "told");
}

QTEST_MAIN(WindowLanguageTest)
#include "window_language_test.moc"
