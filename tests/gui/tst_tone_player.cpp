#include "app/tone_player.h"
#include "support/gui_test_main.h"

#include <QtTest>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kRate = 44100;

std::size_t Samples(int milliseconds)
{
    return static_cast<std::size_t>(milliseconds) * kRate / 1000;
}

int ZeroCrossings(const std::vector<std::int16_t>& pcm, std::size_t from, std::size_t count)
{
    int crossings = 0;
    for (std::size_t i = from + 1; i < from + count; ++i) {
        if ((pcm[i - 1] < 0) != (pcm[i] < 0)) {
            ++crossings;
        }
    }
    return crossings;
}

bool IsSilent(const std::vector<std::int16_t>& pcm, std::size_t from, std::size_t count)
{
    return std::all_of(pcm.begin() + static_cast<std::ptrdiff_t>(from),
                       pcm.begin() + static_cast<std::ptrdiff_t>(from + count),
                       [](std::int16_t sample) { return sample == 0; });
}

int Peak(const std::vector<std::int16_t>& pcm, std::size_t from, std::size_t count)
{
    int peak = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        peak = std::max(peak, std::abs(static_cast<int>(pcm[i])));
    }
    return peak;
}

} // namespace

class TestTonePlayer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void successPatternIsTwoShortBeeps();
    void failurePatternIsFourLongBeeps();
    void tonesFadeInAndOut();
    void emptyPatternRendersNothing();
    void withoutASoundDeviceThePatternKeepsItsTime();
};

void TestTonePlayer::successPatternIsTwoShortBeeps()
{
    const std::vector<std::int16_t> pcm = RenderTones(SuccessTones(), kRate);
    QCOMPARE(pcm.size(), Samples(50 + 50 + 50 + 500));

    // 1000 Hz for 50 ms: 50 periods, two zero crossings each.
    const int first = ZeroCrossings(pcm, 0, Samples(50));
    QVERIFY2(std::abs(first - 100) <= 2, qPrintable(QString::number(first)));
    QVERIFY(IsSilent(pcm, Samples(50), Samples(50)));
    const int second = ZeroCrossings(pcm, Samples(100), Samples(50));
    QVERIFY2(std::abs(second - 100) <= 2, qPrintable(QString::number(second)));
    QVERIFY(IsSilent(pcm, Samples(150), Samples(500)));
}

void TestTonePlayer::failurePatternIsFourLongBeeps()
{
    const std::vector<std::int16_t> pcm = RenderTones(FailureTones(), kRate);
    QCOMPARE(pcm.size(), Samples(4 * 400 + 3 * 100 + 500));
    for (int beep = 0; beep < 4; ++beep) {
        const std::size_t start = Samples(beep * 500);
        // 500 Hz for 400 ms: 200 periods.
        const int crossings = ZeroCrossings(pcm, start, Samples(400));
        QVERIFY2(std::abs(crossings - 400) <= 2, qPrintable(QString::number(crossings)));
        QVERIFY(Peak(pcm, start, Samples(400)) > 10000);
        QVERIFY(IsSilent(pcm, start + Samples(400), Samples(beep == 3 ? 500 : 100)));
    }
}

void TestTonePlayer::tonesFadeInAndOut()
{
    const std::vector<std::int16_t> pcm = RenderTones({{1000, 100, 0}}, kRate);
    QCOMPARE(pcm.size(), Samples(100));
    const int middle = Peak(pcm, Samples(40), Samples(20));
    QVERIFY(middle > 15000);
    QVERIFY(middle < 32767);
    // The first and last millisecond stay far below full level.
    QVERIFY(Peak(pcm, 0, Samples(1)) < middle / 4);
    QVERIFY(Peak(pcm, pcm.size() - Samples(1), Samples(1)) < middle / 4);
}

void TestTonePlayer::emptyPatternRendersNothing()
{
    QVERIFY(RenderTones({}, kRate).empty());
    QVERIFY(RenderTones(SuccessTones(), 0).empty());
    QCOMPARE(RenderTones({{1000, 0, 20}}, kRate).size(), Samples(20));
}

void TestTonePlayer::withoutASoundDeviceThePatternKeepsItsTime()
{
    std::vector<std::chrono::milliseconds> waits;
    CAlsaTonePlayer player("zq-l52-no-such-device",
                           [&waits](std::chrono::milliseconds time) { waits.push_back(time); });
    player.Play(SuccessTones());
    player.Play(FailureTones());
    player.Play({});
    const std::vector<std::chrono::milliseconds> expected = {
        std::chrono::milliseconds(50 + 50 + 50 + 500), std::chrono::milliseconds(4 * 400 + 3 * 100 + 500)};
    QCOMPARE(waits, expected);
}

ZQ_GUI_TEST(TestTonePlayer)
#include "tst_tone_player.moc"
