// Running a program, a shortcut, or opening a document with its associated program.
#include "session/open_file.h"

#include "session/start_rule.h"

namespace sd {

namespace {

class PlatformFacts final : public StartFacts {
public:
    explicit PlatformFacts(Platform& platform) : platform_(platform) {}
    bool FileExists(const std::string& path) override { return platform_.FileExists(path); }
    std::string AssociatedProgram(const std::string& document) override {
        return platform_.FindAssociatedProgram(document);
    }
    std::string CommandInterpreter() override { return platform_.CommandInterpreter(); }

private:
    Platform& platform_;
};

}  // namespace

void OpenFile(Program& program, const std::string& file) {
    Platform& platform = program.platform;
    PlatformFacts facts(platform);
    const StartPlan plan = PlanStart(file, facts);
    bool started = true;
    switch (plan.way) {
        case StartWay::Nothing: return;
        case StartWay::Program: started = platform.StartProgram(plan.program); break;
        case StartWay::Shell: started = platform.OpenWithShell(plan.shell); break;
    }
    if (!started)
        platform.ShowMessage("File " + plan.told + " not found", kAppTitle, MsgButtons::Ok, MsgIcon::None);
}

}  // namespace sd
