#include "clone/clone_protocol.h"
#include "clone/clone_session.h"
#include "clone_test_support.h"
#include "core/clone_file.h"
#include "core/memory_map.h"
#include "sim/virtual_transceiver.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace {

TEST(VirtualTransceiverTest, FaultNamesReadBackAsTheirFaults)
{
    std::istringstream names(SimFaultNames());
    std::string name;
    int count = 0;
    while (std::getline(names >> std::ws, name, ',')) {
        ESimFault fault = ESimFault::Silent;
        ASSERT_TRUE(ParseSimFault(name, fault)) << name;
        EXPECT_EQ(SimFaultName(fault), name);
        ++count;
    }
    EXPECT_EQ(count, 15);
    ESimFault fault = ESimFault::None;
    EXPECT_FALSE(ParseSimFault("Silent", fault));
}

TEST(VirtualTransceiverTest, LinkLeadsToTheDeviceWhileItLives)
{
    CTempDir dir;
    const std::string link = dir.File("ttyVL52");
    {
        SVirtualTransceiverOptions options;
        options.linkPath = link;
        CVirtualTransceiver sim(options);
        ASSERT_TRUE(sim.Open()) << sim.GetErrorText();
        EXPECT_EQ(std::filesystem::read_symlink(link).string(), sim.GetDevicePath());
    }
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));

    // A file that is not a link is never replaced.
    WriteFileText(link, "keep");
    SVirtualTransceiverOptions options;
    options.linkPath = link;
    CVirtualTransceiver sim(options);
    EXPECT_FALSE(sim.Open());
    EXPECT_EQ(ReadFileText(link), "keep");
}

TEST(VirtualTransceiverTest, AcceptedWriteIsHandedOnAndSaved)
{
    CTempDir dir;
    SVirtualTransceiverOptions options;
    options.saveWrittenPath = dir.File("written.vlk");
    CMemoryImage handedOn;
    options.onWritten = [&handedOn](const CMemoryImage& image) { handedOn = image; };
    CVirtualTransceiver sim(options);
    ASSERT_TRUE(sim.Start()) << sim.GetErrorText();

    CMemoryImage image(memory_map::kImageSize);
    image.Fill(0, 0x5A, image.GetSize());
    const std::string cloneFile = dir.File("out.vlk");
    ASSERT_EQ(SaveCloneFile(cloneFile, NormalSaveRanges(), image, "                "), "OK");
    CCloneSession session;
    session.SetDevice(sim.GetDevicePath());
    session.SetModelBytes(clone_protocol::kModel);
    session.SetRevisionBytes(clone_protocol::kRevision);
    session.SetCloneFile(cloneFile);
    ASSERT_EQ(session.WriteToTransceiver(), clone_outcome::kSuccess);
    sim.Join();

    EXPECT_TRUE(handedOn.IsEqual(image));
    CMemoryImage saved(memory_map::kImageSize);
    ASSERT_EQ(LoadCloneFile(options.saveWrittenPath, saved), "OK");
    EXPECT_TRUE(saved.IsEqual(image));
}

TEST(VirtualTransceiverTest, CommentComesFromTheImageUnlessGiven)
{
    SVirtualTransceiverOptions options;
    const std::string comment = "Hiking \xF5 club";
    options.image.Write(memory_map::kCloneComment, reinterpret_cast<const uint8_t*>(comment.data()),
                        static_cast<uint32_t>(comment.size()));
    CVirtualTransceiver sim(options);
    ASSERT_TRUE(sim.Start()) << sim.GetErrorText();
    CCloneSession session;
    session.SetDevice(sim.GetDevicePath());
    ASSERT_EQ(session.ReadInformation(), clone_outcome::kSuccess);
    // Bytes above 0xEF cannot travel in an information block.
    EXPECT_EQ(session.GetInformation().Comment().substr(0, comment.size()), "Hiking   club");
}

TEST(VirtualTransceiverTest, StopEndsAForegroundRun)
{
    CVirtualTransceiver sim(SVirtualTransceiverOptions{});
    ASSERT_TRUE(sim.Open()) << sim.GetErrorText();
    std::thread server([&sim] { sim.Run(); });
    sim.Stop();
    server.join();
    EXPECT_FALSE(sim.HasHungUp());
}

} // namespace
