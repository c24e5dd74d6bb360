#include "gui/basics/CColour.hpp"

#include <cstdio>

namespace Corvane { namespace GUI { namespace Basics {

CVN_IMPLEMENT_CLASS(CColour, "CCountedObject")

const CColour CColour::CCOLOUR_BLACK(0, 0, 0);
const CColour CColour::CCOLOUR_WHITE(255, 255, 255);
const CColour CColour::CCOLOUR_RED(243, 32, 32);
const CColour CColour::CCOLOUR_GREEN(102, 200, 85);
const CColour CColour::CCOLOUR_BLUE(85, 86, 200);
const CColour CColour::CCOLOUR_YELLOW(219, 230, 49);
const CColour CColour::CCOLOUR_ORANGE(239, 149, 41);
const CColour CColour::CCOLOUR_TURQUOISE(116, 184, 188);
const CColour CColour::CCOLOUR_PURPLE(153, 116, 188);
const CColour CColour::CCOLOUR_PINK(226, 74, 160);
const CColour CColour::CCOLOUR_LIGHT_GREY(208, 208, 208);
const CColour CColour::CCOLOUR_DARK_GREY(147, 147, 147);

CColour::CColour() : CColour(255, 255, 255) {}

CColour::CColour(unsigned long red, unsigned long green, unsigned long blue)
    : m_red(static_cast<std::uint32_t>(red)),
      m_green(static_cast<std::uint32_t>(green)),
      m_blue(static_cast<std::uint32_t>(blue))
{
    CVN_CONSTRUCT_CLASS;
}

CColour::CColour(const CColour& other) : CColour(other.m_red, other.m_green, other.m_blue) {}

CColour::~CColour()
{
    CVN_DESTRUCT_CLASS;
}

CColour& CColour::operator=(const CColour& other)
{
    setColour(other.m_red, other.m_green, other.m_blue);
    return *this;
}

bool CColour::operator==(const CColour& other) const
{
    return m_red == other.m_red && m_green == other.m_green && m_blue == other.m_blue;
}

CColour& CColour::operator+=(const CColour& other)
{
    auto sum = [](std::uint64_t a, std::uint64_t b) { return static_cast<std::uint32_t>(a + b > 255 ? 255 : a + b); };
    m_red = sum(m_red, other.m_red);
    m_green = sum(m_green, other.m_green);
    m_blue = sum(m_blue, other.m_blue);
    return *this;
}

void CColour::setColour(unsigned long red, unsigned long green, unsigned long blue)
{
    m_red = static_cast<std::uint32_t>(red);
    m_green = static_cast<std::uint32_t>(green);
    m_blue = static_cast<std::uint32_t>(blue);
}

void CColour::getObjectDescription(char* buffer, long size) const
{
    if (buffer != nullptr && size > 0) {
        std::snprintf(buffer, static_cast<std::size_t>(size), "[%li,%li,%li]", static_cast<long>(m_red),
                      static_cast<long>(m_green), static_cast<long>(m_blue));
    }
}

}}}  // namespace Corvane::GUI::Basics
