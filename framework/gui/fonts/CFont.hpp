#pragma once

#include "basics/CCountedObject.hpp"
#include "basics/CString.hpp"
#include "gui/fonts/STextExtents.hpp"

#include <atomic>

namespace Corvane { namespace GUI { namespace Fonts {

class CFontConfigFace;

/**
 * A font by family name, size and style. Sizes are in points, and a point is
 * one pixel on screen. The platform face behind the name is looked up when the
 * font is first measured or drawn, and looked up again after any change, so
 * creating fonts (the framework's default font is made when the module loads)
 * costs no font look-up in processes that never draw.
 */
class CFont : public Corvane::Basics::CCountedObject {
public:
    /**
     * The font text is drawn with when none is given; made by createDefaultFont.
     *
     * Shared read-only by every window tree of the process, on whatever thread
     * each runs: the GUI library makes it when it starts and lets go of it
     * when it stops (the module's load and unload); a plug-in may set its face
     * once, before its first editor draws (under a std::call_once); after that
     * nobody changes, references or releases it. Its face is looked up at its
     * first use, which may come on two threads at once (see getFontHandle).
     */
    static CFont* CFONT_SYSTEM_FONT;
    static constexpr const char* CFONT_DEFAULT_NAME = "Arial";
    static constexpr unsigned long CFONT_DEFAULT_HEIGHT = 11;

    /** Makes CFONT_SYSTEM_FONT ("Arial", 11, plain) unless it exists. */
    static void createDefaultFont();
    /** Lets go of CFONT_SYSTEM_FONT; fonts that hold it keep it alive. */
    static void destroyDefaultFont();

    /** "Arial", 11, plain. */
    CFont();
    CFont(const Corvane::Basics::CString& name, unsigned long height, bool italic, bool bold);
    CFont(const CFont& other);
    CFont& operator=(const CFont& other);
    ~CFont() override;

    /** Name and height; the first flag sets italic, the last bold, the middle two are not used. */
    void setFont(const Corvane::Basics::CString& name, long height, bool italic, bool unusedB, bool unusedC, bool bold);
    void setFontName(const Corvane::Basics::CString& name);
    const Corvane::Basics::CString& getFontName() const { return m_name; }
    void setHeight(unsigned long height);
    unsigned long getHeight() const;
    unsigned long getFontSize() const { return getHeight(); }
    /** A size with a fraction of a point, for artwork. */
    void setPointSize(double size);
    double getPointSize() const { return m_size; }
    void setBold(bool bold);
    bool isBold() const { return m_bold; }
    void setItalic(bool italic);
    bool isItalic() const { return m_italic; }
    static long getFontSizeFromPointSize(long pointSize) { return pointSize; }

    /** Forgets the platform face so the next use looks it up again; answers 0. */
    long loadFont();
    /** The platform face, looked up now if needed; null when nothing matches. */
    CFontConfigFace* getFontHandle() const;
    /** The family the name was resolved to ("Liberation Sans" for "Arial"); "" when none. */
    Corvane::Basics::CString getResolvedFamily() const;

    /** The room a line of text takes, spacing pixels added between characters. */
    STextExtents measureText(const Corvane::Basics::CString& text, double spacing = 0.0) const;

    /** "name,height". */
    static Corvane::Basics::CString convertToString(const CFont& font);

    void getObjectDescription(char* buffer, long size) const override;

    CVN_DECLARE_CLASS

private:
    void releaseFace() const;

    Corvane::Basics::CString m_name;
    double m_size;
    bool m_bold;
    bool m_italic;
    /** Looked up at the first use; any thread may be the first, so the lookup is published atomically. */
    mutable std::atomic<CFontConfigFace*> m_face;
    mutable std::atomic<bool> m_lookedUp;
};

}}}  // namespace Corvane::GUI::Fonts
