#include "gui/basics/CAlphaColour.hpp"

#include "basics/CStringTokeniser.hpp"

#include <cstdio>
#include <cstdlib>

namespace Corvane { namespace GUI { namespace Basics {

CVN_IMPLEMENT_CLASS(CAlphaColour, "CColour")

// Spelt out rather than copied from the CColour constants, whose translation unit may
// not be initialised yet when these are.

const CAlphaColour CAlphaColour::CALPHACOLOUR_BLACK(0, 0, 0);
const CAlphaColour CAlphaColour::CALPHACOLOUR_WHITE(255, 255, 255);
const CAlphaColour CAlphaColour::CALPHACOLOUR_RED(243, 32, 32);
const CAlphaColour CAlphaColour::CALPHACOLOUR_GREEN(102, 200, 85);
const CAlphaColour CAlphaColour::CALPHACOLOUR_BLUE(85, 86, 200);
const CAlphaColour CAlphaColour::CALPHACOLOUR_YELLOW(219, 230, 49);
const CAlphaColour CAlphaColour::CALPHACOLOUR_ORANGE(239, 149, 41);
const CAlphaColour CAlphaColour::CALPHACOLOUR_TURQUOISE(116, 184, 188);
const CAlphaColour CAlphaColour::CALPHACOLOUR_PURPLE(153, 116, 188);
const CAlphaColour CAlphaColour::CALPHACOLOUR_PINK(226, 74, 160);
const CAlphaColour CAlphaColour::CALPHACOLOUR_LIGHT_GREY(208, 208, 208);
const CAlphaColour CAlphaColour::CALPHACOLOUR_DARK_GREY(147, 147, 147);
const CAlphaColour CAlphaColour::CALPHACOLOUR_TRANSPARENT(0, 0, 0, 0);

CAlphaColour::CAlphaColour() : CAlphaColour(255, 255, 255, 255) {}

CAlphaColour::CAlphaColour(unsigned long red, unsigned long green, unsigned long blue, unsigned long alpha)
    : CColour(red, green, blue),
      m_alpha(static_cast<std::uint32_t>(alpha))
{
    CVN_CONSTRUCT_CLASS;
}

CAlphaColour::CAlphaColour(const CColour& colour)
    : CAlphaColour(colour.getRed(), colour.getGreen(), colour.getBlue(), 255)
{}

CAlphaColour::CAlphaColour(const CAlphaColour& other)
    : CAlphaColour(other.getRed(), other.getGreen(), other.getBlue(), other.m_alpha)
{}

CAlphaColour::~CAlphaColour()
{
    CVN_DESTRUCT_CLASS;
}

CAlphaColour& CAlphaColour::operator=(const CAlphaColour& other)
{
    setColour(other.getRed(), other.getGreen(), other.getBlue(), other.m_alpha);
    return *this;
}

CAlphaColour& CAlphaColour::operator=(const CColour& other)
{
    setColour(other.getRed(), other.getGreen(), other.getBlue(), 255);
    return *this;
}

bool CAlphaColour::operator==(const CAlphaColour& other) const
{
    return CColour::operator==(other) && m_alpha == other.m_alpha;
}

void CAlphaColour::setColour(unsigned long red, unsigned long green, unsigned long blue, unsigned long alpha)
{
    CColour::setColour(red, green, blue);
    setAlpha(alpha);
}

void CAlphaColour::setAlpha(unsigned long alpha)
{
    m_alpha = static_cast<std::uint32_t>(alpha);
}

CAlphaColour CAlphaColour::withAlpha(unsigned long alpha) const
{
    return CAlphaColour(getRed(), getGreen(), getBlue(), alpha);
}

CColour* CAlphaColour::getAsColour() const
{
    return new CColour(getRed(), getGreen(), getBlue());
}

void CAlphaColour::getAsColour(CColour& colour) const
{
    colour.setColour(getRed(), getGreen(), getBlue());
}

Corvane::Basics::CString CAlphaColour::convertToString(const CAlphaColour& colour)
{
    Corvane::Basics::CString text;
    text.setStringWithFormat("%li,%li,%li,%li", static_cast<long>(colour.getRed()),
                             static_cast<long>(colour.getGreen()), static_cast<long>(colour.getBlue()),
                             static_cast<long>(colour.getAlpha()));
    return text;
}

CAlphaColour CAlphaColour::convertFromString(const Corvane::Basics::CString& text)
{
    Corvane::Basics::CStringTokeniser tokeniser(text, ',');
    if (tokeniser.getNumberOfTokens() != 4) {
        return CALPHACOLOUR_TRANSPARENT;
    }
    unsigned long channels[4] = {0, 0, 0, 0};
    Corvane::Basics::CString token;
    for (unsigned long& channel : channels) {
        if (!tokeniser.getNextToken(token)) {
            return CALPHACOLOUR_TRANSPARENT;
        }
        channel = static_cast<unsigned long>(std::atol(token.getString()));
    }
    return CAlphaColour(channels[0], channels[1], channels[2], channels[3]);
}

void CAlphaColour::getObjectDescription(char* buffer, long size) const
{
    if (buffer != nullptr && size > 0) {
        std::snprintf(buffer, static_cast<std::size_t>(size), "[%li,%li,%li,%li]", static_cast<long>(getRed()),
                      static_cast<long>(getGreen()), static_cast<long>(getBlue()), static_cast<long>(m_alpha));
    }
}

}}}  // namespace Corvane::GUI::Basics
