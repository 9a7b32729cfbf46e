#pragma once

// True when the process runs under the Wine compatibility layer (its
// registry has the key Software\Wine under the local machine). Asked of the
// registry once per process.
bool RunningUnderWine();
