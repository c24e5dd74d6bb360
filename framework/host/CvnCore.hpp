#pragma once

namespace Corvane {

/**
 * Starting and stopping the framework's core, once per module load and unload.
 */
class CvnCore {
public:
    /**
     * Records the application identity (the identifier serves as module handle
     * and registry key), finds the install path and reads the processor
     * features. Throws CException when the module's file cannot be found.
     * The last argument is not used.
     */
    static void start(const char* developer, const char* name, const char* description, const char* version,
                      const char* identifier, const char* copyright, void* handle);

    /**
     * Releases the application record, then destroys the class manager,
     * writing the class report to classReportPath first when it is not null.
     */
    static void stop(const char* classReportPath);

    CvnCore() = delete;
};

}  // namespace Corvane
