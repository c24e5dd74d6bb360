#include "gui/windowing/CWindowSystem.hpp"

#include <atomic>

namespace Corvane { namespace GUI { namespace Windowing {

namespace {
// Set by tests before they make windows; read by whichever thread opens a connection.
std::atomic<CWindowSystem::TConnectionFactory> g_factory{nullptr};
}  // namespace

IWindowConnection* CWindowSystem::openConnection()
{
    const TConnectionFactory factory = g_factory.load();
    return factory != nullptr ? factory() : openPlatformConnection();
}

void CWindowSystem::setConnectionFactory(TConnectionFactory factory)
{
    g_factory.store(factory);
}

}}}  // namespace Corvane::GUI::Windowing
