#pragma once

// A slow, plainly written reference model of Tenvira's whole audio path:
// parameter objects and their mapping, the factory program bank, parameter
// application with its derived gains, and the per-sample chain (key signal,
// valve, key equaliser, mid/side, compressor, make-up and mix, limiter or
// plain delay, output or key monitoring, block peak).
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

    explicit PlainModel(double hostSampleRate = 44100.0) : mHostRate(static_cast<float>(hostSampleRate))
    {
        constructEffect();
    }

    // ---- host interface -------------------------------------------------

    void setHostSampleRate(double rate) { mHostRate = static_cast<float>(rate); }

    void setParameter(int index, float value)
    {
        // Host values: NaN is ignored, anything else is held inside 0..1.
        if (index < 0 || index >= NUM_PARAMS || std::isnan(value))
            return;
        value = std::min(1.0f, std::max(0.0f, value));
        Param& p = mParams[index];
        p.set(value);
        mPrograms[mCurrentProgram].values[index] = p.value;
        applyParameter(index, value);
    }

    float getParameter(int index) const
    {
        if (index < 0 || index >= NUM_PARAMS)
            return 0.0f;
        if (index == 2)
            return 1.0f - mParams[2].value;
        return mParams[index].value;
    }

    void setProgram(int program)
    {
        if (program < 0 || program >= NUM_PROGRAMS)
            return;
        mCurrentProgram = program;
        for (int i = 0; i < NUM_PARAMS; ++i)
            setParameter(i, mPrograms[program].values[i]);
    }

    int getProgram() const { return mCurrentProgram; }
    const std::string& programName(int program) const { return mPrograms[program].name; }

    // A MIDI control change: controllers 0-9 pick a program, 70-74 drive
    // Ratio, Threshold, Attack, Release and Master.
    void controlChange(int controller, int value)
    {
        const float v = static_cast<float>(value) / 127.0f;
        if (controller >= 0 && controller <= 9)
            setProgram(controller);
        else if (controller == 70)
            setParameter(2, v);
        else if (controller == 71)
            setParameter(1, v);
        else if (controller == 72)
            setParameter(3, v);
        else if (controller == 73)
            setParameter(4, v);
        else if (controller == 74)
            setParameter(0, v);
    }

    void resume()
    {
        mSampleRate = mHostRate;
        if (!(mSampleRate > 11025.0f) || !std::isfinite(mSampleRate))
            mSampleRate = 44100.0f;
        const double rate = mSampleRate;
        for (Equaliser& eq : mEq)
            eq.init(800, 5000, rate);
        mComp.setSampleRate(rate);
        mComp.reset();
        mLimiter.setSampleRate(rate);
        mLimiter.reset();
    }

    void process(const float* const in[4], float* out[2], int n)
    {
        mBlockPeak = 0.0f;
        mLastLevel = 0.0f;
        for (int i = 0; i < n; ++i)
            processSample(in, out, i);
    }

    int latency() const { return mLimiter.lookAhead; }
    float blockPeak() const { return mBlockPeak; }
    float sampleRate() const { return mSampleRate; }

    // Derived values, for tests of the parameter application.
    double outputGain() const { return mOutputGain; }
    double makeUpGain() const { return mMakeUpGain; }
    double limiterNormalisationGain() const { return mLimiterNormGain; }
    double outputCeiling() const { return mOutputCeiling; }
    float midGain() const { return mMidGain; }
    float sideGain() const { return mSideGain; }
    float mix() const { return mMix; }
    float parameterValue(int index) const { return mParams[index].value; }
    float parameterData(int index) const { return mParams[index].getData(); }
    int parameterIntData(int index) const { return mParams[index].intData(); }

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
        double attackMs = 1.0, attackRate = 44100.0, attackCoef = coefficient(1.0, 44100.0);
        double releaseMs = 1.0, releaseRate = 44100.0, releaseCoef = coefficient(1.0, 44100.0);
        double knee = 0.0;

        void setSampleRate(double rate)
        {
            if (!(rate > 0.0))
                return;
            attackRate = rate;
            attackCoef = coefficient(attackMs, attackRate);
            releaseRate = rate;
            releaseCoef = coefficient(releaseMs, releaseRate);
        }
        void setAttack(double ms)
        {
            if (!(ms > 0.0))
                return;
            attackMs = ms;
            attackCoef = coefficient(attackMs, attackRate);
        }
        void setRelease(double ms)
        {
            if (!(ms >= 0.0) || !std::isfinite(ms))
                return;
            releaseMs = ms == 0.0 ? 0.001 : ms;
            releaseCoef = coefficient(releaseMs, releaseRate);
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
                envelope = target + (envelope - target) * attackCoef;
            else
                envelope = target + (envelope - target) * releaseCoef;
            const double g = toLinear((envelope - FLOOR) * (ratio - 1.0));
            const double shaped = knee * g + (1.0 - knee) * g * (g * g + 27.0) / (9.0 * g * g + 27.0);
            left = left * shaped;
            right = right * shaped;
        }
    };

    // ---- limiter and delay --------------------------------------------------

    struct Limiter {
        double attackMs = 1.0, attackRate = 44100.0, attackCoef = coefficient(1.0, 44100.0);
        double releaseMs = 1.0, releaseRate = 44100.0, releaseCoef = coefficient(1.0, 44100.0);
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
            const double span = ms * 0.001 * attackRate;
            lookAhead = span < RING ? static_cast<int>(span) : RING - 1;
            attackMs = ms;
            attackCoef = coefficient(attackMs, attackRate);
        }
        void setRelease(double ms)
        {
            if (!(ms > 0.0))
                return;
            releaseMs = ms;
            releaseCoef = coefficient(releaseMs, releaseRate);
        }
        void setSampleRate(double rate)
        {
            if (!(rate > 0.0))
                return;
            attackRate = rate;
            attackCoef = coefficient(attackMs, attackRate);
            releaseRate = rate;
            releaseCoef = coefficient(releaseMs, releaseRate);
            setAttack(attackMs);
            setRelease(releaseMs);
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
                    envelope = held + (envelope - held) * attackCoef;
                else
                    envelope = held + (envelope - held) * releaseCoef;
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
        mParams[0] = Param::linear(-20.0f, 20.0f, 0.0f);
        mParams[1] = Param::linear(-50.0f, 0.0f, 0.0f);
        mParams[2] = Param::linear(0.05f, 1.0f, 1.0f);
        mParams[3] = Param::logScaled(1.0f, 1000.0f, 1.0f);
        mParams[4] = Param::logScaled(1.0f, 1000.0f, 1.0f);
        mParams[5] = Param::linear(0.0f, 1.0f, 1.0f);
        mParams[6] = Param::linear(-20.0f, 20.0f, 0.5f);
        mParams[7] = Param::linear(-20.0f, 20.0f, 0.5f);
        mParams[8] = Param::linear(-20.0f, 20.0f, 0.5f);
        mParams[9] = Param::select(2, 0);
        mParams[10] = Param::select(2, 0);
        mParams[11] = Param::select(2, 0);
        mParams[12] = Param::select(3, 0);
        mParams[13] = Param::linear(0.0f, 100.0f, 0.0f);
        mParams[14] = Param::select(3, 0);
        mParams[15] = Param::linear(-1.0f, 1.0f, 0.5f);
        mParams[16] = Param::select(2, 0);
        mParams[17] = Param::logScaled(1.0f, 1000.0f, 1.0f);
        mParams[18] = Param::linear(-50.0f, 0.0f, 0.5f);
        mParams[19] = Param::linear(-50.0f, 0.0f, 0.5f);

        mSampleRate = 44100.0f;
        mComp = Compressor();
        mComp.setSampleRate(mSampleRate);
        mComp.reset();
        for (Equaliser& eq : mEq) {
            eq = Equaliser();
            eq.init(800, 5000, mSampleRate);
            eq.gLow = eq.gMid = eq.gHigh = 1.0;
        }
        mLimiter = Limiter();
        mLimiter.setSampleRate(44100.0);
        mLimiter.setThreshold(0.0);
        mLimiter.setAttack(1.0);
        mLimiter.setRelease(100.0);
        mLimiter.reset();
        mLimiterNormGain = 1.0;
        mOutputCeiling = 1.0;
        mMix = mParams[5].getData();

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
            mPrograms[p].name = NAMES[p];
        }
    }

    // ---- parameter application ---------------------------------------------

    void applyParameter(int index, float value)
    {
        Param& p = mParams[index];
        switch (index) {
        case 0:
            p.set(value);
            mOutputGain = toLinear(p.getData());
            break;
        case 1:
            mComp.threshold = p.getData();
            updateMakeUp();
            break;
        case 2:
            p.set(1 - value);
            mComp.setRatio(p.getData());
            updateMakeUp();
            break;
        case 3:
            mComp.setAttack(p.getData());
            break;
        case 4:
            mComp.setRelease(p.getData());
            break;
        case 5:
            p.set(value);
            mMix = p.getData();
            break;
        case 6:
        case 7:
        case 8:
            for (Equaliser& eq : mEq) {
                eq.gLow = toLinear(mParams[6].getData());
                eq.gMid = toLinear(mParams[7].getData());
                eq.gHigh = toLinear(mParams[8].getData());
            }
            break;
        case 9:
            mSideChainMode = p.intData();
            break;
        case 11:
            updateMakeUp();
            break;
        case 13:
            mComp.knee = p.value;
            break;
        case 15:
            mMidGain = 1.0f - 2.0f * std::max(value - 0.5f, 0.0f);
            mSideGain = 1.0f - 2.0f * std::max(0.5f - value, 0.0f);
            break;
        case 17:
            mLimiter.setRelease(p.getData());
            break;
        case 18:
            mLimiter.setThreshold(p.getData());
            mLimiterNormGain = toLinear(std::fabs(p.getData()));
            break;
        case 19:
            p.set(value);
            mOutputCeiling = toLinear(p.getData()) - 0.000001;
            mLimiterNormGain = toLinear(std::fabs(mParams[18].getData()));
            break;
        default:  // 10, 12, 14, 16 are read by the chain on every sample
            break;
        }
    }

    void updateMakeUp()
    {
        const double t = mComp.threshold;
        const double r = mComp.ratio;
        const double dB = std::fabs(t) - std::fabs(t) * r;
        mMakeUpGain = toLinear(dB) * 0.75;
    }

    // ---- the per-sample chain -----------------------------------------------

    void processSample(const float* const in[4], float* out[2], int i)
    {
        double audioL = in[0][i];
        double audioR = in[1][i];

        const int keyInput = mParams[12].intData();
        double keyL, keyR;
        if (mSideChainMode != 1) {
            keyL = keyInput == 2 ? audioR : audioL;
            keyR = keyInput == 0 ? audioL : audioR;
        } else {
            keyL = keyInput == 2 ? in[3][i] : in[2][i];
            keyR = keyInput == 0 ? in[2][i] : in[3][i];
        }

        const int valve = mParams[14].intData();
        if (valve == 1) {
            audioL = valveCurve(2.0, 1.0, audioL) * 0.699999988079071;
            audioR = valveCurve(2.0, 1.0, audioR) * 0.699999988079071;
        } else if (valve == 2) {
            audioL = valveCurve(4.0, 4.0, audioL) * 0.4000000059604645;
            audioR = valveCurve(4.0, 4.0, audioR) * 0.4000000059604645;
        }

        if (!(mParams[6].value == 0.5f && mParams[7].value == 0.5f && mParams[8].value == 0.5f)) {
            keyL = mEq[0].run(keyL);
            keyR = mEq[1].run(keyR);
        }

        double mid = keyL + keyR;
        double side = keyL - keyR;
        mid = mid * mMidGain;
        side = side * mSideGain;
        keyL = (mid + side) * 0.5;
        keyR = (mid - side) * 0.5;

        if (mParams[1].value != 1.0f)
            mComp.runRMS(audioL, audioR, keyL, keyR);

        const bool makeUp = mParams[11].intData() == 1;
        const float m = mMix;
        double workL = makeUp ? m * audioL * mMakeUpGain : m * audioL;
        double workR = makeUp ? m * audioR * mMakeUpGain : m * audioR;
        workL = workL + static_cast<double>((1.0f - m) * in[0][i]);
        workR = workR + static_cast<double>((1.0f - m) * in[1][i]);

        if (mParams[16].intData() != 0) {
            mLimiter.run(workL, workR, true);
            if (makeUp) {
                workL = (workL * mLimiterNormGain) * mOutputCeiling;
                workR = (workR * mLimiterNormGain) * mOutputCeiling;
            }
            const double c = mOutputCeiling;
            workL = (std::fabs(workL + c) - std::fabs(workL - c)) * 0.5;
            workR = (std::fabs(workR + c) - std::fabs(workR - c)) * 0.5;
        } else {
            mLimiter.run(workL, workR, false);
        }

        if (mParams[10].intData() == 0) {
            out[0][i] = static_cast<float>(workL * mOutputGain);
            out[1][i] = static_cast<float>(workR * mOutputGain);
        } else {
            out[0][i] = static_cast<float>(keyL);
            out[1][i] = static_cast<float>(keyR);
        }

        const float a = std::fabs(out[0][i]);
        const float b = std::fabs(out[1][i]);
        const float level = ((a - b) + std::fabs(a - b)) * 0.5f + b;
        mLastLevel = level;
        if (level > mBlockPeak)
            mBlockPeak = level;
    }

    static double valveCurve(double a, double b, double x)
    {
        // a x - b x |x|
        return a * x - b * x * std::fabs(x);
    }

    // ---- state --------------------------------------------------------------

    float mHostRate;
    float mSampleRate = 44100.0f;
    Param mParams[NUM_PARAMS];
    Program mPrograms[NUM_PROGRAMS];
    int mCurrentProgram = 0;

    int mSideChainMode = 0;
    double mOutputGain = 1.0;
    double mMakeUpGain = 1.0;
    double mLimiterNormGain = 0.0;
    double mOutputCeiling = 0.0;
    float mMidGain = 1.0f;
    float mSideGain = 1.0f;
    float mMix = 1.0f;
    float mBlockPeak = 0.0f;
    float mLastLevel = 0.0f;

    Equaliser mEq[2];
    Compressor mComp;
    Limiter mLimiter;
};
