#include "game_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <QUrl>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "accessibility.h"
#include "auto_size_label.h"
#include "board_view.h"
#include "cell_keys.h"
#include "colours.h"
#include "fonts.h"
#include "layout.h"
#include "picture_button.h"
#include "texts.h"

namespace trixola {

namespace {

constexpr int kClockIntervalMs = 1000;

QPalette WithText(QPalette palette, const QColor& colour) {
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::ButtonText, colour);
  return palette;
}

// Plain text in a font and colour, top left in its rectangle.
template <typename Label>
Label* Styled(Label* label, const QFont& font, const QColor& colour) {
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setFont(font);
  label->setPalette(WithText(label->palette(), colour));
  return label;
}

QLabel* MakeLabel(QWidget* parent, QRect rect, const QFont& font, const QColor& colour) {
  QLabel* label = Styled(new QLabel(parent), font, colour);
  label->setGeometry(rect);
  return label;
}

AutoSizeLabel* MakeAutoSizeLabel(QWidget* parent, QRect design, const QFont& font,
                                 const QColor& colour) {
  return Styled(new AutoSizeLabel(design, parent), font, colour);
}

// Qt tells screen readers of every name set, even of one that stays as it
// was; this tells them only of a change.
void Rename(QWidget* widget, const QString& name) {
  if (widget->accessibleName() != name) widget->setAccessibleName(name);
}

// The cell the computer has marked since `before`, if any.
std::optional<int> ComputerReply(const Board& before, const Board& now) {
  for (int cell = kFirstCell; cell <= kLastCell; ++cell) {
    if (before.At(cell) != Mark::Computer && now.At(cell) == Mark::Computer) return cell;
  }
  return std::nullopt;
}

// An outline one pixel wide, inside the rectangle.
void DrawFrame(QPainter& painter, QRect rect, const QColor& colour) {
  painter.fillRect(rect.left(), rect.top(), rect.width(), 1, colour);
  painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, colour);
  painter.fillRect(rect.left(), rect.top(), 1, rect.height(), colour);
  painter.fillRect(rect.right(), rect.top(), 1, rect.height(), colour);
}

// How far the sound caption stands in from its place. Latin, Greek and
// Cyrillic letters are Liberation Sans's own and stand clear of the switch
// by their side bearing, as "On" does; the letters of other scripts come
// from fallback fonts that ink up to their edge, and a right-to-left word's
// last letter may reach past it.
int SoundCaptionIndent() {
  const QString captions = texts::SoundCaption(true) + texts::SoundCaption(false);
  return std::any_of(captions.begin(), captions.end(),
                     [](QChar c) { return c.script() > QChar::Script_Cyrillic; })
             ? layout::kFallbackCaptionIndent
             : 0;
}

// How many pixels wider than the design the level options must be for their
// captions to stand clear: Easy's of Hard's indicator by a gap, Hard's
// inside its own rectangle; but never so many that the sound caption, moved
// right with the options, comes within its gap of "New Game". Measuring
// reads the fonts, which English, fitting the design, never needs.
int LevelWidening(const QRadioButton& easy, const QRadioButton& hard) {
  if (easy.text() == QLatin1String(texts::kEasy.source()) &&
      hard.text() == QLatin1String(texts::kHard.source())) {
    return 0;
  }
  const auto place = [](const QRadioButton& option, QStyle::SubElement element) {
    QStyleOptionButton style;
    style.initFrom(&option);
    return option.style()->subElementRect(element, &style, &option).translated(option.pos());
  };
  // As wide as the style draws it: laid out as one line, the way the
  // painter shapes it (QFontMetricsF's sum of advances can come out less).
  const auto width = [](const QRadioButton& option) {
    QTextLayout text(option.text(), option.font());
    text.beginLayout();
    text.createLine();
    text.endLayout();
    return int(std::ceil(text.lineAt(0).naturalTextWidth()));
  };
  const int easyRoom = place(hard, QStyle::SE_RadioButtonIndicator).left() - layout::kLevelTextGap -
                       place(easy, QStyle::SE_RadioButtonContents).left();
  const int hardRoom = place(hard, QStyle::SE_RadioButtonContents).width() - 1;
  const int widening = std::max(width(easy) - easyRoom, width(hard) - hardRoom);
  const QFontMetrics caption(fonts::Regular());
  const int captionWidth = std::max(caption.horizontalAdvance(texts::SoundCaption(true)),
                                    caption.horizontalAdvance(texts::SoundCaption(false))) +
                           SoundCaptionIndent();
  const int slack = layout::kNewGame.left() - layout::kSoundCaptionGap -
                    layout::kSoundCaption.left() - captionWidth;
  return std::clamp(widening, 0, std::max(0, slack / 2));
}

}  // namespace

GameWindow::GameWindow(SoundPlayer& sound, QWidget* parent)
    : QWidget(parent), sound_(sound), game_(*this) {
  accessibility::Install();
  setWindowTitle(texts::kTitle);
  setWindowIcon(WindowIcon());
  setAccessibleDescription(texts::kWindowDescription);
  setFixedSize(layout::kWindow);
  setFont(fonts::Regular());
  setMouseTracking(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, colours::kBackground);
  setPalette(palette);

  CreateControls();
  ConnectControls();
  ShowState();

  // The clock runs from the start, before the first move.
  clock_.setInterval(kClockIntervalMs);
  clock_.start();
}

GameWindow::~GameWindow() = default;

void GameWindow::CreateControls() {
  board_ = new BoardView(game_, this);

  banner_ = MakeLabel(this, layout::kBanner, fonts::Banner(), colours::Banner(std::nullopt));
  banner_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  banner_->setWordWrap(true);
  banner_->setAccessibleDescription(texts::kBannerDescription);

  // The row captions first, so that a growing count stands in front of them.
  MakeAutoSizeLabel(this, layout::kComputerCaption, fonts::Bold(), colours::kRowCaption)
      ->SetCaption(texts::kComputer);
  MakeAutoSizeLabel(this, layout::kYouCaption, fonts::Bold(), colours::kRowCaption)
      ->SetCaption(texts::kYou);
  computerCount_ =
      MakeAutoSizeLabel(this, layout::kComputerCount, fonts::Bold(), colours::kWinCount);
  playerCount_ = MakeAutoSizeLabel(this, layout::kPlayerCount, fonts::Bold(), colours::kWinCount);
  drawCount_ = MakeAutoSizeLabel(this, layout::kDrawCount, fonts::Regular(), colours::kDrawCount);
  computerCount_->setAccessibleDescription(texts::ScoreDescription(Outcome::ComputerWon));
  playerCount_->setAccessibleDescription(texts::ScoreDescription(Outcome::PlayerWon));
  drawCount_->setAccessibleDescription(texts::ScoreDescription(Outcome::Draw));

  clockCaption_ = MakeLabel(this, layout::kClock, fonts::Regular(), colours::kClock);
  clockCaption_->setAccessibleName(texts::ClockName(0));
  clockCaption_->setAccessibleDescription(texts::kClockDescription);

  for (QRadioButton** option : {&easy_, &hard_}) {
    const bool easy = option == &easy_;
    auto* button = new QRadioButton(easy ? texts::kEasy : texts::kHard, this);
    button->setGeometry(easy ? layout::kEasy : layout::kHard);
    // No background of its own: the window's black shows behind its text.
    // A filled option would count as opaque, and Qt would not repaint it
    // when a Wayland compositor changes the window's decorations.
    button->setPalette(WithText(button->palette(), colours::kOptionText));
    button->setChecked(easy);
    button->setAccessibleDescription(texts::kLevelDescription);
    *option = button;
  }
  const layout::LevelRow levels = layout::WidenedLevels(LevelWidening(*easy_, *hard_));
  levelFrame_ = levels.frame;
  easy_->setGeometry(levels.easy);
  hard_->setGeometry(levels.hard);

  soundSwitch_ =
      new PictureButton(Picture::SoundSwitch, QAccessible::Button, levels.soundSwitch, this);
  soundSwitch_->setToolTip(texts::kSoundTip);
  soundSwitch_->setAccessibleDescription(texts::kSoundDescription);
  soundCaption_ =
      MakeAutoSizeLabel(this, levels.soundCaption, fonts::Regular(), colours::kSoundCaption);
  soundCaption_->setContentsMargins(SoundCaptionIndent(), 0, 0, 0);

  for (QPushButton** button : {&newGame_, &exit_}) {
    const bool newGame = button == &newGame_;
    auto* push = new QPushButton(newGame ? texts::kNewGame : texts::kExit, this);
    push->setGeometry(newGame ? layout::kNewGame : layout::kExit);
    // Enter, like Space, presses the button that has the focus.
    push->setAutoDefault(true);
    push->setAccessibleDescription(newGame ? texts::kNewGameDescription : texts::kExitDescription);
    *button = push;
  }

  credit_ = new PictureButton(Picture::Credit, QAccessible::Link, layout::kCredit, this);
  credit_->setAccessibleName(texts::kCreditName);
  // Moves over the credit and the board come on to the window, which sets
  // its title from them; moves over the other controls stop there.
  credit_->setMouseTracking(true);
  board_->setMouseTracking(true);
  credit_->setAccessibleDescription(texts::kCreditDescription);
  // The pointer can arrive on the credit without moving over it (on Wayland
  // the compositor says only where it entered). A widget the pointer leaves
  // hears where the pointer is now, also when the pointer left the window
  // and came straight back onto another widget: Qt then tells the widgets of
  // no enter, taking the two for a move within the window.
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    child->setAttribute(Qt::WA_Hover);
    child->installEventFilter(this);
  }

  // Tab goes round "Exit", the level options and "New Game"; "Exit" has the
  // focus first.
  setTabOrder(exit_, easy_);
  setTabOrder(easy_, hard_);
  setTabOrder(hard_, newGame_);
  exit_->setFocus();
}

void GameWindow::ConnectControls() {
  connect(board_, &BoardView::cellClicked, this, &GameWindow::PlayCell);
  connect(newGame_, &QPushButton::clicked, this, [this] {
    Operate([this] { game_.NewMatch(); });
    accessibility::Tell(*this, texts::NewMatchAnnouncement());
  });
  connect(exit_, &QPushButton::clicked, this, &QWidget::close);
  // clicked comes from the mouse, from Space and from the arrow keys that
  // move the choice within the group.
  connect(easy_, &QRadioButton::clicked, this,
          [this] { Operate([this] { game_.ChooseLevel(Level::Easy); }); });
  connect(hard_, &QRadioButton::clicked, this,
          [this] { Operate([this] { game_.ChooseLevel(Level::Hard); }); });
  connect(soundSwitch_, &PictureButton::clicked, this,
          [this] { Operate([this] { game_.SwitchSound(); }); });
  // The desktop's mail program; it does not matter to the game whether
  // there is one.
  connect(credit_, &PictureButton::clicked, this,
          [] { QDesktopServices::openUrl(QUrl(texts::kContactLink)); });
  connect(&clock_, &QTimer::timeout, this, &GameWindow::TickClock);

  // A key is a click on its cell, whichever control has the focus. The
  // keys reach the window before the control (every child has the window's
  // filter, see CreateControls): the level options would take the keypad's
  // arrows (Num Lock off) for their own.
  installEventFilter(this);
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == windowHandle() && event->type() == QEvent::Leave &&
      childAt(mapFromGlobal(QCursor::pos())) == nullptr) {
    // The pointer leaves from the bare window, where no widget would hear
    // of it coming straight back. The leave waits until an enter that came
    // with it has been dealt with, and goes if one came.
    enteredSinceLeave_ = false;
    QMetaObject::invokeMethod(
        this,
        [this] {
          QWindow* window = windowHandle();
          if (enteredSinceLeave_ || window == nullptr) return;
          QEvent leave(QEvent::Leave);
          window->removeEventFilter(this);
          QCoreApplication::sendEvent(window, &leave);
          window->installEventFilter(this);
        },
        Qt::QueuedConnection);
    return true;
  }
  if (event->type() == QEvent::HoverLeave) {
    ShowTitleAt(mapFromGlobal(static_cast<QHoverEvent*>(event)->globalPosition().toPoint()));
  } else if (watched == credit_ && event->type() == QEvent::Enter) {
    setWindowTitle(texts::kCreditTitle);
  } else if (event->type() == QEvent::KeyPress) {
    if (const std::optional<int> cell = CellFor(*static_cast<QKeyEvent*>(event))) {
      board_->Press(*cell);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void GameWindow::CentreOnScreen() {
  // A Wayland compositor places its windows itself.
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
  const QScreen* screen = this->screen();
  if (screen == nullptr) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

std::vector<QWidget*> GameWindow::AccessibleChildren() const {
  return {banner_, board_, computerCount_, playerCount_, drawCount_, clockCaption_,
          easy_,   hard_,  soundSwitch_,   newGame_,     exit_,      credit_};
}

void GameWindow::Operate(const std::function<void()>& operation) {
  operation();
  ShowState();
  if (game_.IsOver()) {
    clock_.stop();
  } else if (!clock_.isActive()) {
    clock_.start();
  }
}

// A screen reader hears the move and the reply, and the result if the match
// is over, after the focus has gone to "New Game": what is told last is heard.
void GameWindow::PlayCell(int cell) {
  const bool playable = game_.CanPlay(cell);
  const Board before = game_.board();
  Operate([this, cell] { game_.Play(cell); });
  if (!playable) return;
  QString told = texts::MoveAnnouncement(cell, ComputerReply(before, game_.board()));
  if (const std::optional<Outcome> outcome = game_.outcome()) {
    const Score& score = game_.score();
    told += QLatin1Char(' ') + texts::ResultAnnouncement(*outcome, score.Count(Outcome::PlayerWon),
                                                         score.Count(Outcome::ComputerWon),
                                                         score.Count(Outcome::Draw));
  }
  accessibility::Tell(*this, told);
}

void GameWindow::ShowState() {
  const std::optional<Outcome> outcome = game_.outcome();
  banner_->setText(texts::Banner(outcome));
  banner_->setPalette(WithText(banner_->palette(), colours::Banner(outcome)));
  Rename(banner_, banner_->text().trimmed());

  const std::pair<Outcome, AutoSizeLabel*> counts[] = {{Outcome::ComputerWon, computerCount_},
                                                       {Outcome::PlayerWon, playerCount_},
                                                       {Outcome::Draw, drawCount_}};
  for (const auto& [kind, label] : counts) {
    const int count = game_.score().Count(kind);
    label->SetCaption(texts::ScoreCaption(kind, count));
    Rename(label, texts::ScoreName(kind, count));
  }

  soundCaption_->SetCaption(texts::SoundCaption(game_.IsSoundOn()));
  Rename(soundSwitch_, texts::SoundName(game_.IsSoundOn()));
  board_->Refresh();
}

void GameWindow::TickClock() {
  game_.TickSecond();
  clockCaption_->setText(texts::ClockCaption(game_.Seconds()));
  Rename(clockCaption_, texts::ClockName(game_.Seconds()));
}

void GameWindow::PlaySound(SoundEffect effect) {
  sound_.Play(effect);
}

// The match is over: the clock stops and "New Game" is the next thing to
// press.
void GameWindow::MatchOver(Outcome) {
  clock_.stop();
  newGame_->setFocus(Qt::OtherFocusReason);
}

void GameWindow::paintEvent(QPaintEvent* event) {
  if (!labelsFitted_) {
    labelsFitted_ = true;
    QTimer::singleShot(0, this, [this] {
      for (AutoSizeLabel* label : findChildren<AutoSizeLabel*>()) label->StartFitting();
    });
  }
  QPainter painter(this);
  painter.fillRect(event->rect(), colours::kBackground);
  DrawFrame(painter, levelFrame_, colours::kLevelFrame);
  DrawFrame(painter, layout::kScoreFrame, colours::kScoreFrame);
  painter.fillRect(layout::kComputerBox, colours::kComputerBox);
  painter.fillRect(layout::kPlayerBox, colours::kPlayerBox);
}

// The window's title names the game, or its author while the pointer is over
// the credit picture. Over the bare window and the board's lines and locked
// cells the name comes back; over anything else the title stays as it is.
void GameWindow::mouseMoveEvent(QMouseEvent* event) {
  ShowTitleAt(event->position().toPoint());
}

void GameWindow::enterEvent(QEnterEvent* event) {
  enteredSinceLeave_ = true;
  // The platform window is there once the pointer has first come in.
  if (QWindow* window = windowHandle()) window->installEventFilter(this);
  ShowTitleAt(event->position().toPoint());
}

void GameWindow::ShowTitleAt(QPoint point) {
  if (!rect().contains(point)) return;
  const QWidget* child = childAt(point);
  if (child == credit_) {
    setWindowTitle(texts::kCreditTitle);
  } else if (child == nullptr ||
             (child == board_ && board_->IsBackgroundAt(board_->mapFrom(this, point)))) {
    setWindowTitle(texts::kTitle);
  }
}

void GameWindow::closeEvent(QCloseEvent* event) {
  clock_.stop();
  event->accept();
}

}  // namespace trixola
