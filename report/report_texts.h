// The texts of the lab report and of its window-menu items, in Catalan.
#pragma once

// The window menu, below the title dialog's item.
inline constexpr const char* kCopyDataItem = "Copia les dades";
inline constexpr const char* kSaveDataItem = "Desa les dades\u2026";
inline constexpr const char* kSaveGraphItem = "Desa el gr\u00e0fic\u2026";
inline constexpr const char* kRestoreSeriesItem = "Recupera la s\u00e8rie anterior";

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
// A value that cannot be computed (k of a slope of 0).
inline constexpr const char* kNotComputable = "no calculable";

// The save dialogs: the proposed file names and the kinds of file offered
// (a description and the pattern of the names in brackets).
inline constexpr const char* kDataFileName = "dades-llei-de-trelko.csv";
inline constexpr const char* kDataFileFilter = "Dades separades per punt i coma (*.csv)";
inline constexpr const char* kGraphFileName = "grafic-llei-de-trelko.png";
inline constexpr const char* kGraphFileFilter = "Imatge PNG (*.png)";
