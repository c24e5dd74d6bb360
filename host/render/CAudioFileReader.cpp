#include "CAudioFileReader.hpp"

#include "CRenderError.hpp"

#include <algorithm>

namespace Tenvira { namespace Render {

CAudioFileReader::CAudioFileReader(const std::string& path, const std::string& role) : m_path(path), m_role(role)
{
    m_file = sf_open(path.c_str(), SFM_READ, &m_info);
    if (m_file == nullptr)
        throw CRenderError("cannot read " + role + " file \"" + path + "\": " + sf_strerror(nullptr));
    if (m_info.channels < 1 || m_info.channels > 2) {
        const int channelCount = m_info.channels;
        sf_close(m_file);
        m_file = nullptr;
        throw CRenderError(role + " file \"" + path + "\" has " + std::to_string(channelCount) +
                           " channels; only mono and stereo are supported");
    }
    if (m_info.samplerate <= 0) {
        sf_close(m_file);
        m_file = nullptr;
        throw CRenderError(role + " file \"" + path + "\" has no valid sample rate");
    }
}

CAudioFileReader::~CAudioFileReader()
{
    if (m_file != nullptr)
        sf_close(m_file);
}

int CAudioFileReader::read(float* left, float* right, int frames)
{
    if (frames <= 0)
        return 0;
    const std::size_t needed = static_cast<std::size_t>(frames) * static_cast<std::size_t>(m_info.channels);
    if (m_interleaved.size() < needed)
        m_interleaved.resize(needed);

    int got = 0;
    while (got < frames) {
        const sf_count_t n = sf_readf_float(
            m_file, m_interleaved.data() + static_cast<std::size_t>(got) * static_cast<std::size_t>(m_info.channels),
            frames - got);
        if (n <= 0)
            break;
        got += static_cast<int>(n);
    }
    if (got < frames && sf_error(m_file) != SF_ERR_NO_ERROR)
        throw CRenderError("error reading " + m_role + " file \"" + m_path + "\": " + sf_strerror(m_file));

    const float* source = m_interleaved.data();
    if (m_info.channels == 1) {
        std::copy(source, source + got, left);
        std::copy(source, source + got, right);
    } else {
        for (int i = 0; i < got; ++i) {
            left[i] = source[2 * i];
            right[i] = source[2 * i + 1];
        }
    }
    std::fill(left + got, left + frames, 0.0f);
    std::fill(right + got, right + frames, 0.0f);
    return got;
}

}}  // namespace Tenvira::Render
