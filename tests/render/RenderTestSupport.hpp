#pragma once

#include <string>
#include <vector>

namespace RenderTest {

/** A sound file's contents, interleaved. */
struct SSound {
    int sampleRate = 0;
    int channels = 0;
    int format = 0;
    std::vector<float> samples;

    long frames() const { return channels > 0 ? static_cast<long>(samples.size()) / channels : 0; }
    float at(long frame, int channel) const { return samples[static_cast<std::size_t>(frame * channels + channel)]; }
};

/** Writes the sound to a file and answers it. */
SSound writeSound(const std::string& path, SSound sound);
SSound readSound(const std::string& path);
/** A deterministic test signal: decaying chirps and noise, different per channel, |x| < 0.9. */
SSound makeSignal(int sampleRate, int channels, long frames, int format);

/** A fresh folder removed with its contents on destruction. */
class CScratchFolder {
public:
    CScratchFolder();
    ~CScratchFolder();
    std::string path(const std::string& name) const { return m_path + "/" + name; }
    std::vector<std::string> entries() const;

private:
    std::string m_path;
};

struct SRun {
    int status = -1;
    std::string out;
    std::string err;
};

/** Runs the renderer executable with the arguments (each passed as one word). */
SRun runRenderer(const std::vector<std::string>& arguments,
                 const std::vector<std::pair<std::string, std::string>>& environment = {});

bool fileExists(const std::string& path);
std::string readText(const std::string& path);

}  // namespace RenderTest
