#include "gui/windowing/CWindowSystem.hpp"

#include "gui/windowing/CScaleFactor.hpp"
#include "gui/windowing/IWindowConnection.hpp"

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

double CWindowSystem::getDesktopScaleFactor()
{
    IWindowConnection* connection = openConnection();
    if (connection == nullptr) {
        return CScaleFactor::CSCALEFACTOR_SMALLEST;
    }
    connection->referenced();
    const double factor = connection->getDesktopScaleFactor();
    connection->dereference();
    return factor;
}

}}}  // namespace Corvane::GUI::Windowing
