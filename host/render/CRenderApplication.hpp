#pragma once

#include "IEffectSession.hpp"
#include "SRenderOptions.hpp"

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace Tenvira { namespace Render {

/**
 * The renderer's top level: checks the files, loads the effect, renders a
 * file or the demo, draws the plot and prints the summary.
 */
class CRenderApplication {
public:
    using SessionFactory = std::function<std::unique_ptr<IEffectSession>(const std::string& pluginPath)>;

    CRenderApplication(SessionFactory factory, std::string defaultPlugin, std::FILE* out, std::FILE* err);

    /** Runs the command line; answers the exit status (0, 1 failure, 2 usage). */
    int run(int argc, char** argv);
    int run(const SRenderOptions& options);

    /** The demo's program when none is asked for: compressor and limiter both on. */
    static constexpr const char* DEMO_PROGRAM = "5";

private:
    void renderFile(const SRenderOptions& options);
    void renderDemo(SRenderOptions options);

    SessionFactory m_factory;
    std::string m_defaultPlugin;
    std::FILE* m_out;
    std::FILE* m_err;
};

}}  // namespace Tenvira::Render
