// The game in the player's language. Every catalogue in translations/, read
// from its .ts source and loaded from the .qm built into the game: complete,
// with Qt's plural forms for its language, placeholders and distinct access
// keys, the desktop's words from its glossary, and the window built in it
// with every caption inside its place and clear of the next control (exits
// 77 when a catalogue's script has no font). The catalogue chosen from the
// desktop's languages, none in English and the C locale; and the window's
// clock and what it tells a screen reader, in English as the game has always
// told it. Runs offscreen.
#include <QApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextLayout>
#include <QTranslator>
#include <cstdio>

#include "colours.h"
#include "fonts.h"
#include "game_window.h"
#include "language.h"
#include "layout.h"
#include "texts.h"

using namespace trixola;

namespace {

// The catalogues' sources.
const QDir kSources(QStringLiteral(TRIXOLA_TRANSLATIONS_DIR));

// The languages by the number of plural forms Qt gives them.
const std::pair<int, QString> kPluralForms[] = {
    {1, "fa hu id ja ko tr zh_CN zh_TW"},
    {2, "bg ca da de el es fi fr he hi it nb nl pt_BR pt_PT sv"},
    {3, "cs pl ro ru sk sr uk"},
    {6, "ar"}};

// How far right and down a text reaches from the top left of its line, on
// one line in a font, fallback fonts included: its advance and the lowest
// pixel its glyphs ink. `missing` counts glyphs no installed font has.
QSizeF Extent(const QString& text, const QFont& font, int* missing = nullptr) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  qreal bottom = 0;
  for (const QGlyphRun& run : layout.glyphRuns()) {
    for (qsizetype i = 0; i < run.glyphIndexes().size(); ++i) {
      const quint32 glyph = run.glyphIndexes()[i];
      if (missing != nullptr && glyph == 0) ++*missing;
      bottom =
          std::max(bottom, run.positions()[i].y() + run.rawFont().boundingRect(glyph).bottom());
    }
  }
  return {layout.lineAt(0).naturalTextWidth(), bottom};
}

struct Silent : SoundPlayer {
  void Play(SoundEffect) override {}
};

}  // namespace

class CatalogueTest : public QObject {
  Q_OBJECT

 private slots:
  // One row per catalogue, as for catalogue(); but first Liberation Sans,
  // and a font for every catalogue's script.
  void window_data() {
    int missing = QFontDatabase::families().contains("Liberation Sans") ? 0 : 1;
    for (const QString& qm : QDir(":/i18n").entryList({"trixola_*.qm"})) {
      QTranslator translator;
      QVERIFY(translator.load(":/i18n/" + qm));
      Extent(translator.translate(texts::kWindow, "Computer"), fonts::Regular(), &missing);
    }
    if (missing == 0) return catalogue_data();
    std::printf("SKIP: a font is missing: Liberation Sans, or one for a catalogue's script\n");
    std::exit(77);
  }

  // The window in the catalogue's language: each caption inside its place,
  // the level options widened just as far as their words need and the
  // frame drawn round them, the buttons in the design's places with
  // distinct keys, the catalogue's words shown and the window not mirrored.
  void window() {
    QFETCH(QString, code);
    QTranslator translator;
    QVERIFY(translator.load(":/i18n/trixola_" + code + ".qm"));
    QCoreApplication::installTranslator(&translator);
    Silent silent;
    GameWindow window(silent);
    QCOMPARE(window.layoutDirection(), Qt::LeftToRight);
    const auto options = window.findChildren<QRadioButton*>();
    const auto buttons = window.findChildren<QPushButton*>();
    const int widening = options[0]->width() - layout::kEasy.width();
    const layout::LevelRow levels = layout::WidenedLevels(widening);
    QCOMPARE((QList{options[1]->geometry(), buttons[0]->geometry(), buttons[1]->geometry()}),
             (QList{levels.hard, layout::kNewGame, layout::kExit}));
    const QImage image = window.grab().toImage();
    QCOMPARE(image.pixelColor(levels.frame.bottomRight() * image.devicePixelRatio()),
             colours::kLevelFrame);

    // The room each text has from the top left of its place, and the font it
    // is drawn in. Easy's text keeps its gap before Hard's indicator, Hard's
    // a pixel inside its rectangle, a button's its frame's margin; the
    // score's captions reach to its frame.
    const auto contents = [](const QAbstractButton* button, QStyle::SubElement element) {
      QStyleOptionButton style;
      style.initFrom(button);
      return button->style()->subElementRect(element, &style, button).translated(button->pos());
    };
    const QRect easy = contents(options[0], QStyle::SE_RadioButtonContents);
    const QFont regular = fonts::Regular(), bold = fonts::Bold();
    const int line = QFontMetrics(regular).height() + 6, score = layout::kScoreFrame.right();
    const int sound =
        layout::kNewGame.left() - layout::kSoundCaptionGap - levels.soundCaption.left();
    QList<std::tuple<QString, QFont, QSize>> places{
        {options[0]->text(), regular,
         QSize(contents(options[1], QStyle::SE_RadioButtonIndicator).left() -
                   layout::kLevelTextGap - easy.left(),
               easy.height() + 4)},
        {options[1]->text(), regular,
         contents(options[1], QStyle::SE_RadioButtonContents).size() + QSize(-1, 4)},
        {texts::kComputer, bold, QSize(score - layout::kComputerCaption.left(), 24)},
        {texts::kYou, bold, QSize(score - layout::kYouCaption.left(), 24)},
        {texts::ScoreCaption(Outcome::Draw, 99), regular,
         QSize(score - layout::kDrawCount.left(),
               layout::kScoreFrame.bottom() - layout::kDrawCount.top())},
        {texts::ClockCaption(9999), regular, QSize(layout::kClock.width(), line)},
        {texts::SoundCaption(true), regular, QSize(sound, line)},
        {texts::SoundCaption(false), regular, QSize(sound, line)},
    };
    for (const QPushButton* button : buttons)
      places.append({button->text().remove(u'&'), regular,
                     contents(button, QStyle::SE_PushButtonContents).size() - QSize(4, 0)});
    qreal slack = 1;  // the least room left beside a level word
    for (qsizetype i = 0; i < places.size(); ++i) {
      const auto& [text, font, room] = places[i];
      const QSizeF extent = Extent(text, font);
      QVERIFY2(extent.width() <= room.width() && extent.height() <= room.height(),
               qPrintable(text));
      if (i < 2) slack = std::min(slack, room.width() - extent.width());
    }
    // One pixel less widening would not do.
    QVERIFY2(widening == 0 || slack < 1, qPrintable(QString::number(widening)));
    const auto* soundCaption = qobject_cast<QLabel*>(window.childAt(levels.soundCaption.topLeft()));
    QVERIFY(soundCaption && soundCaption->pos() == levels.soundCaption.topLeft() &&
            soundCaption->text() == texts::SoundCaption(true));

    // The catalogue's words shown (right-to-left ones embedded).
    QStringList shown;
    for (const QWidget* widget : window.findChildren<QWidget*>())
      shown << widget->property("text").toString() << widget->toolTip();
    for (const char* source : {"WELCOME TO TRIXOLA", "Computer", "You", "Easy", "Hard", "&New Game",
                               "&Exit", "On", "Sound On/Off"}) {
      QVERIFY2(shown.contains(texts::Shown(source)), source);
    }
    const auto mnemonic = [&](int i) { return QKeySequence::mnemonic(buttons[i]->text()); };
    QVERIFY(!mnemonic(0).isEmpty() && !mnemonic(1).isEmpty() && mnemonic(0) != mnemonic(1));
    // The access key's underline splits the shaping at its letter, so the
    // letter joins neither neighbour (Arabic and Persian).
    for (const QPushButton* button : buttons) {
      const QString text = ' ' + button->text().remove(u'&') + ' ';
      const qsizetype key = button->text().indexOf(u'&') + 1;  // its letter's place in `text`
      const auto joins = [&](qsizetype at, QChar::JoiningType side) {
        const QChar::JoiningType type = text[at].joiningType();
        return type == QChar::Joining_Dual || type == QChar::Joining_Causing || type == side;
      };
      QVERIFY2(!(joins(key - 1, QChar::Joining_Left) && joins(key, QChar::Joining_Right)) &&
                   !(joins(key, QChar::Joining_Left) && joins(key + 1, QChar::Joining_Right)),
               qPrintable(text));
    }

    // The banner wraps between words, in three lines at most, within its
    // rectangle. A line may start after a space (or spaces) that ends a word
    // of more than one letter, after a hyphen, or beside an ideograph or kana
    // of a script written without spaces; never inside a word.
    static const QRegularExpression before(R"([^ ]{2}\h+$|-$|[\p{Han}\p{Hiragana}]$)"),
        after(R"(^[\p{Han}\p{Hiragana}])");
    for (auto outcome : {std::optional<Outcome>(), std::optional(Outcome::PlayerWon),
                         std::optional(Outcome::ComputerWon), std::optional(Outcome::Draw)}) {
      const QString text = texts::Banner(outcome);
      QTextLayout banner(text, fonts::Banner());
      banner.beginLayout();
      qreal height = 0;
      for (QTextLine row = banner.createLine(); row.isValid(); row = banner.createLine()) {
        row.setLineWidth(layout::kBanner.width());
        height += row.height();
        QVERIFY2(row.naturalTextWidth() <= layout::kBanner.width() &&
                     (row.textStart() == 0 || text.left(row.textStart()).contains(before) ||
                      text.mid(row.textStart()).contains(after)),
                 qPrintable(text));
      }
      banner.endLayout();
      QVERIFY2(banner.lineCount() <= 3 && height <= layout::kBanner.height(), qPrintable(text));
    }
  }

  // One row per catalogue in translations/.
  void catalogue_data() {
    QTest::addColumn<QString>("code");
    const QStringList files = kSources.entryList({"trixola_*.ts"}, QDir::Files);
    QVERIFY(files.size() >= 12);
    for (const QString& file : files) QTest::newRow(qPrintable(file)) << file.mid(8).chopped(3);
  }

  // Every text translated and finished, with its placeholders, each plural
  // form the language has, the built catalogue answering with them for
  // every count, and the glossary's word wherever the English names its
  // term, unless a translator comment says why not.
  void catalogue() {
    QFETCH(QString, code);
    QFile file(kSources.filePath("trixola_" + code + ".ts"));
    QDomDocument ts;
    QVERIFY(file.open(QIODevice::ReadOnly) && ts.setContent(&file));
    QCOMPARE(ts.documentElement().attribute("language"), code);
    const QDomNodeList messages = ts.elementsByTagName("message");
    QVERIFY(messages.size() > 0);
    int plurals = 0;
    for (const auto& [forms, codes] : kPluralForms)
      plurals = codes.split(u' ').contains(code) ? forms : plurals;
    QFile glossary(kSources.filePath("glossary/" + code + ".tsv"));
    QVERIFY(glossary.open(QIODevice::ReadOnly));
    // A row: a term, its word (the stem every form of it shares), where seen.
    static const QRegularExpression row(R"(^([^#\t\n][^\t\n]*)\t([^\t\n]+)\t[^\t\n]*$)",
                                        QRegularExpression::MultilineOption);
    QStringList terms, words;
    for (const auto& match : row.globalMatch(QString(glossary.readAll()))) {
      terms << match.captured(1);
      words << match.captured(2);
    }
    QCOMPARE(terms.join(u','),
             "New Game,Exit,Easy,Hard,draw,you won,computer,sound on,sound off,seconds,score");
    QTranslator translator;
    QVERIFY(translator.load(":/i18n/trixola_" + code + ".qm"));
    const QLocale locale(code);
    static const QRegularExpression placeholder(R"(%[\dn])");
    for (int i = 0; i < messages.size(); ++i) {
      const QDomElement message = messages.at(i).toElement();
      const QDomElement translation = message.firstChildElement("translation");
      const QString context = message.parentNode().firstChildElement("name").text();
      const QString source = message.firstChildElement("source").text(),
                    where = context + ": " + source;
      const bool numerus = message.attribute("numerus") == "yes";
      QStringList forms = numerus ? QStringList() : QStringList{translation.text()};
      for (auto form = translation.firstChildElement("numerusform"); !form.isNull();
           form = form.nextSiblingElement("numerusform"))
        forms << form.text();
      QVERIFY2(translation.attribute("type").isEmpty() && !forms.contains(""),
               qPrintable("unfinished " + where));
      QCOMPARE(forms.size(), numerus ? plurals : 1);
      for (int n = numerus ? 0 : -1; n < (numerus ? 200 : 0); ++n) {
        const QString got = translator.translate(context.toUtf8(), source.toUtf8(), nullptr, n);
        QVERIFY2(forms.contains(got), qPrintable(QStringLiteral("%1 for %2").arg(where).arg(n)));
      }
      const bool explained = !message.firstChildElement("translatorcomment").text().isEmpty();
      for (const QString& form : forms) {
        for (const auto& wanted : placeholder.globalMatch(source))
          QVERIFY2(form.contains(wanted.captured()), qPrintable(where));
        // A text names a term where a word begins with it, or where the
        // term's last word stands alone or after a slash (the switch's "On"
        // and "Off", its tip "Sound On/Off").
        for (qsizetype t = 0; t < terms.size() && !explained; ++t) {
          const QString term = terms[t].toLower(), last = term.section(u' ', -1);
          if (!source.trimmed().toLower().contains(
                  QRegularExpression(QStringLiteral("\\b%1|^%2$|/%2$").arg(term, last))))
            continue;
          QVERIFY2(locale.toLower(form).remove(u'&').contains(locale.toLower(words[t])),
                   qPrintable(where + " lacks " + words[t]));
        }
      }
    }
  }

  void catalogueFor_data() {
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("catalogue");
    QTest::newRow("Swiss German") << QStringList{"de-CH"} << "trixola_de.qm";
    QTest::newRow("English first") << QStringList{"en-GB", "de-DE"} << "";
    QTest::newRow("C.UTF-8") << QStringList{"C.UTF-8"} << "";
    QTest::newRow("unknown, then French") << QStringList{"eo", "fr-CA"} << "trixola_fr.qm";
    QTest::newRow("Portuguese") << QStringList{"pt-PT"} << "trixola_pt_PT.qm";
    QTest::newRow("Brazilian") << QStringList{"pt-BR"} << "trixola_pt_BR.qm";
    QTest::newRow("Chinese") << QStringList{"zh-Hans-CN"} << "trixola_zh_CN.qm";
    QTest::newRow("traditional Chinese of Hong Kong")
        << QStringList{"zh-Hant-HK"} << "trixola_zh_TW.qm";
    QTest::newRow("nothing") << QStringList() << "";
  }

  void catalogueFor() {
    QFETCH(QStringList, languages);
    QTEST(QFileInfo(language::CatalogueFor(languages)).fileName(), "catalogue");
  }

  // What the desktop names (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) decides;
  // ctest runs this with TRIXOLA_EXPECTED set to the catalogue expected, or
  // empty for none.
  void desktopLanguage() {
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

  // The clock's caption once it has ticked (the English one stands in the
  // window test), and what a screen reader is told of a winning move: the
  // move, the reply, the banner's words and the score.
  void clockAndTold_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("clock");
    QTest::addColumn<QString>("told");
    const auto row = [](const char* code, const char* clock, const char* told) {
      QTest::newRow(code) << QString(code) << QString(clock) << QString(told);
    };
    row("en", "", "Cell 5: yours. Computer: cell 1. YOU WON THE GAME. You 1, computer 0, draws 2.");
    row("de", "1 Sekunde",
        "Feld 5: Ihres. Computer: Feld 1. SIE HABEN GEWONNEN. Sie 1, Computer 0, Remis 2.");
    row("ar", "\u202B1 ثانية\u202C",
        "الخانة 5: لك. الحاسوب: الخانة 1. لقد فزت. أنت 1، الحاسوب 0، التعادلات 2.");
  }

  void clockAndTold() {
    QFETCH(QString, code);
    QFETCH(QString, clock);
    QTranslator translator;
    QVERIFY(code == "en" || translator.load(":/i18n/trixola_" + code + ".qm"));
    QCoreApplication::installTranslator(&translator);
    const QString told = texts::MoveAnnouncement(5, 1) + ' ';
    QTEST(told + texts::ResultAnnouncement(Outcome::PlayerWon, 1, 0, 2), "told");
    if (clock.isEmpty()) return;
    Silent silent;
    GameWindow window(silent);
    const auto* caption = qobject_cast<QLabel*>(window.childAt(layout::kClock.topLeft()));
    QVERIFY(caption);
    QTRY_COMPARE_WITH_TIMEOUT(caption->text(), clock, 1500);
  }
};

QTEST_MAIN(CatalogueTest)
#include "catalogue_test.moc"
