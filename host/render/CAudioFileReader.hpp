#pragma once

#include <sndfile.h>

#include <cstdint>
#include <string>
#include <vector>

namespace Tenvira { namespace Render {

/**
 * Reads a mono or stereo sound file through libsndfile, block by block, as two
 * planar float channels. Mono feeds both channels. Past the end of the file
 * it delivers silence, so callers can pad without special cases.
 */
class CAudioFileReader {
public:
    /** Opens the file; raises CRenderError when it cannot be read or has more than two channels.
     *  `role` names the file in messages ("input", "side-chain"). */
    CAudioFileReader(const std::string& path, const std::string& role);
    ~CAudioFileReader();

    CAudioFileReader(const CAudioFileReader&) = delete;
    CAudioFileReader& operator=(const CAudioFileReader&) = delete;

    int channels() const { return m_info.channels; }
    int sampleRate() const { return m_info.samplerate; }
    int format() const { return m_info.format; }
    std::int64_t frames() const { return static_cast<std::int64_t>(m_info.frames); }
    const std::string& path() const { return m_path; }

    /** Fills `frames` samples of left and right; whatever lies past the end is 0.
     *  Answers the number of frames that came from the file. */
    int read(float* left, float* right, int frames);

private:
    std::string m_path;
    std::string m_role;
    SF_INFO m_info{};
    SNDFILE* m_file = nullptr;
    std::vector<float> m_interleaved;
};

}}  // namespace Tenvira::Render
