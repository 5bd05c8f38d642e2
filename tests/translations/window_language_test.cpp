// The game window in the player's language: the catalogue chosen from the
// desktop's languages, installed before the window is made, and the
// window's captions read back; in English (and the C locale) the texts stand
// exactly as the game has always shown them.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
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

// Every text the window shows: labels, buttons and options.
QStringList Shown(const QWidget& window) {
  QStringList shown;
  for (const QLabel* label : window.findChildren<QLabel*>()) shown << label->text();
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (!button->text().isEmpty()) shown << button->text();
  }
  return shown;
}

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
  // Portugal's catalogue once there is one, Brazil's until then.
  const bool portugal = QFile::exists(":/i18n/trixola_pt_PT.qm");
  row("Portuguese", {"pt-PT"}, portugal ? "trixola_pt_PT.qm" : "trixola_pt_BR.qm");
  row("Brazilian", {"pt-BR"}, "trixola_pt_BR.qm");
  row("Chinese", {"zh-Hans-CN"}, "trixola_zh_CN.qm");
  const bool traditional = QFile::exists(":/i18n/trixola_zh_TW.qm");
  row("traditional Chinese", {"zh-Hant-TW", "zh-TW"}, traditional ? "trixola_zh_TW.qm" : "");
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

void WindowLanguageTest::englishStandsExactly() {
  QTranslator translator;
  if (language::Load(translator)) QSKIP("the desktop's language is not English");
  Silent sound;
  GameWindow window(sound);
  const QStringList shown = Shown(window);
  for (const char* text :
       {"WELCOME TO TRIXOLA", "Computer", "You", "Easy", "Hard", "&New Game", "&Exit", "On"}) {
    QVERIFY2(shown.contains(QString::fromLatin1(text)), text);
  }
  QCOMPARE(texts::Banner(Outcome::PlayerWon), "  YOU WON THE GAME");
  QCOMPARE(texts::ClockCaption(1), "1 Seconds");
  QCOMPARE(texts::ClockName(1), "Time: 1 Seconds");
  QCOMPARE(texts::ScoreCaption(Outcome::Draw, 1), "Draw: 1");
  QCOMPARE(QString(texts::kSoundTip), "Sound On/Off");
  QCOMPARE(texts::ResultAnnouncement(Outcome::PlayerWon, 1, 0, 2),
           "YOU WON THE GAME. You 1, computer 0, draws 2.");
  QCOMPARE(texts::MoveAnnouncement(5, 1), "Cell 5: yours. Computer: cell 1.");
}

void WindowLanguageTest::window_data() {
  QTest::addColumn<QString>("catalogue");
  QTest::addColumn<QStringList>("shown");  // shown embedded when right to left
  QTest::addColumn<QString>("clock");
  QTest::addColumn<QString>("told");  // the result, as a screen reader hears it
  QTest::newRow("German")
      << "trixola_de.qm"
      << QStringList{"LOS GEHT'S MIT TRIXOLA", "Computer", "Sie", "Leicht", "Schwer",
                     "&Neues Spiel",           "&Beenden", "An"}
      << "1 Sekunde"
      << "REMIS. Sie 0, Computer 0, Remis 1.";
  QTest::newRow("Arabic") << "trixola_ar.qm"
                          << QStringList{"مرحبًا بك في TRIXOLA", "الحاسوب", "أنت",  "سهل", "صعب",
                                         "&لعبة جديدة",         "&اخرج",   "تشغيل"}
                          << "1 ثانية"
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
  const auto embedded = [](const QString& text) {
    return text.isRightToLeft() ? QStringLiteral("\u202B%1\u202C").arg(text) : text;
  };
  QFETCH(QStringList, shown);
  const QStringList seen = Shown(window);
  for (const QString& text : shown) {
    QVERIFY2(seen.contains(embedded(text)), qPrintable(text + " not in " + seen.join(" | ")));
  }
  // The catalogue does not turn the window round.
  QCOMPARE(window.layoutDirection(), Qt::LeftToRight);
  QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
  QCOMPARE(window.windowTitle(), "Zembrik  TRIXOLA");
  QFETCH(QString, clock);
  QTRY_VERIFY_WITH_TIMEOUT(Shown(window).contains(embedded(clock)), 1500);
  QTEST(texts::ResultAnnouncement(Outcome::Draw, 0, 0, 1), "told");
}

QTEST_MAIN(WindowLanguageTest)
#include "window_language_test.moc"
