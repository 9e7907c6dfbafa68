// Writes the page's first picture: the title dialog as the page will build
// it (see page.js: openWindow, addControl), as plain HTML that the browser
// shows from the first kilobytes of the file, before the program has
// arrived and started. The program's own window takes its place when it is
// shown. Each picture control is the picture generator's PNG of its bitmap
// (the same pixels as the program's), inlined as a data URL.
//
//   lab_title_placeholder <pictures folder> <output file>
//
// The program runs at build time (under Node in the browser build).
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/control_look.h"
#include "platform/resources.h"
#include "res/lab_resources.h"
#include "res/resource_ids.h"

namespace lab {

namespace {

std::string Base64(const std::string& bytes) {
  static const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    if (i + 2 < bytes.size()) v |= static_cast<unsigned char>(bytes[i + 2]);
    out += kDigits[(v >> 18) & 63];
    out += kDigits[(v >> 12) & 63];
    out += i + 1 < bytes.size() ? kDigits[(v >> 6) & 63] : '=';
    out += i + 2 < bytes.size() ? kDigits[v & 63] : '=';
  }
  return out;
}

std::string Escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '"')
      out += "&quot;";
    else
      out += c;
  }
  return out;
}

std::string Place(int x, int y, int width, int height, int zIndex) {
  char text[128];
  std::snprintf(text, sizeof text, "left:%dpx;top:%dpx;width:%dpx;height:%dpx;z-index:%d", x, y,
                width, height, zIndex);
  return text;
}

bool Fail(const std::string& why) {
  std::fprintf(stderr, "lab_title_placeholder: %s\n", why.c_str());
  return false;
}

bool Write(const std::string& pictures, const std::string& output) {
  InstallResources(LabResources());
  const DialogTemplate* title = FindDialogTemplate(IDD_TITLE);
  if (title == nullptr) return Fail("no title dialog");
  // The page frames a window with a caption bar; the title has none, and
  // this picture draws none.
  if ((title->style & WS_CAPTION) == WS_CAPTION) return Fail("the title has a caption");
  const int width = DialogUnitsToPixelsX(title->cx);
  const int height = DialogUnitsToPixelsY(title->cy);
  const int points = title->fontPoints > 0 ? title->fontPoints : 8;
  std::string html =
      "<div id=\"lab-placeholder\" class=\"lab-window\" aria-hidden=\"true\" style=\"";
  html += "font:" + std::to_string(points * 96 / 72) +
          "px &quot;Liberation Sans&quot;, Arimo, Arial, Helvetica, sans-serif\">";
  html += "<div class=\"lab-client\" style=\"width:" + std::to_string(width) +
          "px;height:" + std::to_string(height) + "px\">";
  int order = 0;
  bool covered = false;
  for (const ControlTemplate& c : title->controls) {
    const ControlLook look = DescribeControl(c);
    const int x = DialogUnitsToPixelsX(c.x);
    const int y = DialogUnitsToPixelsY(c.y);
    // The template's first control lies on top.
    const int z = 1000 - order++;
    if (!look.visible) continue;
    if (look.kind == ControlKind::Picture) {
      const Bitmap* bitmap = LoadBitmap(c.bitmap);
      if (bitmap == nullptr) return Fail("a picture without its bitmap");
      const std::string file = pictures + "/bitmap_" + std::to_string(c.bitmap) + ".png";
      std::ifstream in(file, std::ios::binary);
      const std::string png{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
      if (!in.good() && !in.eof()) return Fail("cannot read " + file);
      if (png.empty()) return Fail("cannot read " + file);
      html += "<img class=\"lab-picture lab-control\" alt=\"\" width=\"" +
              std::to_string(bitmap->width) + "\" height=\"" + std::to_string(bitmap->height) +
              "\" style=\"" + Place(x, y, bitmap->width, bitmap->height, z) +
              "\" src=\"data:image/png;base64," + Base64(png) + "\">";
      covered = covered ||
                (x <= 0 && y <= 0 && x + bitmap->width >= width && y + bitmap->height >= height);
    } else if (look.kind == ControlKind::PushButton) {
      html += "<button type=\"button\" data-control-id=\"" + std::to_string(c.id) + "\" class=\"";
      html += look.defaultButton ? "lab-default lab-control\"" : "lab-control\"";
      if (look.disabled) html += " disabled";
      html += " style=\"" + Place(x, y, DialogUnitsToPixelsX(c.cx), DialogUnitsToPixelsY(c.cy), z) +
              "\">" + Escaped(c.text) + "</button>";
    } else {
      return Fail("a control that this picture does not draw");
    }
  }
  // The dialog's own painting lies under its pictures: this picture has
  // only them, so they must cover the window.
  if (!covered) return Fail("the title's pictures do not cover its window");
  html += "</div></div>";
  std::ofstream out(output, std::ios::binary);
  out << html;
  out.close();
  return out.good() || Fail("cannot write " + output);
}

}  // namespace

}  // namespace lab

using namespace lab;

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: lab_title_placeholder <pictures folder> <output file>\n");
    return 2;
  }
  return Write(argv[1], argv[2]) ? 0 : 1;
}
