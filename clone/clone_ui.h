#pragma once

#include <memory>
#include <string_view>
#include <vector>

// What a clone operation needs from its surroundings. The desktop program implements these with
// its progress dialog, status bar and sound output; the command-line tool with a progress bar on
// standard error, Ctrl+C and silence; tests with recording doubles.

// One tone of a sound pattern: a tone of the frequency for the duration, then silence.
struct STone
{
    int frequencyHz;
    int durationMs;
    int pauseMs;
};

// Two short 1000 Hz beeps.
std::vector<STone> SuccessTones();
// Four long 500 Hz beeps.
std::vector<STone> FailureTones();

class ITonePlayer
{
public:
    virtual ~ITonePlayer() = default;
    // Plays the pattern to its end (pauses included) before returning.
    virtual void Play(const std::vector<STone>& tones) = 0;
};

// The progress window of a clone read or write. It also keeps the user interface alive: both
// calls process pending window events first.
class ICloneProgress
{
public:
    virtual ~ICloneProgress() = default;
    // Shows a position from 0 to 100; returns the previous one.
    virtual int SetPos(int position) = 0;
    // Reports a cancel request made since the last call, and forgets it.
    virtual bool CheckCancel() = 0;
    // A window stays on screen for a moment after the transfer, so the user sees it end; a progress
    // display that stays anyway (a terminal line) does not hold the session up for that.
    virtual bool LingersAfterTransfer() const { return true; }
};

class ICloneHost
{
public:
    virtual ~ICloneHost() = default;
    // Creates and shows the progress window of a read or write; null when there is none.
    virtual std::unique_ptr<ICloneProgress> CreateProgress() = 0;
    virtual void ShowStatus(std::string_view text) = 0;
    virtual ITonePlayer& Tones() = 0;
    // A cancel request made while no progress window is up (the information read), forgotten once
    // reported; a host without a way to ask never has one.
    virtual bool CheckCancel() { return false; }
};
