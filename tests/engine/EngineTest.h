#pragma once
#include <gtest/gtest.h>

#include <string>

#include "EngineBridge.h"
#include "ScriptedEngine.h"
#include "TempFolder.h"
#include "WaitUntil.h"

// A started bridge on the scripted engine, with a fresh folder for the job's
// files. Members go in reverse order: the channel (and with it the engine
// library) before the script and the folder.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(nullptr, GetModuleHandleW(L"libconvert.dll"))
            << "an earlier test kept the engine";
        ASSERT_EQ(kEngineStarted, StartEngine(channel));
    }

    // Hands a job over and waits until the worker has finished it.
    void RunJob(const std::wstring& input, const std::wstring& output, int quality = 1,
                int rotation = 0) {
        SubmitJob(channel, input.c_str(), output.c_str(), quality, rotation);
        ASSERT_TRUE(WaitUntil([&] { return channel.workerBusy.load() == 0; }));
    }

    std::wstring Input() const { return folder.Path() + L"clip.mp4"; }
    std::wstring Output() const { return folder.Path() + L"clip_korvane7_1.mp4"; }
    bool EngineWasCalled() const { return !engine.Calls().empty(); }

    TempFolder folder;
    ScriptedEngine engine{folder.Path()};
    JobChannel channel;
};
