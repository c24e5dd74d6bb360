#pragma once

#include "CJackClient.hpp"
#include "CRealTimeEngine.hpp"

#include <string>

namespace Tenvira { namespace Render {
class CDevHostSession;
}}  // namespace Tenvira::Render

namespace Tenvira { namespace Jack {

/**
 * An effect played live by a JACK server, driven the way a DAW drives it:
 * sample rate and block size from the server, resume, a block processed per
 * cycle on JACK's real-time thread, and when the server changes its rate or
 * buffer size, suspend, the new values, resume. Everything but the
 * processing itself happens on the thread that made the object.
 */
class CJackHost {
public:
    /** Connects to the server and tells the effect (open, not resumed) the server's rate and block size. */
    CJackHost(Render::CDevHostSession& session, const std::string& clientName);
    ~CJackHost();

    /** Resumes the effect, then registers the ports and activates the client. */
    void start();
    /**
     * Called several times a second: passes a new sample rate or buffer size on
     * to the effect (the engine held while the effect is suspended, told and
     * resumed) and reports a new delay to the server. False once the server has gone.
     */
    bool follow();
    /** Deactivates the client and unregisters its ports, then suspends the effect. Idempotent. */
    void stop();

    CJackClient& client() { return m_client; }
    CRealTimeEngine& engine() { return m_engine; }
    unsigned sampleRate() const { return m_sampleRate; }
    unsigned blockSize() const { return m_blockSize; }

    CJackHost(const CJackHost&) = delete;
    CJackHost& operator=(const CJackHost&) = delete;

private:
    void tellEffect(unsigned sampleRate, unsigned blockSize);

    Render::CDevHostSession& m_session;
    CRealTimeEngine m_engine;  // before the client, which calls it until it is stopped
    CJackClient m_client;
    unsigned m_sampleRate = 0;
    unsigned m_blockSize = 0;
    bool m_resumed = false;
};

}}  // namespace Tenvira::Jack
