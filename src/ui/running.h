// What the installer looks for before it replaces or removes the programs' files.
#pragma once

namespace quarnel {

// Windows: marks the program as running until its process ends (named mutexes, in the session's
// and in the machine-wide namespace, that exist while any process of the programs holds them).
void markRunning();

}  // namespace quarnel
