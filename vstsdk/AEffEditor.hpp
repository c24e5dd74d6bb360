// Base of a plug-in editor: the window the host asks the effect to open.
#pragma once

#include "VstInterface.hpp"

class AudioEffect;

class AEffEditor {
public:
    explicit AEffEditor(AudioEffect* effect = nullptr);
    virtual ~AEffEditor();

    virtual AudioEffect* getEffect();
    // Answers the editor's rectangle through rect; the base has none.
    virtual bool getRect(ERect** rect);
    // Stores the host's parent window; a real editor creates its window here.
    virtual bool open(void* ptr);
    virtual void close();
    virtual bool isOpen();
    virtual void idle();

    virtual void __drawDeprecated(ERect* rect);
    virtual VstInt32 __mouseDeprecated(VstInt32 x, VstInt32 y);
    virtual VstInt32 __keyDeprecated(VstInt32 keyCode);
    virtual void __topDeprecated();
    virtual void __sleepDeprecated();

    virtual bool onKeyDown(VstKeyCode& keyCode);
    virtual bool onKeyUp(VstKeyCode& keyCode);
    virtual bool onWheel(float distance);
    virtual bool setKnobMode(VstInt32 val);

    AEffEditor(const AEffEditor&) = delete;
    AEffEditor& operator=(const AEffEditor&) = delete;

protected:
    AudioEffect* effect;
    void* systemWindow;
};
