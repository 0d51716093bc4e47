// Registry keys and string values behave alike on both backends.
#include <gtest/gtest.h>
#include "Backend.h"

namespace hd::contract {

TEST(RegistryContract, CreateSetQueryDeleteUnderTheUsersKey) {
  auto backend = MakeBackend();
  IRegistry& registry = backend->platform().registry;
  const std::string parent = "Software\\HushdeskContract";
  const std::string path = parent + "\\Run" + std::to_string(backend->platform().system.TickCountMs());
  EXPECT_EQ(registry.OpenKey(RegistryRoot::CurrentUser, path), 0u) << "a missing key does not open";

  const Handle created = registry.CreateKey(RegistryRoot::CurrentUser, path);
  ASSERT_NE(created, 0u);
  EXPECT_TRUE(registry.SetStringValue(created, "vhd", "\"C:\\Program Files\\Hushdesk\\hushdesk.exe\" /hidden"));
  EXPECT_TRUE(registry.SetStringValue(created, "empty", ""));
  registry.CloseKey(created);

  const Handle opened = registry.OpenKey(RegistryRoot::CurrentUser, path);
  ASSERT_NE(opened, 0u);
  EXPECT_EQ(registry.QueryStringValue(opened, "VHD"), "\"C:\\Program Files\\Hushdesk\\hushdesk.exe\" /hidden")
      << "value names ignore letter case";
  EXPECT_EQ(registry.QueryStringValue(opened, "empty"), "");
  EXPECT_TRUE(registry.SetStringValue(opened, "vhd", "again"));
  EXPECT_EQ(registry.QueryStringValue(opened, "vhd"), "again") << "a value is overwritten";
  EXPECT_TRUE(registry.DeleteValue(opened, "vhd"));
  EXPECT_FALSE(registry.DeleteValue(opened, "vhd")) << "a value that is not there";
  EXPECT_FALSE(registry.QueryStringValue(opened, "vhd"));
  EXPECT_TRUE(registry.DeleteValue(opened, "empty"));
  registry.CloseKey(opened);

  const Handle writing = registry.CreateKey(RegistryRoot::CurrentUser, path);
  EXPECT_TRUE(registry.SetStringValue(writing, "vhd", "kept"));
  registry.CloseKey(writing);
  const Handle reading = registry.OpenKeyToRead(RegistryRoot::CurrentUser, path);
  ASSERT_NE(reading, 0u);
  EXPECT_EQ(registry.QueryStringValue(reading, "vhd"), "kept");
  EXPECT_FALSE(registry.SetStringValue(reading, "vhd", "refused")) << "a key opened to read is not written";
  EXPECT_FALSE(registry.DeleteValue(reading, "vhd"));
  registry.CloseKey(reading);
  const Handle cleaning = registry.OpenKey(RegistryRoot::CurrentUser, path);
  EXPECT_TRUE(registry.DeleteValue(cleaning, "vhd"));
  registry.CloseKey(cleaning);

  const Handle again = registry.CreateKey(RegistryRoot::CurrentUser, path);
  EXPECT_NE(again, 0u) << "creating an existing key opens it";
  registry.CloseKey(again);
  const Handle parentKey = registry.OpenKey(RegistryRoot::CurrentUser, parent);
  EXPECT_NE(parentKey, 0u) << "the parent was created on the way";
  registry.CloseKey(parentKey);

  backend->DeleteUserKey(path);
  backend->DeleteUserKey(parent);
  EXPECT_EQ(registry.OpenKey(RegistryRoot::CurrentUser, path), 0u);
}

}  // namespace hd::contract
