// The Qt sound player: it finds the effects in its folder, loads them ahead
// of use, never blocks the caller, and takes missing or broken files in its
// stride. Runs without a sound card as well as with one.
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "sound/qt_sound_player.h"

namespace {

// The game's sounds as they are shipped.
const QString kAssets = QStringLiteral(TRIXOLA_TEST_ASSETS_DIR);

}  // namespace

class QtSoundPlayerTest : public QObject {
  Q_OBJECT

 private slots:
  void preloadDecodesTheGameSounds();
  void playLoadsOnDemand();
  void missingFilesAreNoError();
  void brokenFileIsNoError();
};

void QtSoundPlayerTest::preloadDecodesTheGameSounds() {
  QTemporaryDir folder;
  for (std::string_view name : trixola::QtSoundPlayer::kGameSounds) {
    const QString file = QString::fromUtf8(name.data(), qsizetype(name.size())) + ".wav";
    QVERIFY(QFile::copy(kAssets + "/" + file, folder.filePath(file)));
  }
  trixola::QtSoundPlayer player(folder.path());
  QVERIFY(!player.IsReady("click"));
  player.Preload();
  for (std::string_view name : trixola::QtSoundPlayer::kGameSounds) {
    QTRY_VERIFY2(player.IsReady(name), name.data());
  }
}

void QtSoundPlayerTest::playLoadsOnDemand() {
  QTemporaryDir folder;
  QVERIFY(QFile::copy(kAssets + "/level.wav", folder.filePath("level.wav")));
  trixola::QtSoundPlayer player(folder.path());
  player.Play("level");
  QTRY_VERIFY(player.IsReady("level"));
  QVERIFY(!player.IsReady("click"));
}

void QtSoundPlayerTest::missingFilesAreNoError() {
  QTemporaryDir empty;
  trixola::QtSoundPlayer player(empty.path());
  QElapsedTimer clock;
  clock.start();
  for (int i = 0; i < 20; ++i) {
    player.Play("click");
    player.Play("youwon");
  }
  QVERIFY2(clock.elapsed() < 500, "playing must not hold up the window");
  QTest::qWait(50);
  QVERIFY(!player.IsReady("click"));
}

void QtSoundPlayerTest::brokenFileIsNoError() {
  QTemporaryDir folder;
  QFile broken(folder.filePath("draw.wav"));
  QVERIFY(broken.open(QIODevice::WriteOnly));
  broken.write("RIFF this is not a wave file");
  broken.close();
  trixola::QtSoundPlayer player(folder.path());
  player.Play("draw");
  QTest::qWait(200);
  player.Play("draw");
  QVERIFY(!player.IsReady("draw"));
}

QTEST_MAIN(QtSoundPlayerTest)
#include "sound_player_test.moc"
