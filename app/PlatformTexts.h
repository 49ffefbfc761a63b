#pragma once
// The texts of the platform layers that reach the librarian (the data layer's errors, the record
// navigator's question), given in French before any window opens.
namespace app {

void givePlatformTextsInFrench();

}  // namespace app
