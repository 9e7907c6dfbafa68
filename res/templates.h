// The lab's dialog templates and string table, their texts in the current
// language of the catalogue. Each call writes the texts again into the same
// tables (the spans stay valid), so asking again after a change of language
// gives the new texts.
#pragma once

#include <span>

#include "platform/resources.h"

namespace lab {

std::span<const DialogTemplate> LabDialogTemplates();
std::span<const StringResource> LabStrings();

}  // namespace lab
