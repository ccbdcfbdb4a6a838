#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class CCommandCursor;

// The address of one channel: a kind and a number within the kind. The flat index orders all 132
// channels as VFO 0-7, MCH 0-99, PCH 0-19, CALL 0-3.
class CChannelId
{
public:
    enum EKind : int32_t
    {
        kNone = 0,
        kVfo = 1,
        kMch = 2,
        kPch = 3,
        kCall = 4,
    };
    static constexpr int kKindCount = 5;
    static constexpr int kChannelCount = 132;
    static constexpr std::array<std::string_view, kKindCount> kKindNames = {"NONE", "VFO", "MCH", "PCH",
                                                                            "CALL"};
    static constexpr std::array<std::string_view, 8> kVfoNames = {"50",  "WFM", "AIR", "144",
                                                                  "300", "430", "800", "1200"};
    static constexpr std::array<std::string_view, 4> kCallNames = {"50", "144", "430", "1200"};
    // The first element of every channel command.
    static constexpr std::string_view kPathHead = "CH";

    CChannelId() = default;
    CChannelId(int32_t kind, int32_t number) { Set(kind, number); }

    void Set(int32_t kind, int32_t number);
    void Normalize();
    void Next();
    int FlatIndex() const;

    int32_t GetKind() const { return m_kind; }
    int32_t GetNumber() const { return m_number; }
    bool IsMemory() const { return m_kind == kMch; }
    bool IsMemoryOrEdge() const { return m_kind == kMch || m_kind == kPch; }
    bool IsVfoLike() const { return m_kind < kMch || m_kind > kCall; }
    bool MayBeBlank() const { return m_kind == kMch || (m_kind == kPch && m_number > 1); }

    // Reads "CH.<kind>.<number>." from the front of the cursor and leaves the rest of the command
    // in it. A cursor that does not start with "CH" or names kind NONE is left alone; an invalid
    // number keeps the id as it was but still consumes the address.
    void Parse(CCommandCursor& cursor);

    // The path element of the number: "5", "3B", "144"...
    std::string NumberText() const;
    // The front of every command to this channel: "CH.MCH.5.", "CH.PCH.3B.", "CH.CALL.430.".
    std::string Path() const;

    static int CountOf(int32_t kind);
    static int BaseOf(int32_t kind);
    static CChannelId FromFlatIndex(int index);

    bool operator==(const CChannelId& other) const = default;

private:
    int32_t m_kind = kNone;
    int32_t m_number = 0;
};
