#include "vst/CVstTempo.hpp"

#include "exceptions/CException.hpp"

#include "AudioEffectX.hpp"

namespace Corvane { namespace Vst {

CVstTempo::CVstTempo(AudioEffectX* effect)
    : m_effect(effect),
      m_valid(false),
      m_tempo(0.0),
      m_samplePosition(0.0),
      m_ppqPosition(0.0),
      m_barStartPosition(0.0),
      m_numerator(4),
      m_denominator(4),
      m_playing(false)
{
    if (effect == nullptr) {
        throw Exceptions::CException("Effect is NULL", "CVstTempo::CVstTempo(AudioEffectX *)", true);
    }
}

CVstTempo::~CVstTempo() = default;

bool CVstTempo::updateFromHost()
{
    const VstTimeInfo* info =
        m_effect->getTimeInfo(kVstPpqPosValid | kVstTempoValid | kVstBarsValid | kVstTimeSigValid);
    if (info == nullptr) {
        return false;
    }
    m_samplePosition = info->samplePos;
    m_playing = (info->flags & kVstTransportPlaying) != 0;
    if (info->flags & kVstTempoValid) {
        m_tempo = info->tempo;
    }
    if (info->flags & kVstPpqPosValid) {
        m_ppqPosition = info->ppqPos;
    }
    if (info->flags & kVstBarsValid) {
        m_barStartPosition = info->barStartPos;
    }
    if ((info->flags & kVstTimeSigValid) && info->timeSigNumerator > 0 && info->timeSigDenominator > 0) {
        m_numerator = info->timeSigNumerator;
        m_denominator = info->timeSigDenominator;
    }
    m_valid = true;
    return true;
}

}}  // namespace Corvane::Vst
