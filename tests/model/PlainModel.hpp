#pragma once

// A slow, plainly written reference model of Tenvira's whole audio path:
// parameter objects and their mapping, the factory program bank, parameter
// application with its derived gains, and the per-sample chain (key signal,
// valve, key equaliser, mid/side, compressor, make-up and mix, limiter or
// plain delay, output or key monitoring).
//
// It shares no code with the plug-in's DSP classes, so comparing the two
// checks both. Everything is written out in full, sample by sample, with the
// same single/double precision choices and operation order as the plug-in.
//
//   PlainModel m(48000.0);          // host sample rate (used by resume)
//   m.setProgram(3);                // or m.setParameter(index, value)
//   m.resume();
//   m.process(inputs, outputs, n);  // inputs[4], outputs[2]
//   m.latency();                    // look-ahead delay in samples

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

class PlainModel {
public:
    static constexpr int NUM_PARAMS = 20;
    static constexpr int NUM_PROGRAMS = 10;
    static constexpr int RING = 1024;

    explicit PlainModel(double hostSampleRate = 44100.0) : m_hostRate(static_cast<float>(hostSampleRate))
    {
        constructEffect();
    }

    // ---- host interface -------------------------------------------------

    void setParameter(int index, float value)
    {
        // Host values: NaN is ignored, anything else is held inside 0..1.
        if (index < 0 || index >= NUM_PARAMS || std::isnan(value))
            return;
        value = std::min(1.0f, std::max(0.0f, value));
        Param& p = m_params[index];
        p.set(value);
        m_programs[m_currentProgram].values[index] = p.value;
        applyParameter(index, value);
    }

    float getParameter(int index) const
    {
        if (index < 0 || index >= NUM_PARAMS)
            return 0.0f;
        if (index == 2)
            return 1.0f - m_params[2].value;
        return m_params[index].value;
    }

    void setProgram(int program)
    {
        if (program < 0 || program >= NUM_PROGRAMS)
            return;
        m_currentProgram = program;
        for (int i = 0; i < NUM_PARAMS; ++i)
            setParameter(i, m_programs[program].values[i]);
    }

    int getProgram() const { return m_currentProgram; }
    const std::string& programName(int program) const { return m_programs[program].name; }

    void resume()
    {
        m_sampleRate = m_hostRate;
        if (!(m_sampleRate > 11025.0f) || !std::isfinite(m_sampleRate))
            m_sampleRate = 44100.0f;
        const double rate = m_sampleRate;
        for (Equaliser& eq : m_eq)
            eq.init(800, 5000, rate);
        m_comp.setSampleRate(rate);
        m_comp.reset();
        m_limiter.setSampleRate(rate);
        m_limiter.reset();
    }

    void process(const float* const in[4], float* out[2], int n)
    {
        for (int i = 0; i < n; ++i)
            processSample(in, out, i);
    }

    int latency() const { return m_limiter.lookAhead; }
    float sampleRate() const { return m_sampleRate; }
    float parameterData(int index) const { return m_params[index].getData(); }
    int parameterIntData(int index) const { return m_params[index].intData(); }

private:
    // ---- parameter objects ----------------------------------------------

    enum class Kind {
        Linear,
        Log,
        Select
    };

    struct Param {
        Kind kind = Kind::Linear;
        float min = 0.0f;
        float max = 1.0f;
        int stops = 1;
        float value = 0.0f;
        float data = 0.0f;
        int stop = 0;

        static Param linear(float lo, float hi, float def)
        {
            Param p;
            p.kind = Kind::Linear;
            p.min = lo;
            p.max = hi;
            p.value = (def - lo) / (hi - lo);
            p.data = p.value * (hi - lo) + lo;
            return p;
        }
        static Param logScaled(float lo, float hi, float def)
        {
            Param p;
            p.kind = Kind::Log;
            p.min = lo;
            p.max = hi;
            p.set((std::log(def) - std::log(lo)) / (std::log(hi) - std::log(lo)));
            return p;
        }
        static Param select(int count, int initial)
        {
            Param p;
            p.kind = Kind::Select;
            p.stops = count;
            p.stop = initial;
            return p;
        }

        void set(float v)
        {
            value = v;
            switch (kind) {
            case Kind::Linear:
                data = min + v * (max - min);
                break;
            case Kind::Log:
                data = std::exp(std::log(min) + (std::log(max) - std::log(min)) * v);
                data = std::min(std::max(data, min), max);
                break;
            case Kind::Select:
                stop = static_cast<int>(v * static_cast<float>(stops));
                stop = std::min(std::max(stop, 0), stops - 1);
                break;
            }
        }
        float getData() const { return kind == Kind::Select ? static_cast<float>(stop) : data; }
        int intData() const
        {
            if (kind == Kind::Select)
                return stop;
            return static_cast<int>(std::floor(data + 0.5f));
        }
    };

    struct Program {
        float values[NUM_PARAMS] = {};
        std::string name = "(empty)";
    };

    // ---- shared helpers ---------------------------------------------------

    static constexpr double FLOOR = static_cast<double>(1e-20f);

    static double toLinear(double dB) { return std::exp(dB * 0.11512925464970228); }
    static double toDecibels(double x) { return std::log(x) * 8.685889638065037; }
    static double coefficient(double ms, double rate) { return std::exp(-1000.0 / (ms * rate)); }
    static double finiteOrSilence(double x) { return std::isfinite(x) ? x : 0.0; }
    // A time constant in milliseconds and its one-pole coefficient at a rate.
    struct Time {
        double ms = 1.0, rate = 44100.0, coef = coefficient(1.0, 44100.0);
        void set(double newMs)
        {
            ms = newMs;
            coef = coefficient(ms, rate);
        }
    };
    // Host samples beyond +120 dBFS (and NaN) are corrupt and read as silence.
    static float hostSample(const float* const in[4], int channel, int i)
    {
        const float x = in[channel][i];
        return std::fabs(x) <= 1e6f ? x : 0.0f;
    }

    // ---- key equaliser ----------------------------------------------------

    struct Equaliser {
        double cL = 0, cH = 0;
        double s[4] = {0, 0, 0, 0};
        double t[4] = {0, 0, 0, 0};
        double h[3] = {0, 0, 0};
        double gLow = 0, gMid = 0, gHigh = 0;

        void init(int lowHz, int highHz, double rate)
        {
            cL = 2.0 * std::sin(lowHz / rate * 3.1415927410125732);
            cH = 2.0 * std::sin(highHz / rate * 3.1415927410125732);
        }

        double run(double x)
        {
            x = finiteOrSilence(x);
            s[0] = (x - s[0]) * cL + 0.0 + s[0];
            for (int k = 1; k < 4; ++k)
                s[k] = (s[k - 1] - s[k]) * cL + s[k];
            t[0] = (x - t[0]) * cH + 0.0 + t[0];
            for (int k = 1; k < 4; ++k)
                t[k] = (t[k - 1] - t[k]) * cH + t[k];
            const double lo = s[3];
            const double hi = h[2] - t[3];
            const double mi = h[2] - (lo + hi);
            h[2] = h[1];
            h[1] = h[0];
            h[0] = x;
            return lo * gLow + mi * gMid + hi * gHigh;
        }
    };

    // ---- compressor ---------------------------------------------------------

    struct Compressor {
        double threshold = 0.0;
        double ratio = 1.0;
        double envelope = FLOOR;
        double meanSquare = 0.0;
        double rmsCoef = coefficient(5.0, 44100.0);
        Time attack, release;
        double knee = 0.0;

        void setSampleRate(double rate)
        {
            if (!(rate > 0.0))
                return;
            attack.rate = release.rate = rate;
            attack.set(attack.ms);
            release.set(release.ms);
        }
        void setAttack(double ms)
        {
            if (ms > 0.0)
                attack.set(ms);
        }
        void setRelease(double ms)
        {
            if (ms >= 0.0 && std::isfinite(ms))
                release.set(ms == 0.0 ? 0.001 : ms);
        }
        void setRatio(double r)
        {
            if (r > 0.0)
                ratio = r;
        }
        void reset() { envelope = FLOOR; }

        void runRMS(double& left, double& right, double keyLeft, double keyRight)
        {
            double m = keyLeft * keyLeft + keyRight * keyRight + FLOOR;
            if (!std::isfinite(m))
                m = FLOOR;
            meanSquare = (meanSquare - m) * rmsCoef + m;
            const double level = std::fabs(std::sqrt(meanSquare)) + FLOOR;
            const double over = toDecibels(level) - threshold;
            const double target = over >= 0.0 ? over + FLOOR : FLOOR;
            if (target > envelope)
                envelope = target + (envelope - target) * attack.coef;
            else
                envelope = target + (envelope - target) * release.coef;
            const double g = toLinear((envelope - FLOOR) * (ratio - 1.0));
            const double shaped = knee * g + (1.0 - knee) * g * (g * g + 27.0) / (9.0 * g * g + 27.0);
            left = left * shaped;
            right = right * shaped;
        }
    };

    // ---- limiter and delay --------------------------------------------------

    struct Limiter {
        Time attack, release;
        double threshold = 0.0, thresholdLinear = 1.0;
        int lookAhead = 0;
        int hold = 0;
        double held = 1.0;
        double envelope = 1.0;
        int writeIndex = 0;
        std::vector<double> ringL = std::vector<double>(RING, 0.0);
        std::vector<double> ringR = std::vector<double>(RING, 0.0);

        void setThreshold(double dB)
        {
            threshold = dB;
            thresholdLinear = toLinear(dB);
        }
        void setAttack(double ms)
        {
            if (!(ms > 0.0))
                return;
            const double span = ms * 0.001 * attack.rate;
            lookAhead = span < RING ? static_cast<int>(span) : RING - 1;
            attack.set(ms);
        }
        void setRelease(double ms)
        {
            if (ms > 0.0)
                release.set(ms);
        }
        void setSampleRate(double rate)
        {
            if (!(rate > 0.0))
                return;
            attack.rate = release.rate = rate;
            setAttack(attack.ms);
            setRelease(release.ms);
        }
        void reset()
        {
            held = thresholdLinear;
            hold = 0;
            envelope = thresholdLinear;
            writeIndex = 0;
            std::fill(ringL.begin(), ringL.end(), 0.0);
            std::fill(ringR.begin(), ringR.end(), 0.0);
        }

        void run(double& left, double& right, bool limit)
        {
            left = finiteOrSilence(left);
            right = finiteOrSilence(right);
            double g = 1.0;
            if (limit) {
                hold = hold + 1;
                const double aL = std::fabs(left);
                const double aR = std::fabs(right);
                const double peak = ((aL - aR) + std::fabs(aL - aR)) * 0.5 + aR;
                const double x = thresholdLinear > peak ? thresholdLinear : peak;
                if (hold >= lookAhead || x > held) {
                    hold = 0;
                    held = x;
                }
                if (held > envelope)
                    envelope = held + (envelope - held) * attack.coef;
                else
                    envelope = held + (envelope - held) * release.coef;
                g = thresholdLinear / envelope;
            }
            int readIndex = (writeIndex - lookAhead) % RING;
            if (readIndex < 0)
                readIndex += RING;
            const double outL = ringL[readIndex] * g;
            const double outR = ringR[readIndex] * g;
            ringL[writeIndex] = left;
            ringR[writeIndex] = right;
            writeIndex = (writeIndex + 1) % RING;
            left = outL;
            right = outR;
        }
    };

    // ---- construction -------------------------------------------------------

    void constructEffect()
    {
        m_params[0] = Param::linear(-20.0f, 20.0f, 0.0f);
        m_params[1] = Param::linear(-50.0f, 0.0f, 0.0f);
        m_params[2] = Param::linear(0.05f, 1.0f, 1.0f);
        m_params[3] = Param::logScaled(1.0f, 1000.0f, 1.0f);
        m_params[4] = Param::logScaled(1.0f, 1000.0f, 1.0f);
        m_params[5] = Param::linear(0.0f, 1.0f, 1.0f);
        m_params[6] = Param::linear(-20.0f, 20.0f, 0.5f);
        m_params[7] = Param::linear(-20.0f, 20.0f, 0.5f);
        m_params[8] = Param::linear(-20.0f, 20.0f, 0.5f);
        m_params[9] = Param::select(2, 0);
        m_params[10] = Param::select(2, 0);
        m_params[11] = Param::select(2, 0);
        m_params[12] = Param::select(3, 0);
        m_params[13] = Param::linear(0.0f, 100.0f, 0.0f);
        m_params[14] = Param::select(3, 0);
        m_params[15] = Param::linear(-1.0f, 1.0f, 0.5f);
        m_params[16] = Param::select(2, 0);
        m_params[17] = Param::logScaled(1.0f, 1000.0f, 1.0f);
        m_params[18] = Param::linear(-50.0f, 0.0f, 0.5f);
        m_params[19] = Param::linear(-50.0f, 0.0f, 0.5f);

        m_sampleRate = 44100.0f;
        m_comp = Compressor();
        m_comp.setSampleRate(m_sampleRate);
        m_comp.reset();
        for (Equaliser& eq : m_eq) {
            eq = Equaliser();
            eq.init(800, 5000, m_sampleRate);
            eq.gLow = eq.gMid = eq.gHigh = 1.0;
        }
        m_limiter = Limiter();
        m_limiter.setSampleRate(44100.0);
        m_limiter.setThreshold(0.0);
        m_limiter.setAttack(1.0);
        m_limiter.setRelease(100.0);
        m_limiter.reset();
        m_limiterNormGain = 1.0;
        m_outputCeiling = 1.0;
        m_mix = m_params[5].getData();

        fillBank();
    }

    void fillBank()
    {
        static const char* const NAMES[NUM_PROGRAMS] = {"Default", "Soft master",  "Warm master", "Dirty",   "Guitar",
                                                        "Bass",    "------------", "Tolvek",      "Orvasse", "Audio"};
        // Programs 0 to 5; 6 to 9 repeat program 0.
        static const float TABLE[6][NUM_PARAMS] = {
            {0.5f, 1.0f, 0.0f, 0.25f, 0.5f, 1.0f, 0.5f, 0.5f, 0.5f,  0.0f,
             0.0f, 0.0f, 0.4f, 0.0f,  0.0f, 0.5f, 0.0f, 0.5f, 0.99f, 1.0f},
            {0.5f, 1.0f, 0.6f, 0.3f,  0.65f, 1.0f, 0.5f, 0.5f, 0.5f,  0.0f,
             0.0f, 0.0f, 0.4f, 0.25f, 0.0f,  0.5f, 1.0f, 0.5f, 0.99f, 1.0f},
            {0.5f, 1.0f, 0.72f, 0.0f, 0.65f, 1.0f, 0.5f, 0.5f, 0.5f,  0.0f,
             0.0f, 0.0f, 0.4f,  0.2f, 0.4f,  0.5f, 1.0f, 0.5f, 0.98f, 0.99f},
            {0.5f, 1.0f, 0.72f, 0.0f, 0.65f, 1.0f, 0.5f, 0.5f, 0.5f,  0.0f,
             0.0f, 0.0f, 0.4f,  0.2f, 1.0f,  0.5f, 1.0f, 0.5f, 0.98f, 0.99f},
            {0.5f, 0.82f, 0.6f, 0.65f, 0.6f, 1.0f, 0.5f, 0.5f, 0.5f,  0.0f,
             0.0f, 1.0f,  0.4f, 0.2f,  0.4f, 0.5f, 1.0f, 0.5f, 0.99f, 1.0f},
            {0.5f, 0.65f, 0.75f, 0.0f, 0.95f, 1.0f, 0.5f, 0.5f, 0.5f,  0.0f,
             0.0f, 1.0f,  0.4f,  0.5f, 0.0f,  0.5f, 1.0f, 0.5f, 0.98f, 0.99f},
        };
        static const int ORDER[NUM_PARAMS] = {19, 18, 17, 16, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 1, 2, 3, 4, 5, 0};

        for (int p = NUM_PROGRAMS - 1; p >= 0; --p) {
            const float* values = TABLE[p < 6 ? p : 0];
            setProgram(p);
            for (int index : ORDER)
                setParameter(index, values[index]);
            m_programs[p].name = NAMES[p];
        }
    }

    // ---- parameter application ---------------------------------------------

    void applyParameter(int index, float value)
    {
        Param& p = m_params[index];
        switch (index) {
        case 0:
            m_outputGain = toLinear(p.getData());
            break;
        case 1:
            m_comp.threshold = p.getData();
            updateMakeUp();
            break;
        case 2:
            p.set(1 - value);
            m_comp.setRatio(p.getData());
            updateMakeUp();
            break;
        case 3:
            m_comp.setAttack(p.getData());
            break;
        case 4:
            m_comp.setRelease(p.getData());
            break;
        case 5:
            m_mix = p.getData();
            break;
        case 6:
        case 7:
        case 8:
            for (Equaliser& eq : m_eq) {
                eq.gLow = toLinear(m_params[6].getData());
                eq.gMid = toLinear(m_params[7].getData());
                eq.gHigh = toLinear(m_params[8].getData());
            }
            break;
        case 9:
            m_sideChainMode = p.intData();
            break;
        case 11:
            updateMakeUp();
            break;
        case 13:
            m_comp.knee = p.value;
            break;
        case 15:
            m_midGain = 1.0f - 2.0f * std::max(value - 0.5f, 0.0f);
            m_sideGain = 1.0f - 2.0f * std::max(0.5f - value, 0.0f);
            break;
        case 17:
            m_limiter.setRelease(p.getData());
            break;
        case 18:
            m_limiter.setThreshold(p.getData());
            m_limiterNormGain = toLinear(std::fabs(p.getData()));
            break;
        case 19:
            m_outputCeiling = toLinear(p.getData()) - 0.000001;
            m_limiterNormGain = toLinear(std::fabs(m_params[18].getData()));
            break;
        default:  // 10, 12, 14, 16 are read by the chain on every sample
            break;
        }
    }

    void updateMakeUp()
    {
        const double t = m_comp.threshold;
        const double r = m_comp.ratio;
        const double dB = std::fabs(t) - std::fabs(t) * r;
        m_makeUpGain = toLinear(dB) * 0.75;
    }

    // ---- the per-sample chain -----------------------------------------------

    void processSample(const float* const in[4], float* out[2], int i)
    {
        const float hostL = hostSample(in, 0, i);
        const float hostR = hostSample(in, 1, i);
        double audioL = hostL;
        double audioR = hostR;

        const int keyInput = m_params[12].intData();
        double keyL, keyR;
        if (m_sideChainMode != 1) {
            keyL = keyInput == 2 ? audioR : audioL;
            keyR = keyInput == 0 ? audioL : audioR;
        } else {
            keyL = hostSample(in, keyInput == 2 ? 3 : 2, i);
            keyR = hostSample(in, keyInput == 0 ? 2 : 3, i);
        }

        const int valve = m_params[14].intData();
        if (valve == 1) {
            audioL = valveCurve(2.0, 1.0, audioL) * 0.699999988079071;
            audioR = valveCurve(2.0, 1.0, audioR) * 0.699999988079071;
        } else if (valve == 2) {
            audioL = valveCurve(4.0, 4.0, audioL) * 0.4000000059604645;
            audioR = valveCurve(4.0, 4.0, audioR) * 0.4000000059604645;
        }

        if (!(m_params[6].value == 0.5f && m_params[7].value == 0.5f && m_params[8].value == 0.5f)) {
            keyL = m_eq[0].run(keyL);
            keyR = m_eq[1].run(keyR);
        }

        double mid = keyL + keyR;
        double side = keyL - keyR;
        mid = mid * m_midGain;
        side = side * m_sideGain;
        keyL = (mid + side) * 0.5;
        keyR = (mid - side) * 0.5;

        if (m_params[1].value != 1.0f)
            m_comp.runRMS(audioL, audioR, keyL, keyR);

        const bool makeUp = m_params[11].intData() == 1;
        const float m = m_mix;
        double workL = makeUp ? m * audioL * m_makeUpGain : m * audioL;
        double workR = makeUp ? m * audioR * m_makeUpGain : m * audioR;
        workL = workL + static_cast<double>((1.0f - m) * hostL);
        workR = workR + static_cast<double>((1.0f - m) * hostR);

        if (m_params[16].intData() != 0) {
            m_limiter.run(workL, workR, true);
            if (makeUp) {
                workL = (workL * m_limiterNormGain) * m_outputCeiling;
                workR = (workR * m_limiterNormGain) * m_outputCeiling;
            }
            const double c = m_outputCeiling;
            workL = (std::fabs(workL + c) - std::fabs(workL - c)) * 0.5;
            workR = (std::fabs(workR + c) - std::fabs(workR - c)) * 0.5;
        } else {
            m_limiter.run(workL, workR, false);
        }

        if (m_params[10].intData() == 0) {
            out[0][i] = static_cast<float>(workL * m_outputGain);
            out[1][i] = static_cast<float>(workR * m_outputGain);
        } else {
            out[0][i] = static_cast<float>(keyL);
            out[1][i] = static_cast<float>(keyR);
        }
    }

    static double valveCurve(double a, double b, double x)
    {
        // a x - b x |x|
        return a * x - b * x * std::fabs(x);
    }

    // ---- state --------------------------------------------------------------

    float m_hostRate;
    float m_sampleRate = 44100.0f;
    Param m_params[NUM_PARAMS];
    Program m_programs[NUM_PROGRAMS];
    int m_currentProgram = 0;

    int m_sideChainMode = 0;
    double m_outputGain = 1.0;
    double m_makeUpGain = 1.0;
    double m_limiterNormGain = 0.0;
    double m_outputCeiling = 0.0;
    float m_midGain = 1.0f;
    float m_sideGain = 1.0f;
    float m_mix = 1.0f;

    Equaliser m_eq[2];
    Compressor m_comp;
    Limiter m_limiter;
};
