#pragma once

#include "clone/clone_ui.h"

#include <cstdint>
#include <vector>

// Sounds that end a clone operation.

// Renders a tone pattern as mono 16-bit PCM: each tone a sine of its frequency for its duration, with short
// raised-cosine fades so that it starts and stops without a click, then its pause as silence.
std::vector<std::int16_t> RenderTones(const std::vector<STone>& tones, int sampleRate);

// Plays through the ALSA device "default". Where no sound device opens the pattern is skipped silently
// and at once, without an error message.
class CAlsaTonePlayer : public ITonePlayer
{
public:
    static constexpr int kSampleRate = 44100;

    void Play(const std::vector<STone>& tones) override;
};

// Plays nothing and returns at once: for tests and for a program started without sound.
class CNullTonePlayer : public ITonePlayer
{
public:
    void Play(const std::vector<STone>& tones) override;
};
