#include "ui/layout.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace trixola::ui {

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kSilver{192, 192, 192};
constexpr Rgb kPaleYellow{255, 255, 192};

// Cells stand 720 twips apart across and 960 down from (960, 480).
constexpr int CellLeft(int n) {
  return 960 + 720 * ((n - 1) % 3);
}
constexpr int CellTop(int n) {
  return 480 + 960 * ((n - 1) / 3);
}

constexpr ControlSpec Cell(std::string_view name, int n) {
  return {.name = name,
          .kind = Kind::Image,
          .left = CellLeft(n),
          .top = CellTop(n),
          .width = 735,
          .height = 975,
          .picture = Picture::CellTarget,
          .cell = n};
}

constexpr ControlSpec Mark(std::string_view name, Picture picture, int n) {
  return {.name = name,
          .kind = Kind::Image,
          .left = CellLeft(n),
          .top = CellTop(n),
          .width = 765,
          .height = 990,
          .picture = picture,
          .cell = n};
}

constexpr ControlSpec GridLine(std::string_view name, int x1, int y1, int x2, int y2) {
  return {.name = name,
          .kind = Kind::Line,
          .left = x1,
          .top = y1,
          .width = x2,
          .height = y2,
          .color = kWhite};
}

constexpr ControlSpec Timer(std::string_view name, int intervalMs) {
  return {.name = name, .kind = Kind::Timer, .intervalMs = intervalMs};
}

constexpr std::array<ControlSpec, 56> kLayout{{
    Timer("Timer1", 1000),
    {.name = "Command2",
     .kind = Kind::PushButton,
     .left = 4680,
     .top = 3720,
     .width = 1215,
     .height = 495,
     .caption = "&New Game",
     .tabIndex = 9},
    {.name = "Option2",
     .kind = Kind::OptionButton,
     .left = 1920,
     .top = 3840,
     .width = 735,
     .height = 255,
     .caption = "Hard",
     .color = kSilver,
     .tabIndex = 8},
    {.name = "Option1",
     .kind = Kind::OptionButton,
     .left = 1200,
     .top = 3840,
     .width = 735,
     .height = 255,
     .caption = "Easy",
     .color = kSilver,
     .selected = true,
     .tabIndex = 7},
    Timer("Timer4", 1),
    {.name = "Command1",
     .kind = Kind::PushButton,
     .left = 6360,
     .top = 3720,
     .width = 1215,
     .height = 495,
     .caption = "&Exit",
     .tabIndex = 1},
    Timer("Timer3", 1),
    {.name = "lblSound",
     .kind = Kind::Label,
     .left = 3240,
     .top = 3960,
     .width = 210,
     .height = 195,
     .caption = "On",
     .color = {255, 255, 128},
     .autoSize = true,
     .tabIndex = 11},
    {.name = "lbltime",
     .kind = Kind::Label,
     .left = 4440,
     .top = 3240,
     .width = 1215,
     .height = 255,
     .color = {0, 255, 0},
     .tabIndex = 10},
    {.name = "Shape4",
     .kind = Kind::Shape,
     .left = 960,
     .top = 3720,
     .width = 1815,
     .height = 495,
     .color = {255, 192, 128}},
    {.name = "Label6",
     .kind = Kind::Label,
     .left = 4680,
     .top = 2760,
     .width = 45,
     .height = 195,
     .color = {255, 192, 192},
     .autoSize = true,
     .tabIndex = 6},
    {.name = "Label5",
     .kind = Kind::Label,
     .left = 4440,
     .top = 2400,
     .width = 75,
     .height = 195,
     .color = kWhite,
     .text = TextStyle::Bold,
     .autoSize = true,
     .tabIndex = 5},
    {.name = "Label4",
     .kind = Kind::Label,
     .left = 4440,
     .top = 2040,
     .width = 75,
     .height = 195,
     .color = kWhite,
     .text = TextStyle::Bold,
     .autoSize = true,
     .tabIndex = 4},
    GridLine("Line7", 960, 2400, 3120, 2400),
    GridLine("Line6", 960, 1440, 3120, 1440),
    GridLine("Line3", 2400, 480, 2400, 3360),
    GridLine("Line2", 1680, 480, 1680, 3360),
    GridLine("Line8", 960, 3360, 3120, 3360),
    Cell("Image8", 8),
    GridLine("Line4", 3120, 480, 3120, 3360),
    GridLine("Line5", 960, 480, 3120, 480),
    GridLine("Line1", 960, 480, 960, 3360),
    {.name = "Label3",
     .kind = Kind::Label,
     .left = 4920,
     .top = 2400,
     .width = 345,
     .height = 195,
     .caption = "You",
     .color = kPaleYellow,
     .text = TextStyle::Bold,
     .autoSize = true,
     .tabIndex = 3},
    {.name = "Label2",
     .kind = Kind::Label,
     .left = 4920,
     .top = 2040,
     .width = 810,
     .height = 195,
     .caption = "Computer",
     .color = kPaleYellow,
     .text = TextStyle::Bold,
     .autoSize = true,
     .tabIndex = 2},
    {.name = "Shape2",
     .kind = Kind::Shape,
     .left = 4200,
     .top = 2400,
     .width = 615,
     .height = 255,
     .color = {243, 48, 140},
     .filled = true},
    {.name = "Shape1",
     .kind = Kind::Shape,
     .left = 4200,
     .top = 2040,
     .width = 615,
     .height = 255,
     .color = {18, 137, 235},
     .filled = true},
    {.name = "Label1",
     .kind = Kind::Label,
     .left = 3840,
     .top = 240,
     .width = 2415,
     .height = 1335,
     .caption = "WELCOME TO TRIXOLA",
     .color = {255, 128, 0},
     .text = TextStyle::Banner,
     .wrapCentred = true,
     .tabIndex = 0},
    Cell("Image9", 9),
    Cell("Image7", 7),
    Cell("Image6", 6),
    Cell("Image5", 5),
    Cell("Image4", 4),
    Cell("Image3", 3),
    Cell("Image2", 2),
    Cell("Image1", 1),
    Mark("b9", Picture::ComputerMark, 9),
    Mark("r9", Picture::PlayerMark, 9),
    Mark("b7", Picture::ComputerMark, 7),
    Mark("r7", Picture::PlayerMark, 7),
    Mark("b6", Picture::ComputerMark, 6),
    Mark("r6", Picture::PlayerMark, 6),
    Mark("b5", Picture::ComputerMark, 5),
    Mark("r5", Picture::PlayerMark, 5),
    Mark("b4", Picture::ComputerMark, 4),
    Mark("r4", Picture::PlayerMark, 4),
    Mark("b3", Picture::ComputerMark, 3),
    Mark("r3", Picture::PlayerMark, 3),
    Mark("b2", Picture::ComputerMark, 2),
    Mark("r2", Picture::PlayerMark, 2),
    Mark("b1", Picture::ComputerMark, 1),
    Mark("r1", Picture::PlayerMark, 1),
    Mark("b8", Picture::ComputerMark, 8),
    Mark("r8", Picture::PlayerMark, 8),
    {.name = "Image10",
     .kind = Kind::Image,
     .left = 120,
     .top = 3720,
     .width = 480,
     .height = 480,
     .picture = Picture::Credit},
    {.name = "imgSound",
     .kind = Kind::Image,
     .left = 2880,
     .top = 3840,
     .width = 360,
     .height = 330,
     .picture = Picture::SoundSwitch,
     .toolTip = "Sound On/Off"},
    {.name = "Shape3",
     .kind = Kind::Shape,
     .left = 4080,
     .top = 1920,
     .width = 2175,
     .height = 1095,
     .color = {192, 255, 192}},
}};

}  // namespace

std::span<const ControlSpec> Layout() {
  return kLayout;
}

std::size_t IndexOf(std::string_view name) {
  auto it = std::find_if(kLayout.begin(), kLayout.end(),
                         [name](const ControlSpec& control) { return control.name == name; });
  assert(it != kLayout.end());
  return static_cast<std::size_t>(it - kLayout.begin());
}

std::size_t IndexOf(Label label) {
  switch (label) {
    case Label::Label1:
      return IndexOf("Label1");
    case Label::Label4:
      return IndexOf("Label4");
    case Label::Label5:
      return IndexOf("Label5");
    case Label::Label6:
      return IndexOf("Label6");
    case Label::lbltime:
      return IndexOf("lbltime");
    case Label::lblSound:
      return IndexOf("lblSound");
  }
  assert(false);
  return 0;
}

QRect PixelRect(const ControlSpec& control) {
  return QRect(Pixels(control.left), Pixels(control.top), Pixels(control.width),
               Pixels(control.height));
}

QLine PixelLine(const ControlSpec& control) {
  return QLine(Pixels(control.left), Pixels(control.top), Pixels(control.width),
               Pixels(control.height));
}

}  // namespace trixola::ui
