#pragma once

#include "basics/CString.hpp"

namespace Corvane { namespace Basics {

/**
 * A CString holding a file-system path whose components are joined with
 * CSYSTEM_STRING_SYSTEM_SEPERATOR. Comparisons are case-sensitive.
 *
 * @code
 * CSystemString path("/usr/lib/vst");
 * path.appendPath("Tenvira.vst");        // "/usr/lib/vst/Tenvira.vst"
 * path.removeLastPathComponent();        // "/usr/lib/vst"
 * @endcode
 */
class CSystemString : public CString {
public:
    static constexpr const char* CSYSTEM_STRING_SYSTEM_SEPERATOR = "/";
    static constexpr char CSYSTEM_STRING_SEPERATOR_CHARACTER = '/';

    CSystemString();
    CSystemString(const char* text);
    CSystemString(const CString& text);
    CSystemString(const CSystemString& other);
    ~CSystemString() override;

    using CString::operator=;
    virtual CSystemString& operator=(const CSystemString& other);

    void getObjectDescription(char* buffer, long size) const override;

    /** True when a "." occurs after index 0 (searching from the end, across separators). */
    virtual bool hasExtension() const;
    /** True when the text ends with extension (case-sensitive, no "." needed); "" always matches. */
    virtual bool hasExtension(const char* extension) const;
    virtual bool hasExtension(const CString& extension) const;
    /** Cuts an existing extension first when replace is set, then appends "." and extension. */
    virtual void appendNewExtension(const char* extension, bool replace);
    virtual void appendNewExtension(const CString& extension, bool replace);
    /** Cuts the text at the last "." when that is after index 0. */
    virtual void removeExtension();
    /** Not hasExtension(). */
    virtual bool isFolder() const;
    /** Removes the text after the last separator, keeping the separator; "" without one. */
    virtual void stripFilename();
    /** The text up to and including the last separator; "" without one. */
    virtual CSystemString getFolderPath() const;
    virtual void appendSystemSeperator();
    /** Appends a separator unless the path already ends with one, then path. */
    virtual void appendPath(const CString& path);
    /** The root of an absolute path ("/"), "" for a relative one: there are no drive letters here. */
    virtual CString getDriveLetter() const;
    /** The text after the last "."; "" without one. */
    virtual CString getTheExtension() const;
    /** The text after the last separator (the whole text without one). */
    virtual CString getTheFilename() const;
    /** The number of non-empty components between separators. */
    virtual long getNumberOfPathComponents() const;
    /** The non-empty component at index; "" for a bad index. */
    virtual CString getPathComponent(long index) const;
    virtual CString getLastPathComponent() const;
    /** Removes the last separator and what follows, when that separator is after index 1. */
    virtual void removeLastPathComponent();
    /** Removes the first non-empty component and the separators after it; an absolute path keeps its root. */
    virtual void removeFirstPathComponent();
    /** Turns every backslash into the separator. */
    void replacePathSeperators();

    CVN_DECLARE_CLASS
};

}}  // namespace Corvane::Basics
