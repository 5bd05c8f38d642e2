#include "auto_size_label.h"

#include <QFontMetrics>
#include <algorithm>

namespace trixola {

namespace {

// More than any design caption overruns its design rectangle.
constexpr int kRoomBeforeFitting = 10;

}  // namespace

AutoSizeLabel::AutoSizeLabel(QRect design, QWidget* parent) : QLabel(parent), design_(design) {
  Fit();
}

void AutoSizeLabel::SetCaption(const QString& caption) {
  // The window sets every caption after each move; most stay as they were.
  if (caption == text()) return;
  setText(caption);
  Fit();
}

void AutoSizeLabel::StartFitting() {
  fitting_ = true;
  Fit();
}

void AutoSizeLabel::Fit() {
  if (text().isEmpty()) {
    setGeometry(design_);
  } else if (!fitting_) {
    setGeometry(design_.adjusted(0, 0, kRoomBeforeFitting, 0));
  } else {
    // As tall as the caption's line: a fallback font (Japanese, Chinese,
    // Arabic) stands taller than the label's own.
    const QFontMetrics metrics(font());
    const int height =
        std::max(metrics.height(),
                 metrics.boundingRect(QRect(), Qt::AlignLeft | Qt::AlignTop, text()).height());
    const QMargins margins = contentsMargins();
    setGeometry(QRect(design_.topLeft(),
                      QSize(metrics.horizontalAdvance(text()) + margins.left() + margins.right(),
                            height + margins.top() + margins.bottom())));
  }
}

}  // namespace trixola
