// The texts of the message line. Every message replaces the whole line and
// begins with one space.
#pragma once

namespace lab {

inline constexpr const char* kWelcomeMessage =
    " Fes mesures per determinar la constant el\u00e0stica i despr\u00e9s g";
// With the hanging mass in kg.
inline constexpr const char* kMassMessage = " Massa penjada del fil el\u00e0stic = %3.1f kg";
// With the count N, the reading t in s and the period T = t / N in s.
inline constexpr const char* kDurationMessage =
    " Durada de %d oscil\u00b7lacions: %6.1f s  (Per\u00edode: T = %4.2f s)";
inline constexpr const char* kNewSeriesMessage = " Determina la constant el\u00e0stica";
inline constexpr const char* kNotTimedMessage =
    " Error: Les oscil\u00b7lacions no s'han cronometrat.";
inline constexpr const char* kTableFullMessage =
    " No es poden incloure m\u00e9s dades. Pulsa el bot\u00f3 comen\u00e7ar per reiniciar";
inline constexpr const char* kPointAcceptedMessage =
    " La dada ha estat acceptada i s'ha incl\u00f2s en el gr\u00e0fic";
// With the slope in s^2/kg and k in N/m.
inline constexpr const char* kFitMessage =
    " El pendent de la recta dibuixada \u00e9s: %5.2f. Per tant, k = %5.2f N/m";
inline constexpr const char* kFitFailedMessage = " El pendent de la recta no s'ha pogut calcular";

}  // namespace lab
