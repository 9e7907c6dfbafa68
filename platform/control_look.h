// How a control of a dialog template looks and behaves, read once from its
// class and style bits, so that every host builds the same control.
#pragma once

#include "platform/resources.h"

namespace lab {

enum class ControlKind { PushButton, Edit, Text, Picture };
enum class TextAlign { Left, Centre, Right };

struct ControlLook {
  ControlKind kind = ControlKind::Text;
  bool visible = false;
  bool disabled = false;
  bool tabStop = false;
  bool defaultButton = false;         // push buttons: Enter presses it
  bool readOnly = false;              // edits: the user cannot type into it
  bool staticEdge = false;            // a thin sunken edge
  bool border = false;                // a plain frame
  TextAlign align = TextAlign::Left;  // texts
};

ControlLook DescribeControl(const ControlTemplate& control);

// The control of a dialog template with this identifier; nullptr when the
// template or the control does not exist.
const ControlTemplate* FindControlTemplate(int dialogTemplateId, int controlId);

}  // namespace lab
