#pragma once

namespace zomel {

// What one fuse of the sign's power distribution carries: a sign that draws more needs the
// power distribution kit, and the fuse kit comes one per this many amperes begun.
constexpr double kFuseAmps = 60.0;

}  // namespace zomel
