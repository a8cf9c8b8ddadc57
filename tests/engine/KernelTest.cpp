#include "engine/Kernel.h"
#include "engine/InputSystem.h"
#include "engine/SpareSystemA.h"
#include "engine/SpareSystemB.h"
#include "engine/StateMachine.h"
#include "graphics/VideoSystem.h"
#include "sound/SoundSystem.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using Journal = std::vector<std::string>;
Journal journal;

// Each subsystem of the kernel, replaced by one that writes what happens to it.
template <typename Base> class Journaled : public Base {
public:
    template <typename... Args>
    explicit Journaled(std::string name, Args&&... args)
        : Base(std::forward<Args>(args)...), name_(std::move(name)) {
        journal.push_back("create " + name_);
    }
    ~Journaled() override { journal.push_back("destroy " + name_); }
    void Init(std::string path) override { journal.push_back("init " + name_ + " " + path); }
    void Shutdown() override { journal.push_back("shutdown " + name_); }
    void Update() override { journal.push_back("update " + name_); }
    void Render() override { journal.push_back("render " + name_); }

private:
    std::string name_;
};

Journal Each(const std::string& what, const Journal& names, const std::string& suffix = "") {
    Journal lines;
    for (const std::string& name : names) {
        lines.push_back(what + " " + name + suffix);
    }
    return lines;
}

} // namespace

// All six exist before any is initialised, in this order (the battle, loaded by the state
// machine, needs the video and the sound running); a frame is input first and the state
// last; teardown is by destructors alone, in reverse.
TEST(Kernel, CreatesAllSixBeforeInitialisingAnyAndTearsDownInReverse) {
    TempDir dir;
    dir.Write("data/engine.cfg", "h_res = 640\n");
    SubsystemFactory f;
    f.spareA = [] { return new Journaled<SpareSystemA>("SpareSystemA"); };
    f.spareB = [] { return new Journaled<SpareSystemB>("SpareSystemB"); };
    f.video = [] { return new Journaled<VideoSystem>("VideoSystem"); };
    f.input = [] { return new Journaled<InputSystem>("InputSystem"); };
    f.sound = [] { return new Journaled<SoundSystem>("SoundSystem"); };
    f.stateMachine = [] {
        return new Journaled<StateMachine>("StateMachine", StateMachine::StateFactory{});
    };
    const Journal names = {"SpareSystemA", "SpareSystemB", "VideoSystem",
                           "InputSystem",  "SoundSystem",  "StateMachine"};
    Kernel kernel(f);
    gKernel = &kernel;
    kernel.Init("Data\\engine.cfg");
    kernel.Update();
    kernel.Render();
    kernel.Shutdown();
    Journal expected;
    for (const Journal& part :
         {Each("create", names), Each("init", names, " Data\\engine.cfg"),
          Each("update", {"InputSystem", "VideoSystem", "SpareSystemA", "SpareSystemB",
                          "SoundSystem", "StateMachine"}),
          Journal{"render StateMachine"}, Each("destroy", Journal(names.rbegin(), names.rend()))}) {
        expected.insert(expected.end(), part.begin(), part.end());
    }
    EXPECT_EQ(journal, expected);
    EXPECT_FLOAT_EQ(kernel.settings.at("h_res").number, 640.0f);
    EXPECT_EQ(gVideo, nullptr);
    gKernel = nullptr;
}
