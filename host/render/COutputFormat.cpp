#include "COutputFormat.hpp"

#include <sndfile.h>

#include <cctype>

namespace Tenvira { namespace Render {

namespace {

std::string lowerExtension(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return std::string();
    std::string extension = path.substr(dot + 1);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

}  // namespace

bool COutputFormat::isWritable(int format, int sampleRate)
{
    SF_INFO info{};
    info.format = format;
    info.channels = 2;
    info.samplerate = sampleRate;
    return sf_format_check(&info) == SF_TRUE;
}

int COutputFormat::containerForExtension(const std::string& path)
{
    const std::string extension = lowerExtension(path);
    if (extension.empty())
        return 0;
    // Common spellings libsndfile's own table does not list.
    if (extension == "aif" || extension == "aiff" || extension == "aifc")
        return SF_FORMAT_AIFF;
    if (extension == "ogg" || extension == "oga")
        return SF_FORMAT_OGG;

    int count = 0;
    sf_command(nullptr, SFC_GET_FORMAT_MAJOR_COUNT, &count, sizeof(count));
    for (int i = 0; i < count; ++i) {
        SF_FORMAT_INFO info{};
        info.format = i;
        if (sf_command(nullptr, SFC_GET_FORMAT_MAJOR, &info, sizeof(info)) != 0)
            continue;
        if (info.extension != nullptr && extension == info.extension)
            return info.format & SF_FORMAT_TYPEMASK;
    }
    return 0;
}

int COutputFormat::choose(int inputFormat, const std::string& outputPath, int sampleRate)
{
    const int inputContainer = inputFormat & SF_FORMAT_TYPEMASK;
    const int inputEncoding = inputFormat & SF_FORMAT_SUBMASK;
    const int wanted = containerForExtension(outputPath);
    const int container = wanted != 0 ? wanted : inputContainer;

    if (isWritable(container | inputEncoding, sampleRate))
        return container | inputEncoding;
    if (wanted != 0) {
        // The named container with an encoding it takes; lossy containers have their own.
        const int candidates[] = {SF_FORMAT_PCM_24, SF_FORMAT_VORBIS, SF_FORMAT_PCM_16, SF_FORMAT_FLOAT};
        for (int encoding : candidates)
            if (isWritable(container | encoding, sampleRate))
                return container | encoding;
    }
    return SF_FORMAT_WAV | SF_FORMAT_PCM_24;
}

}}  // namespace Tenvira::Render
