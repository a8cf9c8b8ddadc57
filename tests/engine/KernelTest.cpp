#include "engine/Kernel.h"
#include "engine/InputSystem.h"
#include "engine/StateMachine.h"
#include "graphics/VideoSystem.h"
#include "sound/SoundSystem.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using Journal = std::vector<std::string>;
Journal journal;

// A subsystem of the kernel, replaced by one that writes what happens to it.
template <typename Base> class Journaled : public Base {
public:
    template <typename... Args>
    explicit Journaled(std::string name, Args&&... args)
        : Base(std::forward<Args>(args)...), name_(std::move(name)) {}
    ~Journaled() override { journal.push_back("destroy " + name_); }
    void Init(std::string path) override { journal.push_back("init " + name_ + " " + path); }
    void Update() override { journal.push_back("update " + name_); }
    void Render() override { journal.push_back("render " + name_); }

private:
    std::string name_;
};

} // namespace

// The battle, loaded by the state machine, needs the video and the sound running; a frame
// reads the input first and runs the state last; teardown is by destructors alone, in
// reverse order of creation.
TEST(Kernel, InitialisesTheStateLastReadsInputFirstAndTearsDownInReverse) {
    TempDir dir;
    dir.Write("data/engine.cfg", "h_res = 640\n");
    SubsystemFactory f = SubsystemFactory::Default();
    f.video = [] { return new Journaled<VideoSystem>("video"); };
    f.input = [] { return new Journaled<InputSystem>("input"); };
    f.sound = [] { return new Journaled<SoundSystem>("sound"); };
    f.stateMachine = [] {
        return new Journaled<StateMachine>("state", StateMachine::StateFactory{});
    };
    Kernel kernel(f);
    gKernel = &kernel;
    kernel.Init("Data\\engine.cfg");
    kernel.Update();
    kernel.Render();
    kernel.Shutdown();
    EXPECT_EQ(journal,
              (Journal{"init video Data\\engine.cfg", "init input Data\\engine.cfg",
                       "init sound Data\\engine.cfg", "init state Data\\engine.cfg", "update input",
                       "update video", "update sound", "update state", "render state",
                       "destroy state", "destroy sound", "destroy input", "destroy video"}));
    EXPECT_FLOAT_EQ(kernel.settings.at("h_res").number, 640.0f);
    EXPECT_EQ(gVideo, nullptr);
    gKernel = nullptr;
}
