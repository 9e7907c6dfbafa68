// The whole resource table of the lab, ready for InstallResources.
#pragma once

#include "platform/resources.h"

const ResourceTable& LabResources();
