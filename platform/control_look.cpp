#include "platform/control_look.h"
#include "res/texts/text_catalogue.h"

namespace lab {

namespace {
TextAlign StaticAlign(std::uint32_t type) {
  if (type == SS_RIGHT) return TextAlign::Right;
  if (type == SS_CENTER) return TextAlign::Centre;
  return TextAlign::Left;
}
}  // namespace

ControlLook DescribeControl(const ControlTemplate& control) {
  const std::uint32_t style = control.style;
  ControlLook look;
  look.visible = (style & WS_VISIBLE) != 0;
  look.disabled = (style & WS_DISABLED) != 0;
  look.tabStop = (style & WS_TABSTOP) != 0;
  look.staticEdge = (control.exStyle & WS_EX_STATICEDGE) != 0;
  look.border = (style & WS_BORDER) != 0;
  switch (control.cls) {
    case ControlClass::Button:
      look.kind = ControlKind::PushButton;
      look.defaultButton = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
      break;
    case ControlClass::Edit:
      look.kind = ControlKind::Edit;
      look.readOnly = (style & ES_READONLY) != 0;
      look.digits = (style & ES_DIGITS) != 0;
      break;
    case ControlClass::Static: {
      const std::uint32_t type = style & SS_TYPEMASK;
      look.kind = type == SS_BITMAP ? ControlKind::Picture : ControlKind::Text;
      look.align = StaticAlign(type);
      break;
    }
  }
  return look;
}

std::string ControlName(const DialogTemplate& dialog, const ControlTemplate& control) {
  if (control.cls != ControlClass::Edit) return std::string(control.text);
  // The text whose right edge is nearest the edit's left one, on its row
  // and no further from it than the edit is high: a text of another row,
  // or far off, names something else.
  const ControlTemplate* best = nullptr;
  for (const ControlTemplate& t : dialog.controls) {
    if (t.cls != ControlClass::Static || DescribeControl(t).kind != ControlKind::Text) continue;
    const bool sameRow = t.y < control.y + control.cy && control.y < t.y + t.cy;
    const int gap = control.x - (t.x + t.cx);
    if (!sameRow || gap < -1 || gap >= control.cy) continue;
    if (best == nullptr || t.x + t.cx > best->x + best->cx) best = &t;
  }
  // None there: the text just above it, over the same columns (a question
  // over its answer's box).
  for (const ControlTemplate& t : dialog.controls) {
    if (best != nullptr) break;
    if (t.cls != ControlClass::Static || DescribeControl(t).kind != ControlKind::Text) continue;
    const bool sameColumns = t.x < control.x + control.cx && control.x < t.x + t.cx;
    const int gap = control.y - (t.y + t.cy);
    if (sameColumns && gap >= -1 && gap < control.cy) best = &t;
  }
  if (best != nullptr) return std::string(best->text);
  if (DescribeControl(control).readOnly) return TextOf(TextId::MessageLineName);
  return std::string();
}

std::string DialogName(const DialogTemplate& dialog) {
  if (!dialog.caption.empty()) return std::string(dialog.caption);
  for (const ControlTemplate& c : dialog.controls) {
    if (DescribeControl(c).kind == ControlKind::Picture && !c.text.empty()) {
      return std::string(c.text);
    }
  }
  return std::string();
}

const ControlTemplate* FindControlTemplate(int dialogTemplateId, int controlId) {
  const DialogTemplate* t = FindDialogTemplate(dialogTemplateId);
  if (t == nullptr) return nullptr;
  for (const ControlTemplate& c : t->controls) {
    if (c.id == controlId) return &c;
  }
  return nullptr;
}

}  // namespace lab
