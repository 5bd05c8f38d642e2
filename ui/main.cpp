// Trixola: noughts and crosses against the computer.
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "sound/qt_sound_player.h"
#include "ui/form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("trixola"));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.trixola.Trixola"));

  trixola::QtSoundPlayer sound;
  trixola::Form1 form(sound);
  QObject::connect(&form, &trixola::Form1::Unloaded, &app, &QCoreApplication::quit);

  form.Load();
  form.CentreOnScreen();
  form.show();
  form.Command1()->setFocus();
  // The sound effects load once the window is up, so start-up stays quick.
  QTimer::singleShot(0, &sound, [&sound] { sound.Preload(); });

  return QApplication::exec();
}
