#include "shell/qt/catalan_dialogs.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace lab {

namespace {
// Qt's translation for a language of the lab. Qt has none in Occitan:
// Aranese speakers get the Catalan one, the other language of the Val
// d'Aran's schools.
QLocale DialogLocale(std::string_view language) {
  if (language == "es") return QLocale(QLocale::Spanish, QLocale::Spain);
  if (language == "en") return QLocale(QLocale::English, QLocale::UnitedKingdom);
  return QLocale(QLocale::Catalan, QLocale::Spain);
}
}  // namespace

bool UseDialogsIn(std::string_view language) {
  // Lives as long as the application, which keeps a pointer to it.
  static QTranslator translator;
  static std::string installed;
  if (installed == language) return true;
  QCoreApplication::removeTranslator(&translator);
  installed.clear();
  if (language == "en") {  // Qt's own texts
    installed = language;
    return true;
  }
  if (!translator.load(DialogLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(&translator)) {
    return false;
  }
  installed = language;
  return true;
}

bool UseCatalanDialogs() { return UseDialogsIn("ca"); }

}  // namespace lab
