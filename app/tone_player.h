#pragma once

#include "clone/clone_ui.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Sounds that end a clone operation.

// Renders a tone pattern as mono 16-bit PCM: each tone a sine of its frequency for its duration, with short
// raised-cosine fades so that it starts and stops without a click, then its pause as silence.
std::vector<std::int16_t> RenderTones(const std::vector<STone>& tones, int sampleRate);

// Plays through an ALSA device ("default" unless told otherwise). Where no sound device opens, the
// pattern passes in silence but takes as long as it would have sounded, without an error message.
class CAlsaTonePlayer : public ITonePlayer
{
public:
    static constexpr int kSampleRate = 44100;

    // Waits for the given time; tests pass one that only records it.
    using Sleeper = std::function<void(std::chrono::milliseconds)>;

    explicit CAlsaTonePlayer(std::string device = "default", Sleeper sleeper = {});

    void Play(const std::vector<STone>& tones) override;

private:
    std::string m_device;
    Sleeper m_sleep;
};

// Plays nothing and returns at once: for tests and for a program started without sound.
class CNullTonePlayer : public ITonePlayer
{
public:
    void Play(const std::vector<STone>& tones) override;
};
