#include "res/lab_resources.h"

#include "res/pictures.h"
#include "res/templates.h"

namespace lab {

const ResourceTable& LabResources() {
  static ResourceTable table;
  // The templates' texts are written again from the current language.
  table = {LabDialogTemplates(), LabStrings(), LabBitmaps(), std::span<const Icon>(&LabIcon(), 1)};
  return table;
}

}  // namespace lab
