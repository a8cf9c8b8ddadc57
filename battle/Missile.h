#pragma once

// The marker of an attack in flight, from the attacker to where its target stood at the
// launch. Only a picture: the attack is resolved by the rules, not by the marker.
struct Missile {
    float x = 0.0f;
    float y = 0.0f;
    float targetX = 0.0f;
    float targetY = 0.0f;
    float dx = 0.0f; // added to x and y on every drawn frame
    float dy = 0.0f;
};
