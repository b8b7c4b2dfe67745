#include "support/recording_canvas.h"

#include <cstdio>

namespace vornmark::testing {

namespace {

std::string escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n')
      out += "\\n";
    else if (c == '"' || c == '\\')
      out += std::string("\\") + c;
    else
      out += c;
  }
  return out;
}

}  // namespace

std::string describe(Rgb colour) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "#%02X%02X%02X", colour.red, colour.green, colour.blue);
  return hex;
}

std::string describe(const Rect& rect) {
  return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + ")-(" + std::to_string(rect.right) + "," +
         std::to_string(rect.bottom) + ")";
}

std::string describe_text_flags(unsigned flags) {
  static constexpr struct {
    unsigned flag;
    const char* name;
  } kNames[] = {{kTextSingleLine, "single"}, {kTextWordBreak, "wordbreak"}, {kTextVCenter, "vcenter"},
                {kTextBottom, "bottom"},     {kTextCenter, "center"},       {kTextRight, "right"}};
  std::string out;
  for (const auto& entry : kNames) {
    if ((flags & entry.flag) == 0) continue;
    if (!out.empty()) out += '|';
    out += entry.name;
  }
  return out.empty() ? "left" : out;
}

void RecordingCanvas::select_font(int pixel_height) { lines_.push_back("font " + std::to_string(pixel_height)); }

void RecordingCanvas::restore_font() { lines_.push_back("restore font"); }

void RecordingCanvas::shade(const Rect& rect, Rgb colour) {
  lines_.push_back("shade " + describe(rect) + " " + describe(colour));
}

void RecordingCanvas::fill_rect(const Rect& rect, Rgb fill, Rgb frame) {
  lines_.push_back("fill " + describe(rect) + " " + describe(fill) + " frame " + describe(frame));
}

void RecordingCanvas::set_ink(Rgb text, Rgb background) {
  ink_ = "ink " + describe(text) + " on " + describe(background);
}

void RecordingCanvas::mark(const Rect& rect, Mark mark, Rgb colour, Rgb edge) {
  static constexpr const char* kNames[] = {"ring", "frame", "hatch", "hull", "cross", "diamond", "block"};
  lines_.push_back(std::string("mark ") + kNames[static_cast<int>(mark)] + " " + describe(rect) + " " +
                   describe(colour) + (mark == Mark::Diamond ? " edge " + describe(edge) : std::string()));
}

void RecordingCanvas::rectangle(const Rect& rect, Colour colour) {
  lines_.push_back("rect " + describe(rect) + " " + colour_name(colour));
}

void RecordingCanvas::draw_text(std::string_view text, const Rect& rect, unsigned flags) {
  lines_.push_back("text \"" + escaped(text) + "\" " + describe(rect) + " " + describe_text_flags(flags) + " " +
                   (ink_.empty() ? "on " + std::string(colour_name(text_background_)) : ink_));
}

std::string RecordingCanvas::text() const { return lines_starting(""); }

std::string RecordingCanvas::lines_starting(std::string_view prefix) const {
  std::string out;
  for (const std::string& line : lines_) {
    if (line.compare(0, prefix.size(), prefix) != 0) continue;
    out += line;
    out += '\n';
  }
  return out;
}

}  // namespace vornmark::testing
