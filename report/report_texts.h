// The texts of the lab report and of its window-menu items, in Catalan.
#pragma once

#include <string>

namespace lab {

// The window menu, below the title dialog's item.
inline constexpr const char* kCopyDataItem = "Copia les dades";
inline constexpr const char* kSaveDataItem = "Desa les dades\u2026";
inline constexpr const char* kSaveGraphItem = "Desa el gr\u00e0fic\u2026";
inline constexpr const char* kRestoreSeriesItem = "Recupera la s\u00e8rie anterior";
inline constexpr const char* kStringCodeItem = "Fil amb codi\u2026";

// The table's column headers.
inline constexpr const char* kPointHeader = "Punt";
inline constexpr const char* kMassHeader = "m (kg)";
inline constexpr const char* kSquaredPeriodHeader = "T\u00b2 (s\u00b2)";
// The fit's rows and its columns.
inline constexpr const char* kValueHeader = "Valor";
inline constexpr const char* kStandardErrorHeader = "Error est\u00e0ndard";
inline constexpr const char* kSlopeLabel = "Pendent (s\u00b2/kg)";
inline constexpr const char* kInterceptLabel = "Ordenada a l'origen (s\u00b2)";
inline constexpr const char* kElasticConstantLabel = "k (N/m)";
inline constexpr const char* kPointCountLabel = "Nombre de punts";
// The code of the string the series was measured on, when it has one.
inline constexpr const char* kStringCodeLabel = "Codi del fil";
// A value that cannot be computed (k of a slope of 0).
inline constexpr const char* kNotComputable = "no calculable";

// The kept series could not be written (the first time in a run); the
// place is the host's (a folder, the browser's storage).
inline std::string KeepFailureMessage(const std::string& place) {
  return "No s'ha pogut conservar la s\u00e8rie a " + place +
         ". La s\u00e8rie continua a la finestra, per\u00f2 es perdr\u00e0 quan la "
         "tanqueu.";
}

// The save dialogs: the proposed file names and the kinds of file offered
// (a description and the pattern of the names in brackets).
inline constexpr const char* kDataFileName = "dades-llei-de-trelko.csv";
inline constexpr const char* kDataFileFilter = "Dades separades per punt i coma (*.csv)";
inline constexpr const char* kGraphFileName = "grafic-llei-de-trelko.png";
inline constexpr const char* kGraphFileFilter = "Imatge PNG (*.png)";

}  // namespace lab
