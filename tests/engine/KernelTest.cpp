#include "engine/Kernel.h"
#include "engine/GameError.h"
#include "engine/InputSystem.h"
#include "engine/Program.h"
#include "engine/SpareSystemA.h"
#include "engine/SpareSystemB.h"
#include "engine/StateMachine.h"
#include "graphics/VideoSystem.h"
#include "platform/ErrorBox.h"
#include "sound/SoundSystem.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> journal;

// Each subsystem of the kernel, replaced by one that writes what happens to it.
template <typename Base> class Journaled : public Base {
public:
    template <typename... Args>
    Journaled(std::string name, std::string failInit, Args&&... args)
        : Base(std::forward<Args>(args)...), name_(std::move(name)), failInit_(failInit == name_) {
        journal.push_back("create " + name_);
    }
    ~Journaled() override { journal.push_back("destroy " + name_); }
    void Init(std::string path) override {
        journal.push_back("init " + name_ + " " + path);
        if (failInit_) {
            throw GameError("no video mode");
        }
    }
    void Shutdown() override { journal.push_back("shutdown " + name_); }
    void Update() override {
        journal.push_back("update " + name_);
        if (name_ == "StateMachine" && ++updates_ == quitAfter) {
            gKernel->quit = true;
        }
    }
    void Render() override { journal.push_back("render " + name_); }

    static inline int quitAfter = 0;

private:
    std::string name_;
    bool failInit_;
    int updates_ = 0;
};

SubsystemFactory JournalingFactory(const std::string& failing = "") {
    SubsystemFactory factory;
    factory.spareA = [=] { return new Journaled<SpareSystemA>("SpareSystemA", failing); };
    factory.spareB = [=] { return new Journaled<SpareSystemB>("SpareSystemB", failing); };
    factory.video = [=] { return new Journaled<VideoSystem>("VideoSystem", failing); };
    factory.input = [=] { return new Journaled<InputSystem>("InputSystem", failing); };
    factory.sound = [=] { return new Journaled<SoundSystem>("SoundSystem", failing); };
    factory.stateMachine = [=] {
        return new Journaled<StateMachine>("StateMachine", failing, StateMachine::StateFactory{});
    };
    return factory;
}

const std::vector<std::string> kTeardown = {"destroy StateMachine", "destroy SoundSystem",
                                            "destroy InputSystem",  "destroy VideoSystem",
                                            "destroy SpareSystemB", "destroy SpareSystemA"};

std::vector<std::string> Tail(const std::vector<std::string>& lines, std::size_t count) {
    return std::vector<std::string>(lines.end() - static_cast<std::ptrdiff_t>(count), lines.end());
}

class KernelTest : public ::testing::Test {
protected:
    void SetUp() override {
        journal.clear();
        Journaled<StateMachine>::quitAfter = 0;
        dir.Write("data/engine.cfg", "h_res = 640\nv_res = 480\nbpp = 32\n");
        ErrorBox::SetHandler([this](const std::string& caption, const std::string& text) {
            boxes.push_back(caption + ": " + text);
        });
    }
    void TearDown() override { ErrorBox::SetHandler(nullptr); }

    TempDir dir;
    std::vector<std::string> boxes;
};

} // namespace

TEST_F(KernelTest, CreatesAllSixBeforeInitialisingAnyInOrder) {
    Kernel kernel(JournalingFactory());
    gKernel = &kernel;
    kernel.Init("Data\\engine.cfg");
    const std::vector<std::string> expected = {
        "create SpareSystemA",
        "create SpareSystemB",
        "create VideoSystem",
        "create InputSystem",
        "create SoundSystem",
        "create StateMachine",
        "init SpareSystemA Data\\engine.cfg",
        "init SpareSystemB Data\\engine.cfg",
        "init VideoSystem Data\\engine.cfg",
        "init InputSystem Data\\engine.cfg",
        "init SoundSystem Data\\engine.cfg",
        "init StateMachine Data\\engine.cfg",
    };
    EXPECT_EQ(journal, expected);
    EXPECT_FLOAT_EQ(kernel.settings.at("h_res").number, 640.0f);
    EXPECT_EQ(kernel.configPath, "Data\\engine.cfg");
    EXPECT_FALSE(kernel.quit);
    EXPECT_EQ(kernel.frameCount, 0);
    EXPECT_NE(gVideo, nullptr);

    journal.clear();
    kernel.Update();
    kernel.Render();
    EXPECT_EQ(journal, (std::vector<std::string>{"update InputSystem", "update VideoSystem",
                                                 "update SpareSystemA", "update SpareSystemB",
                                                 "update SoundSystem", "update StateMachine",
                                                 "render StateMachine"}));
    EXPECT_EQ(kernel.frameCount, 1);

    journal.clear();
    kernel.Shutdown();
    EXPECT_EQ(journal, kTeardown); // destructors only, never Shutdown
    EXPECT_EQ(gVideo, nullptr);
    EXPECT_EQ(gStateMachine, nullptr);
    gKernel = nullptr;
}

TEST_F(KernelTest, AFailingVideoInitStillTearsDownAllSix) {
    RunProgram(JournalingFactory("VideoSystem"));
    EXPECT_EQ(boxes, std::vector<std::string>{"Vornak: no video mode"});
    // Input, sound and the state machine were created but never initialised.
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "init InputSystem Data\\engine.cfg"), 0);
    EXPECT_EQ(Tail(journal, 6), kTeardown);
    EXPECT_EQ(gKernel, nullptr);
    EXPECT_EQ(gInput, nullptr);
}

TEST_F(KernelTest, MissingSettingsStopBeforeAnySubsystemExists) {
    std::remove("data/engine.cfg");
    EXPECT_EQ(RunProgram(JournalingFactory()), 0);
    EXPECT_EQ(boxes, std::vector<std::string>{"Vornak: Could not open Data\\engine.cfg"});
    EXPECT_TRUE(journal.empty());
    EXPECT_EQ(gKernel, nullptr);
}

TEST_F(KernelTest, TheFrameThatSetsQuitFinishesThenTheLoopEnds) {
    Journaled<StateMachine>::quitAfter = 3;
    EXPECT_EQ(RunProgram(JournalingFactory()), 0);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "update InputSystem"), 3);
    // The quitting frame still renders before teardown.
    EXPECT_EQ(Tail(journal, 7)[0], "render StateMachine");
    EXPECT_EQ(Tail(journal, 6), kTeardown);
}

TEST_F(KernelTest, AnErrorDuringTheFrameLoopIsShownAndTearsDown) {
    SubsystemFactory factory = JournalingFactory();
    // A real state machine whose Init registered nothing fails its first update.
    class Empty : public StateMachine {
    public:
        Empty() : StateMachine({}) {}
        void Init(std::string) override {}
    };
    factory.stateMachine = [] { return new Empty; };
    EXPECT_EQ(RunProgram(factory), 0);
    EXPECT_EQ(boxes, std::vector<std::string>{"Vornak: Bad state identifier in StateMachine!"});
    EXPECT_EQ(gKernel, nullptr);
}
