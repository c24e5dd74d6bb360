#include "PluginFixture.hpp"

#include <stdexcept>

void PluginFixture::SetUp()
{
    std::string error;
    ASSERT_TRUE(host.loadModule(TENVIRA_PLUGIN_PATH, &error)) << error;
}

void PluginFixture::TearDown()
{
    host.unloadModule();
}

std::unique_ptr<DevHost::CPluginInstance> PluginFixture::create()
{
    auto instance = host.createInstance();
    if (!instance)
        throw std::runtime_error("the plug-in made no effect");
    return instance;
}

std::unique_ptr<DevHost::CPluginInstance> PluginFixture::createPrepared(float sampleRate, VstInt32 blockSize)
{
    auto instance = create();
    instance->open();
    instance->setSampleRate(sampleRate);
    instance->setBlockSize(blockSize);
    instance->resume();
    return instance;
}
