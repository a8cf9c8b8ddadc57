#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/data/DataReaders.h"

using namespace data;

namespace {

const char* const kKeys[] = {"speed", "health", "meleeskill", "missileskill",
                             "name",  "posx",   "posy",       "team"};

struct FighterFile {
    std::map<std::string, std::string> values;
    std::vector<std::string> badLines;
    std::vector<std::string> repeatedKeys;

    int Number(const std::string& key) const { return std::atoi(values.at(key).c_str()); }
    double Real(const std::string& key) const { return std::atof(values.at(key).c_str()); }
};

// Reads the file the way the settings reader splits a line: one character dropped on each
// side of the first '='. Any line with an '=' must therefore be exactly "key = value".
FighterFile ReadFighter(int n) {
    FighterFile file;
    std::string text = ReadBytes(GameFile("NPCs/fighter" + std::to_string(n) + ".cfg"));
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string line =
            text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? text.size() : end + 1;
        size_t eq = line.find(" = ");
        if (line.find('=') == std::string::npos)
            continue;
        if (eq == std::string::npos || eq == 0 || line.find('=') != eq + 1 ||
            line.find_first_of(" \t\r", eq + 3) != std::string::npos || line.find(' ') != eq ||
            eq + 3 >= line.size()) {
            file.badLines.push_back(line);
            continue;
        }
        std::string key = line.substr(0, eq);
        if (!file.values.emplace(key, line.substr(eq + 3)).second)
            file.repeatedKeys.push_back(key);
    }
    return file;
}

bool IsNumber(const std::string& value) {
    return !value.empty() && value.find_first_not_of("0123456789-.") == std::string::npos;
}

class FighterFiles : public ::testing::Test {
protected:
    void SetUp() override {
        for (int n = 1; n <= 8; ++n)
            fighters.push_back(ReadFighter(n));
        for (const FighterFile& f : fighters)
            for (const char* key : kKeys)
                ASSERT_TRUE(f.values.count(key)) << "missing key " << key;
    }
    std::vector<FighterFile> fighters;
};

} // namespace

TEST_F(FighterFiles, EveryLineIsExactlyKeySpaceEqualsSpaceValue) {
    for (size_t i = 0; i < fighters.size(); ++i) {
        EXPECT_TRUE(fighters[i].badLines.empty())
            << "fighter" << i + 1 << ": " << fighters[i].badLines.front();
        EXPECT_TRUE(fighters[i].repeatedKeys.empty()) << "fighter" << i + 1;
    }
}

TEST_F(FighterFiles, NumbersAreNumbersAndNamesAreDistinctTexts) {
    std::set<std::string> names;
    for (const FighterFile& f : fighters) {
        for (const char* key : kKeys)
            if (std::string(key) != "name") {
                EXPECT_TRUE(IsNumber(f.values.at(key))) << key << " = " << f.values.at(key);
            }
        // A name made only of number characters would be read as a number, and its text
        // would be empty.
        const std::string& name = f.values.at("name");
        EXPECT_FALSE(IsNumber(name)) << name;
        EXPECT_LE(name.size(), 12u) << "names must fit a 100-pixel panel";
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 8u);
}

TEST_F(FighterFiles, FirstFourArePlayersOnTheLeftLastFourComputerOnTheRight) {
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(fighters[i].Number("team"), i < 4 ? 1 : 2) << "fighter" << i + 1;
        double x = fighters[i].Real("posx");
        if (i < 4) {
            EXPECT_LT(x, 128) << "fighter" << i + 1;
        } else {
            EXPECT_GE(x, 128) << "fighter" << i + 1;
        }
    }
}

TEST_F(FighterFiles, EveryoneStandsOnTheFieldWithRoomToMove) {
    for (int i = 0; i < 8; ++i) {
        double x = fighters[i].Real("posx"), y = fighters[i].Real("posy");
        EXPECT_TRUE(x >= 8 && x <= 248 && y >= 8 && y <= 248) << "fighter" << i + 1;
        // Within 12 pixels a fighter blocks the other's steps; at 24 or more both can take a
        // first step in any direction.
        for (int j = i + 1; j < 8; ++j) {
            double dx = x - fighters[j].Real("posx"), dy = y - fighters[j].Real("posy");
            EXPECT_GE(std::sqrt(dx * dx + dy * dy), 24.0)
                << "fighters " << i + 1 << " and " << j + 1;
        }
    }
}

// Skills are hit if two dice roll at most the skill: 1 never hits, 12 always does.
TEST_F(FighterFiles, StatsMakeAFightWorthPlaying) {
    for (int team = 1; team <= 2; ++team) {
        int brawlers = 0, archers = 0;
        std::set<int> speeds;
        for (int i = (team - 1) * 4; i < team * 4; ++i) {
            const FighterFile& f = fighters[i];
            int speed = f.Number("speed"), melee = f.Number("meleeskill"),
                missile = f.Number("missileskill");
            EXPECT_TRUE(speed >= 1 && speed <= 12) << "speed " << speed;
            EXPECT_GE(f.Number("health"), 1);
            EXPECT_TRUE(melee >= 2 && melee <= 11 && missile >= 2 && missile <= 11)
                << f.values.at("name") << " should neither always nor never hit";
            EXPECT_GE(std::max(melee, missile), 6) << f.values.at("name") << " has no strength";
            brawlers += melee > missile;
            archers += missile > melee;
            speeds.insert(speed);
        }
        EXPECT_GE(brawlers, 1) << "team " << team;
        EXPECT_GE(archers, 1) << "team " << team;
        EXPECT_GE(*speeds.rbegin() - *speeds.begin(), 3) << "team " << team << " fast and slow";
    }
}
