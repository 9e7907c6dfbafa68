// The whole resource table of the lab, ready for InstallResources.
#pragma once

#include "platform/resources.h"

namespace lab {

const ResourceTable& LabResources();

}  // namespace lab
