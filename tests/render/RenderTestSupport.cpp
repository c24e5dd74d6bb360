#include "RenderTestSupport.hpp"

#include <sndfile.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace RenderTest {

SSound writeSound(const std::string& path, SSound sound)
{
    SF_INFO info{};
    info.samplerate = sound.sampleRate;
    info.channels = sound.channels;
    info.format = sound.format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr)
        throw std::runtime_error("cannot write " + path + ": " + sf_strerror(nullptr));
    sf_writef_float(file, sound.samples.data(), sound.frames());
    sf_close(file);
    return sound;
}

SSound readSound(const std::string& path)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr)
        throw std::runtime_error("cannot read " + path + ": " + sf_strerror(nullptr));
    SSound sound{info.samplerate, info.channels, info.format,
                 std::vector<float>(static_cast<std::size_t>(info.frames * info.channels))};
    sf_readf_float(file, sound.samples.data(), info.frames);
    sf_close(file);
    return sound;
}

SSound makeSignal(int sampleRate, int channels, long frames, int format)
{
    SSound sound{sampleRate, channels, format, std::vector<float>(static_cast<std::size_t>(frames * channels))};
    unsigned state = 12345u;
    for (long i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        for (int c = 0; c < channels; ++c) {
            state = state * 1664525u + 1013904223u;
            const double noise = (static_cast<double>(state >> 8) / 8388608.0 - 1.0) * 0.05;
            const double tone = std::sin(6.283185307 * (110.0 + 90.0 * c) * t * (1.0 + t)) *
                                (0.4 + 0.4 * std::fabs(std::sin(3.0 * t + c)));
            sound.samples[static_cast<std::size_t>(i * channels + c)] = static_cast<float>(tone + noise);
        }
    }
    return sound;
}

CScratchFolder::CScratchFolder()
{
    char pattern[] = "/tmp/tenvira-render-test-XXXXXX";
    if (::mkdtemp(pattern) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

CScratchFolder::~CScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::vector<std::string> CScratchFolder::entries() const
{
    std::vector<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(m_path))
        names.push_back(item.path().filename().string());
    return names;
}

bool fileExists(const std::string& path)
{
    return std::filesystem::exists(path);
}

std::string readText(const std::string& path)
{
    std::ifstream stream(path);
    std::stringstream text;
    text << stream.rdbuf();
    return text.str();
}

SRun runRenderer(const std::vector<std::string>& arguments,
                 const std::vector<std::pair<std::string, std::string>>& environment)
{
    char outPattern[] = "/tmp/tenvira-render-out-XXXXXX";
    char errPattern[] = "/tmp/tenvira-render-err-XXXXXX";
    const int outFile = ::mkstemp(outPattern);
    const int errFile = ::mkstemp(errPattern);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outFile, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errFile, STDERR_FILENO);

    std::vector<std::string> words{TENVIRA_RENDER_EXECUTABLE};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(&word[0]);
    argv.push_back(nullptr);

    std::vector<std::string> variables;
    for (char** variable = environ; *variable != nullptr; ++variable)
        variables.emplace_back(*variable);
    // Under LeakSanitizer, ignore what fontconfig keeps for the life of the process.
    variables.push_back("LSAN_OPTIONS=suppressions=" TENVIRA_LSAN_SUPPRESSIONS);
    for (const auto& pair : environment)
        variables.push_back(pair.first + "=" + pair.second);
    std::vector<char*> envp;
    for (std::string& variable : variables)
        envp.push_back(&variable[0]);
    envp.push_back(nullptr);

    SRun run;
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        ::waitpid(child, &status, 0);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(outFile);
    ::close(errFile);
    run.out = readText(outPattern);
    run.err = readText(errPattern);
    std::remove(outPattern);
    std::remove(errPattern);
    return run;
}

}  // namespace RenderTest
