#pragma once

namespace zomel {

// The sign model.
class Sign {};

}  // namespace zomel
