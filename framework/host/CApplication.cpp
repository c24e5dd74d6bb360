#include "host/CApplication.hpp"

#include "exceptions/CException.hpp"
#include "host/CModuleLocation.hpp"

#include <string>

namespace Corvane { namespace Host {

namespace {

const char* const CAPPLICATION_EMPTY_RECORD = " ";
const char* const CAPPLICATION_FUNCTION = "CApplication::setApplicationInstallPathFromApplicationHandle()";

Basics::CString* g_instance = nullptr;
Basics::CString* g_moduleHandle = nullptr;
Basics::CString* g_name = nullptr;
Basics::CString* g_developer = nullptr;
Basics::CString* g_version = nullptr;
Basics::CString* g_copyright = nullptr;
Basics::CString* g_description = nullptr;
Basics::CString* g_registry = nullptr;
Basics::CSystemString* g_installPath = nullptr;
GUI::Windowing::IWindow* g_window = nullptr;

template <typename T>
T& record(T*& slot)
{
    if (slot == nullptr) {
        slot = new T(CAPPLICATION_EMPTY_RECORD);
    }
    return *slot;
}

template <typename T>
void destroy(T*& slot)
{
    delete slot;
    slot = nullptr;
}

bool endsWith(const std::string& text, const std::string& suffix)
{
    return text.size() > suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

void CApplication::setApplicationName(const Basics::CString& name)
{
    record(g_name).setString(name);
}
void CApplication::setApplicationDeveloper(const Basics::CString& developer)
{
    record(g_developer).setString(developer);
}
void CApplication::setApplicationVersion(const Basics::CString& version)
{
    record(g_version).setString(version);
}
void CApplication::setApplicationCopyrightInformation(const Basics::CString& copyright)
{
    record(g_copyright).setString(copyright);
}
void CApplication::setApplicationDescription(const Basics::CString& description)
{
    record(g_description).setString(description);
}
void CApplication::setApplicationRegistry(const Basics::CString& registry)
{
    record(g_registry).setString(registry);
}
void CApplication::setApplicationModuleHandle(const Basics::CString& handle)
{
    record(g_moduleHandle).setString(handle);
}
void CApplication::setApplicationInstance(const Basics::CString& instance)
{
    record(g_instance).setString(instance);
}
void CApplication::setApplicationInstallPath(const Basics::CSystemString& path)
{
    record(g_installPath).setString(path);
}
void CApplication::setApplicationWindow(GUI::Windowing::IWindow* window)
{
    g_window = window;
}

Basics::CString& CApplication::getApplicationName()
{
    return record(g_name);
}
Basics::CString& CApplication::getApplicationDeveloper()
{
    return record(g_developer);
}
Basics::CString& CApplication::getApplicationVersion()
{
    return record(g_version);
}
Basics::CString& CApplication::getApplicationCopyrightInformation()
{
    return record(g_copyright);
}
Basics::CString& CApplication::getApplicationDescription()
{
    return record(g_description);
}
Basics::CString& CApplication::getApplicationRegistry()
{
    return record(g_registry);
}
Basics::CString& CApplication::getApplicationModuleHandle()
{
    return record(g_moduleHandle);
}
Basics::CString& CApplication::getApplicationInstance()
{
    return record(g_instance);
}
Basics::CSystemString& CApplication::getApplicationInstallPath()
{
    return record(g_installPath);
}
GUI::Windowing::IWindow* CApplication::getApplicationWindow()
{
    return g_window;
}

void CApplication::setApplicationInstallPathFromApplicationHandle()
{
    // The module handle names the bundle; on this platform the bundle is found
    // through the file of the module itself.
    record(g_moduleHandle);
    Basics::CSystemString modulePath("");
    const CModuleLocation::EResult result = CModuleLocation::getModuleFilePath(modulePath);
    if (result == CModuleLocation::e_moduleNotFound) {
        throw Exceptions::CException("Failed to get bundle from identifier", CAPPLICATION_FUNCTION, true);
    }
    if (result == CModuleLocation::e_fileNotFound) {
        throw Exceptions::CException("Failed to get bundle URL from bundle", CAPPLICATION_FUNCTION, true);
    }
    setApplicationInstallPath(computeInstallPathFromModulePath(modulePath));
}

Basics::CSystemString CApplication::computeInstallPathFromModulePath(const Basics::CSystemString& modulePath)
{
    const std::string path = modulePath.getString();
    const std::string::size_type fileSeparator = path.rfind('/');
    if (fileSeparator == std::string::npos) {
        return modulePath;
    }
    const std::string folder = fileSeparator == 0 ? std::string("/") : path.substr(0, fileSeparator);

    // folder = X/Name.vst/Contents/<arch>: walk up three components.
    const std::string::size_type archSeparator = folder.rfind('/');
    if (archSeparator != std::string::npos && archSeparator > 0) {
        const std::string contents = folder.substr(0, archSeparator);
        const std::string::size_type contentsSeparator = contents.rfind('/');
        if (contentsSeparator != std::string::npos && contents.substr(contentsSeparator + 1) == "Contents") {
            const std::string bundle = contents.substr(0, contentsSeparator);
            const std::string::size_type bundleSeparator = bundle.rfind('/');
            const std::string bundleName =
                bundleSeparator == std::string::npos ? bundle : bundle.substr(bundleSeparator + 1);
            if (endsWith(bundleName, ".vst")) {
                if (bundleSeparator == std::string::npos) {
                    return Basics::CSystemString(".");
                }
                return Basics::CSystemString(bundleSeparator == 0 ? std::string("/").c_str()
                                                                  : bundle.substr(0, bundleSeparator).c_str());
            }
        }
    }
    return Basics::CSystemString(folder.c_str());
}

void CApplication::uninitialise()
{
    destroy(g_instance);
    destroy(g_moduleHandle);
    destroy(g_name);
    destroy(g_developer);
    destroy(g_version);
    destroy(g_copyright);
    destroy(g_description);
    destroy(g_registry);
    destroy(g_installPath);
}

}}  // namespace Corvane::Host
