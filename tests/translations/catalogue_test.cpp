// Every catalogue in translations/, read from its .ts source and loaded from
// the .qm built into the game: complete, with Qt's plural forms for its
// language, placeholders and distinct access keys, the desktop's words from
// its glossary, and the window built in it with every caption inside its
// place and clear of the next control. Runs offscreen with the fonts
// installed; exits 77 when a catalogue's script has no font.
#include <QApplication>
#include <QDir>
#include <QFile>
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
#include <QXmlStreamReader>
#include <cstdio>

#include "colours.h"
#include "fonts.h"
#include "game_window.h"
#include "layout.h"
#include "texts.h"

using namespace trixola;

namespace {

// The plural forms lupdate makes for each language, a count for each form.
const std::pair<QStringList, QList<int>> kPluralCounts[] = {
    {{"de", "fr", "es", "it", "pt_BR", "nl", "pt_PT", "sv", "el", "ca", "fi", "da", "nb", "hi",
      "he", "bg"},
     {1, 2}},
    {{"pl", "ru", "uk", "sr", "cs", "sk"}, {1, 3, 5}},
    {{"ro"}, {1, 2, 20}},
    {{"tr", "ja", "zh_CN", "zh_TW", "ko", "id", "hu", "fa"}, {5}},
    {{"ar"}, {0, 1, 2, 3, 11, 100}},
};

// The glossary's terms, in its order, and the English texts that hold each
// (the switch's "On" and "Off" stand for the sound's state).
const std::pair<QString, QRegularExpression> kTerms[] = {
    {"New Game", QRegularExpression(R"(\bnew game\b)")},
    {"Exit", QRegularExpression(R"(\bexit\b)")},
    {"Easy", QRegularExpression(R"(\beasy\b)")},
    {"Hard", QRegularExpression(R"(\bhard\b)")},
    {"draw", QRegularExpression(R"(\bdraw)")},
    {"you won", QRegularExpression(R"(\byou won\b)")},
    {"computer", QRegularExpression(R"(\bcomputer)")},
    {"sound on", QRegularExpression(R"(\bsound on\b|^on$)")},
    {"sound off", QRegularExpression(R"(\bsound off\b|/off$|^off$)")},
    {"seconds", QRegularExpression(R"(\bseconds\b)")},
    {"score", QRegularExpression(R"(\bscore\b)")},
};

struct Message {
  QString context, source;
  QStringList forms;
  bool numerus = false, finished = true, explained = false;
};

QList<Message> ReadTs(const QString& path, QString* language) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QXmlStreamReader xml(&file);
  QList<Message> messages;
  QString context;
  while (!xml.atEnd()) {
    if (!xml.readNextStartElement()) continue;
    const QStringView name = xml.name();
    if (name == u"TS") *language = xml.attributes().value("language").toString();
    if (name == u"name") context = xml.readElementText();
    if (name == u"message")
      messages.append({context, {}, {}, xml.attributes().value("numerus") == u"yes"});
    if (name == u"source") messages.last().source = xml.readElementText();
    if (name == u"translatorcomment") messages.last().explained = !xml.readElementText().isEmpty();
    if (name == u"translation") {
      messages.last().finished = xml.attributes().value("type").isEmpty();
      if (!messages.last().numerus) messages.last().forms << xml.readElementText();
    }
    if (name == u"numerusform") messages.last().forms << xml.readElementText();
  }
  return messages;
}

// The glossary's words (or the stems all their forms share), in its order.
QList<QStringList> ReadGlossary(const QString& path) {
  QFile file(path);
  QList<QStringList> rows;
  if (!file.open(QIODevice::ReadOnly)) return rows;
  for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
    if (!line.startsWith(u'#')) rows << line.split(u'\t');
  }
  return rows;
}

// How far right and down a text reaches from the top left of its line, on
// one line in a font, fallback fonts included: its advance and the lowest
// pixel its glyphs ink. `missing` counts glyphs no installed font has.
QSizeF Extent(const QString& text, const QFont& font, int* missing = nullptr) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  line.setLineWidth(100000);
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
  return {line.naturalTextWidth(), bottom};
}

// Where a line may end: at a space or after a hyphen, or beside an ideograph or kana of a
// script written without spaces; never inside a word, nor after a word of
// one letter.
bool GoodBreak(const QString& text, qsizetype at) {
  const auto spaceless = [](QChar c) {
    return c.script() == QChar::Script_Han || c.script() == QChar::Script_Hiragana;
  };
  const QString before = text.left(at).trimmed();
  const qsizetype word = before.size() - 1 - before.lastIndexOf(u' ');
  return (text[at - 1].isSpace() && word > 1) || text[at - 1] == u'-' || spaceless(text[at - 1]) ||
         spaceless(text[at]);
}

struct Silent : SoundPlayer {
  void Play(SoundEffect) override {}
};

}  // namespace

class CatalogueTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void catalogue_data();
  void catalogue();
  void window_data() { catalogue_data(); }
  void window();
};

// Liberation Sans, and a font for every catalogue's script.
void CatalogueTest::initTestCase() {
  int missing = QFontDatabase::families().contains("Liberation Sans") ? 0 : 1;
  for (const QString& qm : QDir(":/i18n").entryList({"trixola_*.qm"})) {
    QTranslator translator;
    QVERIFY(translator.load(":/i18n/" + qm));
    Extent(translator.translate(texts::kWindow, "Computer"), fonts::Regular(), &missing);
  }
  if (missing == 0) return;
  std::printf("SKIP: a font is missing: Liberation Sans, or one for a catalogue's script\n");
  std::exit(77);
}

// One row per catalogue in translations/.
void CatalogueTest::catalogue_data() {
  QTest::addColumn<QString>("code");
  const QDir dir(QStringLiteral(TRIXOLA_TRANSLATIONS_DIR));
  const QStringList files = dir.entryList({"trixola_*.ts"}, QDir::Files);
  QVERIFY(files.size() >= 12);
  for (const QString& file : files) {
    const QString code = file.mid(8).chopped(3);
    QTest::newRow(qPrintable(code)) << code;
  }
}

// Every text translated and finished, its placeholders kept, each plural
// form the language has, the built catalogue answering for them, and the
// glossary's word wherever the English names its term, unless a translator
// comment says why not.
void CatalogueTest::catalogue() {
  QFETCH(QString, code);
  const QDir dir(QStringLiteral(TRIXOLA_TRANSLATIONS_DIR));
  QString language;
  const QList<Message> messages = ReadTs(dir.filePath("trixola_" + code + ".ts"), &language);
  QVERIFY(!messages.isEmpty());
  QCOMPARE(language, code);
  const auto rule = std::find_if(std::begin(kPluralCounts), std::end(kPluralCounts),
                                 [&](const auto& rule) { return rule.first.contains(code); });
  QVERIFY2(rule != std::end(kPluralCounts), qPrintable(code + " has no plural counts here"));
  const QList<int> counts = rule->second;
  const auto glossary = ReadGlossary(dir.filePath("glossary/" + code + ".tsv"));
  QCOMPARE(glossary.size(), std::size(kTerms));
  for (std::size_t t = 0; t < std::size(kTerms); ++t) {
    QCOMPARE(glossary[t].size() == 3 ? glossary[t][0] : "", kTerms[t].first);
  }
  QTranslator translator;
  QVERIFY(translator.load(":/i18n/trixola_" + code + ".qm"));
  const QLocale locale(code);
  static const QRegularExpression placeholder(R"(%[\dn])");
  for (const Message& m : messages) {
    const QString where = m.context + ": " + m.source;
    QVERIFY2(m.finished, qPrintable("unfinished " + where));
    QCOMPARE(m.forms.size(), m.numerus ? counts.size() : 1);
    for (qsizetype i = 0; i < m.forms.size(); ++i) {
      const QString& form = m.forms[i];
      auto wanted = placeholder.globalMatch(m.source);
      while (wanted.hasNext()) QVERIFY2(form.contains(wanted.next().captured()), qPrintable(where));
      QCOMPARE(translator.translate(m.context.toUtf8(), m.source.toUtf8(), nullptr,
                                    m.numerus ? counts[i] : -1),
               form);
      QVERIFY2(!form.isEmpty(), qPrintable("empty " + where));
      for (std::size_t t = 0; t < std::size(kTerms); ++t) {
        if (m.explained || !m.source.trimmed().toLower().contains(kTerms[t].second)) continue;
        QVERIFY2(locale.toLower(form).remove(u'&').contains(locale.toLower(glossary[t][1])),
                 qPrintable(where + " lacks " + glossary[t][1]));
      }
    }
  }
}

// The window in the catalogue's language: each caption inside its place,
// the level options widened just as far as their words need and the frame
// drawn round them, the buttons in the design's places with distinct keys.
void CatalogueTest::window() {
  QFETCH(QString, code);
  QTranslator translator;
  QVERIFY(translator.load(":/i18n/trixola_" + code + ".qm"));
  QCoreApplication::installTranslator(&translator);
  const auto removed = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
  Silent silent;
  GameWindow window(silent);
  const auto options = window.findChildren<QRadioButton*>();
  const auto buttons = window.findChildren<QPushButton*>();
  const int widening = options[0]->width() - layout::kEasy.width();
  const layout::LevelRow levels = layout::WidenedLevels(widening);
  QCOMPARE(options[1]->geometry(), levels.hard);
  const QImage image = window.grab().toImage();
  const qreal ratio = image.devicePixelRatio();
  const QPointF corner = QPointF(levels.frame.bottomRight()) * ratio;
  QCOMPARE(image.pixelColor(corner.toPoint()), colours::kLevelFrame);

  // Where each text stands, the room it has and the font it is drawn in.
  // Easy's text keeps its gap before Hard's indicator, Hard's a pixel inside
  // its rectangle, a button's its frame's margin.
  const auto contents = [](const QAbstractButton* button, QStyle::SubElement element) {
    QStyleOptionButton style;
    style.initFrom(button);
    return button->style()->subElementRect(element, &style, button).translated(button->pos());
  };
  QRect easy = contents(options[0], QStyle::SE_RadioButtonContents);
  easy.setRight(contents(options[1], QStyle::SE_RadioButtonIndicator).left() -
                layout::kLevelTextGap - 1);
  const QFont regular = fonts::Regular(), bold = fonts::Bold();
  const int line = QFontMetrics(regular).height() + 6;
  const auto inScore = [](QRect caption, int height) {
    return QRect(caption.left(), caption.top(), layout::kScoreFrame.right() - caption.left(),
                 height);
  };
  const QRect sound(
      levels.soundCaption.topLeft(),
      QSize(layout::kNewGame.left() - layout::kSoundCaptionGap - levels.soundCaption.left(), line));
  const std::tuple<QString, QFont, QRect> places[] = {
      {options[0]->text(), regular, easy.adjusted(0, 0, 0, 4)},
      {options[1]->text(), regular,
       contents(options[1], QStyle::SE_RadioButtonContents).adjusted(0, 0, -1, 4)},
      {buttons[0]->text().remove(u'&'), regular,
       contents(buttons[0], QStyle::SE_PushButtonContents).adjusted(0, 0, -4, 0)},
      {buttons[1]->text().remove(u'&'), regular,
       contents(buttons[1], QStyle::SE_PushButtonContents).adjusted(0, 0, -4, 0)},
      {texts::kComputer, bold, inScore(layout::kComputerCaption, 24)},
      {texts::kYou, bold, inScore(layout::kYouCaption, 24)},
      {texts::ScoreCaption(Outcome::Draw, 99), regular,
       inScore(layout::kDrawCount, layout::kScoreFrame.bottom() - layout::kDrawCount.top())},
      {texts::ClockCaption(9999), regular,
       QRect(layout::kClock.topLeft(), QSize(layout::kClock.width(), line))},
      {texts::SoundCaption(true), regular, sound},
      {texts::SoundCaption(false), regular, sound},
  };
  qreal slack = 1;  // the least room left beside a level word
  for (std::size_t i = 0; i < std::size(places); ++i) {
    const auto& [text, font, room] = places[i];
    const QSizeF extent = Extent(text, font);
    QVERIFY2(
        extent.width() <= room.width() && extent.height() <= room.height(),
        qPrintable(QStringLiteral("%1: %2 in %3").arg(text).arg(extent.width()).arg(room.width())));
    if (i < 2) slack = std::min(slack, room.width() - extent.width());
  }
  // One pixel less widening would not do.
  QVERIFY2(widening == 0 || slack < 1, qPrintable(QString::number(widening)));
  const auto labels = window.findChildren<QLabel*>();
  QVERIFY(std::any_of(labels.begin(), labels.end(), [&](const QLabel* label) {
    return label->text() == texts::SoundCaption(true) && label->pos() == sound.topLeft();
  }));
  // The catalogue's words shown (right-to-left ones embedded), the window
  // not mirrored.
  QStringList shown;
  for (const QLabel* label : labels) shown << label->text();
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
    shown << button->text();
  for (const char* source :
       {"WELCOME TO TRIXOLA", "Computer", "You", "Easy", "Hard", "&New Game", "&Exit", "On"}) {
    const QString text = translator.translate(texts::kWindow, source);
    QVERIFY2(shown.contains(text.isRightToLeft() ? u'\u202B' + text + u'\u202C' : text), source);
  }
  QCOMPARE(window.layoutDirection(), Qt::LeftToRight);
  QCOMPARE(window.windowTitle(), "Zembrik  TRIXOLA");
  QCOMPARE(buttons[0]->geometry(), layout::kNewGame);
  QCOMPARE(buttons[1]->geometry(), layout::kExit);
  const QKeySequence newGame = QKeySequence::mnemonic(buttons[0]->text());
  QVERIFY(!newGame.isEmpty() && !QKeySequence::mnemonic(buttons[1]->text()).isEmpty());
  QVERIFY(newGame != QKeySequence::mnemonic(buttons[1]->text()));
  // The access key's underline splits the shaping at its letter, so the
  // letter joins neither neighbour (Arabic and Persian).
  const auto joins = [](const QString& text, qsizetype at, QChar::JoiningType side) {
    const auto type = at < 0 || at >= text.size() ? QChar::Joining_None : text[at].joiningType();
    return type == QChar::Joining_Dual || type == QChar::Joining_Causing || type == side;
  };
  for (const QPushButton* button : buttons) {
    const QString text = button->text();
    const qsizetype key = text.indexOf(u'&') + 1;
    QVERIFY2(
        !(joins(text, key - 2, QChar::Joining_Left) && joins(text, key, QChar::Joining_Right)) &&
            !(joins(text, key, QChar::Joining_Left) && joins(text, key + 1, QChar::Joining_Right)),
        qPrintable(text));
  }

  // The banner wraps between words, in three lines at most, within its rectangle.
  for (auto outcome : {std::optional<Outcome>(), std::optional(Outcome::PlayerWon),
                       std::optional(Outcome::ComputerWon), std::optional(Outcome::Draw)}) {
    const QString text = texts::Banner(outcome);
    QTextLayout banner(text, fonts::Banner());
    banner.setTextOption(QTextOption(Qt::AlignHCenter));
    banner.beginLayout();
    qreal height = 0;
    for (QTextLine row = banner.createLine(); row.isValid(); row = banner.createLine()) {
      row.setLineWidth(layout::kBanner.width());
      height += row.height();
      QVERIFY2(row.naturalTextWidth() <= layout::kBanner.width(), qPrintable(text));
      QVERIFY2(row.textStart() == 0 || GoodBreak(text, row.textStart()), qPrintable(text));
    }
    banner.endLayout();
    QVERIFY2(banner.lineCount() <= 3 && height <= layout::kBanner.height(), qPrintable(text));
  }
}

QTEST_MAIN(CatalogueTest)
#include "catalogue_test.moc"
