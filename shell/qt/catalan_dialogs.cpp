#include "shell/qt/catalan_dialogs.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace lab {

bool UseCatalanDialogs() {
  // Lives as long as the application, which keeps a pointer to it.
  static QTranslator translator;
  if (!translator.load(QLocale(QLocale::Catalan, QLocale::Spain), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return false;
  }
  return QCoreApplication::installTranslator(&translator);
}

}  // namespace lab
