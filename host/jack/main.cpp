// tenvira-jack: the Tenvira plug-in with its editor as a JACK application.

#include "CJackApplication.hpp"
#include "CSignalWatch.hpp"

#include <unistd.h>

#include <climits>
#include <string>

#ifndef TENVIRA_DEFAULT_PLUGIN
#define TENVIRA_DEFAULT_PLUGIN "Tenvira.vst/Contents/x86_64-linux/Tenvira.so"
#endif
#ifndef TENVIRA_INSTALLED_PLUGIN
#define TENVIRA_INSTALLED_PLUGIN "lib/vst/Tenvira.vst/Contents/x86_64-linux/Tenvira.so"
#endif

namespace {

// The installed bundle (its folder relative to the installation prefix, the program's folder's
// parent, unless it is absolute), else the one of the build tree the program was built in.
std::string defaultPlugin()
{
    const std::string installed = TENVIRA_INSTALLED_PLUGIN;
    std::string candidate = installed;
    if (installed[0] != '/') {
        char self[PATH_MAX];
        const ssize_t length = ::readlink("/proc/self/exe", self, sizeof(self) - 1);
        const std::string program = length > 0 ? std::string(self, static_cast<std::size_t>(length)) : std::string();
        const std::size_t slash = program.rfind('/');
        candidate = slash == std::string::npos ? std::string() : program.substr(0, slash) + "/../" + installed;
    }
    return !candidate.empty() && ::access(candidate.c_str(), R_OK) == 0 ? candidate : TENVIRA_DEFAULT_PLUGIN;
}

}  // namespace

int main(int argc, char** argv)
{
    // First, before JACK starts its threads: Ctrl-C and SIGTERM become events of the main loop.
    Tenvira::Jack::CSignalWatch signals;
    Tenvira::Jack::CJackApplication application(defaultPlugin(), stdout, stderr);
    return application.run(argc, argv, signals);
}
