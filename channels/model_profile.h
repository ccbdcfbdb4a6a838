#pragma once

#include "channels/command_keys.h"
#include "core/range_set.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class CCommandCursor;
class CFrequencyValue;

// The destination version of the transceiver (country, band expansion level, 50 MHz matrix) and
// what follows from it: the frequencies a channel may hold, the modes allowed on each band, and
// the grids frequencies and offsets are rounded to. Answers the "MODEL" commands.
class CModelProfile
{
public:
    static constexpr int kCountryCount = 11;
    static constexpr std::array<std::string_view, kCountryCount> kCountryNames = keys::kCountries;
    static constexpr int kBandCount = 21;
    static constexpr int kUsa = 5;
    static constexpr int kMatrixEnabled = 2;
    static constexpr int kMaxExpand = 2;
    static constexpr int32_t kMaxFrequency = 1'300'000'000;
    static constexpr int32_t kMaxOffset = 60'000'000;

    CModelProfile();

    // Takes a whole "Model.<key>[.<third>[.<fourth>]][=value]" command; answers "" (and leaves the
    // cursor alone) when the key is not one of the profile's.
    std::string Execute(CCommandCursor& cursor);

    // Set by any command that changed country, expand or matrix; the owner re-applies the profile
    // and clears it.
    bool IsChanged() const { return m_changed; }
    void ClearChanged() { m_changed = false; }

    int CountryIndex() const { return m_country; }
    int Expand() const { return m_expand; }
    int Matrix50() const { return m_matrix; }
    std::string_view CountryName() const { return kCountryNames[static_cast<size_t>(m_country)]; }
    bool NarrowFmAllowed() const;
    int32_t FmBroadcastStart() const;

    // Recomputes the allowed set from country, expand and matrix.
    void Rebuild();
    bool Has50MBand() const;

    static int BandOf(int32_t hz);
    bool IsAllowed(int32_t hz) const { return m_allowed.Contains(hz); }

    // Mode names compare case-insensitively; an unknown name is allowed nowhere.
    bool IsModeAllowed(std::string_view mode, int32_t hz) const;
    // The mode itself when allowed, else the first allowed of FM, Wide FM, AM, FM Narrow, else FM.
    std::string ValidMode(std::string_view mode, int32_t hz) const;

    // Down to the nearest frequency on the band's step grid (5 or 10 kHz) or the 12.5 kHz grid,
    // after capping at 1300 MHz.
    void RoundFrequency(CFrequencyValue& f) const;
    // As RoundFrequency, capped at 60 MHz; the grid is chosen by the operating frequency's band.
    void RoundOffset(int32_t operatingHz, CFrequencyValue& offset) const;

    // Setters used by the commands; each marks the profile changed only when the value differs.
    // Values out of range are ignored.
    void SetCountry(int index);
    void SetExpand(int expand);
    void SetMatrix50(int matrix);

private:
    bool m_changed = false;
    int m_country = kUsa;
    int m_expand = 0;
    int m_matrix = kMatrixEnabled;
    CRangeSet m_allowed;
};
