#pragma once

#include "game_error.h"
#include "platform.h"

// Runs one step of an event handler; an error it throws ends the step and is shown in the
// default error report, and the program goes on.
template <class Step> bool reportErrors(Step&& step)
{
    try {
        step();
        return true;
    } catch (const GameError& error) {
        if (!error.alreadyShown())
            platform().reportError(error.text());
    }
    return false;
}
