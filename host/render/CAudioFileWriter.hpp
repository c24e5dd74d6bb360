#pragma once

#include <sndfile.h>

#include <string>
#include <vector>

namespace Tenvira { namespace Render {

/**
 * Writes a stereo sound file so that a result only ever appears whole: the
 * samples go to a hidden temporary file in the destination's folder, which
 * commit() renames onto the destination. Destroying the writer without a
 * commit removes the temporary file.
 */
class CAudioFileWriter {
public:
    /** Creates the temporary file; raises CRenderError when it cannot. */
    CAudioFileWriter(const std::string& path, int format, int sampleRate);
    ~CAudioFileWriter();

    CAudioFileWriter(const CAudioFileWriter&) = delete;
    CAudioFileWriter& operator=(const CAudioFileWriter&) = delete;

    void write(const float* left, const float* right, int frames);
    /** Finishes the file and moves it into place. */
    void commit();

    const std::string& temporaryPath() const { return m_temporaryPath; }

private:
    void discard();

    std::string m_path;
    std::string m_temporaryPath;
    SNDFILE* m_file = nullptr;
    std::vector<float> m_interleaved;
    bool m_committed = false;
};

}}  // namespace Tenvira::Render
