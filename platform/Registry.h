// SPDX-License-Identifier: MIT
#pragma once
// The per-user registry (HKEY_CURRENT_USER), kept in one file in the registry
// editor's export format. Several instances of the program may share it: every
// write re-reads the file under a lock and saves it atomically, so values written
// by another instance in the meantime are kept.
#include <QByteArray>
#include <QString>
#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <stdexcept>

#include "platform/RegistryFormat.h"

class ERegistryException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What tells one version of the file from another without reading it.
struct TRegFileIdentity {
  bool Exists = false;
  dev_t Device = 0;
  ino_t Inode = 0;
  off_t Size = 0;
  std::int64_t Modified = 0;  // nanoseconds
  std::int64_t Changed = 0;
  bool operator==(const TRegFileIdentity&) const = default;
};

// $XDG_CONFIG_HOME/OrvaneCalculator/registry.reg (XDG's default is ~/.config).
QString RegistryFilePath();

class TRegistry {
 public:
  TRegistry();
  ~TRegistry();
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  // `key` is a backslash path below HKEY_CURRENT_USER ("Software\\Kest Group"),
  // always taken from the root; names compare without regard to case. False when
  // the key is absent and may not be created, or cannot be created. A damaged or
  // unreadable file gives what can be read of it.
  bool OpenKey(const QString& key, bool canCreate);
  bool OpenKeyReadOnly(const QString& key);
  void CloseKey();
  bool KeyExists(const QString& key) const;

  // In the open key; false or rdUnknown when no key is open or the value is absent.
  bool ValueExists(const QString& name) const;
  TRegDataType GetDataType(const QString& name) const;

  // Throw ERegistryException when the value is absent or of another type.
  QString ReadString(const QString& name) const;
  int ReadInteger(const QString& name) const;
  QByteArray ReadBinaryData(const QString& name) const;

  // Throw ERegistryException when no key is open for writing or the file cannot be saved.
  void WriteString(const QString& name, const QString& value);
  void WriteInteger(const QString& name, int value);
  void WriteBinaryData(const QString& name, const QByteArray& data);

  // Writes from BeginUpdate to EndUpdate are saved together by EndUpdate, with one
  // re-read and save of the file instead of one for each; closing the key first
  // drops them unsaved. EndUpdate throws as a write does.
  void BeginUpdate();
  void EndUpdate();

 private:
  const TRegValue& ValueOfType(const QString& name, TRegDataType type) const;
  void WriteValue(const QString& name, TRegValue value);
  void SavePending();

  TRegDocument Document;    // the open key's values as last read or written
  std::string CurrentKey;   // full path of the open key; empty when none is open
  bool ReadOnly = false;
  bool Updating = false;
  TRegDocument Pending;     // written, not yet saved
  bool PendingChanges = false;  // a pending value differs from the value read
  std::optional<TRegFileIdentity> ReadFrom;  // the file that Document was read from, while known
};

// Gathers what every TRegistry of this thread writes, in any key, from its
// creation to Save(), which saves it all with one re-read and one save of the
// file; with a large file each save is costly. Destroyed unsaved, it drops what
// it gathered. A batch begun inside another gathers until its own Save().
class TRegistryBatch {
 public:
  TRegistryBatch();
  ~TRegistryBatch();
  TRegistryBatch(const TRegistryBatch&) = delete;
  TRegistryBatch& operator=(const TRegistryBatch&) = delete;

  // Ends the batch; throws ERegistryException as a write does.
  void Save();

 private:
  friend class TRegistry;
  TRegistryBatch* Outer;
  TRegDocument Pending;  // values that differ from those read, or read from a file changed since
};
