// Tenvira against two compressors a Linux user would pick instead, loaded
// through the development host as a DAW loads them, on the same compressing
// music at 44100 Hz in blocks of 512. The contenders run in turn, round after
// round (the order rotating), each over the whole passage, timed in thread CPU
// time; the figures are medians over the rounds, and the ratios are taken
// within each round, so load from elsewhere on the machine falls on all alike.
//
//   bin/tenvira_peer_bench [ROUNDS [OTHER_TENVIRA.so ...]]     (default 21 rounds)
//   ZAMCOMPX2=/path/ZamCompX2-vst.so LSP_SC_COMPRESSOR=/path/sc-compressor-stereo.so bin/tenvira_peer_bench
//
// Other builds of Tenvira named after the rounds join the run with the same
// settings, so that what a change bought is measured beside the peers. The
// LV2 build of the same tree runs too, loaded through lilv with the same
// settings as its preset and a control in units: its shell must cost nothing.

#include "CBenchSession.hpp"
#include "CDemoSignal.hpp"
#include "CLv2Instance.hpp"
#include "CLv2World.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using TenviraBench::CBenchSession;

namespace {

constexpr int BLOCK = CBenchSession::BLOCK;

// Processes one block of the passage from the left and right channels (which
// also feed a key pair); answers the output channels.
using BlockFunction = std::function<float* const*(float*, float*)>;

struct SContender {
    std::string name;
    std::string path;
    std::string settings;
    std::function<bool(CBenchSession&)> prepare;
    std::unique_ptr<CBenchSession> session;
    BlockFunction block;
    std::vector<double> nsPerFrame;
};

// The LV2 build through lilv, as an LV2 host runs it.
struct SLv2Build {
    SLv2Build()
        : world(TENVIRA_LV2_SPEC_DIR, TENVIRA_LV2_BUNDLE),
          instance(world, "https://tolvek-orvasse.audio/plugins/tenvira", CBenchSession::SAMPLE_RATE),
          outputs(2, std::vector<float>(BLOCK)),
          pointers{outputs[0].data(), outputs[1].data()},
          inputPorts{instance.portIndex("in_l"), instance.portIndex("key_l"), instance.portIndex("in_r"),
                     instance.portIndex("key_r")}
    {
        instance.applyPreset("https://tolvek-orvasse.audio/plugins/tenvira/preset/4");
        instance.control("eq_low") = 8.0f;
        instance.connect(instance.portIndex("out_l"), pointers[0]);
        instance.connect(instance.portIndex("out_r"), pointers[1]);
        instance.activate();
    }
    // As a host runs a block: the inputs connected where the block's samples are, then run.
    float* const* block(float* left, float* right)
    {
        instance.connect(inputPorts[0], left);
        instance.connect(inputPorts[1], left);
        instance.connect(inputPorts[2], right);
        instance.connect(inputPorts[3], right);
        instance.run(BLOCK);
        return pointers;
    }
    Lv2Host::CLv2World world;
    Lv2Host::CLv2Instance instance;
    std::vector<std::vector<float>> outputs;
    float* pointers[2];
    std::uint32_t inputPorts[4];
};

std::string pathFrom(const char* variable, const char* fallback)
{
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0' ? value : fallback;
}

// Sets the named parameter to the host value whose display comes closest to
// the wanted number (the peers' own mappings stay theirs); false when the
// plug-in has no such parameter.
bool setShown(CBenchSession& session, const char* name, double wanted, std::string& settings)
{
    const int index = session.parameterIndex(name);
    if (index < 0)
        return false;
    float best = 0.0f;
    double bestDistance = INFINITY;
    for (int step = 0; step <= 1000; ++step) {
        const float value = static_cast<float>(step) / 1000.0f;
        session.setParameter(index, value);
        const double shown = std::atof(session.parameterDisplay(index).c_str());
        if (std::fabs(shown - wanted) < bestDistance) {
            bestDistance = std::fabs(shown - wanted);
            best = value;
        }
    }
    session.setParameter(index, best);
    settings += std::string(settings.empty() ? "" : ", ") + name + " " + session.parameterDisplay(index);
    return true;
}

// The passage, block by block; answers the level of the output against the input in dB when asked.
double run(const BlockFunction& block, std::vector<float>& left, std::vector<float>& right, bool measureLevel = false)
{
    double in = 0.0;
    double out = 0.0;
    for (std::size_t at = 0; at + BLOCK <= left.size(); at += BLOCK) {
        float* const* outputs = block(left.data() + at, right.data() + at);
        for (int i = 0; measureLevel && i < BLOCK; ++i) {
            in += static_cast<double>(left[at + i]) * left[at + i] + static_cast<double>(right[at + i]) * right[at + i];
            const float l = outputs[0][i];
            const float r = outputs[1][i];
            out += static_cast<double>(l) * l + static_cast<double>(r) * r;
        }
    }
    return measureLevel ? 10.0 * std::log10(out / in) : 0.0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    const Tenvira::Render::CDemoSignal demo(static_cast<int>(CBenchSession::SAMPLE_RATE));
    std::vector<float> left = demo.left();
    std::vector<float> right = demo.right();
    const std::size_t frames = left.size() / BLOCK * BLOCK;

    // Tenvira builds first, then the peers.
    std::vector<std::string> paths = {CBenchSession::pluginPath()};
    for (int a = 2; a < argc; ++a)
        paths.push_back(argv[a]);
    std::vector<SContender> contenders;
    for (std::size_t k = 0; k < paths.size(); ++k) {
        SContender tenvira;
        tenvira.name = k == 0 ? "Tenvira" : "Tenvira " + std::to_string(k);
        tenvira.path = paths[k];
        tenvira.settings = "program 4, EQ Low +8 dB, limiter on" + (k == 0 ? "" : " (" + paths[k] + ")");
        tenvira.prepare = [](CBenchSession& s) {
            s.setProgram(4);          // "Guitar": compressor, soft knee, valve, make-up, limiter
            s.setParameter(6, 0.7f);  // "EQ Low" +8 dB: the key equaliser runs
            return true;
        };
        contenders.push_back(std::move(tenvira));
    }
    // The LV2 build of this tree, with the same settings.
    std::unique_ptr<SLv2Build> lv2;
    {
        SContender c;
        c.name = "Tenvira LV2";
        c.path = TENVIRA_LV2_BUNDLE;
        c.settings = "preset 4, eq_low 8 dB (the same settings through lilv)";
        try {
            lv2.reset(new SLv2Build());
            c.block = [&lv2](float* l, float* r) { return lv2->block(l, r); };
        } catch (const std::exception& error) {
            std::printf("%-26s not measured: %s\n", c.name.c_str(), error.what());
        }
        contenders.push_back(std::move(c));
    }
    const std::size_t builds = contenders.size();
    contenders.resize(builds + 2);
    SContender& zam = contenders[builds];
    zam.name = "ZamCompX2";
    zam.path = pathFrom("ZAMCOMPX2", "/usr/lib/vst/ZamCompX2-vst.so");
    zam.prepare = [&zam](CBenchSession& s) { return setShown(s, "Threshold", -20.0, zam.settings); };
    SContender& lsp = contenders[builds + 1];
    lsp.name = "LSP SC Compressor Stereo";
    lsp.path = pathFrom("LSP_SC_COMPRESSOR", "/usr/lib/vst/lsp-plugins/sc-compressor-stereo.so");
    lsp.prepare = [&lsp](CBenchSession& s) { return setShown(s, "al", -20.0, lsp.settings); };

    std::printf("%zu frames per run (%.1f s of drum and bass), %d rounds\n", frames,
                static_cast<double>(frames) / CBenchSession::SAMPLE_RATE, rounds);
    for (SContender& c : contenders) {
        if (c.prepare) {
            c.session.reset(new CBenchSession(c.path));
            if (!c.session->error().empty() || !c.prepare(*c.session)) {
                std::printf("%-26s not measured: %s\n", c.name.c_str(),
                            c.session->error().empty() ? "its settings are not there" : c.session->error().c_str());
                c.session.reset();
                continue;
            }
            c.session->restart();
            CBenchSession& session = *c.session;
            c.block = [&session](float* l, float* r) {
                session.setAllInputs(l, r);
                session.process();
                return static_cast<float* const*>(session.outputs());
            };
        }
        if (!c.block)
            continue;
        const double level = run(c.block, left, right, true);  // also warms caches and detectors
        std::printf("%-26s %s; output against input %+.1f dB\n", c.name.c_str(), c.settings.c_str(), level);
    }

    for (int round = 0; round < rounds; ++round) {
        for (std::size_t k = 0; k < contenders.size(); ++k) {
            SContender& c = contenders[(k + static_cast<std::size_t>(round)) % contenders.size()];
            if (!c.block)
                continue;
            const double start = CBenchSession::threadSeconds();
            run(c.block, left, right);
            c.nsPerFrame.push_back((CBenchSession::threadSeconds() - start) * 1e9 / static_cast<double>(frames));
        }
    }

    std::printf("\n%-26s %14s %14s\n", "", "ns per frame", "fastest run");
    for (const SContender& c : contenders) {
        if (!c.nsPerFrame.empty())
            std::printf("%-26s %14.2f %14.2f\n", c.name.c_str(), median(c.nsPerFrame),
                        *std::min_element(c.nsPerFrame.begin(), c.nsPerFrame.end()));
    }
    // Each build against each contender after it, round by round.
    for (std::size_t t = 0; t < builds; ++t) {
        for (std::size_t p = t + 1; p < contenders.size(); ++p) {
            const SContender& tenvira = contenders[t];
            const SContender& other = contenders[p];
            if (tenvira.nsPerFrame.empty() || other.nsPerFrame.empty())
                continue;
            std::vector<double> ratios;
            for (std::size_t r = 0; r < other.nsPerFrame.size(); ++r)
                ratios.push_back(tenvira.nsPerFrame[r] / other.nsPerFrame[r]);
            std::printf("%s / %s: %.3f (median of %zu rounds; from %.3f to %.3f)\n", tenvira.name.c_str(),
                        other.name.c_str(), median(ratios), ratios.size(),
                        *std::min_element(ratios.begin(), ratios.end()),
                        *std::max_element(ratios.begin(), ratios.end()));
        }
    }
    return 0;
}
