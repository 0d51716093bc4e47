// Whole-file writes, replaces and folders fail alike on both backends, and the
// settings writers built on them leave nothing half done.
#include <gtest/gtest.h>
#include "Backend.h"
#include "settings/SettingsError.h"
#include "settings/SettingsFiles.h"

namespace hd::contract {

TEST(FilesContract, ErrorCodesOfRefusedWrites) {
  auto backend = MakeBackend();
  IFiles& files = backend->platform().files;
  const std::string dir = backend->TempDir();
  std::uint32_t error = 0;
  ASSERT_TRUE(files.CreateDirectory(dir + "folder", error));
  EXPECT_FALSE(files.CreateDirectory(dir + "folder", error));
  EXPECT_EQ(error, win::ERROR_ALREADY_EXISTS);
  ASSERT_TRUE(files.WriteFile(dir + "plain", std::string("a\0b\r\n", 5), error));
  std::string content;
  ASSERT_TRUE(files.ReadFile(dir + "plain", content, error));
  EXPECT_EQ(content, std::string("a\0b\r\n", 5));

  EXPECT_FALSE(files.WriteFile(dir + "folder", "x", error));
  EXPECT_EQ(error, win::ERROR_ACCESS_DENIED);
  EXPECT_FALSE(files.WriteFile(dir + "plain\\x", "x", error));
  EXPECT_EQ(error, win::ERROR_PATH_NOT_FOUND);
  EXPECT_FALSE(files.CreateDirectory(dir + "plain\\d", error));
  EXPECT_EQ(error, win::ERROR_PATH_NOT_FOUND);
  EXPECT_FALSE(files.WriteFile(dir + "a?b", "x", error));
  EXPECT_EQ(error, win::ERROR_INVALID_NAME);
  EXPECT_FALSE(files.ReplaceFile(dir + "plain", dir + "folder", error));
  EXPECT_EQ(error, win::ERROR_ACCESS_DENIED);
  ASSERT_TRUE(files.WriteFile(dir + "new", "new", error));
  ASSERT_TRUE(files.ReplaceFile(dir + "new", dir + "plain", error));
  ASSERT_TRUE(files.ReadFile(dir + "plain", content, error));
  EXPECT_EQ(content, "new");
  EXPECT_FALSE(files.FileExists(dir + "new"));
}

TEST(FilesContract, SettingsWritersCreateFoldersAndReportTheirTexts) {
  auto backend = MakeBackend();
  IFiles& files = backend->platform().files;
  const std::string dir = backend->TempDir();
  const std::string path = dir + "Settings\\Deep\\Sound.cfg";
  EnsureFileDirectory(files, path);
  WriteSettingsFile(files, path, "0\r\n0\r\n178.5\r\n");
  WriteSettingsFile(files, path, "-1\r\n0\r\n0\r\n");
  EXPECT_EQ(ReadSettingsLines(files, path), (std::vector<std::string>{"-1", "0", "0"}));
  EXPECT_EQ(files.FindFiles(dir + "Settings\\Deep\\Sound.cfg*"), std::vector<std::string>{"Sound.cfg"})
      << "no temporary file is left";

  std::uint32_t error = 0;
  ASSERT_TRUE(files.CreateDirectory(dir + "Settings\\HotKeys.cfg", error));
  try {
    WriteSettingsFile(files, dir + "Settings\\HotKeys.cfg", "1\r\n");
    ADD_FAILURE() << "a folder stands where the file goes";
  } catch (const SettingsError& e) {
    EXPECT_STREQ(e.what(), "File access denied");
  }
  ASSERT_TRUE(files.WriteFile(dir + "file", "", error));
  EnsureFileDirectory(files, dir + "file\\sub\\List.lst");
  try {
    WriteListFile(files, dir + "file\\sub\\List.lst", "a\r\n");
    ADD_FAILURE() << "the path runs through a regular file";
  } catch (const SettingsError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + dir + "file\\sub\\List.lst\". " +
                                         files.SystemErrorText(win::ERROR_PATH_NOT_FOUND));
  }
  EXPECT_FALSE(ReadSettingsLines(files, dir + "missing.cfg"));
}

TEST(FilesContract, AFileHeldOpenWithoutSharingCanBeNeitherReadNorReplaced) {
  auto backend = MakeBackend();
  Platform& p = backend->platform();
  const std::string dir = backend->TempDir();
  const std::string path = dir + "Held.lst";
  std::uint32_t error = 0;
  ASSERT_TRUE(p.files.WriteFile(path, "[S]\r\nk=v\r\n", error));
  ASSERT_TRUE(p.files.WriteFile(dir + "other", "other", error));
  backend->HoldOpen(path);

  EXPECT_TRUE(p.files.FileExists(path)) << "its attributes still answer";
  EXPECT_EQ(p.files.FindFiles(dir + "Held.*"), std::vector<std::string>{"Held.lst"});
  std::string content = "kept";
  error = 0;
  EXPECT_FALSE(p.files.ReadFile(path, content, error));
  EXPECT_EQ(error, win::ERROR_SHARING_VIOLATION);
  error = 0;
  EXPECT_FALSE(p.files.WriteFile(path, "x", error));
  EXPECT_EQ(error, win::ERROR_SHARING_VIOLATION);
  error = 0;
  EXPECT_FALSE(p.files.ReplaceFile(dir + "other", path, error));
  EXPECT_EQ(error, win::ERROR_ACCESS_DENIED);
  EXPECT_TRUE(p.files.FileExists(dir + "other"));
  EXPECT_FALSE(p.files.DeleteFile(path));
  EXPECT_EQ(p.profile.GetPrivateProfileString("S", "k", "none", path, 64), "none");
  EXPECT_FALSE(p.profile.WritePrivateProfileString("S", "k", "w", path));
  EXPECT_TRUE(p.files.FileExists(path));
}

}  // namespace hd::contract
