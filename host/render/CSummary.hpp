#pragma once

#include "SRenderOptions.hpp"
#include "SRenderResult.hpp"

#include <string>

namespace Tenvira { namespace Render {

/** The text printed after a render: files, settings, levels, gain reduction, latency. */
class CSummary {
public:
    static std::string text(const SRenderOptions& options, const SRenderResult& result);

    /** "-3.25" style decibels, "-inf" for silence. */
    static std::string decibels(double level);
    /** libsndfile's names of the container and encoding, e.g. "WAV (Microsoft), Signed 24 bit PCM". */
    static std::string formatName(int format);
};

}}  // namespace Tenvira::Render
