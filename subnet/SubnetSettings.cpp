// SPDX-License-Identifier: MIT
// The subnet calculator's values in the settings, each kept as text.
#include <QAction>
#include <QTabWidget>

#include "app/SettingsText.h"
#include "controls/KestIPAddrEdit.h"
#include "controls/KestSpinEdit.h"
#include "platform/Registry.h"
#include "platform/ValueComboBox.h"
#include "subnet/SubnetCalculator.h"

namespace {
constexpr const char* SubnetSettingsKey = "\\Orvane Calculator";
constexpr std::int32_t DefaultAddress = static_cast<std::int32_t>(0x800F0A05u);  // 128.15.10.5

// A value of another type, or text that is no whole number, reads as the default.
std::int32_t ReadSetting(const TRegistry& key, bool opened, const QString& name, std::int32_t defaultValue) {
  if (!opened || key.GetDataType(name) != TRegDataType::rdString) return defaultValue;
  return ParseSettingInteger(key.ReadString(name).toStdString()).value_or(defaultValue);
}

void WriteSetting(TRegistry& key, const QString& name, std::int32_t value) {
  key.WriteString(name, QString::fromStdString(FormatSettingInteger(value)));
}
}  // namespace

void TSubnetCalculator::LoadSettings(const QString& settingsKey) {
  TRegistry key;
  const bool opened = key.OpenKeyReadOnly(settingsKey + SubnetSettingsKey);
  InitSubnetHostTable();
  IPAddressEdit->SetAddress(static_cast<std::uint32_t>(ReadSetting(key, opened, "IPAddress", DefaultAddress)));
  std::uint8_t first = IPAddressEdit->GetField(0);
  IPAddressEditFieldChanged(IPAddressEdit, 0, first);
  IPSubnetPageControl->setCurrentIndex(ReadSetting(key, opened, "ActivePageIndex", 0));
  OptionsAllow1SubnetBitItem->setChecked(ReadSetting(key, opened, "Allow1SubnetBit", 0) != 0);
  OptionsAllow1SubnetBitItemClick(OptionsAllow1SubnetBitItem);
  SubnetMaskComboBox->SetItemIndex(ReadSetting(key, opened, "SIItemIndex", 6));
  SubnetComboBoxClick(SubnetMaskComboBox);
  // Restored after the option and the mask, whose bounds they must fit; each
  // spin edit reports its own change.
  SubnetFromSpinEdit->SetValue(ReadSetting(key, opened, "SHFrom", 1));
  SubnetToSpinEdit->SetValue(ReadSetting(key, opened, "SHTo", 254));
  SupernetMaskComboBox->SetItemIndex(ReadSetting(key, opened, "CIItemIndex", 6));
  SupernetComboBoxClick(SupernetMaskComboBox);
}

void TSubnetCalculator::SaveSettings(const QString& settingsKey) const {
  TRegistry key;
  if (!key.OpenKey(settingsKey + SubnetSettingsKey, true)) return;
  key.BeginUpdate();
  WriteSetting(key, "IPAddress", static_cast<std::int32_t>(IPAddressEdit->Address()));
  WriteSetting(key, "ActivePageIndex", IPSubnetPageControl->currentIndex());
  key.WriteString("Allow1SubnetBit", QString::fromStdString(FormatSettingBoolean(OptionsAllow1SubnetBitItem->isChecked())));
  WriteSetting(key, "SIItemIndex", SubnetMaskComboBox->currentIndex());
  WriteSetting(key, "SHFrom", SubnetFromSpinEdit->Value());
  WriteSetting(key, "SHTo", SubnetToSpinEdit->Value());
  WriteSetting(key, "CIItemIndex", SupernetMaskComboBox->currentIndex());
  key.EndUpdate();
}
