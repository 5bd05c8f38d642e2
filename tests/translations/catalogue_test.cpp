// Every catalogue, read from its .ts source and loaded from the .qm built
// into the game: complete, with the right plural forms, access keys that
// work, and every window caption inside its place with the window's fonts.
// Runs offscreen with the fonts installed; exits 77 when they are not.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QKeySequence>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextLayout>
#include <QTranslator>
#include <QXmlStreamReader>
#include <cstdio>

#include "fonts.h"
#include "language.h"
#include "layout.h"
#include "texts.h"

using namespace trixola;

namespace {

// How far right and down a text reaches from the top left of its line,
// drawn on one line in a font, fallback fonts included: its advance and the
// lowest pixel its glyphs paint (a fallback font's line can be taller than
// what its glyphs ink).
QSizeF Extent(const QString& text, const QFont& font) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  line.setLineWidth(100000);
  layout.endLayout();
  qreal bottom = 0;
  for (const QGlyphRun& run : layout.glyphRuns()) {
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
      bottom = std::max(bottom, positions[i].y() + run.rawFont().boundingRect(glyphs[i]).bottom());
    }
  }
  return {line.naturalTextWidth(), bottom};
}

// The room for a row caption that grows right inside the score frame (its
// one-pixel outline kept clear).
int RoomInScoreFrame(const QRect& caption) {
  return layout::kScoreFrame.right() - caption.left();
}

struct Message {
  QString context, source;
  QStringList forms;
  bool numerus = false, finished = true;
};

QList<Message> ReadTs(const QString& path, QString* language) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QXmlStreamReader xml(&file);
  QList<Message> messages;
  QString context;
  while (!xml.atEnd()) {
    if (!xml.readNextStartElement()) continue;
    if (xml.name() == u"TS") {
      *language = xml.attributes().value("language").toString();
    } else if (xml.name() == u"name") {
      context = xml.readElementText();
    } else if (xml.name() == u"message") {
      messages.append({context, {}, {}, xml.attributes().value("numerus") == u"yes", true});
    } else if (xml.name() == u"source") {
      messages.last().source = xml.readElementText();
    } else if (xml.name() == u"translation") {
      const QStringView type = xml.attributes().value("type");
      messages.last().finished = type.isEmpty();
      if (!messages.last().numerus) messages.last().forms << xml.readElementText();
    } else if (xml.name() == u"numerusform") {
      messages.last().forms << xml.readElementText();
    }
  }
  return messages;
}

// The plural forms Qt has for a language, and a count for each, in order.
struct Plurals {
  const char* language;
  QList<int> counts;
};
const Plurals kPlurals[] = {
    {"de", {1, 2}},    {"fr", {1, 2}}, {"es", {1, 2}},    {"it", {1, 2}},
    {"pt_BR", {1, 2}}, {"nl", {1, 2}}, {"pl", {1, 3, 5}}, {"ru", {1, 3, 5}},
    {"tr", {5}},       {"ja", {5}},    {"zh_CN", {5}},    {"ar", {0, 1, 2, 3, 11, 100}},
};

}  // namespace

class CatalogueTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void catalogues_data();
  void complete();
  void complete_data() { catalogues_data(); }
  void captionsFit();
  void captionsFit_data() { catalogues_data(); }
  void accessKeys();
  void accessKeys_data() { catalogues_data(); }

 private:
  QTranslator translator_;
};

void CatalogueTest::initTestCase() {
  const QStringList needed{"Liberation Sans"};
  for (const QString& family : needed) {
    if (!QFontDatabase::families().contains(family)) {
      std::printf("SKIP: the font %s is not installed\n", qPrintable(family));
      std::exit(77);
    }
  }
  for (auto system :
       {QFontDatabase::Japanese, QFontDatabase::SimplifiedChinese, QFontDatabase::Arabic}) {
    if (QFontDatabase::families(system).isEmpty()) {
      std::printf("SKIP: no font for %s (fonts-noto-cjk, fonts-noto-core)\n",
                  qPrintable(QFontDatabase::writingSystemName(system)));
      std::exit(77);
    }
  }
}

// One row per catalogue in translations/; at least the twelve languages.
void CatalogueTest::catalogues_data() {
  QTest::addColumn<QString>("ts");
  QTest::addColumn<QString>("qm");
  const QDir dir(QStringLiteral(TRIXOLA_TRANSLATIONS_DIR));
  const QStringList files = dir.entryList({"trixola_*.ts"}, QDir::Files);
  QVERIFY(files.size() >= 12);
  for (const QString& file : files) {
    const QString code = file.mid(8).chopped(3);
    QTest::newRow(qPrintable(code))
        << dir.filePath(file) << QStringLiteral(":/i18n/trixola_%1.qm").arg(code);
  }
}

// Every text the sources have, translated and finished, with each plural
// form the language has, and the built catalogue answers for them.
void CatalogueTest::complete() {
  QFETCH(QString, ts);
  QFETCH(QString, qm);
  QString language;
  const QList<Message> messages = ReadTs(ts, &language);
  QVERIFY(!messages.isEmpty());
  QVERIFY(!language.isEmpty());
  const Plurals* plurals = nullptr;
  for (const Plurals& p : kPlurals) {
    if (language == QLatin1String(p.language)) plurals = &p;
  }
  QVERIFY2(plurals != nullptr, qPrintable(language + " has no plural table here"));
  QTranslator translator;
  QVERIFY(translator.load(qm));
  for (const Message& m : messages) {
    const QString where = m.context + ": " + m.source;
    QVERIFY2(m.finished, qPrintable("unfinished " + where));
    QVERIFY2(!m.forms.isEmpty() && !m.forms.contains(QString()), qPrintable("empty " + where));
    const QByteArray context = m.context.toUtf8(), source = m.source.toUtf8();
    if (!m.numerus) {
      QCOMPARE(translator.translate(context, source), m.forms.first());
      continue;
    }
    QCOMPARE(m.forms.size(), plurals->counts.size());
    for (qsizetype i = 0; i < m.forms.size(); ++i) {
      const int n = plurals->counts[i];
      QVERIFY2(m.forms[i].contains(QLatin1String("%n")), qPrintable(where));
      QCOMPARE(translator.translate(context, source, nullptr, n), m.forms[i]);
    }
  }
}

// Each caption in its place at scale 1 (the window scales as a whole).
void CatalogueTest::captionsFit() {
  QFETCH(QString, qm);
  QTranslator translator;
  QVERIFY(translator.load(qm));
  QCoreApplication::installTranslator(&translator);
  const auto removed = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });

  struct Place {
    QString text;
    QFont font;
    QSize room;
  };
  const QFont regular = fonts::Regular(), bold = fonts::Bold();
  const int lineHeight = QFontMetrics(regular).height();
  QList<Place> places{
      {texts::kComputer, bold, {RoomInScoreFrame(layout::kComputerCaption), 24}},
      {texts::kYou, bold, {RoomInScoreFrame(layout::kYouCaption), 24}},
      {texts::ScoreCaption(Outcome::Draw, 99),
       regular,
       {RoomInScoreFrame(layout::kDrawCount),
        layout::kScoreFrame.bottom() - layout::kDrawCount.top()}},
      {texts::ClockCaption(9999), regular, {layout::kClock.width(), lineHeight + 6}},
      {texts::SoundCaption(true),
       regular,
       {layout::kNewGame.left() - layout::kSoundCaption.left() - 16, lineHeight + 6}},
      {texts::SoundCaption(false),
       regular,
       {layout::kNewGame.left() - layout::kSoundCaption.left() - 16, lineHeight + 6}},
  };
  for (const Place& place : places) {
    const QSizeF extent = Extent(place.text, place.font);
    QVERIFY2(extent.width() <= place.room.width() && extent.height() <= place.room.height(),
             qPrintable(QStringLiteral("%1: %2 x %3 in %4 x %5")
                            .arg(place.text)
                            .arg(extent.width())
                            .arg(extent.height())
                            .arg(place.room.width())
                            .arg(place.room.height())));
  }

  // The banner wraps at words, within its rectangle.
  const QFontMetrics banner(fonts::Banner());
  for (auto outcome : {std::optional<Outcome>(), std::optional(Outcome::PlayerWon),
                       std::optional(Outcome::ComputerWon), std::optional(Outcome::Draw)}) {
    const QString text = texts::Banner(outcome);
    const QRect box(QPoint(), layout::kBanner.size());
    const QRect used = banner.boundingRect(box, Qt::AlignHCenter | Qt::TextWordWrap, text);
    QVERIFY2(box.contains(used),
             qPrintable(text + QStringLiteral(": %1 x %2").arg(used.width()).arg(used.height())));
  }

  // The level options and the buttons, measured by the style that draws them.
  QWidget window;
  window.setFont(regular);
  for (const bool easy : {true, false}) {
    QRadioButton option(easy ? texts::kEasy : texts::kHard, &window);
    option.setGeometry(easy ? layout::kEasy : layout::kHard);
    QStyleOptionButton style;
    style.initFrom(&option);
    const QRect room =
        option.style()->subElementRect(QStyle::SE_RadioButtonContents, &style, &option);
    const QSizeF extent = Extent(option.text(), option.font());
    // The options overlap by a pixel; the later one paints over the first.
    QVERIFY2(extent.width() <= room.width() - 1 && extent.height() <= room.height() + 4,
             qPrintable(QStringLiteral("%1: %2 in %3")
                            .arg(option.text())
                            .arg(extent.width())
                            .arg(room.width())));
  }
  for (const bool newGame : {true, false}) {
    QPushButton button(newGame ? texts::kNewGame : texts::kExit, &window);
    button.setGeometry(newGame ? layout::kNewGame : layout::kExit);
    QStyleOptionButton style;
    style.initFrom(&button);
    const QRect room =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &style, &button);
    const QString shown = QString(button.text()).remove(u'&');
    const QSizeF extent = Extent(shown, button.font());
    QVERIFY2(extent.width() <= room.width() - 4 && extent.height() <= room.height(),
             qPrintable(
                 QStringLiteral("%1: %2 in %3").arg(shown).arg(extent.width()).arg(room.width())));
  }
}

// "New Game" and "Exit" each have an access key, and not the same one.
void CatalogueTest::accessKeys() {
  QFETCH(QString, qm);
  QTranslator translator;
  QVERIFY(translator.load(qm));
  QCoreApplication::installTranslator(&translator);
  const auto removed = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
  const QKeySequence newGame = QKeySequence::mnemonic(texts::kNewGame);
  const QKeySequence exit = QKeySequence::mnemonic(texts::kExit);
  QVERIFY2(!newGame.isEmpty(), qPrintable(QString(texts::kNewGame)));
  QVERIFY2(!exit.isEmpty(), qPrintable(QString(texts::kExit)));
  QVERIFY(newGame != exit);
}

QTEST_MAIN(CatalogueTest)
#include "catalogue_test.moc"
