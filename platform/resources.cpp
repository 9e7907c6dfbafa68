#include "platform/resources.h"

namespace lab {

namespace {
const ResourceTable* g_table = nullptr;
}

void InstallResources(const ResourceTable& table) { g_table = &table; }

const DialogTemplate* FindDialogTemplate(int id) {
  if (g_table == nullptr) return nullptr;
  for (const DialogTemplate& t : g_table->dialogs) {
    if (t.id == id) return &t;
  }
  return nullptr;
}

std::string LoadString(int id) {
  if (g_table == nullptr) return {};
  for (const StringResource& s : g_table->strings) {
    if (s.id == id) return std::string(s.text);
  }
  return {};
}

const Bitmap* LoadBitmap(int id) {
  if (g_table == nullptr) return nullptr;
  const int number = id & 0xFFFF;
  for (const BitmapResource& b : g_table->bitmaps) {
    if (b.id == number) return &b.bitmap;
  }
  return nullptr;
}

const Icon* LoadIcon(int id) {
  if (g_table == nullptr) return nullptr;
  for (const Icon& i : g_table->icons) {
    if (i.id == id) return &i;
  }
  return nullptr;
}

}  // namespace lab
