// Bounded text copy used by the parameter objects.
#pragma once

#include <cstddef>

// Copies at most length - 1 characters of source and always writes a terminator
// within the first length characters of destination; answers destination.
// A null source gives an empty text; a null destination or a length of 0 writes nothing.
char* strncpy_safe(char* destination, const char* source, size_t length);
