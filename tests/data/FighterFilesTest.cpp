#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <regex>
#include <set>

#include "tests/data/DataReaders.h"

using namespace data;

namespace {

using Fighter = std::map<std::string, std::string>;

double Number(const Fighter& f, const char* key) {
    return std::atof(f.at(key).c_str());
}

// The settings reader drops one character on each side of the first '=', so every line with
// an '=' must be exactly "key = value": one blank each side, no other blanks, no '\r'.
Fighter ReadFighter(const std::string& name) {
    std::istringstream in(ReadBytes(GameFile(name)));
    const std::regex exact("([a-z]+) = ([^ \t\r=]+)");
    Fighter values;
    std::smatch m;
    for (std::string line; std::getline(in, line);) {
        if (line.find('=') == std::string::npos)
            continue;
        EXPECT_TRUE(std::regex_match(line, m, exact)) << name << ": \"" << line << "\"";
        EXPECT_TRUE(m.empty() || values.emplace(m[1], m[2]).second) << name << ": repeated key";
    }
    return values;
}

} // namespace

TEST(FighterFiles, EachHasEveryKeyWithAValueTheGameCanUse) {
    std::vector<Fighter> fighters;
    std::set<std::string> names;
    for (int n = 1; n <= 8; ++n) {
        std::string file = "NPCs/fighter" + std::to_string(n) + ".cfg";
        SCOPED_TRACE(file);
        fighters.push_back(ReadFighter(file));
        const Fighter& f = fighters.back();
        for (const char* key :
             {"speed", "health", "meleeskill", "missileskill", "posx", "posy", "team"}) {
            ASSERT_TRUE(f.count(key)) << "missing " << key;
            EXPECT_EQ(f.at(key).find_first_not_of("0123456789-."), std::string::npos) << key;
        }
        // A name made only of number characters would be read as a number, and its text
        // would be empty.
        ASSERT_TRUE(f.count("name"));
        EXPECT_NE(f.at("name").find_first_not_of("0123456789-."), std::string::npos);
        EXPECT_LE(f.at("name").size(), 12u) << "names must fit a 100-pixel panel";
        names.insert(f.at("name"));

        // The first four are the player's, on the left; the rest the computer's, on the right.
        EXPECT_EQ(Number(f, "team"), n <= 4 ? 1 : 2);
        double x = Number(f, "posx"), y = Number(f, "posy");
        EXPECT_EQ(x < 128, n <= 4) << "posx " << x;
        EXPECT_TRUE(x >= 8 && x <= 248 && y >= 8 && y <= 248) << "off the field";
        // Within 12 pixels a fighter blocks the other's steps; at 24 or more both can take a
        // first step in any direction.
        for (int j = 0; j + 1 < n; ++j)
            EXPECT_GE(std::hypot(x - Number(fighters[j], "posx"), y - Number(fighters[j], "posy")),
                      24.0)
                << "too near fighter" << j + 1;
        // Skills are hit if two dice roll at most the skill: 1 never hits, 12 always does.
        EXPECT_TRUE(Number(f, "speed") >= 1 && Number(f, "speed") <= 12);
        EXPECT_GE(Number(f, "health"), 1);
        for (const char* skill : {"meleeskill", "missileskill"})
            EXPECT_TRUE(Number(f, skill) >= 2 && Number(f, skill) <= 11) << skill;
    }
    EXPECT_EQ(names.size(), 8u) << "names must differ";
}
