#include "res/lab_resources.h"

#include "res/pictures.h"
#include "res/templates.h"

const ResourceTable& LabResources() {
  static const ResourceTable table = {LabDialogTemplates(), LabStrings(), LabBitmaps(),
                                      std::span<const Icon>(&LabIcon(), 1)};
  return table;
}
