#pragma once

// Reads the decimal number at the start of text: leading blanks and a sign
// allowed, trailing text such as a unit ignored, the same in every locale (a
// host may have set one that writes decimal commas). Returns false when no
// finite number starts there.
bool ReadLeadingNumber(const char* text, double& value);
