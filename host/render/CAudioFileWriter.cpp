#include "CAudioFileWriter.hpp"

#include "CFileSystem.hpp"
#include "CRenderError.hpp"

namespace Tenvira { namespace Render {

CAudioFileWriter::CAudioFileWriter(const std::string& path, int format, int sampleRate) : m_path(path)
{
    int descriptor = -1;
    m_temporaryPath = CFileSystem::createTemporary(path, descriptor);

    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 2;
    info.format = format;
    // The descriptor is handed over: libsndfile closes it with the file.
    m_file = sf_open_fd(descriptor, SFM_WRITE, &info, SF_TRUE);
    if (m_file == nullptr) {
        const std::string reason = sf_strerror(nullptr);
        CFileSystem::closeDescriptor(descriptor);
        CFileSystem::removeFile(m_temporaryPath);
        throw CRenderError("cannot write \"" + path + "\": " + reason);
    }
    // Samples beyond full scale are clipped instead of wrapping round in integer formats.
    sf_command(m_file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
}

CAudioFileWriter::~CAudioFileWriter()
{
    if (!m_committed)
        discard();
}

void CAudioFileWriter::discard()
{
    if (m_file != nullptr) {
        sf_close(m_file);
        m_file = nullptr;
    }
    if (!m_temporaryPath.empty())
        CFileSystem::removeFile(m_temporaryPath);
}

void CAudioFileWriter::write(const float* left, const float* right, int frames)
{
    if (frames <= 0)
        return;
    if (m_file == nullptr)
        throw CRenderError("\"" + m_path + "\" is already closed");
    m_interleaved.resize(static_cast<std::size_t>(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        m_interleaved[2 * static_cast<std::size_t>(i)] = left[i];
        m_interleaved[2 * static_cast<std::size_t>(i) + 1] = right[i];
    }
    if (sf_writef_float(m_file, m_interleaved.data(), frames) != frames)
        throw CRenderError("error writing \"" + m_path + "\": " + sf_strerror(m_file));
}

void CAudioFileWriter::commit()
{
    if (m_file == nullptr)
        throw CRenderError("\"" + m_path + "\" is already closed");
    sf_write_sync(m_file);
    const int closeResult = sf_close(m_file);
    m_file = nullptr;
    if (closeResult != 0)
        throw CRenderError("error finishing \"" + m_path + "\": " + sf_error_number(closeResult));
    CFileSystem::replace(m_temporaryPath, m_path);
    m_committed = true;
}

}}  // namespace Tenvira::Render
