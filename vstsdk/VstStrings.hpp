// Text helpers for the fixed host buffers of the VST interface.
#pragma once

#include <cstddef>

// Copies at most maxLen characters of source into destination and always
// terminates it, so destination must hold maxLen + 1 characters. A null
// destination is left alone; a null source gives an empty text.
char* vst_strncpy(char* destination, const char* source, size_t maxLen);

// Appends source to destination, keeping the whole at most maxLen characters.
char* vst_strncat(char* destination, const char* source, size_t maxLen);
