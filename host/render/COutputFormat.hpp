#pragma once

#include <string>

namespace Tenvira { namespace Render {

/** Chooses the libsndfile format of a stereo result. */
class COutputFormat {
public:
    /**
     * The input's container and sample encoding where libsndfile can write them
     * as stereo at this rate. When the output name's extension names another
     * container (out.wav from in.flac), that container is used, keeping the
     * input's encoding if it fits. Otherwise 24-bit WAV.
     */
    static int choose(int inputFormat, const std::string& outputPath, int sampleRate);

    /** The container whose usual extension `path` ends in (case-insensitive), or 0. */
    static int containerForExtension(const std::string& path);

    static bool isWritable(int format, int sampleRate);
};

}}  // namespace Tenvira::Render
