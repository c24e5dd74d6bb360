#include "host/CvnCore.hpp"

#include "basics/CClass.hpp"
#include "host/CApplication.hpp"
#include "host/CFPUInformation.hpp"

namespace Corvane {

void CvnCore::start(const char* developer, const char* name, const char* description, const char* version,
                    const char* identifier, const char* copyright, void* /*handle*/)
{
    Host::CApplication::setApplicationModuleHandle(Basics::CString(identifier));
    Host::CApplication::setApplicationDeveloper(Basics::CString(developer));
    Host::CApplication::setApplicationName(Basics::CString(name));
    Host::CApplication::setApplicationDescription(Basics::CString(description));
    Host::CApplication::setApplicationVersion(Basics::CString(version));
    Host::CApplication::setApplicationRegistry(Basics::CString(identifier));
    Host::CApplication::setApplicationCopyrightInformation(Basics::CString(copyright));
    Host::CApplication::setApplicationInstallPathFromApplicationHandle();
    Host::CFPUInformation::initialiseCPUInformation();
}

void CvnCore::stop(const char* classReportPath)
{
    Host::CApplication::uninitialise();
    Basics::CClass::deleteClassManager(classReportPath);
}

}  // namespace Corvane
