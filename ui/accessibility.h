// What a screen reader learns about the game window. Most of the window's
// controls are painted by the window itself (the cells, the labels, the credit
// and sound pictures), so no widget stands for them. This file exposes each of
// them through Qt's accessibility framework as a child of the window, with a
// role, a name that says what a sighted player sees there, its place, its
// state and, for those that take clicks, a press action that goes through the
// window's own click dispatch. The real buttons keep Qt's own interfaces.
//
// Nothing here changes what the window shows or how it plays.
#pragma once

#include "engine/board.h"
#include "engine/form_port.h"

class QAccessibleEvent;

namespace trixola {

class Form1;

namespace accessibility {

// Makes Qt's accessibility framework use this file's interfaces for the game
// window and its level options (installed once per program). Qt keeps the
// first interface it makes for an object, so the window calls this first
// thing when it is created, before any of its parts exists.
void InstallInterfaces();

// Gives the real buttons and the window their descriptions. The window calls
// it once its controls exist.
void Describe(Form1& form);

// Announces a changed caption: the banner, a score, the clock, or the sound
// label (which names the sound switch). Call after the caption is stored.
void CaptionChanged(Form1& form, Label label);

// Announces that cell n's controls changed from `before` to what the board
// holds now: its name when its mark changed, its state when it was locked or
// unlocked.
void CellChanged(Form1& form, int n, const Board::Cell& before);

// Qt passes change events on only while an assistive technology listens
// (never on the offscreen platform). A sink also receives every event sent
// from here, whether or not Qt passes it on; nullptr removes it. For tests.
using EventSink = void (*)(QAccessibleEvent* event);
void SetEventSink(EventSink sink);

}  // namespace accessibility
}  // namespace trixola
