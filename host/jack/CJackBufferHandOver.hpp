#pragma once

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#endif

namespace Tenvira { namespace Jack {

/**
 * JACK runs the clients of a cycle one after another, each once those feeding
 * it have finished, and so hands every port buffer from the client that writes
 * it to those that read it, and back for the next cycle, through libjack's own
 * futexes. ThreadSanitizer does not see those: in its builds a process callback
 * declares the hand-over, taking every port buffer it touches when it starts
 * and passing it on when it ends. Elsewhere both do nothing.
 */
class CJackBufferHandOver {
public:
    static void take(void* buffer)
    {
#if defined(__SANITIZE_THREAD__)
        __tsan_acquire(buffer);
#else
        (void)buffer;
#endif
    }
    static void passOn(void* buffer)
    {
#if defined(__SANITIZE_THREAD__)
        __tsan_release(buffer);
#else
        (void)buffer;
#endif
    }
};

}}  // namespace Tenvira::Jack
