// tenvira-jack's process callback never allocates, frees or calls the host (this binary counts the allocation
// functions' calls, the plug-in's and libjack's too) while the effect plays, takes MIDI, is automated from the
// main thread and follows a change of the server's buffer size.
#include "CJackHost.hpp"
#include "CJackRig.hpp"
#include "allocation/CountingAllocator.hpp"

#include "CDevHost.hpp"
#include "CDevHostSession.hpp"
#include "CPluginInstance.hpp"

#include <gtest/gtest.h>

TEST(JackRealTime, TheProcessThreadNeitherAllocatesNorCallsTheHost)
{
    TenviraJackTests::CJackRig rig;
    std::string error;
    ASSERT_TRUE(rig.start(48000, 64, error)) << error;
    Tenvira::Render::CDevHostSession session(TENVIRA_PLUGIN);
    DevHost::CDevHost& devHost = session.instance().host();
    Tenvira::Jack::CJackHost host(session, "Tenvira");
    host.start();
    TenviraJackTests::CTestClients& clients = rig.clients();
    ASSERT_TRUE(clients.patch(host.client().name()));
    clients.play({rig.sine(220.0, 0.9, 48000), rig.sine(330.0, 0.9, 48000)}, true);
    clients.waitFrames(4800);
    // The counter sees the plug-in's allocations: making an effect makes some.
    ASSERT_GT(TestAllocation::countedOnThisThread([] { Tenvira::Render::CDevHostSession probe(TENVIRA_PLUGIN); }), 0);

    TestAllocation::beginCountingOn(host.client().processThread());
    devHost.clearCalls();
    const long before = host.engine().blocks();
    for (int round = 0; round < 200; ++round) {
        session.setParameter(round % 20, static_cast<float>(round % 7) / 6.0f);
        if (round % 20 == 0)
            session.setProgram(round / 20 % 6);
        clients.sendMidi({{0xB0, static_cast<std::uint8_t>(round % 10), 1},
                          {0xB0, static_cast<std::uint8_t>(70 + round % 5), static_cast<std::uint8_t>(round % 128)},
                          {0x90, 60, 90},
                          {0xE0, 3, 70}});
        if (round == 100) {
            ASSERT_EQ(jack_set_buffer_size(clients.client(), 256), 0);
        }
        ASSERT_TRUE(host.follow());
    }
    for (int wait = 0; wait < 500 && host.blockSize() != 256; ++wait) {
        clients.waitFrames(256);
        ASSERT_TRUE(host.follow());
    }
    const long afterChange = host.engine().blocks();
    clients.sendMidi({{0xB0, 5, 0}});
    clients.waitFrames(4096);
    const long calls = TestAllocation::endCountingOn();

    EXPECT_EQ(calls, 0) << "allocations and frees on the real-time thread over " << host.engine().blocks() - before
                        << " blocks";
    EXPECT_EQ(host.blockSize(), 256u);
    EXPECT_GT(host.engine().blocks(), afterChange) << "the effect stopped after the buffer size changed";
    EXPECT_EQ(session.instance().program(), 5) << "MIDI did not reach the effect";
    for (const DevHost::SHostCall& call : devHost.calls())
        EXPECT_EQ(call.thread, std::this_thread::get_id())
            << "the plug-in called the host with " << call.opcode << " from another thread";
}
