#include "channels/model_profile.h"
#include "core/command_text.h"
#include "core/rig/default_images.h"
#include "core/rig/radio_data.h"
#include "core/rig/rig_core.h"
#include "core/settings_store.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace {

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

// A fresh core holds the healed all-zero image; a document starts from the default image.
struct SDefaultRig : CRigCore
{
    SDefaultRig()
    {
        Execute("INITIALIZE");
        Execute("EDIT_FLAG=OFF");
    }
};

TEST(RigCoreRouting, HandlersAnswerInOrderAndCaseDoesNotMatter)
{
    SDefaultRig rig;
    EXPECT_EQ(rig.Execute("common.beep"), rig.Execute("COMMON.BEEP"));
    EXPECT_EQ(rig.Execute("COMMON.BEEP"), "ON");
    EXPECT_EQ(rig.Execute("NOSUCH.KEY"), "");
    EXPECT_EQ(rig.Execute(""), "");
    EXPECT_EQ(rig.Execute("COMMON.RF_POWER="), "HIGH") << "an empty value is a query";
    EXPECT_EQ(rig.Execute("COMMON.RF_POWER.ByNumber=0"), "0");
    EXPECT_EQ(rig.Execute("COMMON.RF_POWER.Bogus=HIGH"), "HIGH");
    EXPECT_EQ(rig.Execute("COMMON.CLONE_COMMENT=A=B"), "A               ");
    EXPECT_EQ(rig.Execute("Model.50M_EXIST"), "OK");
    EXPECT_EQ(rig.Execute("CH.MCH.100.FREQUENCY"), "");
    EXPECT_EQ(rig.Execute("CH.MCH.-1.FREQUENCY"), "");
    EXPECT_EQ(rig.Execute("DTMF.3=12*#"), "12EF");
    EXPECT_EQ(rig.Execute("FILE.COPY.\"x\""), "") << "FILE with another operation is not taken";
    EXPECT_EQ(rig.Execute("heal"), "OK");
    EXPECT_EQ(rig.Execute("Initialize"), "OK");
}

TEST(RigCoreRouting, DefaultUsaImageShowsItsTellingRows)
{
    SDefaultRig rig;
    EXPECT_EQ(rig.Execute("CH.MCH.0.FREQUENCY"), "51.0000");
    EXPECT_EQ(rig.Execute("CH.MCH.0.REPEATER_FREQUENCY"), "0.5000");
    EXPECT_EQ(rig.Execute("CH.MCH.1.FREQUENCY"), "146.0100");
    EXPECT_EQ(rig.Execute("CH.MCH.2.REPEATER_FREQUENCY"), "5.0000");
    EXPECT_EQ(rig.Execute("CH.MCH.3.FREQUENCY"), "1295.0000");
    EXPECT_EQ(rig.Execute("CH.MCH.4.APPEAR"), "OFF");
    EXPECT_EQ(rig.Execute("CH.PCH.0A.FREQUENCY"), "50.0000");
    EXPECT_EQ(rig.Execute("CH.PCH.0B.FREQUENCY"), "1300.0000");
    EXPECT_EQ(rig.Execute("CH.PCH.1A.APPEAR"), "OFF");
    EXPECT_EQ(rig.Execute("CH.VFO.WFM.MODE"), "Wide FM");
    EXPECT_EQ(rig.Execute("CH.VFO.AIR.FREQUENCY"), "118.0000");
    EXPECT_EQ(rig.Execute("CH.CALL.430.FREQUENCY"), "440.0000");
    EXPECT_EQ(rig.Execute("CH.MCH.0.NAME"), "      ");
    EXPECT_EQ(rig.Execute("COMMON.AUTO_REPEATER"), "OFF");
    EXPECT_EQ(rig.Execute("COMMON.CLONE_COMMENT"), std::string(16, ' '));
}

TEST(RigCoreRouting, ModelChangeRebuildsTheDefaultsAndInitializes)
{
    SDefaultRig rig;
    rig.Execute("CH.MCH.50.FREQUENCY=145.5");
    rig.Execute("CH.MCH.50.APPEAR=ON");
    EXPECT_EQ(rig.Execute("MODEL.COUNTRY.ByNumber=0"), "0");
    EXPECT_EQ(rig.Execute("CH.MCH.50.APPEAR"), "OFF") << "a new model starts from its default image";
    EXPECT_EQ(rig.Execute("CH.MCH.1.FREQUENCY"), "145.0000");
    EXPECT_EQ(rig.Execute("COMMON.AUTO_REPEATER"), "ON");
    EXPECT_EQ(rig.Execute("MODEL.COUNTRY=TPE"), "TPE");
    EXPECT_EQ(rig.Execute("Model.50M_EXIST"), "NG");
    EXPECT_TRUE(rig.DefaultImage().IsEqual(BuildDefaultImage(19)));
    EXPECT_EQ(rig.Execute("CH.MCH.0.FREQUENCY"), "145.0000") << "no 50 MHz channel without the band";
    EXPECT_EQ(rig.Execute("CH.CALL.50.MODE"), "Wide FM");
    rig.Execute("CH.MCH.0.NAME=ABC");
    EXPECT_EQ(rig.Execute("MODEL.COUNTRY=TPE"), "TPE");
    EXPECT_EQ(rig.Execute("CH.MCH.0.NAME"), "ABC   ") << "setting the same value changes nothing";
}

TEST(RigCoreEditFlag, TracksDifferencesFromTheSnapshot)
{
    SDefaultRig rig;
    EXPECT_EQ(rig.Execute("EDIT_FLAG"), "OFF");
    EXPECT_EQ(rig.Execute("EDIT_FLAG=ON"), "ON");
    EXPECT_EQ(rig.Execute("EDIT_FLAG"), "ON");
    EXPECT_EQ(rig.Execute("EDIT_FLAG=maybe"), "ON");
    EXPECT_EQ(rig.Execute("EDIT_FLAG=OFF"), "OFF");

    rig.Execute("COMMON.BEEP=OFF");
    EXPECT_EQ(rig.Execute("EDIT_FLAG"), "ON");
    EXPECT_EQ(rig.Execute("EDIT_FLAG=OFF"), "OFF");
    rig.Execute("COMMON.BEEP=ON");
    rig.Execute("COMMON.BEEP=OFF");
    EXPECT_EQ(rig.Execute("EDIT_FLAG"), "OFF") << "a change and its undoing is no edit";

    rig.Execute("CH.MCH.0.FREQUENCY=51.0001");
    EXPECT_EQ(rig.Execute("EDIT_FLAG"), "OFF") << "healing rounds the change away";
}

TEST(RigCoreFile, SaveLoadAndRoundTrip)
{
    CTempDir dir;
    SDefaultRig rig;
    rig.Execute("CH.MCH.10.FREQUENCY=433.125");
    rig.Execute("CH.MCH.10.APPEAR=ON");
    rig.Execute("CH.MCH.10.NAME=club");
    rig.Execute("COMMON.CLONE_COMMENT=Field day");
    const std::string path = dir.File("folder.with.dots/a.b.vlk");
    std::filesystem::create_directory(dir.File("folder.with.dots"));
    ASSERT_EQ(rig.Execute("FILE.SAVE." + Quoted(path)), "OK");
    const std::string text = ReadFileText(path);
    EXPECT_EQ(text.substr(0, 29), "21350001\r\n#Field day       \r\n");

    SDefaultRig other;
    ASSERT_EQ(other.Execute("file.load." + Quoted(path)), "OK");
    EXPECT_EQ(other.Execute("CH.MCH.10.NAME"), "CLUB  ");
    EXPECT_EQ(other.Execute("CH.MCH.10.FREQUENCY"), "433.1250");
    EXPECT_TRUE(other.WorkingImage().IsEqual(rig.WorkingImage()));

    const std::string again = dir.File("again.vlk");
    ASSERT_EQ(other.Execute("FILE.SAVE." + Quoted(again)), "OK");
    EXPECT_EQ(ReadFileText(again), text) << "load and save reproduce the file byte for byte";
}

TEST(RigCoreFile, FailedLoadChangesNeitherImageNorEditFlag)
{
    CTempDir dir;
    SDefaultRig rig;
    rig.Execute("CH.MCH.20.FREQUENCY=145.5");
    rig.Execute("CH.MCH.20.APPEAR=ON");
    ASSERT_EQ(rig.Execute("EDIT_FLAG"), "ON");
    const CMemoryImage before = rig.WorkingImage();

    const std::string bad = dir.File("bad.vlk");
    WriteFileText(bad, "21360001\r\n#\r\n");
    EXPECT_EQ(rig.Execute("FILE.LOAD." + Quoted(bad)), "MISMATCH_MODEL");
    EXPECT_EQ(rig.Execute("FILE.LOAD.no-quotes.vlk"), "CANNOT_OPEN_FILE");
    EXPECT_EQ(rig.Execute("FILE.LOAD." + Quoted(dir.File("missing.vlk"))), "CANNOT_OPEN_FILE");

    // A file of only 100 records.
    SDefaultRig donor;
    const std::string full = dir.File("full.vlk");
    ASSERT_EQ(donor.Execute("FILE.SAVE." + Quoted(full)), "OK");
    std::string text = ReadFileText(full);
    text.resize(text.find("064010"));
    const std::string partial = dir.File("partial.vlk");
    WriteFileText(partial, text);
    EXPECT_EQ(rig.Execute("FILE.LOAD." + Quoted(partial)), "NOT_ENOUGH_DATA");

    EXPECT_EQ(rig.Execute("EDIT_FLAG"), "ON");
    EXPECT_TRUE(rig.WorkingImage().IsEqual(before));
    EXPECT_EQ(rig.Execute("CH.MCH.20.FREQUENCY"), "145.5000");
    EXPECT_EQ(rig.Execute("FILE.SAVE." + Quoted(dir.File("no/folder.vlk"))), "CANNOT_OPEN_FILE");
}

TEST(RigCoreFile, SaveWithSafetyKeepsTheWorkingImageAndTheUsersChannels)
{
    CTempDir dir;
    SDefaultRig rig;
    // A channel the USA plan does not allow (230-300 MHz is never allowed).
    rig.Execute("CH.MCH.30.FREQUENCY=250.0");
    rig.Execute("CH.MCH.30.APPEAR=ON");
    rig.Execute("HEAL");
    ASSERT_EQ(rig.Execute("CH.MCH.30.ISLEGAL"), "NG");
    const CMemoryImage before = rig.WorkingImage();

    const std::string path = dir.File("safe.vlk");
    ASSERT_EQ(rig.Execute("FILE.SAVE.WithSafety." + Quoted(path)), "OK");
    EXPECT_TRUE(rig.WorkingImage().IsEqual(before));
    EXPECT_EQ(ReadFileText(path).find("\r\n084004"), ReadFileText(path).find("\r\n0840"));
    EXPECT_EQ(ReadFileText(path).find("\r\n0844"), std::string::npos);

    // The file carries the default contents in place of the illegal channel...
    CMemoryImage sent(2816);
    ASSERT_EQ(LoadCloneFile(path, sent), "NOT_ENOUGH_DATA");
    // ...while the document keeps what the user had, also after the next heal.
    EXPECT_EQ(rig.Execute("HEAL"), "OK");
    EXPECT_TRUE(rig.WorkingImage().IsEqual(before));
    EXPECT_EQ(rig.Execute("CH.MCH.30.FREQUENCY"), "250.0000");
}

TEST(RigCoreFile, SaveWithSafetyKeepsEditsNotYetHealed)
{
    CTempDir dir;
    SDefaultRig rig;
    rig.Execute("CH.MCH.7.APPEAR=ON");
    rig.Execute("CH.MCH.7.FREQUENCY=439.5");
    const std::string path = dir.File("unhealed.vlk");
    ASSERT_EQ(rig.Execute("FILE.SAVE.WithSafety." + Quoted(path)), "OK");
    EXPECT_EQ(rig.Execute("EDIT_FLAG"), "ON");
    EXPECT_EQ(rig.Execute("CH.MCH.7.FREQUENCY"), "439.5000");
    EXPECT_NE(ReadFileText(path).find("\r\n007010439500"), std::string::npos) << "the file carries the edit";
}

// Between a save with safety and the next heal, answers, edits and copies see the user's data,
// never the default contents the safety heal put into the illegal channel.
TEST(RigCoreFile, EditsAfterSaveWithSafetySurviveTheNextHeal)
{
    CTempDir dir;
    SDefaultRig rig;
    rig.Execute("MODEL.COUNTRY.ByNumber=5");
    rig.Execute("MODEL.EXPAND=0");
    rig.Execute("MODEL.MATRIX_50M_ENABLE=2");
    rig.Execute("CH.MCH.30.FREQUENCY=250.0");
    rig.Execute("CH.MCH.30.APPEAR=ON");
    rig.Execute("EDIT_FLAG=ON");
    ASSERT_EQ(rig.Execute("FILE.SAVE.WithSafety." + Quoted(dir.File("x.vlk"))), "OK");

    EXPECT_EQ(rig.Execute("CH.MCH.30.FREQUENCY"), "250.0000");
    rig.Execute("CH.MCH.5.FREQUENCY=146.52");
    rig.Execute("CH.MCH.5.APPEAR=ON");
    rig.Execute("COMMON.BEEP=OFF");
    rig.Execute("DTMF.2=123");
    EXPECT_EQ(rig.Execute("CH.MCH.30.COPY"), "OK");
    EXPECT_EQ(rig.Execute("CH.MCH.31.PASTE"), "OK");
    EXPECT_EQ(rig.Execute("HEAL"), "OK");
    EXPECT_EQ(rig.Execute("CH.MCH.5.FREQUENCY"), "146.5200");
    EXPECT_EQ(rig.Execute("COMMON.BEEP"), "OFF");
    EXPECT_EQ(rig.Execute("DTMF.2"), "123");
    EXPECT_EQ(rig.Execute("CH.MCH.31.FREQUENCY"), "250.0000") << "the copy took the user's channel";
}

TEST(RigCoreImage, SnapshotAndRestoreTheWholeImage)
{
    SDefaultRig rig;
    const std::string original = rig.Execute("IMAGE");
    ASSERT_EQ(original.size(), 2U * 2816);
    rig.Execute("CH.MCH.7.FREQUENCY=439.5");
    rig.Execute("CH.MCH.7.APPEAR=ON");
    rig.Execute("DTMF.1=555");
    const std::string edited = rig.Execute("IMAGE");
    EXPECT_NE(edited, original);
    EXPECT_EQ(rig.Execute("IMAGE=" + original), "OK");
    EXPECT_EQ(rig.Execute("CH.MCH.7.APPEAR"), "OFF");
    EXPECT_EQ(rig.Execute("DTMF.1"), "");
    EXPECT_EQ(rig.Execute("IMAGE"), original);
    EXPECT_EQ(rig.Execute("IMAGE=" + edited), "OK");
    EXPECT_EQ(rig.Execute("CH.MCH.7.FREQUENCY"), "439.5000");
    EXPECT_EQ(rig.Execute("IMAGE=12"), "FORMAT_ERROR");
    EXPECT_EQ(rig.Execute("IMAGE=" + std::string(5632, 'g')), "FORMAT_ERROR");
    EXPECT_EQ(rig.Execute("IMAGE"), edited);
}

TEST(RigCoreClipboard, SavedContentComesBackInNestedOrder)
{
    SDefaultRig rig;
    EXPECT_EQ(rig.Execute("CLIPBOARD.RESTORE"), "NG") << "nothing put aside";
    rig.Execute("CH.MCH.3.FREQUENCY=145.5");
    rig.Execute("CH.MCH.3.APPEAR=ON");
    rig.Execute("CH.MCH.3.COPY");
    EXPECT_EQ(rig.Execute("CLIPBOARD.SAVE"), "OK");
    EXPECT_EQ(rig.Execute("CH.MCH.9.PASTE.CHECK"), "NG") << "the slot is empty while its content is aside";
    rig.Execute("CH.CALL.430.COPY");
    EXPECT_EQ(rig.Execute("clipboard.save"), "OK");
    rig.Execute("CH.MCH.4.COPY");
    EXPECT_EQ(rig.Execute("CLIPBOARD.RESTORE"), "OK");
    rig.Execute("CH.MCH.9.PASTE");
    EXPECT_EQ(rig.Execute("CH.MCH.9.FREQUENCY"), rig.Execute("CH.CALL.430.FREQUENCY"));
    EXPECT_EQ(rig.Execute("CLIPBOARD.RESTORE"), "OK");
    rig.Execute("CH.MCH.9.PASTE");
    EXPECT_EQ(rig.Execute("CH.MCH.9.FREQUENCY"), "145.5000");
    EXPECT_EQ(rig.Execute("CLIPBOARD.RESTORE"), "NG");
}

// Every default image: fixed bytes, legal channels and a stable heal.
TEST(DefaultImages, FixedBytesLegalChannelsAndIdempotentHeal)
{
    for (int entry = 0; entry < kDefaultImageCount; ++entry) {
        const CMemoryImage image = BuildDefaultImage(entry);
        for (auto [first, last] : {std::pair{0x860, 0x87F}, {0x8A0, 0x8FF}, {0x984, 0x9FF}, {0xA90, 0xADF}}) {
            for (int a = first; a <= last; ++a) {
                ASSERT_EQ(image.GetByte(static_cast<uint32_t>(a)), 0xFF) << entry << " at " << a;
            }
        }
        for (uint32_t a = 0xAE0; a < 0xAF0; ++a) {
            ASSERT_EQ(image.GetByte(a), ' ');
        }
        std::string signature(16, '\0');
        image.Read(0xAF0, reinterpret_cast<uint8_t*>(signature.data()), 16);
        EXPECT_EQ(signature, "VelkCloneFormat3");
    }

    // Each profile that selects an entry finds every stored channel of it legal.
    for (int country = 0; country < CModelProfile::kCountryCount; ++country) {
        for (int expand = 0; expand <= 2; ++expand) {
            for (int matrix : {0, 2}) {
                SDefaultRig rig;
                rig.Execute("MODEL.COUNTRY.ByNumber=" + std::to_string(country));
                rig.Execute("MODEL.EXPAND=" + std::to_string(expand));
                rig.Execute("MODEL.MATRIX_50M_ENABLE=" + std::to_string(matrix));
                const std::string where =
                    std::to_string(country) + "/" + std::to_string(expand) + "/" + std::to_string(matrix);
                for (const char* kind : {"MCH", "PCH", "CALL"}) {
                    for (const char* number : {"0", "1", "2", "3", "0A", "0B", "50", "144", "430", "1200"}) {
                        const std::string prefix = std::string("CH.") + kind + "." + number + ".";
                        if (rig.Execute(prefix + "APPEAR") == "ON") {
                            EXPECT_EQ(rig.Execute(prefix + "ISLEGAL"), "OK") << where << " " << prefix;
                        }
                    }
                }
                const std::string healed = rig.Execute("IMAGE");
                rig.Execute("HEAL");
                EXPECT_EQ(rig.Execute("IMAGE"), healed) << where;
            }
        }
    }
}

TEST(RadioData, ProfileComesFromTheSettingsStore)
{
    CMemorySettingsStore store;
    {
        CL52RadioData data(&store);
        data.Initialize();
        EXPECT_EQ(data.Execute("MODEL.COUNTRY"), "USA");
        EXPECT_EQ(data.GetProfile().version[0], 5);
        EXPECT_EQ(data.GetMachineName(), "VL-L52");
        EXPECT_EQ(data.GetModelComment(), std::string(16, ' '));
        EXPECT_FALSE(data.IsEdited());
    }
    EXPECT_FALSE(store.Contains(settings::kSetupInfo, settings::kDestination))
        << "nothing is stored before a setup was done";

    store.SetInt(settings::kSetupInfo, settings::kSetupDone, 1);
    store.SetInt(settings::kSetupInfo, settings::kDestination, 1);
    store.SetInt(settings::kSetupInfo, settings::kExpandLevel, 2);
    store.SetInt(settings::kSetupInfo, settings::kOptionFlags, 3);
    {
        CL52RadioData data(&store);
        data.Initialize();
        EXPECT_EQ(data.Execute("MODEL.COUNTRY"), "EUR");
        EXPECT_EQ(data.Execute("MODEL.EXPAND"), "2");
        EXPECT_EQ(data.Execute("MODEL.MATRIX_50M_ENABLE"), "2");
        EXPECT_EQ(data.GetProfile().version[2], 3);
    }
    store.SetInt(settings::kSetupInfo, settings::kOptionFlags, 1);
    {
        CL52RadioData data(&store);
        EXPECT_EQ(data.Execute("MODEL.MATRIX_50M_ENABLE"), "0") << "bit 1 of the flags is the 50 MHz band";
        STransceiverProfile other = data.GetProfile();
        EXPECT_TRUE(data.MatchProfile(other, true));
        other.version[0] = 9;
        EXPECT_FALSE(data.MatchProfile(other, true));
        EXPECT_EQ(data.Execute("MODEL.COUNTRY"), "EUR");
        EXPECT_FALSE(data.MatchProfile(other, false));
        EXPECT_EQ(data.Execute("MODEL.COUNTRY"), "KOR");
        other.model = 0x2136;
        EXPECT_FALSE(data.MatchProfile(other, false));
    }
    EXPECT_EQ(store.GetInt(settings::kSetupInfo, settings::kDestination, 0), 9)
        << "the destructor stores the version it carries once a setup was done";
}

TEST(RadioData, TemporaryFileAndDocumentFiles)
{
    CTempDir dir;
    std::string temporary;
    {
        CL52RadioData data;
        temporary = data.TemporaryPath();
        EXPECT_NE(temporary.find("/cw"), std::string::npos);
        data.Initialize();
        EXPECT_EQ(ReadFileText(temporary).substr(0, 8), "21350001") << "a new document saves itself there";

        data.Execute("CH.MCH.40.FREQUENCY=145.25");
        data.Execute("CH.MCH.40.APPEAR=ON");
        EXPECT_TRUE(data.IsEdited());
        const std::string path = dir.File("doc.vlk");
        ASSERT_EQ(data.SaveDocument(path), "OK");
        EXPECT_FALSE(data.IsEdited());

        data.Initialize();
        data.Execute("COMMON.BEEP=OFF");
        EXPECT_TRUE(data.IsEdited());
        EXPECT_EQ(data.OpenDocument(dir.File("nothing.vlk")), "CANNOT_OPEN_FILE");
        EXPECT_TRUE(data.IsEdited()) << "a failed open leaves the edits and their mark";
        EXPECT_EQ(data.LoadCloneFile(dir.File("nothing.vlk")), "CANNOT_OPEN_FILE");
        EXPECT_TRUE(data.IsEdited());
        ASSERT_EQ(data.OpenDocument(path), "OK");
        EXPECT_FALSE(data.IsEdited());
        EXPECT_EQ(data.Execute("CH.MCH.40.FREQUENCY"), "145.2500");

        const std::string clone = dir.File("clone.vlk");
        EXPECT_EQ(data.SaveCloneFile(clone), "OK");
        EXPECT_EQ(std::filesystem::status(clone).permissions(), std::filesystem::perms(0600));
        EXPECT_EQ(data.SaveCloneFile(dir.File("no/such.vlk")), "CANNOT_OPEN_FILE");

        // Exchange files are never reopened through a link put in their place; a vanished one
        // is made again, private.
        const std::string victim = dir.File("victim.txt");
        WriteFileText(victim, "kept");
        std::filesystem::remove(clone);
        std::filesystem::create_symlink(victim, clone);
        EXPECT_EQ(data.SaveCloneFile(clone), "CANNOT_OPEN_FILE");
        EXPECT_EQ(data.LoadCloneFile(clone), "CANNOT_OPEN_FILE");
        std::filesystem::remove(temporary);
        std::filesystem::create_symlink(victim, temporary);
        data.Initialize();
        EXPECT_EQ(ReadFileText(victim), "kept");
        std::filesystem::remove(temporary);
        data.Initialize();
        EXPECT_EQ(ReadFileText(temporary).substr(0, 8), "21350001");
        EXPECT_EQ(std::filesystem::status(temporary).permissions(), std::filesystem::perms(0600));
    }
    EXPECT_FALSE(std::filesystem::exists(temporary)) << "the temporary file goes with the object";
}

} // namespace
