// The uninstaller's work in the registry: what setup wrote for this build.
#pragma once

namespace SuiteKeys {

// Removes the build's settings key, then the product and publisher keys
// above it when they are left empty, the Run value of the startup agent and
// the Add or Remove Programs entry. True when all of them are gone.
bool Remove();

} // namespace SuiteKeys
