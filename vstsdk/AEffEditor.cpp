#include "AEffEditor.hpp"

AEffEditor::AEffEditor(AudioEffect* owner) : effect(owner), systemWindow(nullptr) {}

AEffEditor::~AEffEditor() = default;

AudioEffect* AEffEditor::getEffect()
{
    return effect;
}

bool AEffEditor::getRect(ERect** rect)
{
    if (rect) {
        *rect = nullptr;
    }
    return false;
}

bool AEffEditor::open(void* ptr)
{
    systemWindow = ptr;
    return false;
}

void AEffEditor::close()
{
    systemWindow = nullptr;
}

bool AEffEditor::isOpen()
{
    return systemWindow != nullptr;
}

void AEffEditor::idle() {}

void AEffEditor::__drawDeprecated(ERect*) {}

VstInt32 AEffEditor::__mouseDeprecated(VstInt32, VstInt32)
{
    return 0;
}

VstInt32 AEffEditor::__keyDeprecated(VstInt32)
{
    return 0;
}

void AEffEditor::__topDeprecated() {}

void AEffEditor::__sleepDeprecated() {}

bool AEffEditor::onKeyDown(VstKeyCode&)
{
    return false;
}

bool AEffEditor::onKeyUp(VstKeyCode&)
{
    return false;
}

bool AEffEditor::onWheel(float)
{
    return false;
}

bool AEffEditor::setKnobMode(VstInt32)
{
    return false;
}
