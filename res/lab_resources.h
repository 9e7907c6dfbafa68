// The whole resource table of the lab, ready for InstallResources; the
// templates' texts in the current language (ask again after a change).
#pragma once

#include "platform/resources.h"

namespace lab {

const ResourceTable& LabResources();

}  // namespace lab
