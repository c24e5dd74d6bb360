#include "gui/fonts/CFont.hpp"

#include "gui/fonts/CFontConfigFace.hpp"
#include "gui/fonts/CTextEncoding.hpp"

#include <cstdio>

namespace Corvane { namespace GUI { namespace Fonts {

CVN_IMPLEMENT_CLASS(CFont, "CCountedObject")

CFont* CFont::CFONT_SYSTEM_FONT = nullptr;

void CFont::createDefaultFont()
{
    if (CFONT_SYSTEM_FONT == nullptr) {
        CFONT_SYSTEM_FONT = new CFont(CFONT_DEFAULT_NAME, CFONT_DEFAULT_HEIGHT, false, false);
        CFONT_SYSTEM_FONT->referenced();
    }
}

void CFont::destroyDefaultFont()
{
    CFont* font = CFONT_SYSTEM_FONT;
    CFONT_SYSTEM_FONT = nullptr;
    if (font != nullptr) {
        font->dereference();
    }
}

CFont::CFont() : CFont(CFONT_DEFAULT_NAME, CFONT_DEFAULT_HEIGHT, false, false) {}

CFont::CFont(const Corvane::Basics::CString& name, unsigned long height, bool italic, bool bold)
    : m_name(name),
      m_size(static_cast<double>(height)),
      m_bold(bold),
      m_italic(italic),
      m_face(nullptr),
      m_lookedUp(false)
{
    CVN_CONSTRUCT_CLASS;
}

CFont::CFont(const CFont& other) : CFont(other.m_name, 0, other.m_italic, other.m_bold)
{
    m_size = other.m_size;
}

CFont& CFont::operator=(const CFont& other)
{
    if (this != &other) {
        m_name = other.m_name;
        m_size = other.m_size;
        m_bold = other.m_bold;
        m_italic = other.m_italic;
        loadFont();
    }
    return *this;
}

CFont::~CFont()
{
    releaseFace();
    CVN_DESTRUCT_CLASS;
}

void CFont::setFont(const Corvane::Basics::CString& name, long height, bool italic, bool /*unusedB*/, bool /*unusedC*/,
                    bool bold)
{
    m_name = name;
    m_size = static_cast<double>(height);
    m_italic = italic;
    m_bold = bold;
    loadFont();
}

void CFont::setFontName(const Corvane::Basics::CString& name)
{
    m_name = name;
    loadFont();
}

void CFont::setHeight(unsigned long height)
{
    setPointSize(static_cast<double>(height));
}

unsigned long CFont::getHeight() const
{
    return m_size > 0.0 ? static_cast<unsigned long>(m_size) : 0;
}

void CFont::setPointSize(double size)
{
    m_size = size;
    loadFont();
}

void CFont::setBold(bool bold)
{
    m_bold = bold;
    loadFont();
}

void CFont::setItalic(bool italic)
{
    m_italic = italic;
    loadFont();
}

long CFont::loadFont()
{
    releaseFace();
    return 0;
}

void CFont::releaseFace() const
{
    delete m_face.exchange(nullptr);
    m_lookedUp = false;
}

CFontConfigFace* CFont::getFontHandle() const
{
    CFontConfigFace* face = m_face.load();
    if (face == nullptr && !m_lookedUp.load()) {
        // Threads that look it up at once each make a face; the first one published is kept.
        CFontConfigFace* made = CFontConfigFace::create(m_name.getString(), m_size, m_bold, m_italic);
        if (m_face.compare_exchange_strong(face, made)) {
            face = made;
        } else {
            delete made;
        }
        m_lookedUp = true;
    }
    return face;
}

Corvane::Basics::CString CFont::getResolvedFamily() const
{
    const CFontConfigFace* face = getFontHandle();
    return Corvane::Basics::CString(face != nullptr ? face->getFamily().c_str() : "");
}

STextExtents CFont::measureText(const Corvane::Basics::CString& text, double spacing) const
{
    const CFontConfigFace* face = getFontHandle();
    if (face == nullptr) {
        return STextExtents();
    }
    return face->measure(CTextEncoding::toUTF8(text.getString()).c_str(), spacing);
}

Corvane::Basics::CString CFont::convertToString(const CFont& font)
{
    Corvane::Basics::CString text;
    text.setStringWithFormat("%s,%li", font.m_name.getString(), static_cast<long>(font.getHeight()));
    return text;
}

void CFont::getObjectDescription(char* buffer, long size) const
{
    if (buffer != nullptr && size > 0) {
        std::snprintf(buffer, static_cast<std::size_t>(size), "[%s %g%s%s]", m_name.getString(), m_size,
                      m_bold ? " bold" : "", m_italic ? " italic" : "");
    }
}

}}}  // namespace Corvane::GUI::Fonts
