#include "CStubWindowSystem.hpp"

#include <algorithm>

namespace GuiTests {

using Corvane::GUI::Windowing::IWindowBackend;
using Corvane::GUI::Windowing::IWindowConnection;
using Corvane::GUI::Windowing::IWindowInputListener;
using Corvane::GUI::Windowing::SWindowInput;
using Corvane::MathTools::CDimension;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;

namespace {
CStubConnection* g_latest = nullptr;
}  // namespace

CStubBackend::CStubBackend(CStubConnection& connection, IWindowInputListener& inputListener)
    : listener(inputListener),
      m_connection(connection)
{
    m_connection.backends.push_back(this);
}

CStubBackend::~CStubBackend()
{
    std::vector<CStubBackend*>& all = m_connection.backends;
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

bool CStubBackend::made(const CRect& where)
{
    area = where;
    m_id = m_connection.nextId++;
    return true;
}

bool CStubBackend::createTopLevel(const CRect& where, const Corvane::GUI::Windowing::CWindowAttributes&,
                                  Corvane::GUI::Windowing::CWindow::EWindowRole)
{
    return made(where);
}

bool CStubBackend::createPopup(const CRect& where, double)
{
    return made(where);
}

bool CStubBackend::createChild(unsigned long parent, const CDimension& size)
{
    shown = parent != 0;
    return parent != 0 && made(CRect(CPoint(0, 0), size));
}

bool CStubBackend::getScreenPosition(CPoint& position) const
{
    position = area.getOrigin();
    return m_id != 0;
}

bool CStubBackend::beginPaint(Corvane::GUI::Graphics::CGraphics& graphics, const CDimension& size, bool& whole)
{
    whole = !m_picture.hasPointer() || m_picture->getImageSize() != size;
    if (whole) {
        m_picture = new Corvane::GUI::Graphics::CRGBAImage(size.getWidth(), size.getHeight(), false);
    }
    return m_picture->initialiseGraphics(graphics);
}

void CStubBackend::endPaint(Corvane::GUI::Graphics::CGraphics& graphics, const CRect& painted)
{
    graphics.uninitialise();
    paints.push_back(painted);
}

IWindowConnection* CStubConnection::open()
{
    g_latest = new CStubConnection();
    return g_latest;
}

CStubConnection* CStubConnection::latest()
{
    return g_latest;
}

CStubConnection::~CStubConnection()
{
    if (g_latest == this) {
        g_latest = nullptr;
    }
}

IWindowBackend* CStubConnection::createWindow(IWindowInputListener& listener)
{
    return new CStubBackend(*this, listener);
}

long CStubConnection::pump()
{
    std::vector<std::pair<unsigned long, SWindowInput>> queue;
    queue.swap(m_queue);
    for (const auto& item : queue) {
        if (CStubBackend* backend = backendOf(item.first)) {
            backend->listener.handleWindowInput(item.second);
        }
    }
    return static_cast<long>(queue.size());
}

void CStubConnection::send(unsigned long window, const SWindowInput& input)
{
    m_queue.emplace_back(window, input);
}

CStubBackend* CStubConnection::backendOf(unsigned long window) const
{
    for (CStubBackend* backend : backends) {
        if (backend->getWindowId() == window) {
            return backend;
        }
    }
    return nullptr;
}

}  // namespace GuiTests
