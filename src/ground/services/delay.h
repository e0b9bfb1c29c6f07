// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The console's only wait. It runs a nested event loop until the time has
// passed, so clicks, keys and timer ticks are handled inside the wait, and it
// sleeps rather than spins. Waits nest: a handler that runs inside one wait
// may wait again.
//
// Ending the program makes every running wait return at once and every later
// wait return without waiting; wait() then reports false, and its caller stops
// where it is.
class Delay
{
public:
    virtual ~Delay() = default;

    // Returns true when the time has passed, false when the program is ending.
    // A zero or negative duration returns at once and runs no event.
    virtual bool wait(double seconds);

    // Ends the program with status 0 from wherever it is, nested waits included.
    void endProgram();
    bool ending() const { return ending_; }

private:
    bool ending_ = false;
};
