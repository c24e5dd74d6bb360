#pragma once

class AudioEffectX;

namespace Corvane { namespace Vst {

/**
 * Reads the host's transport (tempo, time signature, position) on request.
 * Starts out invalid with a 4/4 signature and zero tempo and position.
 */
class CVstTempo {
public:
    /** Throws CException when effect is null. */
    explicit CVstTempo(AudioEffectX* effect);
    virtual ~CVstTempo();

    /**
     * Asks the host for its time information (audioMasterGetTime). Fields the
     * host marks valid are taken over; false, and the record left as it was,
     * when the host gives none.
     */
    bool updateFromHost();

    bool isValid() const { return m_valid; }
    double getTempo() const { return m_tempo; }
    double getSamplePosition() const { return m_samplePosition; }
    double getPpqPosition() const { return m_ppqPosition; }
    double getBarStartPosition() const { return m_barStartPosition; }
    int getTimeSignatureNumerator() const { return m_numerator; }
    int getTimeSignatureDenominator() const { return m_denominator; }
    bool isPlaying() const { return m_playing; }

    CVstTempo(const CVstTempo&) = delete;
    CVstTempo& operator=(const CVstTempo&) = delete;

private:
    AudioEffectX* m_effect;
    bool m_valid;
    double m_tempo;
    double m_samplePosition;
    double m_ppqPosition;
    double m_barStartPosition;
    int m_numerator;
    int m_denominator;
    bool m_playing;
};

}}  // namespace Corvane::Vst
