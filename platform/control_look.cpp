#include "platform/control_look.h"

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

const ControlTemplate* FindControlTemplate(int dialogTemplateId, int controlId) {
  const DialogTemplate* t = FindDialogTemplate(dialogTemplateId);
  if (t == nullptr) return nullptr;
  for (const ControlTemplate& c : t->controls) {
    if (c.id == controlId) return &c;
  }
  return nullptr;
}

}  // namespace lab
