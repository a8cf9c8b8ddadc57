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

namespace {

using Journal = std::vector<std::string>;
Journal journal;

// Each subsystem of the kernel, replaced by one that writes what happens to it; Init
// fails for the one named `failInit`.
template <typename Base> class Journaled : public Base {
public:
    template <typename... Args>
    Journaled(std::string name, std::string failInit, Args&&... args)
        : Base(std::forward<Args>(args)...), name_(std::move(name)), fail_(failInit == name_) {
        journal.push_back("create " + name_);
    }
    ~Journaled() override { journal.push_back("destroy " + name_); }
    void Init(std::string path) override {
        journal.push_back("init " + name_ + " " + path);
        if (fail_) {
            throw GameError("no video mode");
        }
    }
    void Shutdown() override { journal.push_back("shutdown " + name_); }
    void Update() override {
        journal.push_back("update " + name_);
    }
    void Render() override { journal.push_back("render " + name_); }

private:
    std::string name_;
    bool fail_;
};

SubsystemFactory JournalingFactory(const std::string& failing = "") {
    SubsystemFactory f;
    f.spareA = [=] { return new Journaled<SpareSystemA>("SpareSystemA", failing); };
    f.spareB = [=] { return new Journaled<SpareSystemB>("SpareSystemB", failing); };
    f.video = [=] { return new Journaled<VideoSystem>("VideoSystem", failing); };
    f.input = [=] { return new Journaled<InputSystem>("InputSystem", failing); };
    f.sound = [=] { return new Journaled<SoundSystem>("SoundSystem", failing); };
    f.stateMachine = [=] {
        return new Journaled<StateMachine>("StateMachine", failing, StateMachine::StateFactory{});
    };
    return f;
}

const Journal kNames = {"SpareSystemA", "SpareSystemB", "VideoSystem",
                        "InputSystem",  "SoundSystem",  "StateMachine"};

Journal Each(const std::string& what, const Journal& names, const std::string& suffix = "") {
    Journal lines;
    for (const std::string& name : names) {
        lines.push_back(what + " " + name + suffix);
    }
    return lines;
}

Journal Teardown() {
    return Each("destroy", Journal(kNames.rbegin(), kNames.rend()));
}

class KernelTest : public testing::Test {
protected:
    void SetUp() override {
        journal.clear();
        dir.Write("data/engine.cfg", "h_res = 640\n");
        ErrorBox::SetHandler([this](const std::string& caption, const std::string& text) {
            boxes.push_back(caption + ": " + text);
        });
    }
    void TearDown() override { ErrorBox::SetHandler(nullptr); }

    TempDir dir;
    Journal boxes;
};

} // namespace

// All six exist before any is initialised; a frame is input first and the state last;
// teardown is by destructors alone, in reverse.
TEST_F(KernelTest, CreatesAllSixBeforeInitialisingAnyAndTearsDownInReverse) {
    Kernel kernel(JournalingFactory());
    gKernel = &kernel;
    kernel.Init("Data\\engine.cfg");
    Journal expected = Each("create", kNames);
    for (const std::string& line : Each("init", kNames, " Data\\engine.cfg")) {
        expected.push_back(line);
    }
    EXPECT_EQ(journal, expected);
    EXPECT_FLOAT_EQ(kernel.settings.at("h_res").number, 640.0f);

    journal.clear();
    kernel.Update();
    kernel.Render();
    expected = Each("update", {"InputSystem", "VideoSystem", "SpareSystemA", "SpareSystemB",
                               "SoundSystem", "StateMachine"});
    expected.push_back("render StateMachine");
    EXPECT_EQ(journal, expected);

    journal.clear();
    kernel.Shutdown();
    EXPECT_EQ(journal, Teardown());
    EXPECT_EQ(gVideo, nullptr);
    gKernel = nullptr;
}

// Every failure ends in its box, then the same teardown of whatever exists.
TEST_F(KernelTest, RunProgramShowsEachFailureAndTearsDownWhatExists) {
    EXPECT_EQ(RunProgram(JournalingFactory("VideoSystem")), 0);
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "init InputSystem Data\\engine.cfg"), 0);
    EXPECT_EQ(Journal(journal.end() - 6, journal.end()), Teardown());

    // A real state machine whose Init registered nothing fails its first update.
    class Empty : public StateMachine {
    public:
        Empty() : StateMachine({}) {}
        void Init(std::string) override {}
    };
    SubsystemFactory factory = JournalingFactory();
    factory.stateMachine = [] { return new Empty; };
    EXPECT_EQ(RunProgram(factory), 0);
    EXPECT_EQ(boxes,
              (Journal{"Vornak: no video mode", "Vornak: Bad state identifier in StateMachine!"}));
    EXPECT_EQ(gKernel, nullptr);
    EXPECT_EQ(gInput, nullptr);
}
