#pragma once

#include "basics/CString.hpp"
#include "basics/CSystemString.hpp"

namespace Corvane { namespace GUI { namespace Windowing {
class IWindow;
}}}  // namespace Corvane::GUI::Windowing

namespace Corvane { namespace Host {

/**
 * The application record: identity strings and the install path, process-wide.
 *
 * Each record is created on first use: a setter creates it and assigns the
 * value, a getter creates it holding " " and returns it, so a getter never
 * fails. The records are set once while the framework starts, on the loading
 * thread, and only read afterwards.
 */
class CApplication {
public:
    static void setApplicationName(const Basics::CString& name);
    static void setApplicationDeveloper(const Basics::CString& developer);
    static void setApplicationVersion(const Basics::CString& version);
    static void setApplicationCopyrightInformation(const Basics::CString& copyright);
    static void setApplicationDescription(const Basics::CString& description);
    static void setApplicationRegistry(const Basics::CString& registry);
    /** For a plug-in, its bundle identifier. */
    static void setApplicationModuleHandle(const Basics::CString& handle);
    static void setApplicationInstance(const Basics::CString& instance);
    static void setApplicationInstallPath(const Basics::CSystemString& path);
    /** Not owned. */
    static void setApplicationWindow(GUI::Windowing::IWindow* window);

    static Basics::CString& getApplicationName();
    static Basics::CString& getApplicationDeveloper();
    static Basics::CString& getApplicationVersion();
    static Basics::CString& getApplicationCopyrightInformation();
    static Basics::CString& getApplicationDescription();
    static Basics::CString& getApplicationRegistry();
    static Basics::CString& getApplicationModuleHandle();
    static Basics::CString& getApplicationInstance();
    /** The folder that holds the plug-in bundle. */
    static Basics::CSystemString& getApplicationInstallPath();
    static GUI::Windowing::IWindow* getApplicationWindow();

    /**
     * Finds the install path from the file of the module this code is linked
     * into: for a module inside X/Name.vst/Contents/<arch>/ the path is X,
     * otherwise the module's own folder.
     * Throws CException when the module's file cannot be found.
     */
    static void setApplicationInstallPathFromApplicationHandle();

    /**
     * The install path for a module file: X for X/Name.vst/Contents/<arch>/file,
     * otherwise the folder holding the file ("/" for a file in the root, the
     * text unchanged when it has no folder part).
     */
    static Basics::CSystemString computeInstallPathFromModulePath(const Basics::CSystemString& modulePath);

    /** Destroys every record; the window pointer is kept. */
    static void uninitialise();

    CApplication() = delete;
};

}}  // namespace Corvane::Host
