// The INI profile functions behave alike on both backends, down to the bytes
// they leave in the file.
#include <gtest/gtest.h>
#include "Backend.h"
#include "settings/PasswordValue.h"

namespace hd::contract {

class ProfileContract : public ::testing::Test {
protected:
  std::unique_ptr<Backend> backend = MakeBackend();
  IProfile& profile = backend->platform().profile;
  IFiles& files = backend->platform().files;
  std::string dir = backend->TempDir();
  std::string ini = dir + "Main.cfg";

  void Put(const std::string& content) {
    std::uint32_t error = 0;
    ASSERT_TRUE(files.WriteFile(ini, content, error));
  }
  std::string Content() {
    std::string content;
    std::uint32_t error = 0;
    files.ReadFile(ini, content, error);
    return content;
  }
  std::string Get(const std::string& section, const std::string& key, const std::string& def = "d",
                  unsigned size = 2048) {
    return profile.GetPrivateProfileString(section, key, def, ini, size);
  }
  bool Set(const std::string& section, const std::string& key, const std::string& value) {
    return profile.WritePrivateProfileString(section, key, value, ini);
  }
};

TEST_F(ProfileContract, NewFileGetsSectionsAndKeysInWritingOrder) {
  EXPECT_TRUE(Set("Common", "rbNormal", "1"));
  EXPECT_TRUE(Set("Common", "Pwd", ""));
  EXPECT_TRUE(Set("Hide_mode", "cbHideTray", "0"));
  EXPECT_TRUE(Set("Switch", "rbFirst", "1"));
  EXPECT_EQ(Content(), "[Common]\r\nrbNormal=1\r\nPwd=\r\n[Hide_mode]\r\ncbHideTray=0\r\n[Switch]\r\nrbFirst=1\r\n");
  EXPECT_EQ(Get("Common", "Pwd"), "") << "an empty value is not the default";
  EXPECT_EQ(Get("Common", "none", "  dflt  "), "  dflt") << "the default loses trailing blanks";
}

TEST_F(ProfileContract, ReadingTrimsUnquotesAndIgnoresCase) {
  Put("pre=0\r\n  [ Common ]  \r\n\t rbNormal \t=\t 1 \t\r\nq=\"quoted\"\r\nhalf=\"open\r\nsq='x'\r\n"
      "[common]\r\nlater=2\r\n[Other\r\nk=v\r\n");
  EXPECT_EQ(Get("COMMON", "RBNORMAL"), "1");
  EXPECT_EQ(Get("Common", "q"), "quoted");
  EXPECT_EQ(Get("Common", "half"), "\"open");
  EXPECT_EQ(Get("Common", "sq"), "x");
  EXPECT_EQ(Get("Common", "later"), "d") << "only the first section of a name is read";
  EXPECT_EQ(Get("Other", "k"), "d") << "a section line needs its bracket";
  EXPECT_EQ(Get("", "pre"), "0") << "keys before the first section";
  EXPECT_EQ(Get("Common", "rbNormal", "d", 1), "");
}

TEST_F(ProfileContract, WritingRewritesTheFileAsParsed) {
  Put("; comment\r\n\r\n[common]\r\n  RBNORMAL  =  0  \r\nother=\"q\"\r\n\r\n[Other]\r\nk=v\r\n\r\n");
  EXPECT_TRUE(Set("Common", "rbNormal", "1"));
  EXPECT_TRUE(Set("Common", "NewKey", "n"));
  EXPECT_TRUE(Set("Other", "k2", "v2"));
  EXPECT_TRUE(Set("Third", "t", "3"));
  EXPECT_EQ(Content(), "; comment\r\n[common]\r\nRBNORMAL=1\r\nother=\"q\"\r\nNewKey=n\r\n[Other]\r\nk=v\r\nk2=v2\r\n"
                       "[Third]\r\nt=3\r\n");
}

TEST_F(ProfileContract, WritingTheSameValueLeavesTheFileUntouched) {
  Put("[A]\r\n\r\nk=1\r\n\r\n");
  EXPECT_TRUE(Set("a", "K", " 1"));
  EXPECT_EQ(Content(), "[A]\r\n\r\nk=1\r\n\r\n");
  EXPECT_TRUE(Set("A", "k", "2 "));
  EXPECT_EQ(Content(), "[A]\r\nk=2 \r\n");
  EXPECT_EQ(Get("A", "k"), "2");
}

TEST_F(ProfileContract, PlainValuesComeBackExactly) {
  std::string printable;
  for (int c = 0x21; c < 0x7F; ++c) printable += static_cast<char>(c);
  for (const std::string& value : {printable, std::string("in ner  blanks"), std::string(2047, 'y'),
                                   std::string("a=b;c[d]"), std::string("x\x80\x9f\xa0\xff" "x")}) {
    EXPECT_TRUE(Set("S", "v", value));
    EXPECT_EQ(Get("S", "v"), value);
  }
  EXPECT_TRUE(Set("S", "v", std::string(3000, 'z')));
  EXPECT_EQ(Get("S", "v"), std::string(2047, 'z')) << "cut to the buffer";
}

TEST_F(ProfileContract, EscapedPasswordsSurviveTheRealProfileFunctions) {
  std::vector<std::string> passwords = {" lead", "trail ", "\"q\"", "'", "a\r\nb", "a\rb",
                                        std::string("\0x\0", 3), "\t\x7f\x80\xa0\xff"};
  for (int c = 0; c < 256; ++c) passwords.push_back(std::string(1, static_cast<char>(c)));
  for (const std::string& pwd : passwords) {
    ASSERT_TRUE(Set("Common", "Pwd", EncodePwdValue(pwd)));
    EXPECT_EQ(DecodePwdValue(Get("Common", "Pwd")), pwd) << "first byte " << int(static_cast<unsigned char>(pwd[0]));
  }
}

TEST_F(ProfileContract, RefusedWritesReportFailure) {
  std::uint32_t error = 0;
  ASSERT_TRUE(files.CreateDirectory(dir + "folder", error));
  EXPECT_FALSE(profile.WritePrivateProfileString("A", "k", "1", dir + "folder"));
  ASSERT_TRUE(files.WriteFile(dir + "plain", "x", error));
  EXPECT_FALSE(profile.WritePrivateProfileString("A", "k", "1", dir + "plain\\x.cfg"));
  EXPECT_EQ(profile.GetPrivateProfileString("A", "k", "d", dir + "plain\\x.cfg", 2048), "d");
}

}  // namespace hd::contract
