#include "tests/reliability/window_driver.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace trixola::reliability {

namespace {

// Swallows the expiries of the timer it filters; its timeout signal still
// reaches the window when raised by hand.
class HoldExpiries : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Timer; }
};

}  // namespace

WindowDriver::WindowDriver(SoundPlayer& sound, MailHandler mail)
    : form_(std::make_unique<ObservedForm>(sound)),
      clockHold_(std::make_unique<HoldExpiries>()),
      mail_(mail) {
  if (auto* recorder = dynamic_cast<SoundRecorder*>(&sound)) recorder->Watch(game().Sound);
  if (mail_ == MailHandler::Recorded) {
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &links_, "Open");
  }
  form_->Timer1()->installEventFilter(clockHold_.get());
  QObject::connect(form_->Command2(), &QPushButton::clicked, [this] { ++newGameClicks_; });
  Show(*form_);
  MoveTo(kHome);
}

WindowDriver::~WindowDriver() {
  if (mail_ == MailHandler::Recorded) QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
}

bool WindowDriver::PressAltN() {
  const int before = newGameClicks_;
  QTest::keyClick(form_.get(), Qt::Key_N, Qt::AltModifier);
  QElapsedTimer clock;
  clock.start();
  while (newGameClicks_ == before && clock.elapsed() < 1000) QTest::qWait(2);
  return newGameClicks_ != before;
}

void WindowDriver::TickClock() {
  QMetaObject::invokeMethod(form_->Timer1(), "timeout");
}

bool WindowDriver::NewGameHasFocus() const {
  return QApplication::focusWidget() == form_->Command2();
}

bool WindowDriver::ClockRunning() const {
  return form_->Timer1()->isActive();
}

}  // namespace trixola::reliability
