// The macro file on real files: made when missing, a wrong size read, said once and kept aside,
// a change another program made meanwhile kept, a failed write undone; and the folder rules.
#include "host/files/macro_library_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "device/session/session_rig.h"
#include "host/files/atomic_file_writer.h"
#include "host/files/macro_exchange.h"
#include "host/files/macro_folder.h"
#include "image/files/file_io.h"
#include "macros/macro_name.h"
#include "macros/pc_macros.h"

namespace gm::host {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using device::session::testing::SessionRig;
using gm::testing::TempFolder;

Bytes fileBytes(const fs::path& path) {
    return image::files::readFile(path).bytes;
}

std::vector<std::string> listed(const image::PcMacroStore& store) {
    std::vector<std::string> names;
    for (std::size_t record : macros::listedRecords(store))
        names.push_back(macros::decodeMacroName(store.records[record].name));
    return names;
}

macros::MacroOutcome addNew(MacroLibraryFile& file, device::Workspace& workspace,
                            const std::string& name) {
    return file.change(workspace, [&] { return macros::newPcMacro(workspace, name); });
}

TEST(MacroLibraryFile, AMissingFileIsMadeWith27200FreeBytes) {
    TempFolder temp;
    SessionRig rig;
    AtomicFileWriter writer;
    MacroLibraryFile file(temp / "sub" / kMacroFileName, writer);
    ASSERT_TRUE(file.load(rig.workspace).ok());
    EXPECT_EQ(fileBytes(file.path()), Bytes(27200, 0));
    ASSERT_TRUE(addNew(file, rig.workspace, "Reload").ok());
    const Bytes written = fileBytes(file.path());
    ASSERT_EQ(written.size(), 27200u);
    EXPECT_EQ(written[1], 'R');
}

TEST(MacroLibraryFile, AWrongSizeIsReadSaidOnceAndKeptAsideBeforeTheFirstWrite) {
    TempFolder temp;
    SessionRig rig;
    AtomicFileWriter writer;
    Bytes shortFile = macros::recordBytes({macros::encodeMacroName("Old"), {}});
    shortFile.resize(300, 0x00);
    const fs::path path = temp.write(kMacroFileName, shortFile);
    MacroLibraryFile file(path, writer);
    const device::Result loaded = file.load(rig.workspace);
    ASSERT_TRUE(loaded.ok());
    ASSERT_EQ(loaded.notes.size(), 1u);
    EXPECT_NE(loaded.notes[0].text.find("holds 300 bytes"), std::string::npos);
    EXPECT_EQ(listed(rig.workspace.pcMacros()), std::vector<std::string>{"Old"});

    const macros::MacroOutcome added = addNew(file, rig.workspace, "New");
    ASSERT_TRUE(added.ok());
    EXPECT_TRUE(added.result.notes.empty());
    EXPECT_EQ(fileBytes(fs::path(path).concat(".bak")), shortFile);
    EXPECT_EQ(fileBytes(path).size(), 27200u);
    // The next write replaces a whole file: the copy aside stays the original.
    ASSERT_TRUE(addNew(file, rig.workspace, "Third").ok());
    EXPECT_EQ(fileBytes(fs::path(path).concat(".bak")), shortFile);
}

TEST(MacroLibraryFile, AChangeKeepsWhatAnotherProgramWroteMeanwhile) {
    TempFolder temp;
    SessionRig editor;
    SessionRig tool;
    AtomicFileWriter writer;
    MacroLibraryFile editorFile(temp / kMacroFileName, writer);
    MacroLibraryFile toolFile(temp / kMacroFileName, writer);
    ASSERT_TRUE(editorFile.load(editor.workspace).ok());
    ASSERT_TRUE(toolFile.load(tool.workspace).ok());
    ASSERT_TRUE(addNew(toolFile, tool.workspace, "FromTool").ok());
    // The editor's store has not seen it; its change reads the file again first.
    ASSERT_TRUE(addNew(editorFile, editor.workspace, "FromEd").ok());
    EXPECT_EQ(listed(editor.workspace.pcMacros()),
              (std::vector<std::string>{"FromTool", "FromEd"}));
    EXPECT_EQ(macros::storeOfBytes(fileBytes(editorFile.path())), editor.workspace.pcMacros());
    // A refused change reads again too, and writes nothing.
    const macros::MacroOutcome duplicate = addNew(toolFile, tool.workspace, "FromEd");
    EXPECT_EQ(duplicate.refusal, macros::Refusal::Duplicate);
}

TEST(MacroLibraryFile, AFailedWritePutsTheStoreBack) {
    TempFolder temp;
    SessionRig rig;
    gm::testing::PlainFileWriter writer;
    MacroLibraryFile file(temp / kMacroFileName, writer);
    ASSERT_TRUE(file.load(rig.workspace).ok());
    writer.failWith("disk full");
    const macros::MacroOutcome added = addNew(file, rig.workspace, "Lost");
    EXPECT_FALSE(added.ok());
    EXPECT_EQ(added.result.step, device::Step::SaveFile);
    EXPECT_NE(added.result.detail.find("disk full"), std::string::npos);
    EXPECT_TRUE(listed(rig.workspace.pcMacros()).empty());
}

TEST(MacroFolder, PathSettingThenAWritableProgramFolderThenTheUserFolder) {
    FolderRules rules{"", "/opt/gmouse", "/home/u/.local/share/gmouse",
                      [](const fs::path& folder) { return folder != "/opt/gmouse"; }};
    EXPECT_EQ(macroFolder(rules), "/home/u/.local/share/gmouse");
    rules.writable = [](const fs::path&) { return true; };
    EXPECT_EQ(macroFolder(rules), "/opt/gmouse");
    rules.pathSetting = "/srv/macros/";
    EXPECT_EQ(macroFolder(rules), "/srv/macros/");
}

TEST(MacroExchange, AShortOrLongFileIsReadAsFarAsItGoesAndSaidSo) {
    TempFolder temp;
    const ExchangeFile shortOne =
        readExchangeFile(temp.write("one.bin", Bytes(20, 0x41)), kOneMacroFileSize, "macro");
    EXPECT_TRUE(shortOne.result.ok());
    EXPECT_EQ(shortOne.bytes.size(), 20u);
    ASSERT_EQ(shortOne.result.notes.size(), 1u);
    const ExchangeFile longOne =
        readExchangeFile(temp.write("all.bin", Bytes(30000, 0)), kAllMacrosFileSize, "list");
    EXPECT_EQ(longOne.bytes.size(), 27200u);
    EXPECT_EQ(longOne.result.notes.size(), 1u);
    EXPECT_FALSE(readExchangeFile(temp / "none.bin", 272, "macro").result.ok());
}

}  // namespace
}  // namespace gm::host
