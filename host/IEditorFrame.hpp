// The host's window around an open plug-in editor, as the plug-in's requests reach it.
#pragma once

namespace DevHost {

class IEditorFrame {
public:
    virtual ~IEditorFrame() = default;
    // audioMasterSizeWindow: the editor asks for a new size; true when the frame took it.
    virtual bool requestSize(int width, int height) = 0;
};

}  // namespace DevHost
