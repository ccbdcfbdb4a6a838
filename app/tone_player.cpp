#include "app/tone_player.h"

#include <algorithm>
#include <alsa/asoundlib.h>
#include <cmath>
#include <numbers>
#include <thread>
#include <utility>

namespace {

constexpr double kAmplitude = 0.5 * 32767.0;
constexpr int kFadeMs = 5;
constexpr unsigned kLatencyUs = 100000;

std::size_t SamplesFor(int milliseconds, int sampleRate)
{
    return static_cast<std::size_t>(std::max(milliseconds, 0)) * static_cast<std::size_t>(sampleRate) / 1000U;
}

// ALSA prints its own diagnostics to standard error; a machine without sound must stay quiet.
void QuietAlsaError(const char*, int, const char*, int, const char*, ...) {}

class CPcmDevice
{
public:
    explicit CPcmDevice(const std::string& name)
    {
        snd_lib_error_set_handler(&QuietAlsaError);
        // Opened without blocking, so a device held by someone else fails at once instead of waiting.
        if (snd_pcm_open(&m_pcm, name.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
            m_pcm = nullptr;
            return;
        }
        if (snd_pcm_nonblock(m_pcm, 0) < 0 ||
            snd_pcm_set_params(m_pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1,
                               CAlsaTonePlayer::kSampleRate, 1, kLatencyUs) < 0) {
            snd_pcm_close(m_pcm);
            m_pcm = nullptr;
        }
    }
    ~CPcmDevice()
    {
        if (m_pcm != nullptr) {
            snd_pcm_close(m_pcm);
        }
    }
    CPcmDevice(const CPcmDevice&) = delete;
    CPcmDevice& operator=(const CPcmDevice&) = delete;

    bool IsOpen() const { return m_pcm != nullptr; }

    void PlayToEnd(const std::vector<std::int16_t>& samples)
    {
        std::size_t done = 0;
        while (done < samples.size()) {
            const snd_pcm_sframes_t written =
                snd_pcm_writei(m_pcm, samples.data() + done, samples.size() - done);
            if (written < 0) {
                if (snd_pcm_recover(m_pcm, static_cast<int>(written), 1) < 0) {
                    return;
                }
                continue;
            }
            done += static_cast<std::size_t>(written);
        }
        snd_pcm_drain(m_pcm);
    }

private:
    snd_pcm_t* m_pcm = nullptr;
};

} // namespace

std::vector<std::int16_t> RenderTones(const std::vector<STone>& tones, int sampleRate)
{
    std::vector<std::int16_t> samples;
    if (sampleRate <= 0) {
        return samples;
    }
    const double rate = sampleRate;
    for (const STone& tone : tones) {
        const std::size_t toneSamples = SamplesFor(tone.durationMs, sampleRate);
        const std::size_t fade = std::min(SamplesFor(kFadeMs, sampleRate), toneSamples / 2);
        const double step = 2.0 * std::numbers::pi * tone.frequencyHz / rate;
        for (std::size_t i = 0; i < toneSamples; ++i) {
            double gain = 1.0;
            const std::size_t fromEdge = std::min(i, toneSamples - 1 - i);
            if (fromEdge < fade) {
                gain = 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(fromEdge) / fade);
            }
            samples.push_back(static_cast<std::int16_t>(std::lround(kAmplitude * gain * std::sin(step * i))));
        }
        samples.insert(samples.end(), SamplesFor(tone.pauseMs, sampleRate), std::int16_t{0});
    }
    return samples;
}

CAlsaTonePlayer::CAlsaTonePlayer(std::string device, Sleeper sleeper)
    : m_device(std::move(device)), m_sleep(std::move(sleeper))
{
    if (!m_sleep) {
        m_sleep = [](std::chrono::milliseconds time) { std::this_thread::sleep_for(time); };
    }
}

void CAlsaTonePlayer::Play(const std::vector<STone>& tones)
{
    const std::vector<std::int16_t> samples = RenderTones(tones, kSampleRate);
    if (samples.empty()) {
        return;
    }
    CPcmDevice device(m_device);
    if (device.IsOpen()) {
        device.PlayToEnd(samples);
        return;
    }
    // The sounds pace the end of a clone operation: the message comes after them, sound or not.
    m_sleep(std::chrono::milliseconds(static_cast<std::int64_t>(samples.size()) * 1000 / kSampleRate));
}

void CNullTonePlayer::Play(const std::vector<STone>&) {}
