#include "ui/form1.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolTip>
#include <QUrl>
#include <algorithm>

#include "ui/accessibility.h"
#include "ui/fonts.h"

namespace trixola {

using ui::ControlSpec;
using ui::Kind;
using ui::Layout;
using ui::Picture;

namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// 0x00BBGGRR, as the rules write colours.
QColor FromBbggrr(std::uint32_t bbggrr) {
  return QColor(static_cast<int>(bbggrr & 0xFF), static_cast<int>((bbggrr >> 8) & 0xFF),
                static_cast<int>((bbggrr >> 16) & 0xFF));
}

// The fixed single border of an image on a black form: a one-pixel sunken
// frame, dark grey at the top and left, white at the bottom and right. The
// cells' borders lie on the grid lines, which stand in front of them.
constexpr QRgb kBorderShadow = qRgb(128, 128, 128);
constexpr QRgb kBorderLight = qRgb(255, 255, 255);

void FillPixels(QPainter& painter, int x, int y, int width, int height, const QColor& color) {
  painter.fillRect(QRect(x, y, width, height), color);
}

}  // namespace

Form1::Form1(SoundPlayer& sound, QWidget* parent) : QWidget(parent), sound_(sound), game_(*this) {
  accessibility::InstallInterfaces();
  const auto layout = Layout();
  captions_.reserve(layout.size());
  colors_.reserve(layout.size());
  for (const ControlSpec& control : layout) {
    captions_.push_back(ToQString(control.caption));
    colors_.push_back(control.color.ToQColor());
  }

  setWindowTitle(ToQString(kTitleCaption));
  setWindowIcon(ui::WindowIcon());
  setFixedSize(ui::kClientWidth, ui::kClientHeight);
  setFont(ui::FontFor(ui::TextStyle::Default));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::black);
  setPalette(palette);

  CreateChildControls();

  // All timers run from the window's creation.
  timer1_.setInterval(Layout()[ui::IndexOf("Timer1")].intervalMs);
  connect(&timer1_, &QTimer::timeout, this, [this] { Dispatch([this] { game_.Timer1_Timer(); }); });
  timer1_.start();

  accessibility::Describe(*this);
}

Form1::~Form1() = default;

void Form1::CreateChildControls() {
  const auto layout = Layout();
  std::vector<std::pair<int, QWidget*>> tabStops;
  // Back to front, so that the front ones end up on top.
  for (std::size_t i = layout.size(); i-- > 0;) {
    const ControlSpec& control = layout[i];
    QAbstractButton* button = nullptr;
    if (control.kind == Kind::PushButton) {
      auto* push = new QPushButton(ToQString(control.caption), this);
      // Enter, like Space, presses the button that has the focus.
      push->setAutoDefault(true);
      button = push;
      (control.name == "Command1" ? command1_ : command2_) = push;
    } else if (control.kind == Kind::OptionButton) {
      auto* option = new QRadioButton(ToQString(control.caption), this);
      QPalette palette = option->palette();
      palette.setColor(QPalette::Window, Qt::black);
      palette.setColor(QPalette::WindowText, control.color.ToQColor());
      palette.setColor(QPalette::ButtonText, control.color.ToQColor());
      option->setPalette(palette);
      // Buttons fill with the Button role by default; this one has the black
      // of the window behind its text.
      option->setBackgroundRole(QPalette::Window);
      option->setAutoFillBackground(true);
      option->setChecked(control.selected);
      button = option;
      (control.name == "Option1" ? option1_ : option2_) = option;
    } else {
      continue;
    }
    button->setGeometry(ui::PixelRect(control));
    tabStops.emplace_back(control.tabIndex, button);
  }
  std::sort(tabStops.begin(), tabStops.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < tabStops.size(); ++i) {
    setTabOrder(tabStops[i - 1].second, tabStops[i].second);
  }
  // The lowest tab position that can take the focus: "&Exit".
  tabStops.front().second->setFocus();

  connect(command2_, &QPushButton::clicked, this,
          [this] { Dispatch([this] { game_.Command2_Click(); }); });
  connect(command1_, &QPushButton::clicked, this,
          [this] { Dispatch([this] { game_.Command1_Click(); }); });
  // clicked() comes from the mouse, from Space and from the arrow keys that
  // move the selection within the group.
  connect(option1_, &QRadioButton::clicked, this,
          [this] { Dispatch([this] { game_.Option1_Click(); }); });
  connect(option2_, &QRadioButton::clicked, this,
          [this] { Dispatch([this] { game_.Option2_Click(); }); });
}

void Form1::Load() {
  Dispatch([this] { game_.Form_Load(); });
}

void Form1::CentreOnScreen() {
  const QScreen* screen = this->screen();
  if (screen == nullptr) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

template <typename Handler>
void Form1::Dispatch(Handler handler) {
  const Board before = game_.board;
  handler();
  if (!unloaded_) {
    if (timer4Enabled_) game_.Timer4_Timer();
    game_.Timer3_Timer();
  }
  UpdateChangedCells(before);
}

void Form1::UpdateChangedCells(const Board& before) {
  const auto layout = Layout();
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const int n = layout[i].cell;
    if (n != 0 && !(before.cell(n) == game_.board.cell(n))) update(ControlRect(i));
  }
  for (int n = kFirstCell; n <= kLastCell; ++n) {
    if (!(before.cell(n) == game_.board.cell(n))) {
      accessibility::CellChanged(*this, n, before.cell(n));
    }
  }
}

// ---- FormPort ----

void Form1::SetCaption(Label label, std::string_view caption) {
  const std::size_t i = ui::IndexOf(label);
  const QRect before = ControlRect(i);
  QString text = ToQString(caption);
  const bool changed = text != captions_[i];
  captions_[i] = std::move(text);
  update(before.united(ControlRect(i)).adjusted(-2, -2, 2, 2));
  if (changed) accessibility::CaptionChanged(*this, label);
}

void Form1::SetForeColor(Label label, std::uint32_t bbggrr) {
  const std::size_t i = ui::IndexOf(label);
  colors_[i] = FromBbggrr(bbggrr);
  update(ControlRect(i).adjusted(-2, -2, 2, 2));
}

void Form1::SetWindowCaption(std::string_view caption) {
  setWindowTitle(ToQString(caption));
}

void Form1::FocusCommand2() {
  command2_->setFocus(Qt::OtherFocusReason);
}

void Form1::SetTimerEnabled(Timer timer, bool enabled) {
  if (timer == Timer::Timer4) {
    timer4Enabled_ = enabled;
  } else if (!enabled) {
    timer1_.stop();
  } else if (!timer1_.isActive()) {
    timer1_.start();
  }
}

bool Form1::OptionValue(Option option) const {
  return (option == Option::Option1 ? option1_ : option2_)->isChecked();
}

void Form1::PlayWave(std::string_view name) {
  // The game core still names its sounds; the player takes the effect.
  if (const std::optional<SoundEffect> effect = SoundEffectNamed(name)) sound_.Play(*effect);
}

void Form1::OpenLink(std::string_view url) {
  QDesktopServices::openUrl(QUrl(ToQString(url)));
}

void Form1::Unload() {
  close();
}

void Form1::closeEvent(QCloseEvent* event) {
  unloaded_ = true;
  timer1_.stop();
  event->accept();
  emit Unloaded();
}

// ---- Views ----

QString Form1::Caption(Label label) const {
  return captions_[ui::IndexOf(label)];
}

QColor Form1::ForeColor(Label label) const {
  return colors_[ui::IndexOf(label)];
}

QRect Form1::LabelRect(Label label) const {
  return ControlRect(ui::IndexOf(label));
}

QRect Form1::ControlRect(std::size_t index) const {
  const ControlSpec& control = Layout()[index];
  const QRect design = ui::PixelRect(control);
  if (control.kind != Kind::Label || !control.autoSize || captions_[index].isEmpty()) return design;
  const QFontMetrics metrics(ui::FontFor(control.text));
  return QRect(design.topLeft(),
               QSize(metrics.horizontalAdvance(captions_[index]), metrics.height()));
}

// ---- Hit tests ----

bool Form1::IsShown(const ControlSpec& control) const {
  switch (control.picture) {
    case Picture::PlayerMark:
      return game_.board.HasPlayerMark(control.cell);
    case Picture::ComputerMark:
      return game_.board.HasComputerMark(control.cell);
    default:
      return true;
  }
}

bool Form1::IsEnabled(const ControlSpec& control) const {
  return control.picture != Picture::CellTarget || game_.board.IsCellFree(control.cell);
}

std::optional<std::size_t> Form1::ClickTargetAt(QPoint point) const {
  const auto layout = Layout();
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const ControlSpec& control = layout[i];
    const bool clickable = control.picture == Picture::CellTarget ||
                           control.picture == Picture::Credit ||
                           control.picture == Picture::SoundSwitch;
    if (clickable && IsEnabled(control) && ControlRect(i).contains(point)) return i;
  }
  return std::nullopt;
}

// The frontmost control drawn at the point decides. Lines, frames and colour
// boxes are part of the window's background, and so is a disabled image; a
// frame's inside lets the point through to what lies behind it.
Form1::MoveTarget Form1::MoveTargetAt(QPoint point) const {
  const auto layout = Layout();
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const ControlSpec& control = layout[i];
    switch (control.kind) {
      case Kind::Line:
      case Kind::Shape:
        if (IsOnDrawnPixels(control, point)) return MoveTarget::Background;
        break;
      case Kind::Label:
        if (ControlRect(i).contains(point)) return MoveTarget::Nothing;
        break;
      case Kind::Image:
        if (!IsShown(control) || !ControlRect(i).contains(point)) break;
        if (!IsEnabled(control)) return MoveTarget::Background;
        return control.picture == Picture::Credit ? MoveTarget::Credit : MoveTarget::Nothing;
      case Kind::Timer:
      case Kind::PushButton:
      case Kind::OptionButton:
        break;
    }
  }
  return MoveTarget::Background;
}

bool Form1::IsOnDrawnPixels(const ControlSpec& control, QPoint point) {
  if (control.kind == Kind::Line) {
    const QLine line = ui::PixelLine(control);
    return QRect(line.p1(), line.p2()).normalized().contains(point);
  }
  const QRect rect = ui::PixelRect(control);
  if (control.filled) return rect.contains(point);
  return rect.contains(point) && !rect.adjusted(1, 1, -1, -1).contains(point);
}

void Form1::PressControl(std::size_t index) {
  const ControlSpec& control = Layout()[index];
  if (control.kind == Kind::Image && IsEnabled(control)) RaiseClick(index);
}

void Form1::RaiseClick(std::size_t index) {
  const ControlSpec& control = Layout()[index];
  switch (control.picture) {
    case Picture::CellTarget:
      Dispatch([this, n = control.cell] { game_.Image_Click(n); });
      break;
    case Picture::Credit:
      Dispatch([this] { game_.Image10_Click(); });
      break;
    case Picture::SoundSwitch:
      Dispatch([this] { game_.imgSound_Click(); });
      break;
    default:
      break;
  }
}

// ---- Events ----

void Form1::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = ClickTargetAt(event->position().toPoint());
}

// A click is a press and a release of the left button on the same image.
void Form1::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const std::optional<std::size_t> pressed = std::exchange(pressed_, std::nullopt);
  if (pressed && ClickTargetAt(event->position().toPoint()) == pressed) RaiseClick(*pressed);
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  if (!rect().contains(point) || childAt(point) != nullptr) return;
  switch (MoveTargetAt(point)) {
    case MoveTarget::Background:
      Dispatch([this] { game_.Form_MouseMove(); });
      break;
    case MoveTarget::Credit:
      Dispatch([this] { game_.Image10_MouseMove(); });
      break;
    case MoveTarget::Nothing:
      break;
  }
}

bool Form1::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  const auto layout = Layout();
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const ControlSpec& control = layout[i];
    if (control.kind != Kind::Image && control.kind != Kind::Label) continue;
    if (!IsShown(control) || !ControlRect(i).contains(help->pos())) continue;
    if (!control.toolTip.empty()) {
      QToolTip::showText(help->globalPos(), ToQString(control.toolTip), this, ControlRect(i));
      return true;
    }
    break;
  }
  QToolTip::hideText();
  event->ignore();
  return true;
}

// ---- Painting ----

void Form1::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), Qt::black);
  const auto layout = Layout();
  for (std::size_t i = layout.size(); i-- > 0;) PaintControl(painter, i);
}

void Form1::PaintControl(QPainter& painter, std::size_t index) {
  const ControlSpec& control = Layout()[index];
  switch (control.kind) {
    case Kind::Timer:
    case Kind::PushButton:
    case Kind::OptionButton:
      return;
    case Kind::Line: {
      // Whole pixels, so the one-pixel lines stay crisp at any scale.
      const QLine line = ui::PixelLine(control);
      if (line.dx() == 0 || line.dy() == 0) {
        painter.fillRect(QRect(line.p1(), line.p2()).normalized(), control.color.ToQColor());
      } else {
        painter.setPen(control.color.ToQColor());
        painter.drawLine(line);
      }
      return;
    }
    case Kind::Shape: {
      const QRect rect = ui::PixelRect(control);
      const QColor color = control.color.ToQColor();
      if (control.filled) {
        painter.fillRect(rect, color);
      } else {
        FillPixels(painter, rect.left(), rect.top(), rect.width(), 1, color);
        FillPixels(painter, rect.left(), rect.bottom(), rect.width(), 1, color);
        FillPixels(painter, rect.left(), rect.top(), 1, rect.height(), color);
        FillPixels(painter, rect.right(), rect.top(), 1, rect.height(), color);
      }
      return;
    }
    case Kind::Image:
      if (IsShown(control)) PaintImage(painter, control, ControlRect(index));
      return;
    case Kind::Label:
      PaintLabel(painter, index);
      return;
  }
}

void Form1::PaintImage(QPainter& painter, const ControlSpec& control, QRect rect) {
  if (control.picture == Picture::CellTarget) {
    if (!game_.board.cell(control.cell).imageBorder) return;
    const QColor shadow = QColor::fromRgb(kBorderShadow);
    const QColor light = QColor::fromRgb(kBorderLight);
    FillPixels(painter, rect.left(), rect.top(), rect.width(), 1, shadow);
    FillPixels(painter, rect.left(), rect.top(), 1, rect.height(), shadow);
    FillPixels(painter, rect.left(), rect.bottom(), rect.width(), 1, light);
    FillPixels(painter, rect.right(), rect.top(), 1, rect.height(), light);
    return;
  }
  const QPixmap& pixmap = pictures_.Get(control.picture, rect.size(), devicePixelRatioF());
  if (!pixmap.isNull()) painter.drawPixmap(rect.topLeft(), pixmap);
}

void Form1::PaintLabel(QPainter& painter, std::size_t index) {
  const ControlSpec& control = Layout()[index];
  if (captions_[index].isEmpty()) return;
  painter.setFont(ui::FontFor(control.text));
  painter.setPen(colors_[index]);
  const int flags = control.wrapCentred ? (Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap)
                                        : (Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine);
  painter.drawText(ControlRect(index), flags, captions_[index]);
}

}  // namespace trixola
