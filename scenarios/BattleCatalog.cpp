#include "scenarios/BattleCatalog.h"

#include "battle/BattleState.h"
#include "engine/GameError.h"
#include "engine/StateMachine.h"
#include "platform/GameFolder.h"
#include "platform/PathResolver.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>

namespace fs = std::filesystem;

std::vector<std::string> BattleCatalog::Roots() {
    const std::string installed = GameFolder::InstalledData();
    if (installed.empty()) {
        return {"battles"};
    }
    return {installed + "/battles", "battles"};
}

std::vector<BattleFolder> BattleCatalog::List(const std::vector<std::string>& roots) {
    std::map<std::string, BattleFolder> byName;
    for (const std::string& root : roots) {
        std::error_code error;
        for (fs::directory_iterator entry(PathResolver::Resolve(root), error), end;
             entry != end && !error; entry.increment(error)) {
            if (!entry->is_directory(error)) {
                continue;
            }
            try {
                BattleFolder battle =
                    BattleFolder::Read(root + "/" + entry->path().filename().string());
                byName[battle.name] = std::move(battle);
            } catch (const GameError&) {
                // left out: the check names what is wrong with it
            }
        }
    }
    std::vector<BattleFolder> battles;
    for (auto& entry : byName) {
        battles.push_back(std::move(entry.second));
    }
    return battles;
}

BattleFolder BattleCatalog::Find(const std::string& nameOrPath,
                                 const std::vector<std::string>& roots) {
    if (nameOrPath.find_first_of("/\\") != std::string::npos || roots.empty()) {
        return BattleFolder::Read(nameOrPath);
    }
    for (auto root = roots.rbegin(); root != roots.rend(); ++root) {
        std::error_code error;
        if (fs::is_directory(PathResolver::Resolve(*root + "/" + nameOrPath), error)) {
            return BattleFolder::Read(*root + "/" + nameOrPath);
        }
    }
    // Nowhere: the message names it under the player's root, where theirs would be.
    return BattleFolder::Read(roots.back() + "/" + nameOrPath);
}

SubsystemFactory BattleCatalog::StartingWith(const std::string& nameOrPath) {
    std::string wanted = nameOrPath;
    if (wanted.find('/') != std::string::npos) {
        std::error_code error;
        wanted = fs::absolute(wanted, error).string();
    }
    SubsystemFactory factory = SubsystemFactory::Default();
    factory.stateMachine = [wanted] {
        return new StateMachine([wanted] {
            BattleFolder battle = Find(wanted, Roots()); // before the state, which it may not make
            auto* state = new BattleState;
            state->battle = std::move(battle);
            return state;
        });
    };
    return factory;
}
