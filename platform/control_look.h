// How a control of a dialog template looks and behaves, read once from its
// class and style bits, so that every host builds the same control.
#pragma once

#include <string>

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
  bool digits = false;                // edits: a whole number, typed on digit keys
  bool staticEdge = false;            // a thin sunken edge
  bool border = false;                // a plain frame
  TextAlign align = TextAlign::Left;  // texts
};

ControlLook DescribeControl(const ControlTemplate& control);

// What a screen reader calls a control: an edit is named by the text at
// its left on the same row, as a form reads, else by the text just above
// it, and a read-only edit with neither is the window's message line
// ("Missatge"); any other control by its own text.
std::string ControlName(const DialogTemplate& dialog, const ControlTemplate& control);

// What a screen reader calls a dialog's window: its caption or, for a
// window without one, the text of its first picture that has one.
std::string DialogName(const DialogTemplate& dialog);

// The control of a dialog template with this identifier; nullptr when the
// template or the control does not exist.
const ControlTemplate* FindControlTemplate(int dialogTemplateId, int controlId);

}  // namespace lab
