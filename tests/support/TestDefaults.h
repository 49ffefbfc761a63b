#pragma once
// What every test program sets before anything starts, whoever runs it (ctest, a developer, a
// debugger): no window on the desktop, and the program's web traffic kept from real sites (the
// network layer's to a closed local port, the web engine's to no host but this machine). A test
// that starts servers of its own routes the traffic to them itself. A setting the environment
// already holds is kept.
void setSafeTestDefaults();
