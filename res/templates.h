// The lab's dialog templates and string table.
#pragma once

#include <span>

#include "platform/resources.h"

namespace lab {

std::span<const DialogTemplate> LabDialogTemplates();
std::span<const StringResource> LabStrings();

}  // namespace lab
