// The run-time library the game leans on: run-time errors, number conversion, the millisecond
// tick, the time of day, the random source, event processing, message boxes and the program's
// folder. Tests replace time, events and boxes through RuntimeHooks.
#pragma once

#include "Reason.h"

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

namespace glintrow {

// A run-time error; what() is its reason in English, the failure boxes say it in the player's
// language.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(Reason reason);
    RuntimeError(const ReasonText& text, std::vector<Reason> details = {});

    const Reason& reason() const { return reason_; }

private:
    Reason reason_;
};

// A run-time error's reason, or another failure's description as it is.
Reason ReasonOf(const std::exception& failure);

// Thrown by EndProgram when a test has taken over the end of the program; not a run-time error,
// so no failure handler of the game catches it.
struct ProgramEnded {};

// Nearest whole number, halves to even; "Overflow" when it does not fit in 16 bits.
int16_t CInt(double value);

// Milliseconds on a monotonic clock; the count wraps around at 32 bits.
int32_t TickCount();
// Milliseconds from one tick reading to a later one, correct across the wrap.
int32_t TicksBetween(int32_t earlier, int32_t later);
// The tick a number of milliseconds after another, wrapping as the count does.
int32_t TickAfter(int32_t tick, int32_t milliseconds);
// Sleeps until TickCount() first reaches the given tick (returns at once if it has).
void WaitForTick(int32_t tick);

// Seconds since midnight, with their fraction.
float Timer();
// Mixes a clock value into the random source's state; the same value twice still moves on.
void Randomize(double seed);
// A uniform fraction in [0, 1).
float Rnd();
// Puts the random source into a known state (tests and benchmarks).
void SetRandomState(uint64_t state);

// The frame's wait: sleeps until the given tick. While a screen reader listens, its questions are
// answered meanwhile, so that its many questions take one frame, not one a frame each, and the
// window may repaint; but nothing acts. The player's keys and presses (also those the
// accessibility bridge sends again), closes and commands are held, in the order they came, for
// the next DoEvents or WaitForEvents.
void WaitAnsweringScreenReader(int32_t tick);
// While a frame waits, holds a command for the frame's event step and is true; false, holding
// nothing, otherwise.
bool HoldForEventStep(std::function<void()> command);
// Handles what the frame's wait held, then every pending window event.
void DoEvents();
// Handles what the frame's wait held; if it held nothing, sleeps until window events arrive, with
// no timer running, and handles them. False when it could not wait (a test scripts each frame's
// events) and handled one round as DoEvents does.
bool WaitForEvents();

enum class MsgBoxIcon { None, Information, Exclamation };
// A modal box with one OK button; an empty title shows the application's title. Line breaks in
// the prompt are CR LF.
void MsgBox(const std::string& prompt, MsgBoxIcon icon, const std::string& title);

// The folder of the running program, without a trailing separator, also when the program was
// started as the dynamic loader's argument; a run-time error naming the places looked at when
// the system cannot tell where the program lies.
std::string AppPath();
// Ends the program at once with the given status.
[[noreturn]] void EndProgram(int status);

// Test stand-ins for time, events, boxes and the end of the program; an empty member means the
// real service. waitForTick runs inside the frame's wait, so what a test delivers there is held as
// a screen reader's keys would be.
struct RuntimeHooks {
    std::function<int32_t()> tickCount;
    std::function<void(int32_t)> waitForTick;
    std::function<float()> timeOfDay;
    std::function<void()> doEvents;
    std::function<void()> waitForEvents;
    std::function<void(const std::string&, MsgBoxIcon, const std::string&)> msgBox;
    std::function<void(int)> endProgram;
    std::function<std::string()> appPath;
};
RuntimeHooks& Hooks();

} // namespace glintrow
