// The base of an LV2 UI instance, and the descriptor that hands a host its
// entry points. The host's calls become virtual calls on the instance, all on
// the host's user-interface thread; no exception reaches the host: a UI that
// cannot be built is null.
#pragma once

#include <lv2/options/options.h>
#include <lv2/ui/ui.h>
#include <lv2/urid/urid.h>

#include <cstdint>
#include <cstring>
#include <memory>

namespace Corvane { namespace Lv2 {

// What the host hands a UI it makes. Valid during the UI's constructor only:
// a UI keeps the feature data it needs, not the list.
struct SLv2UiHost {
    const char* pluginUri;
    // The UI's bundle folder, with its trailing separator.
    const char* bundlePath;
    LV2UI_Write_Function write;
    LV2UI_Controller controller;
    const LV2_Feature* const* features;

    bool hasFeature(const char* uri) const;
    // The feature's data; null when the host did not pass the feature (or passed it without data).
    void* featureData(const char* uri) const;
    // The host's ui:scaleFactor among its options (options:options, with a URID map to read them): a
    // positive float; 0 when the host gave none.
    double scaleFactor() const;
};

class CLv2Ui {
public:
    CLv2Ui() = default;
    virtual ~CLv2Ui();

    // The widget the host embeds; for an X11 UI, its window's id.
    virtual LV2UI_Widget getWidget() const = 0;
    // The host's news of a port: for a control port, format 0 and one float.
    virtual void portEvent(std::uint32_t port, std::uint32_t size, std::uint32_t format, const void* buffer) = 0;
    // The idle interface's call: serves the UI without waiting. Non-zero once the UI has closed.
    virtual int idle() = 0;
    // A new ui:scaleFactor from the host, after the UI was made (a positive, finite factor).
    virtual void setHostScaleFactor(double factor) = 0;

    // Keeps the host's numbers for the options the UI takes later; without the host's urid:map it takes none.
    void mapOptions(const SLv2UiHost& host);
    // The options interface's set: the options the UI knows are taken, the others answered as unknown.
    std::uint32_t setOptions(const LV2_Options_Option* options);

    CLv2Ui(const CLv2Ui&) = delete;
    CLv2Ui& operator=(const CLv2Ui&) = delete;

private:
    LV2_URID m_scaleFactorKey = 0;
    LV2_URID m_floatType = 0;
};

// The descriptor of UI class TUi, built as TUi(const SLv2UiHost&), which throws when it cannot be made.
// The UI offers the idle interface as extension data.
template <class TUi>
class TLv2UiDescriptor {
public:
    static LV2UI_Descriptor make(const char* uri)
    {
        return LV2UI_Descriptor{uri, &instantiate, &cleanup, &portEvent, &extensionData};
    }

    TLv2UiDescriptor() = delete;

private:
    static LV2UI_Handle instantiate(const LV2UI_Descriptor*, const char* pluginUri, const char* bundlePath,
                                    LV2UI_Write_Function write, LV2UI_Controller controller, LV2UI_Widget* widget,
                                    const LV2_Feature* const* features)
    {
        try {
            const SLv2UiHost host{pluginUri, bundlePath, write, controller, features};
            std::unique_ptr<CLv2Ui> ui(new TUi(host));
            ui->mapOptions(host);
            if (widget != nullptr) {
                *widget = ui->getWidget();
            }
            return ui.release();
        } catch (...) {
            return nullptr;
        }
    }
    static CLv2Ui* ui(LV2UI_Handle handle) { return static_cast<CLv2Ui*>(handle); }
    static void cleanup(LV2UI_Handle handle) { delete ui(handle); }
    static void portEvent(LV2UI_Handle handle, std::uint32_t port, std::uint32_t size, std::uint32_t format,
                          const void* buffer)
    {
        try {
            ui(handle)->portEvent(port, size, format, buffer);
        } catch (...) {
        }
    }
    // A UI that fails to serve itself is closed.
    static int idle(LV2UI_Handle handle)
    {
        try {
            return ui(handle)->idle();
        } catch (...) {
            return 1;
        }
    }
    // The UI reports no options of its own.
    static std::uint32_t getOptions(LV2_Handle, LV2_Options_Option*) { return LV2_OPTIONS_ERR_BAD_KEY; }
    static std::uint32_t setOptions(LV2_Handle handle, const LV2_Options_Option* options)
    {
        try {
            return static_cast<CLv2Ui*>(handle)->setOptions(options);
        } catch (...) {
            return LV2_OPTIONS_ERR_UNKNOWN;
        }
    }
    static const void* extensionData(const char* uri)
    {
        static const LV2UI_Idle_Interface idleInterface = {&idle};
        static const LV2_Options_Interface optionsInterface = {&getOptions, &setOptions};
        if (uri == nullptr) {
            return nullptr;
        }
        if (std::strcmp(uri, LV2_UI__idleInterface) == 0) {
            return &idleInterface;
        }
        return std::strcmp(uri, LV2_OPTIONS__interface) == 0 ? &optionsInterface : nullptr;
    }
};

}}  // namespace Corvane::Lv2
