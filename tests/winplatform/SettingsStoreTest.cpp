#include <gtest/gtest.h>

#include <string>

#include "app/SettingsCodec.h"
#include "app/SettingsStore.h"
#include "platform/Registry.h"

namespace {

constexpr char kSection[] = "PlatformTest";
constexpr char kKeyPath[] = "Software\\zp-r\\Velmar\\PlatformTest";

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ::RegDeleteKeyA(HKEY_CURRENT_USER, kKeyPath); }
    void TearDown() override { ::RegDeleteKeyA(HKEY_CURRENT_USER, kKeyPath); }

    static void Put(const char* name, DWORD type, const std::string& bytes) {
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                    nullptr),
                  ERROR_SUCCESS);
        ::RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                         static_cast<DWORD>(bytes.size()));
        ::RegCloseKey(key);
    }
    static RegistryValue Raw(const char* name) {
        CRegKey key = CRegKey::Open(HKEY_CURRENT_USER, kKeyPath, KEY_READ);
        EXPECT_TRUE(key);
        return key.Query(name, 1 << 20).value_or(RegistryValue{});
    }
};

TEST_F(SettingsStoreTest, AReadCreatesTheKeyOfTheSection) {
    EXPECT_EQ(ReadSettingString(kSection, "Einheit"), "");
    EXPECT_TRUE(CRegKey::Open(HKEY_CURRENT_USER, kKeyPath, KEY_READ));
}

// Texts with their terminating NUL, integers as 4-byte DWORDs; both read back unchanged.
TEST_F(SettingsStoreTest, WritesTextsWithTheirNulAndIntegersAsFourByteDwords) {
    WriteSettingString(kSection, "Einheit", "INCH");
    WriteSettingInt(kSection, "Zoom", -7);
    const RegistryValue text = Raw("Einheit");
    EXPECT_EQ(text.type, static_cast<std::uint32_t>(REG_SZ));
    EXPECT_EQ(std::string(text.data.begin(), text.data.end()), std::string("INCH", 5));
    const RegistryValue zoom = Raw("Zoom");
    EXPECT_EQ(zoom.type, static_cast<std::uint32_t>(REG_DWORD));
    EXPECT_EQ(zoom.data.size(), 4u);
    EXPECT_EQ(ReadSettingString(kSection, "Einheit"), "INCH");
    EXPECT_EQ(ReadSettingInt(kSection, "Zoom"), -7);
}

// Values of the wrong type or size read as missing; a text without NUL is read within its size.
TEST_F(SettingsStoreTest, ReadsWrongTypesAndSizesAsMissing) {
    Put("Zoom", REG_BINARY, std::string(16, '\x7f'));
    Put("Typed", REG_DWORD, std::string("PIX\0", 4));
    Put("MitTransparentSlider", REG_SZ, std::string(100000, '1'));
    Put("Einheit", REG_SZ, "MM");
    EXPECT_EQ(ReadSettingInt(kSection, "Zoom"), 0);
    EXPECT_EQ(ReadSettingString(kSection, "Typed"), "");
    EXPECT_EQ(ReadSettingString(kSection, "MitTransparentSlider"), "");
    EXPECT_EQ(ReadSettingString(kSection, "Einheit"), "MM");
}

TEST_F(SettingsStoreTest, QueryRefusesValuesAboveTheLimitWithoutLoadingThem) {
    Put("Big", REG_BINARY, std::string(kMaxSettingBytes + 1, 'x'));
    CRegKey key = CRegKey::Open(HKEY_CURRENT_USER, kKeyPath, KEY_READ);
    EXPECT_FALSE(key.Query("Big", kMaxSettingBytes).has_value());
    EXPECT_EQ(key.Query("Big", kMaxSettingBytes + 1)->data.size(), kMaxSettingBytes + 1);
}

}  // namespace
