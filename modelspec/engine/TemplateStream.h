#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zomel {

// A token's closing "$" must lie within this many characters after its opening "$"; every
// token of the custom templates is far shorter.
inline constexpr size_t kTokenReach = 50;

// Copies a custom template with each token (a "$", a name, the next "$") replaced by its
// value.  The token "$last$" ends replacement: the rest is copied as it stands.  An opening
// "$" without a closing one within reach is copied, with everything after it, unchanged.
std::string StreamTemplate(std::string_view templateText,
                           const std::function<std::string(std::string_view token)>& valueOf);

// The whole of a template file; an error that it is missing or cannot be read names it.
std::string ReadTemplate(const std::string& path);

}  // namespace zomel
