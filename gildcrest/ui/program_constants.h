#pragma once

// The program's own names, version and dates: the one place for each.
namespace gildcrest {

inline constexpr char16_t kApplicationTitle[] = u"Gildcrest";
inline constexpr char16_t kVersion[] = u"1.0.03";
inline constexpr char16_t kCompileDate[] = u"July 25, 2000";
inline constexpr char16_t kMainWindowCaption[] = u"Gildcrest, 1.0.03";
inline constexpr char16_t kHelpFileName[] = u"Gildcrest.hlp";
inline constexpr char16_t kHelpWindowTitle[] = u"Gildcrest Help";

} // namespace gildcrest
