#pragma once

// The program's own names, version and dates: the one place for each.
namespace fernwick {

inline constexpr char16_t kApplicationTitle[] = u"Fernwick, 1.0.00";
inline constexpr char16_t kVersion[] = u"1.0.00";
inline constexpr char16_t kCompileDate[] = u"February 8, 2000";
inline constexpr char16_t kMainWindowCaption[] = u"Fernwick, 1.0.00";
inline constexpr char16_t kHelpFileName[] = u"Fernwick.hlp";
inline constexpr char16_t kHelpWindowTitle[] = u"Fernwick Help";

} // namespace fernwick
