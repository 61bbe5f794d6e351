#pragma once
// A four-field IPv4 address entry: four fields of 0 to 255, a 32-bit address
// in host order (field 0 in the most significant byte), and a field-changed
// event whose handler may correct the value of the field the user left.
#include <QWidget>
#include <cstdint>
#include <functional>

class QLineEdit;

using TIPAddressEditFieldIndex = int;  // 0 to 3, left to right
using TIPAddressEditFieldValueChangedEvent =
    std::function<void(QObject* sender, TIPAddressEditFieldIndex fieldIndex, std::uint8_t& value)>;
using TNotifyEvent = std::function<void(QObject* sender)>;

class TCustomIPAddressEdit : public QWidget {
  Q_OBJECT
 public:
  explicit TCustomIPAddressEdit(QWidget* parent = nullptr);

  std::uint32_t Address() const;  // empty fields read as 0
  void SetAddress(std::uint32_t address);
  std::uint8_t GetField(int index) const;
  void SetField(int index, std::uint8_t value);
  bool IsBlank() const;
  std::uint32_t NetworkAddress() const;
  void SetNetworkAddress(std::uint32_t address);
  QString AddressString() const;
  // Text that does not parse as a dotted address sets 255.255.255.255.
  void SetAddressString(const QString& text);

  // Puts AddressString on the clipboard.
  void CopyToClipboard();

  TNotifyEvent OnChange;
  TIPAddressEditFieldValueChangedEvent OnFieldChanged;

 protected:
  virtual void Change();
  virtual void FieldChanged(TIPAddressEditFieldIndex fieldIndex, std::uint8_t& value);

  // The helper implementing this control fills in the rest.
};

class TIPAddressEdit : public TCustomIPAddressEdit {
  Q_OBJECT
 public:
  using TCustomIPAddressEdit::TCustomIPAddressEdit;
};
