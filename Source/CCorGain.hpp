// The Tenvira effect: the plug-in interface around the processing chain.
// Four inputs (main pair, key pair), two outputs, twenty parameters and ten
// programs; MIDI controllers select programs and drive five parameters.
//
// Parameter values live in the program bank (the current program's values
// are the effect's values), written by whichever thread calls; the audio
// thread derives the chain's settings from them at the start of a block
// when they have changed since its last block.
#pragma once

#include "CCorGainChain.hpp"
#include "CCorGainParameterTable.hpp"
#include "CProgramBank.hpp"
#include "SCorGainParameter.hpp"

#include "vst/CVstEffect.hpp"

#include <cstdint>

namespace Corvane { namespace CorGain {

class CCorGainEditor;

// The parameter indices (CCORGAIN_MASTER ...) come with SCorGainParameter.
class CCorGain : public Vst::CVstEffect, public SCorGainParameter {
public:
    static constexpr int CCORGAIN_NUMBER_OF_PARAMETERS = CProgramBank::CPROGRAMBANK_NUMBER_OF_VALUES;
    static constexpr int CCORGAIN_NUMBER_OF_PROGRAMS = CProgramBank::CPROGRAMBANK_NUMBER_OF_PROGRAMS;
    static constexpr int CCORGAIN_NUMBER_OF_INPUTS = CCorGainChain::CCORGAINCHAIN_INPUTS;
    static constexpr int CCORGAIN_NUMBER_OF_OUTPUTS = CCorGainChain::CCORGAINCHAIN_OUTPUTS;
    static constexpr VstInt32 CCORGAIN_UNIQUE_ID = VST_FOURCC('T', 'o', 'a', '3');
    // Texts handed to the host hold at most this many characters and a terminator.
    static constexpr size_t CCORGAIN_MAX_TEXT_LENGTH = 23;
    // Pseudo-parameter under which the editor receives the block's peak level.
    static constexpr int CCORGAIN_BLOCK_PEAK = 21;
    // The editor's artwork, inside the install path (the folder that holds the bundle).
    static constexpr const char* CCORGAIN_RESOURCE_FOLDER = "Tenvira.vst/Contents/Resources";

    // MIDI control changes: controllers 0 to 9 select that program; five
    // others set a parameter to value / 127.
    static constexpr int CCORGAIN_MIDI_LAST_PROGRAM_CONTROLLER = 9;
    static constexpr int CCORGAIN_MIDI_RATIO_CONTROLLER = 70;
    static constexpr int CCORGAIN_MIDI_THRESHOLD_CONTROLLER = 71;
    static constexpr int CCORGAIN_MIDI_ATTACK_CONTROLLER = 72;
    static constexpr int CCORGAIN_MIDI_RELEASE_CONTROLLER = 73;
    static constexpr int CCORGAIN_MIDI_MASTER_CONTROLLER = 74;

    explicit CCorGain(audioMasterCallback audioMaster);
    ~CCorGain() override;

    void suspend() override;
    void resume() override;
    void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) override;
    // Every parameter change, from the host, MIDI or the editor, comes through here.
    void setParameter(VstInt32 index, float value) override;
    float getParameter(VstInt32 index) override;
    void setProgram(VstInt32 program) override;
    VstInt32 getProgram() override;
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
    void getParameterLabel(VstInt32 index, char* label) override;
    void getParameterDisplay(VstInt32 index, char* text) override;
    void getParameterName(VstInt32 index, char* text) override;
    bool getProgramNameIndexed(VstInt32 category, VstInt32 index, char* text) override;
    bool getInputProperties(VstInt32 index, VstPinProperties* properties) override;
    bool getOutputProperties(VstInt32 index, VstPinProperties* properties) override;
    VstInt32 processEvents(VstEvents* events) override;
    VstInt32 canDo(char* text) override;
    void process(float** inputs, float** outputs, VstInt32 sampleFrames) override;

    // Copies the current program's values and name into destination; false for a destination outside 0..9.
    bool copyProgram(VstInt32 destination);

    CVN_DECLARE_CLASS

private:
    void fillProgramBank();
    // Audio thread: brings the chain's settings up to the current values when they have moved.
    void updateChainSettings();
    // Applies the look-ahead of the limiter as the delay the host compensates.
    void reportLatency();
    // Any thread: tells the editor a parameter's value (or the block peak), unless the editor made the change.
    void tellEditor(VstInt32 index, float value);
    void tellEditorAllValues();

    CProgramBank m_bank;
    // Owned by the effect base as its editor.
    CCorGainEditor* m_editor;
    // Fixed after construction: names, ranges and display of each parameter, and what the values mean.
    CCorGainParameterTable m_table;

    // Audio thread (and resume, while the host does not process).
    CCorGainChain m_chain;
    std::uint32_t m_appliedSequence;
};

}}  // namespace Corvane::CorGain
