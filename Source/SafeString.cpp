#include "SafeString.hpp"

char* strncpy_safe(char* destination, const char* source, size_t length)
{
    if (!destination || length == 0) {
        return destination;
    }
    size_t i = 0;
    if (source) {
        for (; i + 1 < length && source[i] != '\0'; ++i) {
            destination[i] = source[i];
        }
    }
    destination[i] = '\0';
    return destination;
}
