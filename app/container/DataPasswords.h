// The fixed passwords of the shipped data files; the loader, the saver and the build step all take them from here.
#pragma once

namespace DataPasswords {

// Database "tenso20.dad" (read and written by the record editor).
inline constexpr char kDatabase[] = "rw6jvkm8";
// Language tables "varglob.gru" and "varsonst.gru".
inline constexpr char kLanguage[] = "68hzseku";
// Solid-liquid data "tenso4.dad".
inline constexpr char kSolids[] = "vk0i5wy56";
// Measured values "tenso7.dad".
inline constexpr char kMeasuredValues[] = "n2lnt8defpw";
// Aqueous-solution data "TENSO5.DAD" and "TENSO6.DAD".
inline constexpr char kAqueous[] = "obx80,3ib";

} // namespace DataPasswords
