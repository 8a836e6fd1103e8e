#pragma once

// The maker of both programs, as the programs name it.
namespace common {

inline constexpr char16_t kMakerName[] = u"Quintmoor Software, LLC";
// A host under the reserved .example domain: it belongs to no third party.
inline constexpr char16_t kMakerHost[] = u"www.quintmoor.example";
inline constexpr char16_t kSupportEmail[] = u"support@quintmoor.example";

} // namespace common
