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

TEST_F(SettingsStoreTest, TextsAreWrittenWithTheirTerminatingNul) {
    WriteSettingString(kSection, "Einheit", "INCH");
    const RegistryValue value = Raw("Einheit");
    EXPECT_EQ(value.type, static_cast<std::uint32_t>(REG_SZ));
    EXPECT_EQ(std::string(value.data.begin(), value.data.end()), std::string("INCH", 5));
    EXPECT_EQ(ReadSettingString(kSection, "Einheit"), "INCH");
}

TEST_F(SettingsStoreTest, IntegersAreFourByteDwords) {
    WriteSettingInt(kSection, "Zoom", -7);
    const RegistryValue value = Raw("Zoom");
    EXPECT_EQ(value.type, static_cast<std::uint32_t>(REG_DWORD));
    EXPECT_EQ(value.data.size(), 4u);
    EXPECT_EQ(ReadSettingInt(kSection, "Zoom"), -7);
}

TEST_F(SettingsStoreTest, ValuesOfTheWrongTypeOrSizeReadAsMissing) {
    Put("Zoom", REG_BINARY, std::string(16, '\x7f'));
    Put("Einheit", REG_DWORD, std::string("PIX\0", 4));
    Put("MitTransparentSlider", REG_SZ, std::string(100000, '1'));
    EXPECT_EQ(ReadSettingInt(kSection, "Zoom"), 0);
    EXPECT_EQ(ReadSettingString(kSection, "Einheit"), "");
    EXPECT_EQ(ReadSettingString(kSection, "MitTransparentSlider"), "");
}

TEST_F(SettingsStoreTest, ATextWithoutNulIsReadWithinItsSize) {
    Put("Einheit", REG_SZ, "MM");
    EXPECT_EQ(ReadSettingString(kSection, "Einheit"), "MM");
}

TEST(RegKey, QueryRefusesValuesAboveTheLimitWithoutLoadingThem) {
    HKEY raw = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &raw, nullptr),
              ERROR_SUCCESS);
    const std::string bytes(kMaxSettingBytes + 1, 'x');
    ::RegSetValueExA(raw, "Big", 0, REG_BINARY, reinterpret_cast<const BYTE*>(bytes.data()),
                     static_cast<DWORD>(bytes.size()));
    ::RegCloseKey(raw);

    CRegKey key = CRegKey::Open(HKEY_CURRENT_USER, kKeyPath, KEY_READ);
    EXPECT_FALSE(key.Query("Big", kMaxSettingBytes).has_value());
    EXPECT_EQ(key.Query("Big", kMaxSettingBytes + 1)->data.size(), kMaxSettingBytes + 1);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kKeyPath);
}

}  // namespace
