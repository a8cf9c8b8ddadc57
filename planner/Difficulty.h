#pragma once

// Whether the computer's fighters plan ("difficulty = hard" in the player's options) or
// follow the computer's rule (normal, the default). Asked at every decision, so a change
// on the options screen counts from the next one.
bool HardDifficulty();
