#pragma once

namespace zomel {

// The current one module draws at its typical maximum: the sign's power figure, the estimate's
// load and the specification's typical draw all rest on it.
constexpr double kHighDensityModuleAmps = 3.1;
constexpr double kStandardModuleAmps = 0.7;

constexpr double ModuleAmps(bool highDensity) {
    return highDensity ? kHighDensityModuleAmps : kStandardModuleAmps;
}

}  // namespace zomel
