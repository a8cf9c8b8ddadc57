#include "check/OptionsCheck.h"

#include "check/CheckReport.h"
#include "check/SettingsFileCheck.h"
#include "options/Options.h"
#include "options/OptionsFile.h"
#include "platform/PathResolver.h"

#include <unistd.h>

void OptionsCheck::Run(CheckReport& report) {
    if (::access(PathResolver::Resolve(OptionsFile::kPath).c_str(), F_OK) != 0) {
        return; // no file: the defaults, nothing to say
    }
    SettingsFileCheck file(report, OptionsFile::kPath,
                           {{"music_volume", false, false, true},
                            {"sound_volume", false, false, true},
                            {"mute", false, false, true},
                            {"speed", false, false, true},
                            {"full_screen", false, false, true},
                            {"difficulty", true, false, true}});
    if (!file.Run()) {
        return;
    }
    std::vector<OptionProblem> problems;
    Options::Read(file.Table(), &problems);
    for (const OptionProblem& problem : problems) {
        report.Error(file.Path(), file.LineOf(problem.key),
                     file.Shown(problem.key) + " " + problem.reason);
    }
}
