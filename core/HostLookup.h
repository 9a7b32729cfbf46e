#pragma once

// Identifies a host application from its product name; 0 when not recognised.
int LookupHost(const char* productName);

// Packs a decimal host version (major * 10000 + minor * 100 + patch).
int PackDecimalVersion(int decimalVersion);
