// The lab's dialog templates and string table.
#pragma once

#include <span>

#include "platform/resources.h"

std::span<const DialogTemplate> LabDialogTemplates();
std::span<const StringResource> LabStrings();
