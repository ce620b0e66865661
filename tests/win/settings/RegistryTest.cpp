// The registry operations against the prefix's real registry, in a scratch
// key of the current user.
#include <gtest/gtest.h>

#include "RegistryTestSupport.h"
#include "basRegistry.h"

namespace {

using namespace settingstest;

const char* const ScratchPath = "Software\\TsSettingsStoreTest";
const HKEY Sentinel = reinterpret_cast<HKEY>(0x5A5A);

class Registry : public ::testing::Test {
  protected:
    void SetUp() override {
        DeleteKeyTree(HKEY_CURRENT_USER, ScratchPath);
        std::string none;
        ASSERT_TRUE(basRegistry::OpenOrCreateKey(HKEY_CURRENT_USER, ScratchPath, none, key_));
    }
    void TearDown() override {
        basRegistry::CloseKey(key_);
        DeleteKeyTree(HKEY_CURRENT_USER, ScratchPath);
    }
    bool Put(const std::string& name, DWORD type, const void* data, DWORD size) {
        return PutRaw(HKEY_CURRENT_USER, ScratchPath, name, type, data, size);
    }
    HKEY key_ = nullptr;
};

TEST(RegistryOpen, OpenOrCreateKeyCreatesTheJoinedPathAndDropsALeadingBackslash) {
    const std::string full = std::string(ScratchPath) + "\\Product";
    DeleteKeyTree(HKEY_CURRENT_USER, ScratchPath);
    std::string subkey = "\\Product";
    HKEY key = Sentinel;
    ASSERT_TRUE(basRegistry::OpenOrCreateKey(HKEY_CURRENT_USER, ScratchPath, subkey, key));
    EXPECT_EQ("Product", subkey) << "the shortened subkey is handed back";
    EXPECT_NE(Sentinel, key);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, full)) << "the missing key was created";
    EXPECT_TRUE(basRegistry::WriteDword(key, "Here", 7));
    EXPECT_TRUE(basRegistry::CloseKey(key));
    EXPECT_EQ(REG_DWORD, GetRaw(HKEY_CURRENT_USER, full, "Here").type);

    // Handing the shortened subkey back in opens the same key again.
    ASSERT_TRUE(basRegistry::OpenOrCreateKey(HKEY_CURRENT_USER, ScratchPath, subkey, key));
    DWORD here = 0;
    EXPECT_TRUE(basRegistry::ReadDword(key, "Here", here));
    EXPECT_EQ(7u, here);
    basRegistry::CloseKey(key);

    // An empty subkey opens the key path itself.
    subkey.clear();
    ASSERT_TRUE(basRegistry::OpenOrCreateKey(HKEY_CURRENT_USER, ScratchPath, subkey, key));
    EXPECT_TRUE(basRegistry::WriteDword(key, "AtTop", 1));
    basRegistry::CloseKey(key);
    EXPECT_TRUE(GetRaw(HKEY_CURRENT_USER, ScratchPath, "AtTop").present);
    DeleteKeyTree(HKEY_CURRENT_USER, ScratchPath);
}

TEST(RegistryOpen, AnEmptyKeyPathFailsAndTouchesNothing) {
    // The system would open the root itself for an empty name.
    std::string subkey;
    HKEY key = Sentinel;
    EXPECT_FALSE(basRegistry::OpenOrCreateKey(HKEY_CURRENT_USER, "", subkey, key));
    EXPECT_EQ(Sentinel, key);

    subkey = "\\Software";
    EXPECT_FALSE(basRegistry::OpenOrCreateKey(HKEY_CURRENT_USER, "", subkey, key));
    EXPECT_EQ("\\Software", subkey) << "nothing is done before the check";
    EXPECT_EQ(Sentinel, key);
}

TEST(RegistryOpen, OpenExistingKeyDoesNotCreate) {
    const std::string missing = std::string(ScratchPath) + "\\Missing";
    DeleteKeyTree(HKEY_CURRENT_USER, ScratchPath);
    HKEY key = Sentinel;
    EXPECT_FALSE(basRegistry::OpenExistingKey(HKEY_CURRENT_USER, missing, key));
    EXPECT_EQ(Sentinel, key);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, missing));

    ASSERT_TRUE(PutDword(HKEY_CURRENT_USER, missing, "Now", 1));
    ASSERT_TRUE(basRegistry::OpenExistingKey(HKEY_CURRENT_USER, missing, key));
    DWORD now = 0;
    EXPECT_TRUE(basRegistry::ReadDword(key, "Now", now));
    EXPECT_EQ(1u, now);
    EXPECT_TRUE(basRegistry::CloseKey(key));
    DeleteKeyTree(HKEY_CURRENT_USER, ScratchPath);
}

TEST_F(Registry, DwordRoundTripAndTheStoredForm) {
    ASSERT_TRUE(basRegistry::WriteDword(key_, "Number", 0xFEDCBA98));
    RawValue raw = GetRaw(HKEY_CURRENT_USER, ScratchPath, "Number");
    EXPECT_EQ(REG_DWORD, raw.type);
    EXPECT_EQ(std::string("\x98\xBA\xDC\xFE", 4), raw.bytes);
    DWORD number = 0;
    EXPECT_TRUE(basRegistry::ReadDword(key_, "Number", number));
    EXPECT_EQ(0xFEDCBA98u, number);
}

TEST_F(Registry, ReadDwordRefusesOtherTypesAndKeepsTheOutValue) {
    const DWORD sentinel = 0xA5A5A5A5;
    ASSERT_TRUE(PutString(HKEY_CURRENT_USER, ScratchPath, "Text", "1"));
    const DWORD four = 4;
    ASSERT_TRUE(Put("Binary", REG_BINARY, &four, 4));
    const WORD two = 2;
    ASSERT_TRUE(Put("Short", REG_DWORD, &two, 2));
    const DWORD pair[2] = {1, 2};
    ASSERT_TRUE(Put("Long", REG_DWORD, pair, 8));
    for (const char* name : {"Text", "Binary", "Short", "Long", "Missing"}) {
        DWORD number = sentinel;
        EXPECT_FALSE(basRegistry::ReadDword(key_, name, number)) << name;
        EXPECT_EQ(sentinel, number) << name;
    }
}

TEST_F(Registry, StringRoundTripStoresTheTextAndOneNul) {
    ASSERT_TRUE(basRegistry::WriteString(key_, "Name", "Orvalith Touch"));
    RawValue raw = GetRaw(HKEY_CURRENT_USER, ScratchPath, "Name");
    EXPECT_EQ(REG_SZ, raw.type);
    EXPECT_EQ(std::string("Orvalith Touch\0", 15), raw.bytes);
    std::string text = "sentinel";
    EXPECT_TRUE(basRegistry::ReadString(key_, "Name", text));
    EXPECT_EQ("Orvalith Touch", text);

    ASSERT_TRUE(basRegistry::WriteString(key_, "Empty", ""));
    EXPECT_EQ(std::string(1, '\0'), GetRaw(HKEY_CURRENT_USER, ScratchPath, "Empty").bytes);
    EXPECT_TRUE(basRegistry::ReadString(key_, "Empty", text));
    EXPECT_EQ("", text);

    std::string longText(5000, 'x');
    longText[4999] = 'y';
    ASSERT_TRUE(basRegistry::WriteString(key_, "Long", longText));
    EXPECT_TRUE(basRegistry::ReadString(key_, "Long", text));
    EXPECT_EQ(longText, text);
}

TEST_F(Registry, ReadStringCutsAtTheFirstNul) {
    ASSERT_TRUE(Put("Embedded", REG_SZ, "abc\0def\0", 8));
    std::string text = "sentinel";
    EXPECT_TRUE(basRegistry::ReadString(key_, "Embedded", text));
    EXPECT_EQ("abc", text);

    ASSERT_TRUE(Put("Unterminated", REG_SZ, "abc", 3));
    EXPECT_TRUE(basRegistry::ReadString(key_, "Unterminated", text));
    EXPECT_EQ("abc", text) << "no blank of the read buffer may remain";

    ASSERT_TRUE(Put("NoBytes", REG_SZ, "", 0));
    text = "sentinel";
    EXPECT_TRUE(basRegistry::ReadString(key_, "NoBytes", text));
    EXPECT_EQ("", text);

    ASSERT_TRUE(Put("LeadingNul", REG_SZ, "\0abc", 5));
    EXPECT_TRUE(basRegistry::ReadString(key_, "LeadingNul", text));
    EXPECT_EQ("", text);
}

TEST_F(Registry, ReadStringRefusesOtherTypesAndKeepsTheOutValue) {
    ASSERT_TRUE(PutDword(HKEY_CURRENT_USER, ScratchPath, "Number", 5));
    ASSERT_TRUE(Put("Expand", REG_EXPAND_SZ, "%TEMP%\0", 7));
    ASSERT_TRUE(Put("Multi", REG_MULTI_SZ, "a\0b\0\0", 5));
    ASSERT_TRUE(Put("Binary", REG_BINARY, "abc\0", 4));
    for (const char* name : {"Number", "Expand", "Multi", "Binary", "Missing"}) {
        std::string text = "sentinel";
        EXPECT_FALSE(basRegistry::ReadString(key_, name, text)) << name;
        EXPECT_EQ("sentinel", text) << name;
    }
}

TEST_F(Registry, WriteStringRefusesAZeroKey) {
    EXPECT_FALSE(basRegistry::WriteString(nullptr, "Name", "text"));
}

} // namespace
