#include "VstStrings.hpp"

char* vst_strncpy(char* destination, const char* source, size_t maxLen)
{
    if (!destination) {
        return destination;
    }
    size_t i = 0;
    if (source) {
        for (; i < maxLen && source[i] != '\0'; ++i) {
            destination[i] = source[i];
        }
    }
    destination[i] = '\0';
    return destination;
}

char* vst_strncat(char* destination, const char* source, size_t maxLen)
{
    if (!destination) {
        return destination;
    }
    size_t length = 0;
    while (length < maxLen && destination[length] != '\0') {
        ++length;
    }
    vst_strncpy(destination + length, source, maxLen - length);
    return destination;
}
