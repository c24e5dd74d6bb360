#include "CJackHost.hpp"

#include "CDevHostSession.hpp"

namespace Tenvira { namespace Jack {

CJackHost::CJackHost(Render::CDevHostSession& session, const std::string& clientName)
    : m_session(session),
      m_engine(session.instance()),
      m_client(clientName)
{
    tellEffect(m_client.sampleRate(), m_client.bufferSize());
}

CJackHost::~CJackHost()
{
    stop();
}

void CJackHost::tellEffect(unsigned sampleRate, unsigned blockSize)
{
    if (sampleRate != m_sampleRate)
        m_session.setSampleRate(sampleRate);
    if (blockSize != m_blockSize)
        m_session.setBlockSize(static_cast<int>(blockSize));
    m_sampleRate = sampleRate;
    m_blockSize = blockSize;
    m_engine.setBlockSize(static_cast<int>(blockSize));
}

void CJackHost::start()
{
    if (!m_resumed) {
        m_session.resume();
        m_resumed = true;
    }
    // The delay is known once the effect runs at the server's rate.
    m_client.start(m_engine, m_session.latency());
}

bool CJackHost::follow()
{
    if (m_client.serverGone())
        return false;
    const unsigned sampleRate = m_client.sampleRate();
    const unsigned blockSize = m_client.bufferSize();
    if (m_resumed && (sampleRate != m_sampleRate || blockSize != m_blockSize)) {
        m_engine.hold();
        m_session.suspend();
        tellEffect(sampleRate, blockSize);
        m_session.resume();
        m_engine.release();
    }
    m_client.setLatency(m_session.latency());
    return true;
}

void CJackHost::stop()
{
    m_client.stop();
    if (m_resumed) {
        m_session.suspend();
        m_resumed = false;
    }
}

}}  // namespace Tenvira::Jack
