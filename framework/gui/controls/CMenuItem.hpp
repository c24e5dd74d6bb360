#pragma once

#include "basics/CCountedObject.hpp"
#include "basics/CString.hpp"
#include "collections/TAutomaticPointer.hpp"
#include "gui/basics/CAlphaColour.hpp"
#include "gui/graphics/IImage.hpp"

namespace Corvane { namespace GUI { namespace Controls {

/** One entry of a menu: its text, the id it reports when chosen, and an optional icon. */
class CMenuItem : public Corvane::Basics::CCountedObject {
public:
    enum EMenuItemTypes : long {
        /** An item that can be chosen. */
        CMENUITEM_TYPE_PLAIN = 0
    };

    CMenuItem(const Corvane::Basics::CString& text, long id, EMenuItemTypes type = CMENUITEM_TYPE_PLAIN,
              bool enabled = true);
    ~CMenuItem() override;
    CMenuItem(const CMenuItem&) = delete;
    CMenuItem& operator=(const CMenuItem&) = delete;

    void setText(const Corvane::Basics::CString& text) { m_text = text; }
    void setId(long id) { m_id = id; }
    void setType(EMenuItemTypes type) { m_type = type; }
    /** A disabled item is shown but cannot be chosen. */
    void enable(bool enabled) { m_enabled = enabled; }
    /** Its place in its menu, kept by the menu. */
    void setIndex(long index) { m_index = index; }
    /** The icon, and the icon shown while the item is under the pointer; counted references, either may be null. */
    void setImages(Graphics::IImage* normal, Graphics::IImage* rollover);
    void setTextColour(const Basics::CAlphaColour& colour) { m_textColour = colour; }

    const Corvane::Basics::CString& getText() const { return m_text; }
    long getId() const { return m_id; }
    EMenuItemTypes getType() const { return m_type; }
    bool isEnabled() const { return m_enabled; }
    long getIndex() const { return m_index; }
    Graphics::IImage* getNormalImage() const { return m_normalImage.getPointer(); }
    Graphics::IImage* getRolloverImage() const { return m_rolloverImage.getPointer(); }
    const Basics::CAlphaColour& getTextColour() const { return m_textColour; }

    CVN_DECLARE_CLASS

private:
    Corvane::Basics::CString m_text;
    long m_id;
    EMenuItemTypes m_type;
    bool m_enabled;
    long m_index;
    Collections::TAutomaticPointer<Graphics::IImage> m_normalImage;
    Collections::TAutomaticPointer<Graphics::IImage> m_rolloverImage;
    Basics::CAlphaColour m_textColour;
};

}}}  // namespace Corvane::GUI::Controls
