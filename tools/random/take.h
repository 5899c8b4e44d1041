#pragma once

#include "tools/scenario/driver.h"
#include "tools/scenario/script.h"

namespace avtosalon::random_play {

// Takes a player's step on a driver's game when a player could take it at that moment: the
// target is shown and enabled in a shown window and the program runs. Returns false, doing
// nothing, otherwise; checks and pictures are not a player's steps.
bool TakeStep(scenario::Driver& driver, const scenario::Action& step);

}  // namespace avtosalon::random_play
